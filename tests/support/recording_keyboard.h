#pragma once
// A keyboard for window tests: F12 is down when the test says so, and typed lines are
// recorded instead of reaching any window.

#include "platform/ui/keyboard_access.h"

#include <QString>
#include <QStringList>

namespace test {

class RecordingKeyboard : public platform::Keyboard {
public:
    RecordingKeyboard() { platform::setKeyboardForTests(this); }
    ~RecordingKeyboard() override { platform::setKeyboardForTests(nullptr); }

    bool available() const override { return present; }
    bool f12Down() override { return f12; }
    void type(std::vector<std::u32string> pieces, bool enter) override
    {
        QStringList line;
        for (const std::u32string& p : pieces)
            line << QString::fromStdU32String(p);
        if (enter)
            line << QStringLiteral("{Enter}");
        typed << line;
    }

    bool present = true;
    bool f12 = false;
    QList<QStringList> typed; // each line: its pieces, then "{Enter}" when pressed
};

} // namespace test
