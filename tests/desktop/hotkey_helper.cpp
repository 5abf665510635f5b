// The two sides of the hot-key desktop test, on a real X11 display.
//   hotkey_helper receiver  a small window with a focused line edit; on Enter it prints
//                           what it received (UTF-8) and ends.
//   hotkey_helper sender    the hot-key sender window of the program, composed and armed:
//                           队伍, 闪烁 and 下划线, 红色, the message given in the
//                           environment (HOTKEY_MESSAGE), Enter ticked. Prints "armed".
//   hotkey_helper keymap    prints the display's key map, one key code a line.
//   hotkey_helper caps      prints "on" or "off", the state of Caps Lock.
//   hotkey_helper spares N  leaves only N key codes without a symbol (the others get
//                           VoidSymbol) and prints how many there were.
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

int receiver(QApplication& app)
{
    QLineEdit edit;
    edit.setWindowTitle(QStringLiteral("hotkey-receiver"));
    edit.resize(600, 40);
    QObject::connect(&edit, &QLineEdit::returnPressed, &app, [&] {
        std::printf("%s\n", edit.text().toUtf8().constData());
        std::fflush(stdout);
        app.quit();
    });
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    QTimer::singleShot(60000, &app, [&] { app.exit(1); });
    return app.exec();
}

int sender(QApplication& app)
{
    app::ui::setUpApplication(app);
    app::ui::registerForms();
    QWidget* w = ui::forms().showModeless(16);
    if (!w)
        return 2;
    ui::pickEntry(w->findChild<QComboBox*>("Combo1"), QStringLiteral("队伍"));
    w->findChild<QCheckBox*>("Check1_1")->click();
    w->findChild<QCheckBox*>("Check1_2")->click();
    w->findChild<QRadioButton*>("Option2_2")->click();
    w->findChild<QPlainTextEdit*>("Text1")->setPlainText(QString::fromUtf8(qgetenv("HOTKEY_MESSAGE")));
    w->findChild<QCheckBox*>("Check2")->setChecked(true);
    w->findChild<ui::DcButton*>("dcButton1_0")->press();
    if (!w->isMinimized())
        return 3; // arming refused (no keyboard access) or did not happen
    std::printf("armed\n");
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, [&] { app.exit(1); });
    return app.exec();
}

int keymap()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 2;
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* syms = XGetKeyboardMapping(d, static_cast<KeyCode>(min), max - min + 1, &per);
    for (int k = 0; syms && k <= max - min; ++k) {
        std::printf("%d", min + k);
        for (int l = 0; l < per; ++l)
            std::printf(" %lx", syms[k * per + l]);
        std::printf("\n");
    }
    if (syms)
        XFree(syms);
    XCloseDisplay(d);
    return 0;
}

int spares(int keep)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 2;
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* syms = XGetKeyboardMapping(d, static_cast<KeyCode>(min), max - min + 1, &per);
    int empty = 0;
    for (int k = 0; syms && k <= max - min; ++k) {
        bool none = true;
        for (int l = 0; l < per; ++l)
            none = none && syms[k * per + l] == NoSymbol;
        if (!none)
            continue;
        if (++empty <= keep)
            continue;
        std::vector<KeySym> row(static_cast<std::size_t>(per), NoSymbol);
        row[0] = XK_VoidSymbol;
        XChangeKeyboardMapping(d, min + k, per, row.data(), 1);
    }
    if (syms)
        XFree(syms);
    XSync(d, False);
    XCloseDisplay(d);
    std::printf("%d\n", empty);
    return 0;
}

int caps()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 2;
    XkbStateRec state{};
    const bool got = XkbGetState(d, XkbUseCoreKbd, &state) == Success;
    XCloseDisplay(d);
    if (!got)
        return 2;
    std::printf("%s\n", (state.locked_mods & LockMask) ? "on" : "off");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "keymap") == 0)
        return keymap();
    if (argc > 1 && qstrcmp(argv[1], "caps") == 0)
        return caps();
    if (argc > 2 && qstrcmp(argv[1], "spares") == 0)
        return spares(std::atoi(argv[2]));
    QApplication app(argc, argv);
    const QString role = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (role == QLatin1String("receiver"))
        return receiver(app);
    if (role == QLatin1String("sender"))
        return sender(app);
    return 64;
}
