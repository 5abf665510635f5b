#pragma once
// Where a window stands on the screen. The places are those of the window's outer (frame)
// rectangle; a window manager adds its frame only once the window is on screen, sometimes
// long after, so a placed window is placed again whenever its frame becomes known or
// changes, until the player moves it. A window that is hidden and shown again comes back
// where it stood, as long as that is within the player's reach.
//
// Places are worked out in the desktop's own pixels, those the window manager draws and
// the player sees: on a scaled desktop each of the program's pixels is `scale` of them.

#include <QList>
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

// Where a window that was hidden and is shown again goes: where its outer rectangle
// `outer` stood, when its title bar (the top `titleHeight` rows, at least one) lies wholly
// on one of the screens' `areas` (their room less what the desktop keeps for panels);
// otherwise moved the least distance that puts the whole rectangle on the area it overlaps
// most, or on the nearest where it overlaps none (by its top-left corner where it is
// larger than the area). Returns the outer rectangle's top-left corner.
QPoint withinReach(const QRect& outer, int titleHeight, const QList<QRect>& areas);

// A screen as a placement sees it, in the desktop's pixels.
struct ScreenArea {
    QRect rect;
    qreal scale = 1; // the desktop's pixels to one of the program's
    // A length in the program's pixels (such as a gap given in twips) in the desktop's.
    int px(int programPx) const { return qRound(programPx * scale); }
};

using Placement = std::function<QPoint(const ScreenArea& screen, const QSize& outer)>;

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
