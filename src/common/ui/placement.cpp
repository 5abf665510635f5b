#include "common/ui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
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

constexpr int kFrameCheckMs = 50;
constexpr int kFrameChecks = 60; // the window manager gets three seconds to add its frame

// Watches its window: places it at the first showing, and once more when the frame around
// it gets another size than the one it was placed with. No event tells of a new frame
// when the client area keeps its place, so the frame is looked at for a while after the
// showing.
class Placer : public QObject {
public:
    Placer(QWidget* window, Placement where) : QObject(window), m_window(window), m_where(std::move(where))
    {
        window->installEventFilter(this);
        m_check.setInterval(kFrameCheckMs);
        connect(&m_check, &QTimer::timeout, this, &Placer::checkFrame);
        if (window->isVisible())
            firstPlace();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != m_window)
            return false;
        if (e->type() == QEvent::Show && !m_placed)
            firstPlace();
        else if (m_placed && (e->type() == QEvent::Move || e->type() == QEvent::Resize))
            checkFrame();
        return false;
    }

private:
    void firstPlace()
    {
        place();
        m_check.start();
    }

    void checkFrame()
    {
        if (frame() != m_frame) {
            place();
            finish();
        } else if (++m_checks >= kFrameChecks) {
            finish();
        }
    }

    void finish()
    {
        m_check.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

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
    QTimer m_check;
    int m_checks = 0;
};

} // namespace

void placeWhenShown(QWidget* window, Placement where)
{
    if (window)
        new Placer(window, std::move(where));
}

void centreWhenShown(QWidget* window) { placeWhenShown(window, centredOnScreen); }

} // namespace ui
