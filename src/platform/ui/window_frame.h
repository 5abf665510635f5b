#pragma once
// The frame a window manager draws around a top-level window, as the window manager itself
// publishes it. Qt learns the frame from the same source, but only when the window next
// moves or changes size; a window manager that publishes the frame just after that leaves
// Qt's frameGeometry() at the bare client area until the player moves the window.

#include <QMargins>
#include <optional>

class QWidget;

namespace platform {

// The frame's width on each side of the window's client area, once the window manager has
// published it; nothing while it has not (the window not yet managed, no window manager,
// or no X11 display).
std::optional<QMargins> publishedFrame(const QWidget* window);

} // namespace platform
