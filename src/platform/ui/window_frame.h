#pragma once
// The frame a window manager draws around a top-level window, as the window manager itself
// publishes it. Qt learns the frame from the same source, but only when the window next
// moves or changes size; a window manager that publishes the frame just after that leaves
// Qt's frameGeometry() at the bare client area until the player moves the window.
//
// Every place and width here is in the X server's pixels, the desktop's own. Qt's are
// device-independent: on a scaled desktop (Xft.dpi 192, say) one of Qt's pixels is two of
// these, and the caller converts.

#include <QMargins>
#include <QPoint>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace platform {

// The frame's width on each side of the window's client area, once the window manager has
// published it; nothing while it has not (the window not yet managed, no window manager,
// or no X11 display), nor where what is published is no frame (not four numbers, or
// wider or taller than the desktop).
std::optional<QMargins> publishedFrame(const QWidget* window);

// Where the window's client area stands on the screen as the X server has it now: Qt
// learns of a move by the window manager only when the window manager's notice of it
// arrives, which may be after the player has let go of the window. Nothing without an X11
// display.
std::optional<QPoint> clientAreaOnScreen(const QWidget* window);

// Asks for the window's client area at `at` on the screen, from the X server (and so from
// the window manager, which decides) directly: Qt asks nothing when it believes the window
// stands there already, which it may wrongly, such as when it maps a window as it takes
// it out of the minimised state. Nothing without an X11 display.
void requestClientAreaAt(const QWidget* window, QPoint at);

// Calls `published` each time the window manager publishes the frame of `window` (a
// top-level widget) anew, however long after the window was shown, as the program's event
// loop reads the window's events: never from inside another call. The watch ends when
// `owner` is destroyed. Without an X11 display nothing is ever published, and nothing is
// called.
void watchPublishedFrame(const QWidget* window, QObject* owner, std::function<void()> published);

} // namespace platform
