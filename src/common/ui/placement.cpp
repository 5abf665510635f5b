#include "common/ui/placement.h"

#include "platform/ui/window_frame.h"

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

QPoint rightAboveBottom(const QRect& screen, const QSize& outer, int gapPx)
{
    return {screen.right() + 1 - outer.width(), screen.bottom() + 1 - outer.height() - gapPx};
}

namespace {

constexpr int kFrameCheckMs = 50;
constexpr int kFrameChecks = 60; // the window manager gets three seconds to add its frame

// What the frame adds around the client area: as the window manager publishes it where it
// does, else as far as Qt knows it (nothing while the frame is unknown).
QMargins frameOf(const QWidget* window)
{
    if (const std::optional<QMargins> published = platform::publishedFrame(window))
        return *published;
    const QRect outer = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

// Moves the window so that its outer rectangle, with the given frame, stands where `where`
// puts it on the window's screen.
void placeWithFrame(QWidget* window, const Placement& where, const QMargins& frame)
{
    const QScreen* s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QSize outer = window->size().grownBy(frame);
    const QPoint client = where(s->geometry(), outer) + QPoint(frame.left(), frame.top());
    // move() takes the outer corner as Qt knows the frame, which may lag behind the window
    // manager's: the client area is placed through Qt's own offset (that of x() and y(),
    // which move() uses; pos() can differ from them) instead.
    const QPoint qtFrameOffset = window->geometry().topLeft() - QPoint(window->x(), window->y());
    window->move(client - qtFrameOffset);
}

// Watches its window: places it at the first showing (or at once when it is already
// shown), and once more when the frame around it gets another size than the one it was
// placed with. No event tells of a new frame when the client area keeps its place, so the
// frame is looked at for a while after the showing. A window has one placer at a time: a
// new placement ends the one before.
class Placer : public QObject {
public:
    Placer(QWidget* window, Placement where) : QObject(window), m_window(window), m_where(std::move(where))
    {
        for (QObject* child : window->children()) // (no meta-object of its own to find it by)
            if (auto* earlier = dynamic_cast<Placer*>(child); earlier && earlier != this)
                earlier->finish();
        window->installEventFilter(this);
        m_check.setInterval(kFrameCheckMs);
        connect(&m_check, &QTimer::timeout, this, &Placer::checkFrame);
        if (window->isVisible())
            firstPlace();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != m_window || m_finished)
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
        if (frameOf(m_window) != m_frame) {
            place();
            finish();
        } else if (++m_checks >= kFrameChecks) {
            finish();
        }
    }

    void finish()
    {
        m_finished = true;
        m_check.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    void place()
    {
        m_frame = frameOf(m_window);
        placeWithFrame(m_window, m_where, m_frame);
        m_placed = true;
    }

    QWidget* m_window;
    Placement m_where;
    QMargins m_frame;
    bool m_placed = false;
    bool m_finished = false;
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
