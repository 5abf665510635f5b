#include "platform/ui/keyboard_access.h"

#include <QGuiApplication>

namespace platform {

namespace {

class NoKeyboard : public Keyboard {
public:
    bool available() const override { return false; }
    bool f12Down() override { return false; }
    void type(std::vector<std::u32string>, bool) override {}
};

Keyboard*& testKeyboard()
{
    static Keyboard* k = nullptr;
    return k;
}

} // namespace

Keyboard& keyboard()
{
    if (Keyboard* k = testKeyboard())
        return *k;
    static std::unique_ptr<Keyboard> desktop;
    if (!desktop) {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            desktop = makeX11Keyboard();
        else
            desktop = std::make_unique<NoKeyboard>();
    }
    return *desktop;
}

void setKeyboardForTests(Keyboard* k) { testKeyboard() = k; }

} // namespace platform
