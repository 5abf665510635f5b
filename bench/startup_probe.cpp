// The program itself, stopped as soon as its main window is on screen: prints the wall
// clock of that moment in nanoseconds.

#include "app/ui/program.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app::ui::StartupHooks hooks;
    hooks.mainWindowShown = [] {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::printf("%lld\n", static_cast<long long>(ns));
        std::fflush(stdout);
        std::_Exit(0);
    };
    return app::ui::runProgram(app, hooks);
}
