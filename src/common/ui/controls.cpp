#include "common/ui/controls.h"

#include "common/ui/twips.h"

#include <QPainter>
#include <QPaintEvent>

namespace ui {

QString controlName(const char* base, int index)
{
    return index < 0 ? QString::fromLatin1(base) : QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

CaptionFrame::CaptionFrame(QWidget* parent, const QString& caption, std::uint32_t backColour,
                           std::uint32_t captionColour)
    : QWidget(parent), m_caption(caption), m_back(bgr(backColour)), m_captionColour(bgr(captionColour))
{
}

void CaptionFrame::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void CaptionFrame::setBorder(bool on)
{
    m_border = on;
    update();
}

QRect CaptionFrame::captionRect() const
{
    if (m_caption.isEmpty())
        return {};
    const QFontMetrics fm(font());
    return {6, 0, fm.horizontalAdvance(m_caption) + 4, fm.height()};
}

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_back);
    if (!m_border)
        return;
    const QFontMetrics fm(font());
    const int top = m_caption.isEmpty() ? 0 : fm.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box);
    p.setPen(Qt::white);
    p.drawRect(box.adjusted(1, 1, 1, 1));
    if (!m_caption.isEmpty()) {
        const QRect capRect = captionRect();
        p.fillRect(capRect, m_back);
        p.setPen(m_captionColour);
        p.drawText(capRect, Qt::AlignCenter, m_caption);
    }
}

CaptionFrame* makeBackdrop(QWidget* window, const QString& name)
{
    auto* back = new CaptionFrame(window, {}, colours::PanelBack);
    back->setObjectName(name);
    back->setBorder(false);
    back->setGeometry(window->rect());
    return back;
}

QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QWidget* makeRule(QWidget* parent, const QString& name, std::uint32_t colour, const QRect& pixels)
{
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    setBackColour(line, colour);
    line->setGeometry(pixels);
    return line;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->adjustSize();
    const int w = width > 0 ? tw(width) : l->width();
    const int h = height > 0 ? tw(height) : l->height();
    l->setGeometry(tw(left), tw(top), w, h);
    return l;
}

void setBackColour(QWidget* w, std::uint32_t colour)
{
    QPalette pal = w->palette();
    const QColor c = bgr(colour);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setForeColour(QWidget* w, std::uint32_t colour)
{
    QPalette pal = w->palette();
    const QColor c = bgr(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

bool pickEntry(QComboBox* picker, const QString& text)
{
    const int idx = picker->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (idx < 0)
        return false;
    picker->setCurrentIndex(idx);
    emit picker->activated(idx);
    return true;
}

} // namespace ui
