#pragma once
// Window order: keeping a tool window above every other window, or sending it behind all
// of them (the check box some look-up and clock windows carry).

class QWidget;

namespace platform {

// True where the window system honours the order (an X11 display). Elsewhere the calls
// below still record the wish on the widget, so it holds once the window is shown.
bool windowOrderAvailable();

// onTop: the window stays above all others, from now on and at every later showing.
// !onTop: that ends, and the window goes once to the bottom of the window order.
// Neither moves nor resizes the window, and a shown window stays shown.
void setKeepOnTop(QWidget* window, bool onTop);

// Whether the window currently asks to stay above the others.
bool isKeptOnTop(const QWidget* window);

} // namespace platform
