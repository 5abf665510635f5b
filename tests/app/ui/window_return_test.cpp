// Windows the program hides and shows again come back where they stood: the main window
// after each tool window that hid it, after the beast attribute window and after the tray;
// the beast attribute window after its own tray and after 计算器. Where the player moved a
// window before, it comes back there; where that is out of reach, as near as it is in
// reach. On a desktop (run by the desktop tests on the xcb platform) the outer rectangle is
// read from the X server and the player's move is a drag of the window manager's title bar.
#include "beasts/ui/pet_prediction_window.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/tray_service.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "support/outer_rect.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {

constexpr int kPetForm = 4;
constexpr int kSettleMs = 5000;

// The window's outer rectangle once it is up with its frame (on a desktop the window
// manager draws the frame a moment after the window is mapped).
QRect settled(QWidget* w)
{
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("%s was not exposed", qPrintable(w->objectName()));
    if (test::hasWindowManager()) {
        if (!QTest::qWaitFor([w] { return test::framed(w); }, kSettleMs))
            qWarning("%s got no frame", qPrintable(w->objectName()));
        QTest::qWait(300); // and for the window manager to finish placing it
    }
    return test::outerRect(w);
}

// The player drags the window by its title bar by `by`, towards the middle of the screen
// (without a window manager it is simply moved). Returns where the window then stands,
// once it stands still; an empty rectangle when it did not move.
QRect playerMoves(QWidget* w, QPoint by)
{
    const QRect before = test::outerRect(w);
    const QPoint middle = test::screenRect().center();
    by = {before.center().x() <= middle.x() ? qAbs(by.x()) : -qAbs(by.x()),
          before.center().y() <= middle.y() ? qAbs(by.y()) : -qAbs(by.y())};
    if (!test::hasWindowManager()) {
        w->move(w->pos() + by);
    } else {
        // Halfway down the title bar: between the client area's top and the frame's top
        // border, taken as wide as its bottom one.
        const QRect client = test::clientRect(w);
        const int border = before.bottom() - client.bottom();
        const QPoint grab(before.left() + 45, (client.top() + before.top() + border) / 2);
        auto at = [](QPoint p) { return QStringList{"mousemove", QString::number(p.x()), QString::number(p.y())}; };
        QStringList args = at(grab) + QStringList{"mousedown", "1"};
        for (int part : {15, 3, 1})
            args += QStringList{"sleep", "0.05"} + at(grab + by / part);
        args += QStringList{"sleep", "0.1", "mouseup", "1"};
        // The program goes on reading its events meanwhile, as under the player's hand.
        QProcess xdotool;
        xdotool.start("xdotool", args);
        if (!QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, kSettleMs) ||
            xdotool.exitCode() != 0)
            qWarning("xdotool could not drag the window");
    }
    QRect now = before;
    const bool moved = QTest::qWaitFor(
        [&] {
            const QRect seen = test::outerRect(w);
            const bool still = seen == now;
            now = seen;
            return still && now.topLeft() != before.topLeft();
        },
        kSettleMs);
    return moved ? now : QRect();
}

// Something other than the player (a game changing the screen, another program) moves
// the window so that its outer rectangle's top-left corner is at `to` (without a window
// manager it is simply moved). Returns where the window then stands, once it stands still.
QRect movedFromOutside(QWidget* w, QPoint to)
{
    if (!test::onX11()) {
        w->move(to);
    } else {
        const QRect outer = test::outerRect(w);
        const QPoint client = to + (test::clientRect(w).topLeft() - outer.topLeft());
        QProcess::execute("xdotool", {"windowmove", QString::number(w->winId()), QString::number(client.x()),
                                      QString::number(client.y())});
    }
    // Still across 300 ms, away from where it stood unless it was asked to stay.
    const QRect before = test::outerRect(w);
    QRect now = before;
    for (int waited = 0; waited < kSettleMs; waited += 300) {
        QTest::qWait(300);
        const QRect seen = test::outerRect(w);
        if (seen == now && (seen.topLeft() == to || seen.topLeft() != before.topLeft()))
            break;
        now = seen;
    }
    return now;
}

// The player minimises the window (by the window manager, where there is one), which
// hides it behind its tray icon.
bool minimiseToTray(QWidget* w)
{
    if (!test::hasWindowManager())
        w->setWindowState(w->windowState() | Qt::WindowMinimized);
    else if (QProcess::execute("xdotool", {"windowminimize", QString::number(w->winId())}) != 0)
        qWarning("xdotool could not minimise the window");
    return QTest::qWaitFor([w] { return !w->isVisible(); }, kSettleMs);
}

QAction* menuItem(ui::TrayService* tray, const char* name)
{
    return test::control<QAction>(tray->menu(), QLatin1String(name));
}

} // namespace

