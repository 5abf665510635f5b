#pragma once
// Opening the program's main window in a window test, as the program itself does.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// Makes `dir` the current directory with a test.dat of `bytes`, switches message boxes to
// the recorder and opens the main window on its 科举 tab, which loads that bank. Returns
// the directory that was current before, for the test to go back to.
inline QString openBankTab(const QString& dir, const QByteArray& bytes, app::ui::MainWindow*& main)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir);
    QFile f("test.dat");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test bank");
    f.close();
    ::ui::BoxRecorder::start();
    main = openMainWindow(5);
    return before;
}

} // namespace test
