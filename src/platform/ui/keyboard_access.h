#pragma once
// The keyboard the windows use: the X11 one on an X11 desktop, one that is not available
// elsewhere (the offscreen platform, Wayland without XWayland); tests put in their own.

#include "platform/keyboard.h"

namespace platform {

Keyboard& keyboard();
// Tests: use this keyboard from now on (nullptr: back to the desktop's).
void setKeyboardForTests(Keyboard* k);

} // namespace platform
