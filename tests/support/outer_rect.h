#pragma once
// Where a top-level window stands on the screen, frame included. On an X11 desktop the
// window manager's frame is asked of the X server itself (the window below the root that
// holds the window), so a test sees what the player sees even while Qt's frameGeometry()
// still lags behind the frame; elsewhere Qt's own frame geometry is all there is.

#include <QGuiApplication>
#include <QRect>
#include <QString>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace test {

inline bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// A window manager runs on the X display (it has announced itself on the root window).
inline bool hasWindowManager()
{
    if (!onX11())
        return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    auto free = [](void* p) { std::free(p); };
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, true, sizeof name - 1, name), nullptr), free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    std::unique_ptr<xcb_get_property_reply_t, decltype(free)> prop(
        xcb_get_property_reply(c, xcb_get_property(c, false, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr), free);
    return prop && prop->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(prop.get()) == 4;
}

inline QRect outerRect(const QWidget* w)
{
    if (!onX11())
        return w->frameGeometry();
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    xcb_window_t id = static_cast<xcb_window_t>(w->internalWinId());
    if (!c || !id)
        return {};
    auto reply = [](auto* r) { return std::unique_ptr<std::remove_pointer_t<decltype(r)>, decltype(&std::free)>(r, &std::free); };
    for (int depth = 0; depth < 16; ++depth) { // up to the child of the root
        auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, id), nullptr));
        if (!tree)
            return {};
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            break;
        id = tree->parent;
    }
    auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!g)
        return {};
    const int border = g->border_width;
    return {g->x, g->y, g->width + 2 * border, g->height + 2 * border};
}

inline QString rectText(const QRect& r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

} // namespace test
