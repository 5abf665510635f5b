// Form20, the trade-run clock, and Form12, its compact view: loading setting.ini, the
// synchronisation, start and stop, the switch between the views, the incense count they
// share, the price frame and the launcher.
#include "clock/ui/clock_support.h"
#include "clock/ui/clock_window.h"
#include "clock/ui/incense.h"
#include "common/ui/click_label.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"
#include "platform/ui/window_order.h"
#include "support/anchor_file.h"
#include "support/controls.h"
#include "support/full_disk.h"
#include "support/main_window.h"
#include "support/outer_rect.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using tradeclock::LocalTime;
using tradeclock::ui::ClockView;
using tradeclock::ui::IncenseService;
using test::control;
using test::readIni;
using test::writeIni;

namespace {

LocalTime g_now;

constexpr int hms(int h, int m, int s) { return h * 3600 + m * 60 + s; }
// Thursday 2026-12-10 (weekday 5).
constexpr tradeclock::CivilDate kThu{2026, 12, 10};

void setNow(int seconds) { g_now = {kThu, seconds}; }

ClockView* view(int form) { return static_cast<ClockView*>(ui::forms().loaded(form)); }
ui::DcButton* button(QWidget* w, const char* name) { return control<ui::DcButton>(w, QLatin1String(name)); }
QString text(QWidget* w, const char* name) { return control<QLabel>(w, QLatin1String(name))->text(); }

// Enabled states of "启", "停", "C" and "切".
QString buttonStates(QWidget* w)
{
    QString s;
    for (const char* name : {"dcButton2_0", "dcButton2_1", "dcButton3_0", "dcButton3_2"})
        s += button(w, name)->isEnabled() ? '1' : '0';
    return s;
}

} // namespace

class ClockWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // Moves the computer's clock on and lets the view's step timer tick once.
    void tickAt(int seconds, int form = 20)
    {
        setNow(seconds);
        view(form)->stepTick();
    }

    QList<ui::RecordedBox> boxes() { return ui::BoxRecorder::take(); }

    void expectOneBox(const QString& text, const QString& title, ui::BoxIcon icon = ui::BoxIcon::Warning)
    {
        const auto b = boxes();
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].text, text);
        QCOMPARE(b[0].title, title);
        QCOMPARE(b[0].icon, icon);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        app::ui::registerForms();
        tradeclock::ui::setTimeSourceForTests([] { return g_now; });
    }
    void init()
    {
        ui::BoxRecorder::start();
        QFile::remove(tradeclock::ui::kAnchorFile);
        QDir().rmdir(tradeclock::ui::kAnchorFile);
        IncenseService::instance().resetForTests();
        tradeclock::ui::forgetHeldAnchorForTests();
        setNow(hms(10, 5, 0));
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    // Both views open in the top right corner, their outer rectangle 50 twips from the
    // screen's top and right edges (under a window manager, frame included).
    void opensTopRight_data()
    {
        QTest::addColumn<int>("form");
        QTest::addRow("Form20") << 20;
        QTest::addRow("Form12") << 12;
    }
    void opensTopRight()
    {
        QFETCH(int, form);
        QWidget* w = ui::forms().showModeless(form);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect screen = test::screenRect();
        if (test::onX11())
            QTRY_VERIFY(test::framed(w));
        QTRY_COMPARE(test::outerRect(w).topRight(), screen.topRight() + QPoint(-test::px(ui::tw(50)), test::px(ui::tw(50))));
    }

    void firstRunAsksForASynchronisation()
    {
        QWidget* w = ui::forms().showModeless(20);
        expectOneBox("第一次运行,请先手动对时！", "提醒");
        QVERIFY(!view(20)->running());
        QVERIFY(view(20)->stopped());
        QCOMPARE(buttonStates(w), QStringLiteral("0001"));
        QCOMPARE(w->windowTitle(), QStringLiteral("10:05:00"));
        QVERIFY(control<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(platform::isKeptOnTop(w));
        control<QCheckBox>(w, "Check1")->click();
        QVERIFY(!platform::isKeptOnTop(w));
    }

    void loadRunsFromTheAnchorAndNeverLosesTime()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        QVERIFY(boxes().isEmpty());
        QVERIFY(view(20)->running());
        QCOMPARE(buttonStates(w), QStringLiteral("0101"));
        QCOMPARE(view(20)->shownPosition(), 300);
        tickAt(hms(10, 5, 1));
        QCOMPARE(text(w, "Label6"), QStringLiteral("04:59"));
        QCOMPARE(text(w, "Label2_0"), QStringLiteral("子"));
        QCOMPARE(text(w, "Label2_1"), QStringLiteral("辰"));
        QCOMPARE(control<QLabel>(w, "Label1_1")->width(), ui::tw(301 * 3));
        tickAt(hms(10, 9, 59));
        QCOMPARE(text(w, "Label6"), QStringLiteral("00:01"));
        tickAt(hms(10, 10, 0)); // the change: 00:00, the next phase
        QCOMPARE(text(w, "Label6"), QStringLiteral("00:00"));
        QCOMPARE(text(w, "Label2_0"), QStringLiteral("辰"));
        QCOMPARE(text(w, "Label2_1"), QStringLiteral("申"));
        QCOMPARE(control<QLabel>(w, "Label1_1")->width(), 0);
        tickAt(hms(10, 10, 1));
        QCOMPARE(text(w, "Label6"), QStringLiteral("09:59"));
        // Seconds hand up at s = 0, down at s = 15; the position hand follows the day.
        tickAt(hms(10, 10, 15)); // c = 615
        const auto* dial = control<tradeclock::ui::DialFace>(w, "Shape1");
        QCOMPARE(qRound(dial->hand(0).y), 1860);
        QCOMPARE(qRound(dial->hand(0).x), 1260);
        // A machine that slept for an hour and a half shows the true position at once:
        // 5400 s later is three whole game days later.
        tickAt(hms(11, 40, 15));
        QCOMPARE(view(20)->shownPosition(), 615);
        tickAt(hms(11, 45, 0)); // c = 900: the position hand points straight down
        QCOMPARE(qRound(dial->hand(1).x), 1260);
        QCOMPARE(qRound(dial->hand(1).y), 1660);
    }

    void synchronisationWritesTheAnchorAndStarts()
    {
        QWidget* w = ui::forms().showModeless(20);
        boxes();
        button(w, "dcButton1_6")->press(); // 午
        QCOMPARE(readIni(), QByteArray("900\r\n10:05:00\r\n2026/12/10\r\n5\r\n"));
        QVERIFY(view(20)->running());
        QCOMPARE(buttonStates(w), QStringLiteral("0101"));
        QCOMPARE(text(w, "Label2_0"), QStringLiteral("辰"));
        QCOMPARE(text(w, "Label2_1"), QStringLiteral("申"));
        tickAt(hms(10, 5, 1));
        QCOMPARE(text(w, "Label6"), QStringLiteral("04:59"));
        QVERIFY(boxes().isEmpty());

        // While it runs a synchronisation is refused and the file stays.
        button(w, "dcButton1_3")->press();
        expectOneBox("走动中不能对时！请先停止!", "警告！");
        QCOMPARE(readIni(), QByteArray("900\r\n10:05:00\r\n2026/12/10\r\n5\r\n"));

        // "停", then 卯: 450 and two and a half minutes to the change.
        button(w, "dcButton2_1")->press();
        QCOMPARE(buttonStates(w), QStringLiteral("1011"));
        QVERIFY(view(20)->stopped());
        tickAt(hms(10, 6, 0));
        button(w, "dcButton1_3")->press();
        QCOMPARE(readIni(), QByteArray("450\r\n10:06:00\r\n2026/12/10\r\n5\r\n"));
        tickAt(hms(10, 6, 1));
        QCOMPARE(text(w, "Label6"), QStringLiteral("02:29"));
        QCOMPARE(buttonStates(w), QStringLiteral("0101"));
    }

    void startRereadsTheFile()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton2_1")->press();
        tickAt(hms(10, 7, 0));
        QCOMPARE(view(20)->shownPosition(), 300); // stopped: the face stays
        button(w, "dcButton2_0")->press();
        QCOMPARE(view(20)->shownPosition(), 420);
        QCOMPARE(buttonStates(w), QStringLiteral("0111")); // "C" stays enabled after "启"
    }

    void startWithoutAFileKeepsTheSwitchUsable()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton2_1")->press();
        QFile::remove(tradeclock::ui::kAnchorFile);
        button(w, "dcButton2_0")->press();
        expectOneBox("第一次运行,请先手动对时！", "提醒");
        QCOMPARE(buttonStates(w), QStringLiteral("0001"));
        // Stopped, "切" answers for itself ...
        button(w, "dcButton3_2")->press();
        expectOneBox("请先启动后再切换！", "警告");
        QVERIFY(ui::forms().isLoaded(20));
        // ... and once a synchronisation runs the clock it switches.
        button(w, "dcButton1_0")->press();
        button(w, "dcButton3_2")->press();
        QVERIFY(!ui::forms().isLoaded(20));
        QVERIFY(ui::forms().isLoaded(12));
        QVERIFY(view(12)->running());
    }

    void refusedFilesStopTheClock_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("synchronised before Tuesday's maintenance")
            << QByteArray("0\r\n12:00:00\r\n2026/12/7\r\n2\r\n") << "梦幻西游于星期二8点整系统维护了,请重新手动对时！";
        QTest::newRow("a date after today") << QByteArray("0\r\n12:00:00\r\n2026/12/11\r\n6\r\n")
                                             << "梦幻西游于星期二8点整系统维护了,请重新手动对时！";
        QTest::newRow("offset past the day") << QByteArray("1800\r\n10:00:00\r\n2026/12/10\r\n5\r\n")
                                             << "对时记录setting.ini无法读取,请重新手动对时！";
        QTest::newRow("three lines") << QByteArray("0\r\n10:00:00\r\n2026/12/10\r\n")
                                     << "对时记录setting.ini无法读取,请重新手动对时！";
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00zz", 5) << "对时记录setting.ini无法读取,请重新手动对时！";
    }
    void refusedFilesStopTheClock()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        writeIni(content);
        QWidget* w = ui::forms().showModeless(20);
        expectOneBox(message, "提醒");
        QVERIFY(view(20)->stopped());
        QCOMPARE(buttonStates(w), QStringLiteral("0001"));
        button(w, "dcButton3_2")->press();
        expectOneBox("请先启动后再切换！", "警告");
        // A synchronisation mends it.
        button(w, "dcButton1_4")->press();
        QCOMPARE(readIni(), QByteArray("600\r\n10:05:00\r\n2026/12/10\r\n5\r\n"));
        QVERIFY(view(20)->running());
    }

    // Files that are not files: a pipe (nobody writes to it, so a plain read would wait for
    // ever) and a link to an endless device. Each reads as damaged at once.
    void filesThatAreNotFilesAreDamaged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("a pipe") << "pipe" << true;
        QTest::newRow("a link to /dev/zero") << "zero" << true;
        QTest::newRow("4096 bytes") << "4096" << false;
        QTest::newRow("4097 bytes") << "4097" << true;
    }
    void filesThatAreNotFilesAreDamaged()
    {
        QFETCH(QString, kind);
        QFETCH(bool, damaged);
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(tradeclock::ui::kAnchorFile).constData(), 0600), 0);
        } else if (kind == "zero") {
            QVERIFY(QFile::link("/dev/zero", tradeclock::ui::kAnchorFile));
        } else {
            QByteArray text("0\r\n10:00:00\r\n2026/12/10\r\n5"); // blanks at a field's end are dropped
            writeIni(text + QByteArray(kind.toInt() - text.size(), ' '));
        }
        QWidget* w = ui::forms().showModeless(20);
        if (!damaged) {
            QVERIFY(boxes().isEmpty());
            QVERIFY(view(20)->running());
            return;
        }
        expectOneBox("对时记录setting.ini无法读取,请重新手动对时！", "提醒");
        QVERIFY(view(20)->stopped());
        QCOMPARE(buttonStates(w), QStringLiteral("0001"));
        ui::forms().unload(20);
        ui::forms().showModeless(12); // the compact view reads it the same way
        expectOneBox("对时记录setting.ini无法读取,请重新手动对时！", "提醒");
        QVERIFY(!view(12)->running());
    }

    // A full disk (every write to the folder fails with ENOSPC), with a file from an earlier
    // synchronisation and without one: the file stays as it was, no temporary file is left,
    // the player is told, and the clock runs on the new synchronisation.
    void aFailedWriteIsReportedAndTheClockRunsOn_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("over an earlier synchronisation") << QByteArray("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QTest::newRow("the first synchronisation") << QByteArray();
    }
    void aFailedWriteIsReportedAndTheClockRunsOn()
    {
        QFETCH(QByteArray, before);
        if (!before.isEmpty())
            writeIni(before);
        QWidget* w = ui::forms().showModeless(20);
        if (before.isEmpty())
            expectOneBox("第一次运行,请先手动对时！", "提醒");
        else
            button(w, "dcButton2_1")->press(); // 停
        QVERIFY(boxes().isEmpty());
        const QStringList files = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        {
            test::fullDisk::Filled full(QDir::currentPath());
            button(w, "dcButton1_2")->press(); // 寅: 300
            QVERIFY(test::fullDisk::refused() > 0);
        }
        expectOneBox("对时记录setting.ini无法保存,时钟只在本次运行中走动！", "提醒");
        QCOMPARE(readIni(), before.isEmpty() ? QByteArray("<missing>") : before);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
        QVERIFY(view(20)->running());
        tickAt(hms(10, 5, 1));
        QCOMPARE(view(20)->shownPosition(), 301);
    }

    // After a synchronisation that could not be saved, the clock runs on it for the rest of
    // the run: the compact view, a reopened clock, "启" and the time setting all use it, not
    // the older file.
    void anUnsavedSynchronisationHoldsForTheRun()
    {
        const QByteArray before("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        writeIni(before);
        QWidget* w = ui::forms().showModeless(20);
        QCOMPARE(view(20)->shownPosition(), 300);
        button(w, "dcButton2_1")->press(); // 停
        {
            test::fullDisk::Filled full(QDir::currentPath());
            button(w, "dcButton1_6")->press(); // 午: 900 at 10:05:00
        }
        expectOneBox("对时记录setting.ini无法保存,时钟只在本次运行中走动！", "提醒");
        QCOMPARE(view(20)->shownPosition(), 900);
        button(w, "dcButton3_2")->press(); // 切
        QVERIFY(view(12)->running());
        QCOMPARE(view(12)->shownPosition(), 900);
        tickAt(hms(10, 5, 30), 12);
        QCOMPARE(view(12)->shownPosition(), 930);
        button(ui::forms().loaded(12), "dcButton3")->press();
        QCOMPARE(view(20)->shownPosition(), 930);
        ui::forms().unload(20);
        w = ui::forms().showModeless(20);
        QCOMPARE(view(20)->shownPosition(), 930);
        button(w, "dcButton2_1")->press(); // 停
        tickAt(hms(10, 6, 0));
        button(w, "dcButton2_0")->press(); // 启
        QCOMPARE(view(20)->shownPosition(), 960);
        QWidget* setting = ui::forms().showModeless(21);
        QCOMPARE(control<QLineEdit>(setting, "Text1_0")->text() + control<QLineEdit>(setting, "Text1_1")->text(),
                 QStringLiteral("1005"));
        ui::forms().unload(21);
        QVERIFY(boxes().isEmpty());
        QCOMPARE(readIni(), before);
        // Once an anchor is saved again the file is what the clock reads.
        button(w, "dcButton2_1")->press();
        button(w, "dcButton1_0")->press(); // 子: 0 at 10:06:00
        QCOMPARE(readIni(), QByteArray("0\r\n10:06:00\r\n2026/12/10\r\n5\r\n"));
        ui::forms().unload(20);
        ui::forms().showModeless(20);
        QCOMPARE(view(20)->shownPosition(), 0);
    }

    void switchingBetweenTheViews()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton3_2")->press();
        QVERIFY(!ui::forms().isLoaded(20));
        QWidget* strip = ui::forms().loaded(12);
        QVERIFY(strip && strip->isVisible());
        QVERIFY(view(12)->running());
        QVERIFY(platform::isKeptOnTop(strip));
        tickAt(hms(10, 5, 0), 12); // c = 300: half the bar, 1200 of 2400 twips
        QCOMPARE(control<QLabel>(strip, "Label1_1")->width(), ui::tw(1200));
        QCOMPARE(control<QLabel>(strip, "Label1_0")->width(), ui::tw(2400));
        tickAt(hms(10, 5, 1), 12);
        QCOMPARE(text(strip, "Label6"), QStringLiteral("04:59"));
        QCOMPARE(button(strip, "dcButton3")->toolTip(), QStringLiteral("切换"));
        button(strip, "dcButton3")->press();
        QVERIFY(!ui::forms().isLoaded(12));
        QVERIFY(ui::forms().loaded(20)->isVisible());
        QVERIFY(view(20)->running());
        QVERIFY(boxes().isEmpty());
    }

    void theStripStoppedByMaintenanceStillSwitchesBack()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton3_2")->press();
        QWidget* strip = ui::forms().loaded(12);
        strip->close();
        writeIni("0\r\n12:00:00\r\n2026/12/7\r\n2\r\n");
        strip = ui::forms().showModeless(12);
        expectOneBox("梦幻西游于星期二8点整系统维护了,请重新手动对时！", "提醒");
        QVERIFY(!view(12)->running());
        button(strip, "dcButton3")->press();
        expectOneBox("梦幻西游于星期二8点整系统维护了,请重新手动对时！", "提醒");
        QVERIFY(ui::forms().isLoaded(20));
    }

    void incenseCountsOnceAndCarriesOverAsItIs()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        IncenseService& incense = IncenseService::instance();
        button(w, "dcButton11")->press();
        QVERIFY(incense.counting());
        QCOMPARE(text(w, "Label40"), QStringLiteral("00:00")); // until the first tick
        incense.tick();
        QCOMPARE(text(w, "Label40"), QStringLiteral("29:59"));

        // The strip takes the count over and shows it at once.
        button(w, "dcButton3_2")->press();
        QWidget* strip = ui::forms().loaded(12);
        QCOMPARE(text(strip, "Label4"), QStringLiteral("29:59"));
        QVERIFY(incense.counting());
        // The launcher opens a full window beside the strip: one count for both.
        QWidget* full = ui::forms().showModeless(20);
        incense.tick();
        QCOMPARE(text(strip, "Label4"), QStringLiteral("29:58"));
        QCOMPARE(text(full, "Label40"), QStringLiteral("29:58"));
        full->close();

        // Into the last minute: flashing; a click on the label stops it, the count goes on.
        for (int i = 0; i < 1738; ++i)
            incense.tick();
        QCOMPARE(text(strip, "Label4"), QStringLiteral("01:00"));
        QVERIFY(incense.flashing());
        incense.flashTick(); // blue, then red
        incense.flashTick();
        QCOMPARE(control<QLabel>(strip, "Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QTest::mouseClick(control<ui::ClickLabel>(strip, "Label4"), Qt::LeftButton);
        QVERIFY(!incense.flashing());
        QCOMPARE(control<QLabel>(strip, "Label4")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        incense.tick();
        // Switching back keeps the flashing off, as the player left it.
        button(strip, "dcButton3")->press();
        w = ui::forms().loaded(20);
        QCOMPARE(text(w, "Label40"), QStringLiteral("00:59"));
        QVERIFY(incense.counting());
        QVERIFY(!incense.flashing());

        // A press restarts from 30:00.
        button(w, "dcButton11")->press();
        incense.tick();
        QCOMPARE(text(w, "Label40"), QStringLiteral("29:59"));
    }

    void flashingCarriesOverWhenItIsOn()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        IncenseService& incense = IncenseService::instance();
        button(w, "dcButton11")->press();
        for (int i = 0; i < 1740; ++i)
            incense.tick();
        QVERIFY(incense.flashing());
        button(w, "dcButton3_2")->press();
        QVERIFY(incense.flashing());
        QCOMPARE(text(ui::forms().loaded(12), "Label4"), QStringLiteral("01:00"));
    }

    void closingTheLastViewStopsTheCount()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton11")->press();
        IncenseService::instance().tick();
        button(w, "dcButton3_2")->press();
        ui::forms().loaded(12)->close();
        QVERIFY(!IncenseService::instance().counting());
        w = ui::forms().showModeless(20);
        QCOMPARE(text(w, "Label40"), QStringLiteral("00:00"));
        IncenseService::instance().tick();
        QCOMPARE(text(w, "Label40"), QStringLiteral("00:00"));
    }

    void priceFrame()
    {
        QWidget* w = ui::forms().showModeless(20);
        auto* toggle = button(w, "dcButton4");
        QWidget* frame = control<QWidget>(w, "Frame1");
        const int folded = w->height();
        QCOMPARE(toggle->text(), QStringLiteral("∨各地可买入价∨"));
        QVERIFY(!frame->isVisible());
        toggle->press();
        QCOMPARE(toggle->text(), QStringLiteral("∧各地可买入价∧"));
        QVERIFY(frame->isVisible());
        QCOMPARE(w->height(), folded + ui::tw(4830 - 3700));
        QCOMPARE(text(w, "Label5_2"), QStringLiteral("夜明珠<= 8000  可进"));
        QTest::mouseClick(control<ui::ClickLabel>(w, "Label4_3"), Qt::LeftButton); // 长寿
        QCOMPARE(text(w, "Label5_0"), QStringLiteral("面粉  <= 3000  可进"));
        QCOMPARE(text(w, "Label5_1"), QStringLiteral("鹿茸  <= 7000  可进"));
        QCOMPARE(text(w, "Label5_2"), QStringLiteral("符    <= 5000  可进"));
        QCOMPARE(control<QLabel>(w, "Label4_3")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(control<QLabel>(w, "Label4_0")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseClick(control<ui::ClickLabel>(w, "Label4_3"), Qt::LeftButton); // again: nothing
        QCOMPARE(control<QLabel>(w, "Label4_3")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        toggle->press();
        QCOMPARE(w->height(), folded);
        QVERIFY(!frame->isVisible());
    }

    void helpAndTimeSettingOpen()
    {
        writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        button(w, "dcButton3_1")->press();
        QVERIFY(ui::forms().loaded(22)->isVisible());
        button(w, "dcButton2_1")->press(); // "C" is enabled while stopped
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* dlg = ui::forms().loaded(21);
            wasModal = dlg && dlg->isModal() && dlg->isVisible();
            if (dlg)
                dlg->close();
        });
        button(w, "dcButton3_0")->press();
        QVERIFY(wasModal);
        QVERIFY(!ui::forms().isLoaded(21));
    }

    void launcherOpensTheClockBesideTheMainWindow()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        auto* launcher = control<ui::DcButton>(main, "dcButton5");
        QCOMPARE(launcher->text(), QStringLiteral("跑商时钟"));
        launcher->press();
        QVERIFY(ui::forms().loaded(20)->isVisible());
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(ClockWindowTest)
#include "clock_window_test.moc"
