#pragma once
// Where a window stands on the screen. The places are those of the window's outer (frame)
// rectangle; a window manager adds its frame only once the window is on screen, sometimes
// long after, so a placed window is placed again whenever its frame becomes known or
// changes, until the player moves it. A window that is hidden and shown again comes back
// where it stood.

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

// Places the window (a top-level widget) by `where` when it is next shown, or at once when
// it is shown already, and again each time the window manager's frame around it becomes
// known or changes, however late, until the player moves the window. A new placement
// replaces the one before.
void placeWhenShown(QWidget* window, Placement where);
// The same, centred on the screen.
void centreWhenShown(QWidget* window);

// Makes the window (a top-level widget) come back where it stood each time the program
// shows it again after hiding it: where the player last put it, or where its placement put
// it. Its first showing is left to its placement, or else to the window manager.
void keepPlaceWhenHidden(QWidget* window);

} // namespace ui
