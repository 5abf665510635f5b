// The clock area's timers against their published figures: the incense count (one tick a
// second) with its last-minute flashing (one colour every 100 ms, ten colours in a fixed
// order), and the hot-key sender's F12 polling (60 ms) with its pause after a press
// (5500 ms). The ticks are driven by the test; the timers are only read for their periods
// and for whether they run.
#include "clock/ui/clock_support.h"
#include "clock/ui/hotkey_window.h"
#include "clock/ui/incense.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "support/anchor_file.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "support/recording_keyboard.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using tradeclock::ui::HotkeyWindow;
using tradeclock::ui::IncenseService;
using test::control;

namespace {

tradeclock::LocalTime g_now{{2026, 12, 10}, 10 * 3600};

ui::DcButton* button(QWidget* w, const char* name) { return control<ui::DcButton>(w, QLatin1String(name)); }

QColor textColour(QWidget* w, const char* name)
{
    return control<QLabel>(w, QLatin1String(name))->palette().color(QPalette::WindowText);
}

} // namespace

class TimersTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

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
        IncenseService::instance().resetForTests();
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void incenseCountsEverySecondAndFlashesTenColoursInOrder()
    {
        test::writeIni("0\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
        QWidget* w = ui::forms().showModeless(20);
        IncenseService& incense = IncenseService::instance();
        QCOMPARE(incense.countTimer().interval(), 1000);
        QCOMPARE(incense.flashTimer().interval(), 100);
        QVERIFY(!incense.countTimer().isSingleShot());
        QVERIFY(!incense.flashTimer().isSingleShot());
        QVERIFY(!incense.countTimer().isActive());

        button(w, "dcButton11")->press();
        QVERIFY(incense.countTimer().isActive());
        QVERIFY(!incense.flashTimer().isActive());
        // Thirty minutes of one-second ticks: 29:59 … 01:01 without flashing, then 01:00.
        for (int i = 0; i < 1739; ++i)
            incense.tick();
        QCOMPARE(control<QLabel>(w, "Label40")->text(), QStringLiteral("01:01"));
        QVERIFY(!incense.flashTimer().isActive());
        incense.tick();
        QCOMPARE(control<QLabel>(w, "Label40")->text(), QStringLiteral("01:00"));
        QVERIFY(incense.flashTimer().isActive());

        // Blue, red, black, magenta, yellow, green, cyan, orange, light blue, light yellow
        // (&HBBGGRR: FF0000, 0000FF, 000000, FF00FF, 00FFFF, 00FF00, FFFF00, 0080FF, FF8080,
        // 80FFFF), then blue again: the ten colours once a second.
        const QColor colours[] = {QColor(0, 0, 255),   QColor(255, 0, 0),     QColor(0, 0, 0),
                                  QColor(255, 0, 255), QColor(255, 255, 0),   QColor(0, 255, 0),
                                  QColor(0, 255, 255), QColor(255, 128, 0),   QColor(128, 128, 255),
                                  QColor(255, 255, 128), QColor(0, 0, 255)};
        for (int i = 0; i < 11; ++i) {
            incense.flashTick();
            QCOMPARE(textColour(w, "Label40"), colours[i]);
        }
        // A stop keeps the place in the cycle: the next flashing goes on from red.
        QTest::mouseClick(control<QLabel>(w, "Label40"), Qt::LeftButton);
        QVERIFY(!incense.flashTimer().isActive());
        QCOMPARE(textColour(w, "Label40"), QColor(0, 0, 255));
        button(w, "dcButton11")->press();
        for (int i = 0; i < 1740; ++i)
            incense.tick();
        QVERIFY(incense.flashTimer().isActive());
        incense.flashTick();
        QCOMPARE(textColour(w, "Label40"), QColor(255, 0, 0));

        // The end: 00:00 for two ticks, then both timers stop and the label is blue.
        for (int i = 0; i < 60; ++i)
            incense.tick();
        QCOMPARE(control<QLabel>(w, "Label40")->text(), QStringLiteral("00:00"));
        QVERIFY(incense.countTimer().isActive());
        incense.tick();
        QCOMPARE(control<QLabel>(w, "Label40")->text(), QStringLiteral("00:00"));
        QVERIFY(!incense.countTimer().isActive());
        QVERIFY(!incense.flashTimer().isActive());
        QCOMPARE(textColour(w, "Label40"), QColor(0, 0, 255));
    }

    void hotkeyPollsEverySixtyMillisecondsAndPausesFiveAndAHalfSeconds()
    {
        test::RecordingKeyboard keys;
        auto* w = static_cast<HotkeyWindow*>(ui::forms().showModeless(16));
        QCOMPARE(w->pollTimer().interval(), 60);
        QCOMPARE(w->pauseTimer().interval(), 5500);
        QVERIFY(!w->pollTimer().isActive());
        QVERIFY(!w->pauseTimer().isActive());

        button(w, "dcButton1_0")->press();
        QVERIFY(w->pollTimer().isActive());
        keys.f12 = true;
        w->pollTick();
        QCOMPARE(keys.typed.size(), 1);
        QVERIFY(!w->pollTimer().isActive());
        QVERIFY(w->pauseTimer().isActive());
        // The pause runs from the press: nearly all of its 5500 ms are still ahead, give or
        // take the 5 % a coarse timer may move its end (and a busy machine's delay).
        const int left = w->pauseTimer().remainingTime();
        QVERIFY2(left > 4500 && left <= 5775, qPrintable(QString::number(left)));
        // Its end polls again, once: a held F12 types again at the next poll.
        w->pauseTick();
        QVERIFY(w->pollTimer().isActive());
        QVERIFY(!w->pauseTimer().isActive());
        w->pollTick();
        QCOMPARE(keys.typed.size(), 2);
        QVERIFY(w->pauseTimer().isActive());
        w->close();
        QVERIFY(!ui::forms().isLoaded(16));
    }
};

QTEST_MAIN(TimersTest)
#include "timers_test.moc"
