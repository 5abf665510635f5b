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

QPoint withinReach(const QRect& outer, int titleHeight, const QList<QRect>& areas)
{
    const QRect titleBar(outer.topLeft(), QSize(outer.width(), qMax(titleHeight, 1)));
    const QRect* best = nullptr;
    qint64 bestOverlap = 0;
    qint64 bestDistance = 0;
    for (const QRect& area : areas) {
        if (area.isEmpty())
            continue;
        if (area.contains(titleBar))
            return outer.topLeft();
        const QRect common = area.intersected(outer);
        const qint64 overlap = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        // How far the rectangle lies outside the area, along each axis, squared.
        const qint64 dx = qMax<qint64>(0, qMax<qint64>(qint64(area.left()) - outer.right(), qint64(outer.left()) - area.right()));
        const qint64 dy = qMax<qint64>(0, qMax<qint64>(qint64(area.top()) - outer.bottom(), qint64(outer.top()) - area.bottom()));
        const qint64 distance = dx * dx + dy * dy;
        if (!best || overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            best = &area;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    if (!best)
        return outer.topLeft();
    // Along each axis: the least move that brings both edges in; the near edge first where
    // the rectangle is the larger.
    auto onto = [](int at, int length, int first, int room) {
        return qMax(first, qMin(at, first + room - length));
    };
    return {onto(outer.left(), outer.width(), best->left(), best->width()),
            onto(outer.top(), outer.height(), best->top(), best->height())};
}

namespace {

// The program's pixels and the desktop's on one screen. The two agree at the screen's
// top-left corner; from there each of the program's pixels is `scale` of the desktop's
// (the same mapping, and the same rounding, as Qt's own).
struct Pixels {
    QPoint origin;
    qreal scale = 1;

    explicit Pixels(const QScreen* screen)
    {
        if (screen) {
            origin = screen->geometry().topLeft();
            scale = screen->devicePixelRatio() > 0 ? screen->devicePixelRatio() : 1;
        }
    }
    QPoint toDesktop(QPoint p) const
    {
        return origin + QPoint(qRound((p.x() - origin.x()) * scale), qRound((p.y() - origin.y()) * scale));
    }
    QPoint toProgram(QPoint p) const
    {
        return origin + QPoint(qRound((p.x() - origin.x()) / scale), qRound((p.y() - origin.y()) / scale));
    }
    QSize toDesktop(QSize s) const { return {qRound(s.width() * scale), qRound(s.height() * scale)}; }
    QRect toDesktop(const QRect& r) const { return {toDesktop(r.topLeft()), toDesktop(r.size())}; }
    QMargins toDesktop(const QMargins& m) const
    {
        return {qRound(m.left() * scale), qRound(m.top() * scale), qRound(m.right() * scale),
                qRound(m.bottom() * scale)};
    }
};

const QScreen* screenOf(const QWidget* window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// What the frame adds around the client area, in the desktop's pixels: as the window
// manager publishes it where it does, else as far as Qt knows it (nothing while the frame
// is unknown).
QMargins frameOf(const QWidget* window)
{
    if (const std::optional<QMargins> published = platform::publishedFrame(window))
        return *published;
    const QRect outer = window->frameGeometry();
    const QRect client = window->geometry();
    return Pixels(screenOf(window))
        .toDesktop(QMargins(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                            outer.bottom() - client.bottom()));
}

// Where Qt has the client area, in the desktop's pixels (to the nearest of its own, which
// are coarser on a scaled desktop).
QPoint clientAreaByQt(const QWidget* window)
{
    return Pixels(screenOf(window)).toDesktop(window->geometry().topLeft());
}

// Where the client area stands, in the desktop's pixels: as the X server has it (Qt may
// not know yet of a move the player has just made), else as Qt has it.
QPoint clientAreaOf(const QWidget* window)
{
    return platform::clientAreaOnScreen(window).value_or(clientAreaByQt(window));
}

// Each screen's room less what the desktop keeps for panels, in the desktop's pixels.
QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens())
        areas.append(Pixels(s).toDesktop(s->availableGeometry()));
    return areas;
}

// Watches its window (one watcher a window, made on first need): places it by its
// placement at its showing and again whenever the frame around it turns out otherwise than
// it was placed with, until the player moves it; and notes where the window stood when it
// is hidden, to put it back there (or the nearest place within reach) when it is shown
// again. Places are kept in the desktop's pixels.
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
            // Where it stands as the X server has it; but a minimised window is Qt's to
            // tell, as the window manager may be moving its frame off towards its icon.
            if (e->spontaneous() || m_window->isMinimized())
                m_stood = lastSeen();
            else
                m_stood = clientAreaOf(m_window);
            break;
        case QEvent::Move:
            if (m_window->isVisible() && !m_window->isMinimized())
                m_seen = clientAreaOf(m_window);
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

    // Where Qt last knew the client area, in the desktop's pixels: to the pixel as the X
    // server had it at the last move, where Qt's own record agrees with that.
    QPoint lastSeen() const
    {
        if (m_seen && Pixels(screenOf(m_window)).toProgram(*m_seen) == m_window->geometry().topLeft())
            return *m_seen;
        return clientAreaByQt(m_window);
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
        else if (moved && !frame.isNull() &&
                 m_window->geometry().topLeft() != Pixels(screenOf(m_window)).toProgram(m_client))
            m_following = false; // the player has moved the window (the frame is drawn, so it can)
    }

    void place()
    {
        const QScreen* s = screenOf(m_window);
        if (!s)
            return;
        const Pixels pixels(s);
        m_frame = knownFrame();
        const QSize outer = pixels.toDesktop(m_window->size()).grownBy(m_frame);
        const QPoint inside(m_frame.left(), m_frame.top());
        if (m_kind == Kind::OnScreen) {
            m_client = m_where(ScreenArea{pixels.toDesktop(s->geometry()), pixels.scale}, outer) + inside;
        } else if (m_kind == Kind::Stood && m_stood) {
            m_client = withinReach(QRect(*m_stood - inside, outer), m_frame.top(), screenAreas()) + inside;
        } else {
            return;
        }
        // Qt is told the place in its own pixels, as near as they come; the X server is
        // asked for it to the desktop's pixel last.
        const QPoint client = pixels.toProgram(m_client);
        if (m_window->geometry().topLeft() != client) {
            // move() takes the outer corner as Qt knows the frame, which may lag behind the
            // window manager's: the client area is placed through Qt's own offset (that of
            // x() and y(), which move() uses; pos() can differ from them) instead.
            const QPoint qtFrameOffset = m_window->geometry().topLeft() - QPoint(m_window->x(), m_window->y());
            m_window->move(client - qtFrameOffset);
        }
        // A window whose place was never set leaves it to the window manager at every showing
        // (and one already at its place is not moved): its place is told as set from now on.
        if (QWindow* native = m_window->windowHandle())
            native->setPosition(client);
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
    std::optional<QPoint> m_seen;  // and as the X server had it at its last move
};

} // namespace

void placeWhenShown(QWidget* window, Placement where)
{
    if (window)
        WindowPlace::of(window)->setPlacement(std::move(where));
}

void centreWhenShown(QWidget* window)
{
    placeWhenShown(window, [](const ScreenArea& screen, const QSize& outer) {
        return centredOnScreen(screen.rect, outer);
    });
}

void keepPlaceWhenHidden(QWidget* window)
{
    if (window)
        WindowPlace::of(window);
}

} // namespace ui
