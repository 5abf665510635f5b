#include "reference/skills/ui/skill_tiles.h"

#include "common/ui/controls.h"
#include "common/ui/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <cmath>

namespace skills::ui {

SkillTile::SkillTile(QWidget* parent, const char* baseName, int index, const QString& name, std::uint32_t colour)
    : QWidget(parent), m_index(index), m_name(name), m_colour(::ui::bgr(colour))
{
    setObjectName(::ui::controlName(baseName, index));
    setCursor(Qt::PointingHandCursor);
}

void SkillTile::setBordered(bool on)
{
    m_border = on;
    update();
}

void SkillTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // An opaque square: whatever lies beneath the icon stays hidden.
    QLinearGradient g(QPointF(0, 0), QPointF(width(), height()));
    g.setColorAt(0, m_colour.lighter(135));
    g.setColorAt(1, m_colour.darker(125));
    p.fillRect(rect(), g);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(m_colour.darker(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 4, 4);

    // The name on as many lines as gives it the largest type that fits.
    const int n = static_cast<int>(m_name.size());
    const qreal room = std::min(r.width(), r.height()) - 4;
    int bestLines = 1;
    qreal bestSize = 0;
    for (int lines = 1; lines <= std::max(1, n); ++lines) {
        const int perLine = (n + lines - 1) / lines;
        const qreal size = std::min(room / std::max(1, perLine), room / lines * 0.9);
        if (size > bestSize) {
            bestSize = size;
            bestLines = lines;
        }
    }
    const int perLine = (n + bestLines - 1) / bestLines;
    QStringList parts;
    for (int i = 0; i < n; i += perLine)
        parts << m_name.mid(i, perLine);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(6, static_cast<int>(std::floor(bestSize))));
    p.setFont(f);
    p.setPen(Qt::white);
    const QRectF textRect = r.adjusted(1, 1, -1, -1);
    p.drawText(textRect.translated(0.8, 0.8), Qt::AlignCenter, parts.join('\n'));
    p.setPen(QColor(40, 30, 20));
    p.drawText(textRect, Qt::AlignCenter, parts.join('\n'));

    if (m_border) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SkillTile::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked(m_index);
}

ClickLabel::ClickLabel(QWidget* parent, const char* baseName, int index, const QString& text)
    : QLabel(text, parent), m_index(index)
{
    setObjectName(::ui::controlName(baseName, index));
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked(m_index);
}

QFont songFont(double points, bool bold)
{
    QFont f;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height,
                            std::uint32_t textColour)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(songFont(10.5));
    ::ui::setForeColour(box, textColour);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, ::ui::bgr(::ui::colours::WindowBack));
    box->setPalette(pal);
    ::ui::placeTw(box, left, top, width, height);
    return box;
}

void setBoxText(QPlainTextEdit* box, std::string_view crlfText)
{
    QString text = ::ui::qs(crlfText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(text);
}

} // namespace skills::ui