// The window's outer rectangle becomes `stood` again, after `after`.
#define EXPECT_BACK(w, stood, after)                                                                                   \
    do {                                                                                                               \
        if (!backAt(w, stood))                                                                                         \
            QFAIL(qPrintable(failure(after, w, stood)));                                                               \
    } while (false)

class WindowReturnTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;

    ui::DcButton* button(const char* name) const { return test::control<ui::DcButton>(m_main, name); }

    // Opens the tool window of `tab`'s launcher, which hides the main window, and closes it.
    bool openAndClose(int tab, const char* launcher, int form)
    {
        m_main->tabClick(tab);
        QTest::mouseClick(button(launcher), Qt::LeftButton);
        ui::FormWindow* w = ui::forms().loaded(form);
        if (!w || !w->isVisible() || m_main->isVisible()) {
            qWarning("%s did not open its window in place of the main window", launcher);
            return false;
        }
        if (!QTest::qWaitForWindowExposed(w))
            return false;
        w->close();
        return QTest::qWaitFor([&] { return !ui::forms().isLoaded(form) && m_main->isVisible(); }, kSettleMs);
    }

    // 唤兽加点 on the 召唤兽 tab: the beast attribute window in place of the main window, up
    // with its frame (nothing where it did not take the main window's place).
    beasts::ui::PetPredictionWindow* openBeastWindow()
    {
        m_main->tabClick(3);
        QTest::mouseClick(button("Button13"), Qt::LeftButton);
        auto* beast = static_cast<beasts::ui::PetPredictionWindow*>(ui::forms().loaded(kPetForm));
        if (!beast || !beast->isVisible() || m_main->isVisible()) {
            qWarning("唤兽加点 did not open the beast attribute window in place of the main window");
            return nullptr;
        }
        settled(beast);
        return beast;
    }

    // The window's outer rectangle becomes `stood` again, and the window manager was told
    // that place as the program's own (else a window manager may place it as a new window
    // whenever it likes, such as beside another window still on the screen).
    static bool backAt(QWidget* w, const QRect& stood)
    {
        return QTest::qWaitForWindowExposed(w) &&
               QTest::qWaitFor([&] { return test::outerRect(w) == stood; }, kSettleMs) &&
               (!test::onX11() || test::placeGivenByProgram(w));
    }

    static QString failure(const char* after, QWidget* w, const QRect& stood)
    {
        return QStringLiteral("after %1: %2 instead of %3")
            .arg(QString::fromUtf8(after), test::rectText(test::outerRect(w)), test::rectText(stood)) +
            (test::onX11() && !test::placeGivenByProgram(w) ? QStringLiteral(", its place left to the window manager")
                                                             : QString());
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }

    void init()
    {
        ui::BoxRecorder::start();
        ui::TrayService::setTrayAvailableForTests(true);
        m_main = test::openMainWindow(6);
    }

    void cleanup()
    {
        ui::TrayService::setTrayAvailableForTests(std::nullopt);
        ui::BoxRecorder::take(); // whatever the tool windows themselves reported
        ui::forms().reset();
    }

    void mainWindowComesBackWhereItStood()
    {
        const QRect stood = settled(m_main);
        const struct {
            int tab;
            const char* launcher;
            int form;
        } launchers[] = {
            {6, "Button15", 6},        {6, "Button20", 11},    {6, "dcButton8", 28},    {6, "dcButton15", 23},
            {3, "Button13", kPetForm}, {4, "dcButton12_2", 9}, {3, "Button14_0", 5},    {6, "Button16_0", 33},
            {6, "Button15", 6},
        };
        for (const auto& l : launchers) {
            QVERIFY2(openAndClose(l.tab, l.launcher, l.form), l.launcher);
            EXPECT_BACK(m_main, stood, l.launcher);
        }

        // The tray: the window's own restore, and its 召唤兽加点 with the beast attribute
        // window's close after it.
        ui::TrayService* tray = m_main->tray();
        QVERIFY(minimiseToTray(m_main));
        menuItem(tray, "Menu_count")->trigger();
        EXPECT_BACK(m_main, stood, "计算器");
        QVERIFY(minimiseToTray(m_main));
        menuItem(tray, "Menu_Pet")->trigger();
        ui::FormWindow* pet = ui::forms().loaded(kPetForm);
        QVERIFY(pet && pet->isVisible() && !m_main->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(pet));
        pet->close();
        EXPECT_BACK(m_main, stood, "召唤兽加点");

        // The beast attribute window's 计算器 from its own tray.
        auto* beast = openBeastWindow();
        QVERIFY(beast);
        QVERIFY(minimiseToTray(beast));
        menuItem(beast->tray(), "menu_count")->trigger();
        EXPECT_BACK(m_main, stood, "the beast window's 计算器");
    }

    // The beast attribute window minimised to its tray, its 计算器, then 唤兽加点 on the main
    // window and the beast window's close: the main window is hidden and shown twice without
    // a move of its own.
    void mainWindowComesBackThroughTheBeastWindowsTray()
    {
        const QRect stood = settled(m_main);
        auto* beast = openBeastWindow();
        QVERIFY(beast);
        QVERIFY(minimiseToTray(beast));
        menuItem(beast->tray(), "menu_count")->trigger();
        EXPECT_BACK(m_main, stood, "the beast window's 计算器");
        QTest::mouseClick(button("Button13"), Qt::LeftButton);
        QVERIFY(beast->isVisible() && !m_main->isVisible());
        settled(beast);
        beast->close();
        EXPECT_BACK(m_main, stood, "唤兽加点 and the beast window's close");
    }

    // Shown again, a window comes back where it stood as long as its title bar is then
    // wholly on the screen; otherwise it is moved the least distance that puts it all on
    // the screen. (The screen of a desktop test cannot change its size: the window is moved
    // off it from outside instead, as a game changing the resolution leaves it.)
    void mainWindowComesBackWithinReach()
    {
        const QSize size = settled(m_main).size();
        const QRect screen = test::screenRect();

        // Its lower part past the bottom edge: it comes back exactly there.
        const QPoint low(screen.left() + 40, screen.bottom() + 1 - size.height() / 2);
        const QRect lowered = movedFromOutside(m_main, low);
        QVERIFY2(lowered.bottom() > screen.bottom() && lowered.top() >= screen.top() &&
                     test::clientRect(m_main).top() < screen.bottom(),
                 qPrintable(test::rectText(lowered)));
        QVERIFY2(openAndClose(6, "Button15", 6), "Button15");
        EXPECT_BACK(m_main, lowered, "官职贡献, with the window's lower part past the bottom");

        // Pushed past the right edge, title bar and all: it comes back moved left until its
        // right edge meets the screen's, its height kept.
        const QRect pushed = movedFromOutside(m_main, {screen.right() + 1 - size.width() / 3, screen.top() + 100});
        QVERIFY2(pushed.right() > screen.right(), qPrintable(test::rectText(pushed)));
        QVERIFY2(openAndClose(6, "Button20", 11), "Button20");
        EXPECT_BACK(m_main, QRect(QPoint(screen.right() + 1 - pushed.width(), pushed.top()), pushed.size()),
                    "家具配方, with the window past the right edge");

        // Off the screen beyond its bottom right corner (a window manager may keep a corner
        // of it on the screen): back in that corner.
        const QRect gone = movedFromOutside(m_main, screen.bottomRight() + QPoint(200, 150));
        QVERIFY2(gone.right() > screen.right() && gone.bottom() > screen.bottom(), qPrintable(test::rectText(gone)));
        QVERIFY2(openAndClose(6, "Button15", 6), "Button15");
        EXPECT_BACK(m_main, QRect(screen.bottomRight() - QPoint(gone.width(), gone.height()) + QPoint(1, 1), gone.size()),
                    "官职贡献, with the window off the screen");
    }

    void mainWindowComesBackWhereThePlayerMovedIt()
    {
        settled(m_main);
        const QRect moved = playerMoves(m_main, {150, 90});
        QVERIFY(moved.isValid());
        QVERIFY2(openAndClose(6, "Button20", 11), "Button20");
        EXPECT_BACK(m_main, moved, "家具配方");

        // Moved again while it is back: the next return is to the new place.
        const QRect again = playerMoves(m_main, {120, 60});
        QVERIFY(again.isValid());
        QVERIFY2(openAndClose(6, "dcButton15", 23), "dcButton15");
        EXPECT_BACK(m_main, again, "阵法介绍");
        QVERIFY(minimiseToTray(m_main));
        menuItem(m_main->tray(), "Menu_count")->trigger();
        EXPECT_BACK(m_main, again, "计算器");
    }

    void beastWindowComesBackWhereItStood()
    {
        settled(m_main);
        auto* beast = openBeastWindow();
        QVERIFY(beast);
        const QRect stood = playerMoves(beast, {40, 30});
        QVERIFY(stood.isValid());

        // From its own tray, by its restore and by its menu's 召唤兽加点.
        QVERIFY(minimiseToTray(beast));
        menuItem(beast->tray(), "menu_pet")->trigger();
        EXPECT_BACK(beast, stood, "召唤兽加点");
        // Hidden by its 计算器, it comes back by the main window's launcher.
        QVERIFY(minimiseToTray(beast));
        menuItem(beast->tray(), "menu_count")->trigger();
        QVERIFY(QTest::qWaitFor([&] { return m_main->isVisible(); }, kSettleMs));
        QVERIFY(!beast->isVisible());
        settled(m_main);
        QTest::mouseClick(button("Button13"), Qt::LeftButton);
        QVERIFY(beast->isVisible() && !m_main->isVisible());
        EXPECT_BACK(beast, stood, "唤兽加点");
    }
};

QTEST_MAIN(WindowReturnTest)
#include "window_return_test.moc"
