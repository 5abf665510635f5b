#include "common/ui/placement.h"

#include "platform/ui/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <optional>

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

// Watches its window (one watcher a window, made on first need): places it by its
// placement at its showing and again whenever the frame around it turns out otherwise than
// it was placed with, until the player moves it; and notes where the window stood when it
// is hidden, to put it back there when it is shown again.
class WindowPlace : public QObject {
public:
    static WindowPlace* of(QWidget* window)
    {
        for (QObject* child : window->children()) // (no meta-object of its own to find it by)
            if (auto* place = dynamic_cast<WindowPlace*>(child))
                return place;
        return new WindowPlace(window);
    }

    void setPlacement(Placement where)
    {
        m_where = std::move(where);
        m_kind = Kind::OnScreen;
        m_following = true;
        if (m_window->isVisible())
            place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != m_window)
            return false;
        switch (e->type()) {
        case QEvent::Show:
            // The program's showing, sent before the window is handed to the window manager
            // (a window the window manager brings back from its icon keeps its place anyway).
            if (!e->spontaneous())
                shown();
            break;
        case QEvent::Hide:
            // Where it stands as the X server has it (Qt may not know yet of a move the
            // player has just made); but a minimised window is Qt's to tell, as the window
            // manager may be moving its frame off towards its icon.
            if (e->spontaneous() || m_window->isMinimized())
                m_stood = m_window->geometry().topLeft();
            else
                m_stood = platform::clientAreaOnScreen(m_window).value_or(m_window->geometry().topLeft());
            break;
        case QEvent::Move:
            frameCheck(true);
            break;
        case QEvent::Resize:
            frameCheck(false);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Where the client area goes: by the placement on the screen, or where it stood.
    enum class Kind { None, OnScreen, Stood };

    explicit WindowPlace(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
        platform::watchPublishedFrame(window, this, [this] { frameCheck(false); });
    }

    void shown()
    {
        // A placement still followed puts the window where it belongs (where it stood, unless
        // the frame has come meanwhile); else it comes back where it stood when hidden.
        if (m_kind == Kind::OnScreen && m_following) {
            place();
        } else if (m_stood) {
            m_kind = Kind::Stood;
            m_following = true;
            place();
        }
    }

    // The frame as now known; while it is not known (again: a window manager forgets the
    // frame of a window hidden, until it shows again), the one it was last placed with.
    QMargins knownFrame() const
    {
        const QMargins frame = frameOf(m_window);
        return frame.isNull() ? m_frame : frame;
    }

    void frameCheck(bool moved)
    {
        if (m_kind == Kind::None || !m_following || !m_window->isVisible())
            return;
        const QMargins frame = knownFrame();
        if (frame != m_frame)
            place();
        else if (moved && !frame.isNull() && m_window->geometry().topLeft() != m_client)
            m_following = false; // the player has moved the window (the frame is drawn, so it can)
    }

    void place()
    {
        m_frame = knownFrame();
        if (m_kind == Kind::OnScreen) {
            const QScreen* s = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
            if (!s)
                return;
            const QSize outer = m_window->size().grownBy(m_frame);
            m_client = m_where(s->geometry(), outer) + QPoint(m_frame.left(), m_frame.top());
        } else if (m_kind == Kind::Stood && m_stood) {
            m_client = *m_stood;
        } else {
            return;
        }
        if (m_window->geometry().topLeft() != m_client) {
            // move() takes the outer corner as Qt knows the frame, which may lag behind the
            // window manager's: the client area is placed through Qt's own offset (that of
            // x() and y(), which move() uses; pos() can differ from them) instead.
            const QPoint qtFrameOffset = m_window->geometry().topLeft() - QPoint(m_window->x(), m_window->y());
            m_window->move(m_client - qtFrameOffset);
        }
        // A window whose place was never set leaves it to the window manager at every showing
        // (and one already at its place is not moved): its place is told as set from now on.
        if (QWindow* native = m_window->windowHandle())
            native->setPosition(m_client);
        // Qt asks for no move when it believes the window there, and it can be wrong: taken
        // out of the minimised state, a hidden window is mapped before it is shown, and the
        // window manager places it as a new one.
        platform::requestClientAreaAt(m_window, m_client);
    }

    QWidget* m_window;
    Kind m_kind = Kind::None;
    Placement m_where;
    bool m_following = false; // placed again when the frame changes, until the player moves it
    QMargins m_frame;         // the frame it was last placed with
    QPoint m_client;          // where that placement put the client area
    std::optional<QPoint> m_stood; // the client area's place when the window was last hidden
};

} // namespace

void placeWhenShown(QWidget* window, Placement where)
{
    if (window)
        WindowPlace::of(window)->setPlacement(std::move(where));
}

void centreWhenShown(QWidget* window) { placeWhenShown(window, centredOnScreen); }

void keepPlaceWhenHidden(QWidget* window)
{
    if (window)
        WindowPlace::of(window);
}

} // namespace ui
