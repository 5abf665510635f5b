#include "platform/ui/window_frame.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

xcb_atom_t frameExtentsAtom(xcb_connection_t* c)
{
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        static const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, true, sizeof name - 1, name), nullptr);
        if (r) {
            atom = r->atom;
            std::free(r);
        }
    }
    return atom;
}

} // namespace

std::optional<QMargins> publishedFrame(const QWidget* window)
{
    if (!window || !window->isWindow() || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    const WId id = window->internalWinId();
    if (!c || !id)
        return std::nullopt;
    const xcb_atom_t atom = frameExtentsAtom(c);
    if (atom == XCB_ATOM_NONE) // no window manager has ever named it
        return std::nullopt;

    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, false, static_cast<xcb_window_t>(id), atom, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, cookie, nullptr);
    if (!r)
        return std::nullopt;
    std::optional<QMargins> frame;
    if (r->type == XCB_ATOM_CARDINAL && r->format == 32 && xcb_get_property_value_length(r) == 16) {
        std::uint32_t v[4]; // left, right, top, bottom
        std::memcpy(v, xcb_get_property_value(r), sizeof v);
        // A frame wider than any screen is no frame a window manager would draw.
        constexpr std::uint32_t kMost = 4096;
        if (v[0] <= kMost && v[1] <= kMost && v[2] <= kMost && v[3] <= kMost)
            frame = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    std::free(r);
    return frame;
}

} // namespace platform
