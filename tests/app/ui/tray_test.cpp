#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/tray_service.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "support/controls.h"

namespace {

// Stand-in for the beast attribute window: its close brings the main window back.
class PetWindow : public ui::FormWindow {
public:
    PetWindow() : FormWindow(4) { resize(200, 100); }
    void queryUnload() override { ui::forms().setMainNormalAndVisible(); }
};

// Counts the spontaneous Show events a widget receives (those Qt sends of its own, not
// the program's showing).
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
    int spontaneous = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && e->spontaneous())
            ++spontaneous;
        return false;
    }
};

} // namespace

class TrayTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;
    ui::TrayService* m_tray = nullptr;

    QAction* item(const char* name) const { return test::control<QAction>(m_tray->menu(), QLatin1String(name)); }

    void minimiseToTray()
    {
        m_main->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!m_main->isVisible());
        QVERIFY(m_tray->iconShown());
    }

    void expectRestored()
    {
        QVERIFY(m_main->isVisible());
        QVERIFY(!(m_main->windowState() & Qt::WindowMinimized));
        QVERIFY(!m_tray->iconShown());
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }

    void init()
    {
        ui::BoxRecorder::start();
        ui::TrayService::setTrayAvailableForTests(true);
        m_main = static_cast<app::ui::MainWindow*>(ui::forms().form(ui::kMainForm));
        m_tray = m_main->tray();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        QVERIFY(!m_tray->iconShown());
    }

    void cleanup()
    {
        ui::TrayService::setTrayAvailableForTests(std::nullopt);
        ui::forms().setAfterShutDown({});
        ui::forms().reset();
    }

    void menuItems()
    {
        QMenu* menu = m_tray->menu();
        QCOMPARE(menu->objectName(), QString("Menu_Show"));
        QCOMPARE(menu->title(), QString("显示窗体"));
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        const char* names[] = {"Menu_count", "Menu_Pet", "cut", "Menu_Exit"};
        const char* captions[] = {"计算器", "召唤兽加点", "", "关闭"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(actions[i]->objectName(), QString(names[i]));
            QCOMPARE(actions[i]->text(), QString::fromUtf8(captions[i]));
        }
        QVERIFY(actions[2]->isSeparator());
    }

    void minimisingHidesBehindTheIcon()
    {
        minimiseToTray();
        QCOMPARE(m_tray->icon()->toolTip(), QString("百宝算匣v4.08版"));
        QVERIFY(!m_tray->icon()->icon().isNull());
    }

    void onlyADoubleClickRestores()
    {
        minimiseToTray();
        for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown}) {
            m_tray->activated(reason);
            QVERIFY(!m_main->isVisible());
            QVERIFY(m_tray->iconShown());
        }
        m_tray->activated(QSystemTrayIcon::DoubleClick);
        expectRestored();
    }

    void contextClickPopsUpTheMenuAndBlocksTheIcon()
    {
        minimiseToTray();
        m_tray->activated(QSystemTrayIcon::Context);
        QVERIFY(m_tray->menu()->isVisible());
        QVERIFY(m_tray->busy());
        // While the menu is open, nothing else reaches the icon.
        m_tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!m_main->isVisible());
        m_tray->menu()->hide(); // dismissed
        QVERIFY(!m_tray->busy());
        QVERIFY(m_tray->iconShown());
        m_tray->activated(QSystemTrayIcon::DoubleClick);
        expectRestored();
    }

    void calculatorItemRestores()
    {
        minimiseToTray();
        item("Menu_count")->trigger();
        expectRestored();
    }

    void showingTheWindowAnyOtherWayRemovesTheIcon()
    {
        minimiseToTray();
        ui::forms().setMainNormalAndVisible();
        expectRestored();
    }

    // The real beast attribute window, not yet loaded: the item loads it and shows it normal,
    // the main window stays hidden and minimised without its icon, and closing the beast
    // window brings the main window back.
    void petItemLoadsTheBeastWindowAndHidesTheMainOne()
    {
        QVERIFY(!ui::forms().isLoaded(4));
        minimiseToTray();
        item("Menu_Pet")->trigger();
        ui::FormWindow* pet = ui::forms().loaded(4);
        QVERIFY(pet);
        QCOMPARE(pet->windowTitle(), QString("召唤兽属性预测"));
        QVERIFY(pet->isVisible());
        QVERIFY(!(pet->windowState() & Qt::WindowMinimized));
        QVERIFY(!m_tray->iconShown());
        QVERIFY(!m_main->isVisible());
        QVERIFY(m_main->windowState() & Qt::WindowMinimized);
        pet->close();
        QTRY_VERIFY(!ui::forms().isLoaded(4));
        expectRestored();
    }

    void petItemShowsTheBeastWindowInstead()
    {
        ui::forms().registerForm(4, [] { return new PetWindow; });
        ui::FormWindow* pet = ui::forms().form(4);
        pet->show();
        pet->setWindowState(Qt::WindowMinimized);
        pet->hide();
        minimiseToTray();
        item("Menu_Pet")->trigger();
        QVERIFY(pet->isVisible());
        QVERIFY(!(pet->windowState() & Qt::WindowMinimized));
        QVERIFY(!m_tray->iconShown());
        QVERIFY(!m_main->isVisible());
        QVERIFY(m_main->windowState() & Qt::WindowMinimized);
        // Closing the beast window brings the main window back, normal.
        pet->close();
        QTRY_VERIFY(!ui::forms().isLoaded(4));
        expectRestored();
    }

    void closeItemShutsTheProgramDown()
    {
        bool ended = false;
        ui::forms().setAfterShutDown([&] { ended = true; });
        ui::forms().registerForm(4, [] { return new PetWindow; });
        ui::forms().form(4)->show();
        minimiseToTray();
        item("Menu_Exit")->trigger();
        QVERIFY(ended);
        QVERIFY(!ui::forms().isLoaded(4));
        QVERIFY(!ui::forms().isLoaded(ui::kMainForm));
    }

    // Some window managers withdraw a minimised window once the program hides it; Qt then
    // takes the hidden window for no longer minimised and sends it a spontaneous Show,
    // though it stays hidden. Its icon stays until the program shows the window again, by
    // whichever way, and the window comes back normal.
    void windowWithdrawnByTheWindowManagerKeepsItsIcon_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("double click") << 0;
        QTest::newRow("计算器") << 1;
        QTest::newRow("shown another way") << 2;
    }
    void windowWithdrawnByTheWindowManagerKeepsItsIcon()
    {
        QFETCH(int, way);
        minimiseToTray();
        ShowCounter shows(m_main);
        m_main->windowHandle()->setWindowStates(Qt::WindowNoState); // as the platform reports it
        QTRY_VERIFY(!(m_main->windowState() & Qt::WindowMinimized));
        QVERIFY(shows.spontaneous > 0);
        QTest::qWait(50);
        QVERIFY(!m_main->isVisible());
        QVERIFY(m_tray->iconShown());
        if (way == 0)
            m_tray->activated(QSystemTrayIcon::DoubleClick);
        else if (way == 1)
            item("Menu_count")->trigger();
        else
            ui::forms().setMainNormalAndVisible();
        expectRestored();
    }

    void withoutATrayTheWindowMinimisesNormally()
    {
        ui::TrayService::setTrayAvailableForTests(false);
        m_main->setWindowState(Qt::WindowMinimized);
        QTest::qWait(50);
        QVERIFY(m_main->isVisible());
        QVERIFY(m_main->windowState() & Qt::WindowMinimized);
        QVERIFY(!m_tray->iconShown());
    }

    void windowRestoredBeforeTheHideStaysUp()
    {
        m_main->setWindowState(Qt::WindowMinimized);
        m_main->setWindowState(Qt::WindowNoState);
        QTest::qWait(50);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_tray->iconShown());
    }

    // Last: leaving the event loops this way ends every later event loop of the test program too.
    void endProgramNowRunsNoCloseHandler()
    {
        minimiseToTray();
        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { m_tray->endProgramNow(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!m_tray->iconShown());
        QVERIFY(ui::forms().isLoaded(ui::kMainForm));
    }
};

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
