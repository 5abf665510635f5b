#pragma once
// Where a top-level window stands on the screen, frame included. On an X11 desktop the
// window manager's frame is asked of the X server itself (the window below the root that
// holds the window), so a test sees what the player sees even while Qt's frameGeometry()
// still lags behind the frame; elsewhere Qt's own frame geometry is all there is.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace test {

inline bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Qt's connection to the X server; nothing off X11.
inline xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t rootWindow(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

// An X server's reply, freed with it.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> reply(T* r)
{
    return {r, &std::free};
}

// A window manager runs on the X display (it has announced itself on the root window).
inline bool hasWindowManager()
{
    xcb_connection_t* c = onX11() ? x11Connection() : nullptr;
    if (!c)
        return false;
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    auto atom = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, true, sizeof name - 1, name), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    auto prop = reply(xcb_get_property_reply(
        c, xcb_get_property(c, false, rootWindow(c), atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr));
    return prop && prop->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(prop.get()) == 4;
}

inline QRect outerRect(const QWidget* w)
{
    if (!onX11())
        return w->frameGeometry();
    xcb_connection_t* c = x11Connection();
    xcb_window_t id = static_cast<xcb_window_t>(w->internalWinId());
    if (!c || !id)
        return {};
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

// The desktop's pixels to one of the program's: 1, or 2 on a desktop scaled to 200 %. The
// rectangles here are in the desktop's pixels, as the player sees them.
inline qreal desktopScale()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s && s->devicePixelRatio() > 0 ? s->devicePixelRatio() : 1;
}

// A length in the program's pixels (such as a gap given in twips), in the desktop's.
inline int px(int programPx) { return qRound(programPx * desktopScale()); }

// The primary screen's whole room, in the desktop's pixels.
inline QRect screenRect()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect();
    return {g.topLeft(), QSize(px(g.width()), px(g.height()))};
}

// The window's client area, in the desktop's pixels: on X11 as the X server has it.
inline QRect clientRect(const QWidget* w)
{
    if (!onX11())
        return w->geometry();
    xcb_connection_t* c = x11Connection();
    const xcb_window_t id = static_cast<xcb_window_t>(w->internalWinId());
    if (!c || !id)
        return {};
    auto at = reply(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, rootWindow(c), 0, 0), nullptr));
    auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!at || !g)
        return {};
    return {at->dst_x, at->dst_y, g->width, g->height};
}

// The window manager's frame is around the window (there is a frame to count).
inline bool framed(const QWidget* w) { return outerRect(w).height() > clientRect(w).height(); }

// The window's place was given to the window manager as one the program or the player
// chose (the user-specified position of its size hints), not left for it to choose.
inline bool placeGivenByProgram(const QWidget* w)
{
    xcb_connection_t* c = x11Connection();
    const xcb_window_t id = static_cast<xcb_window_t>(w->internalWinId());
    if (!c || !id)
        return false;
    auto hints = reply(xcb_get_property_reply(
        c, xcb_get_property(c, false, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 1), nullptr));
    if (!hints || hints->format != 32 || xcb_get_property_value_length(hints.get()) < 4)
        return false;
    constexpr std::uint32_t kUserPosition = 1; // USPosition
    std::uint32_t flags = 0;
    std::memcpy(&flags, xcb_get_property_value(hints.get()), sizeof flags);
    return flags & kUserPosition;
}

inline QString rectText(const QRect& r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

} // namespace test
