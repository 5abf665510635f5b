#include "platform/ui/window_frame.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

namespace platform {

namespace {

// The property's name as the X server numbers it, asked once (and made by us when no
// window manager has named it yet: the property is then simply not there).
xcb_atom_t frameExtentsAtom(xcb_connection_t* c)
{
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        static const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, false, sizeof name - 1, name), nullptr);
        if (r) {
            atom = r->atom;
            std::free(r);
        }
    }
    return atom;
}

// Qt's connection to the X server; nothing on another platform.
xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The X screen the program's windows are on (the whole desktop, all monitors together).
const xcb_screen_t* rootScreen(xcb_connection_t* c)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    return setup ? xcb_setup_roots_iterator(setup).data : nullptr;
}

// A top-level window as the X server knows it, once it has a native window.
struct NativeWindow {
    xcb_connection_t* connection;
    xcb_window_t id;
};

std::optional<NativeWindow> nativeOf(const QWidget* window)
{
    if (!window || !window->isWindow() || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    xcb_connection_t* c = x11Connection();
    const WId id = c ? window->internalWinId() : 0;
    if (!id)
        return std::nullopt;
    return NativeWindow{c, static_cast<xcb_window_t>(id)};
}

// Sees every event Qt reads from the X server before Qt handles it, and tells the watches
// of a window whose frame the window manager has published. A window's native id is looked
// up as the event comes, since Qt may give a window a new native window.
class FrameWatches : public QAbstractNativeEventFilter {
public:
    static FrameWatches& instance()
    {
        static FrameWatches* watches = [] {
            auto* w = new FrameWatches; // lives as long as the application's dispatcher
            qGuiApp->installNativeEventFilter(w);
            return w;
        }();
        return *watches;
    }

    void add(const QWidget* window, QObject* owner, std::function<void()> published)
    {
        m_watches[owner] = Watch{QPointer<const QWidget>(window), std::move(published)};
        QObject::connect(owner, &QObject::destroyed, [this, owner] { m_watches.erase(owner); });
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (m_watches.empty() || type != "xcb_generic_event_t")
            return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        if ((e->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        for (const auto& [owner, watch] : m_watches) {
            const std::optional<NativeWindow> n = nativeOf(watch.window.data());
            if (!n || n->id != p->window || p->atom != frameExtentsAtom(n->connection))
                continue;
            // After Qt has read the event, and outside the loop over the watches, which the
            // call may change.
            QMetaObject::invokeMethod(owner, watch.published, Qt::QueuedConnection);
        }
        return false;
    }

private:
    struct Watch {
        QPointer<const QWidget> window;
        std::function<void()> published;
    };
    std::map<QObject*, Watch> m_watches;
};

} // namespace

std::optional<QPoint> clientAreaOnScreen(const QWidget* window)
{
    const std::optional<NativeWindow> n = nativeOf(window);
    if (!n)
        return std::nullopt;
    const xcb_screen_t* screen = rootScreen(n->connection);
    if (!screen)
        return std::nullopt;
    xcb_translate_coordinates_reply_t* r = xcb_translate_coordinates_reply(
        n->connection, xcb_translate_coordinates(n->connection, n->id, screen->root, 0, 0), nullptr);
    if (!r)
        return std::nullopt;
    const QPoint at(r->dst_x, r->dst_y);
    std::free(r);
    return at;
}

void requestClientAreaAt(const QWidget* window, QPoint at)
{
    const std::optional<NativeWindow> n = nativeOf(window);
    if (!n)
        return;
    const std::uint32_t xy[] = {static_cast<std::uint32_t>(at.x()), static_cast<std::uint32_t>(at.y())};
    xcb_configure_window(n->connection, n->id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy);
    xcb_flush(n->connection);
}

void watchPublishedFrame(const QWidget* window, QObject* owner, std::function<void()> published)
{
    if (!window || !owner || !published || !x11Connection())
        return;
    FrameWatches::instance().add(window, owner, std::move(published));
}

std::optional<QMargins> publishedFrame(const QWidget* window)
{
    const std::optional<NativeWindow> n = nativeOf(window);
    if (!n)
        return std::nullopt;
    const xcb_atom_t atom = frameExtentsAtom(n->connection);
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;

    const xcb_get_property_cookie_t cookie =
        xcb_get_property(n->connection, false, n->id, atom, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* r = xcb_get_property_reply(n->connection, cookie, nullptr);
    if (!r)
        return std::nullopt;
    std::optional<QMargins> frame;
    // Four 32-bit numbers and nothing after them.
    if (r->type == XCB_ATOM_CARDINAL && r->format == 32 && xcb_get_property_value_length(r) == 16 &&
        r->bytes_after == 0) {
        std::uint32_t v[4]; // left, right, top, bottom
        std::memcpy(v, xcb_get_property_value(r), sizeof v);
        // A frame the desktop could not hold is no frame a window manager would draw.
        const xcb_screen_t* screen = rootScreen(n->connection);
        const std::uint64_t width = screen ? screen->width_in_pixels : 0;
        const std::uint64_t height = screen ? screen->height_in_pixels : 0;
        if (std::uint64_t(v[0]) + v[1] < width && std::uint64_t(v[2]) + v[3] < height)
            frame = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    std::free(r);
    return frame;
}

} // namespace platform
