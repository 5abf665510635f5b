#pragma once
// Opening the program's main window in a window test, as the program itself does.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/forms.h"

#include <QApplication>
#include <QtTest>

namespace test {

// Registers the window classes, shows the main window, waits until it is active and
// opens the panel of `tab` (0 角色 … 7 关于) as the player would.
inline app::ui::MainWindow* openMainWindow(int tab = 0)
{
    app::ui::registerForms();
    auto* w = static_cast<app::ui::MainWindow*>(::ui::forms().form(::ui::kMainForm));
    w->show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("the main window did not become active");
    if (tab != 0)
        w->tabClick(tab);
    return w;
}

} // namespace test
