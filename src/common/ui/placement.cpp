#include "common/ui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

QPoint centredOnScreen(const QRect& screen, const QSize& outer)
{
    return {screen.left() + (screen.width() - outer.width()) / 2,
            screen.top() + (screen.height() - outer.height()) / 2};
}

QPoint topRightOfScreen(const QRect& screen, const QSize& outer)
{
    return {screen.right() + 1 - outer.width(), screen.top()};
}

QPoint leftAboveBottom(const QRect& screen, const QSize& outer, int gapPx)
{
    return {screen.left(), screen.bottom() + 1 - outer.height() - gapPx};
}

namespace {

// Watches its window: places it at the first showing, and once more at the first event
// after which the frame around it has another size than the one it was placed with.
class Placer : public QObject {
public:
    Placer(QWidget* window, Placement where) : QObject(window), m_window(window), m_where(std::move(where))
    {
        window->installEventFilter(this);
        if (window->isVisible())
            place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != m_window)
            return false;
        if (e->type() == QEvent::Show && !m_placed) {
            place();
        } else if (m_placed && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                                e->type() == QEvent::Show)) {
            if (frame() != m_frame) {
                place();
                m_window->removeEventFilter(this);
                deleteLater();
            }
        }
        return false;
    }

private:
    // What the frame adds to the client area (nothing while the frame is unknown).
    QSize frame() const { return m_window->frameGeometry().size() - m_window->size(); }

    void place()
    {
        const QScreen* s = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        if (!s)
            return;
        m_frame = frame();
        m_window->move(m_where(s->geometry(), m_window->frameGeometry().size()));
        m_placed = true;
    }

    QWidget* m_window;
    Placement m_where;
    QSize m_frame;
    bool m_placed = false;
};

} // namespace

void placeWhenShown(QWidget* window, Placement where)
{
    if (window)
        new Placer(window, std::move(where));
}

void centreWhenShown(QWidget* window) { placeWhenShown(window, centredOnScreen); }

} // namespace ui
