#include "common/ui/dc_button.h"

#include "common/ui/controls.h"
#include "common/ui/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

namespace {
int buttonCode(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
} // namespace

DcButton::DcButton(QWidget* parent, const char* baseName, const QString& caption, int index)
    : QPushButton(caption, parent), m_index(index)
{
    setObjectName(controlName(baseName, index));
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    applyPalette();
    connect(this, &QPushButton::clicked, this, [this] { emit click(m_index); });
}

DcButton* DcButton::at(int left, int top, int width, int height)
{
    placeTw(this, left, top, width, height);
    return this;
}

void DcButton::setBackColour(std::uint32_t colour)
{
    m_back = colour;
    applyPalette();
    update();
}

void DcButton::setForeColour(std::uint32_t colour)
{
    m_fore = colour;
    applyPalette();
    update();
}

void DcButton::setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

void DcButton::applyPalette()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Button, bgr(m_back));
    pal.setColor(QPalette::ButtonText, bgr(m_fore));
    setPalette(pal);
}

void DcButton::mousePressEvent(QMouseEvent* e)
{
    emit mouseDown(m_index, buttonCode(e->button()), shiftCode(e->modifiers()),
                   static_cast<int>(e->position().x() * 15), static_cast<int>(e->position().y() * 15));
    QPushButton::mousePressEvent(e);
}

void DcButton::mouseReleaseEvent(QMouseEvent* e)
{
    emit mouseUp(m_index, buttonCode(e->button()), shiftCode(e->modifiers()),
                 static_cast<int>(e->position().x() * 15), static_cast<int>(e->position().y() * 15));
    QPushButton::mouseReleaseEvent(e);
}

void DcButton::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        press();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void DcButton::paintEvent(QPaintEvent*)
{
    // A flat face in the layout's colour with a thin raised edge; the caption centred.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, bgr(m_back));
    const QRect room = captionRoom();
    const bool down = isDown();
    p.setPen(down ? QColor(120, 120, 120) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? QColor(255, 255, 255) : QColor(120, 120, 120));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setFont(font());
    if (!isEnabled()) {
        // Greyed, with a light edge so it stays legible on dark faces too.
        p.setPen(QColor(255, 255, 255));
        p.drawText(room.translated(1, 1), kCaptionFlags, text());
        p.setPen(QColor(110, 110, 110));
        p.drawText(room, kCaptionFlags, text());
    } else {
        p.setPen(bgr(m_fore));
        p.drawText(room.translated(down ? 1 : 0, down ? 1 : 0), kCaptionFlags, text());
    }
    if (hasFocus()) {
        QPen pen(QColor(60, 60, 60));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

} // namespace ui
