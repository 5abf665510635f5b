#include "app/ui/program.h"

#include "app/ui/about_window.h"
#include "app/ui/main_window.h"
#include "app/ui/single_instance.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QTimer>

namespace app::ui {

void setUpApplication(QApplication& app)
{
    app.setApplicationName(QStringLiteral("baibao"));
    app.setApplicationDisplayName(QString());
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    QFont f = app.font();
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    f.setPointSize(9);
    app.setFont(f);
}

void registerForms()
{
    ::ui::Forms& f = ::ui::forms();
    f.registerForm(::ui::kMainForm, [] { return new MainWindow; });
    f.registerForm(10, [] { return new AboutWindow; });
}

int runProgram(QApplication& app, const StartupHooks& hooks)
{
    setUpApplication(app);
    SingleInstance instance;
    if (!instance.acquire()) {
        instance.activateRunning();
        ::ui::warningBox(nullptr, QStringLiteral("程序已经在运行中，请不要重复运行！"));
        return 0;
    }
    registerForms();
    app.setQuitOnLastWindowClosed(false);
    ::ui::forms().setAfterShutDown([] { QCoreApplication::quit(); });

    ::ui::FormWindow* main = ::ui::forms().form(::ui::kMainForm);
    QObject::connect(&instance, &SingleInstance::activationRequested, main, [] {
        if (::ui::FormWindow* w = ::ui::forms().loaded(::ui::kMainForm)) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->show();
            w->raise();
            w->activateWindow();
        }
    });
    main->show();
    if (hooks.mainWindowShown)
        QTimer::singleShot(0, main, hooks.mainWindowShown);
    return app.exec();
}

} // namespace app::ui
