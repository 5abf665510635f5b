#pragma once
// Where a tool window opens on the screen. The places are those of the window's outer
// (frame) rectangle; a window manager adds its frame only once the window is on screen,
// so a placed window is placed again, once, when its frame becomes known.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace ui {

// The top-left corner of the outer rectangle for each place, given the screen and the
// window's outer size.
QPoint centredOnScreen(const QRect& screen, const QSize& outer);
QPoint topRightOfScreen(const QRect& screen, const QSize& outer);
// At the left or the right edge, the window's bottom `gapPx` above the bottom of the screen.
QPoint leftAboveBottom(const QRect& screen, const QSize& outer, int gapPx);
QPoint rightAboveBottom(const QRect& screen, const QSize& outer, int gapPx);

using Placement = std::function<QPoint(const QRect& screen, const QSize& outer)>;

// Places the window (a top-level widget) by `where` when it is first shown, or at once
// when it is shown already, and again when the window manager's frame around it first
// becomes known; later moves are the player's. A new placement replaces one still waiting
// for the frame.
void placeWhenShown(QWidget* window, Placement where);
// The same, centred on the screen.
void centreWhenShown(QWidget* window);

} // namespace ui
