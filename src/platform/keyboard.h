#pragma once
// The keyboard of the desktop: whether a key is down right now, and typing text into the
// window that has the focus, as if the player typed it.

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Keyboard {
public:
    virtual ~Keyboard() = default;

    // False where the desktop gives no access to the keyboard (no X11 display).
    virtual bool available() const = 0;
    // Whether F12 is held at this moment.
    virtual bool f12Down() = 0;
    // Types every character of the pieces as itself, one piece after the other, then
    // Enter when asked. Returns at once; the keys follow in the background, after any
    // line still being typed. Waits first (a few seconds at most) until no Shift, Ctrl,
    // Alt or Super key is held; a line that would meet a held modifier is not typed.
    virtual void type(std::vector<std::u32string> pieces, bool enter) = 0;
};

// The X11 keyboard of the display named in the environment (XTest typing); a keyboard
// that is not available when there is no such display.
std::unique_ptr<Keyboard> makeX11Keyboard();

} // namespace platform
