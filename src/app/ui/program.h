#pragma once
// Start-up of the whole program: the single-instance guard, the window classes, the
// main window.

#include <functional>

class QApplication;

namespace app::ui {

// Application-wide look: style, the CJK font at 9 pt.
void setUpApplication(QApplication& app);

// Tells the window registry which class builds each window.
void registerForms();

struct StartupHooks {
    std::function<void()> mainWindowShown; // called once the main window is on screen
};

// Runs the program; returns the exit status.
int runProgram(QApplication& app, const StartupHooks& hooks = {});

} // namespace app::ui
