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
