// Form21, the time setting of the clock, and Form22, the clock's help.
#include "app/ui/program.h"
#include "clock/ui/clock_support.h"
#include "clock/ui/time_setting_window.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "support/anchor_file.h"
#include "support/controls.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using tradeclock::ui::TimeSettingWindow;
using test::control;
using test::readIni;
using test::writeIni;

namespace {

QString shown(QWidget* w)
{
    return control<QLineEdit>(w, "Text1_0")->text() + ":" + control<QLineEdit>(w, "Text1_1")->text() + ":" +
           control<QLineEdit>(w, "Text1_2")->text();
}

TimeSettingWindow* open() { return static_cast<TimeSettingWindow*>(ui::forms().showModeless(21)); }

} // namespace

class TimeSettingWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        app::ui::registerForms();
    }
    void init()
    {
        ui::BoxRecorder::start();
        QFile::remove(tradeclock::ui::kAnchorFile);
        QDir().rmdir(tradeclock::ui::kAnchorFile);
        tradeclock::ui::forgetHeldAnchorForTests();
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void showsTheStoredTime()
    {
        writeIni(" 450\r\n8:05:09\r\n2026/12/10\r\n 5\r\n");
        TimeSettingWindow* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("  手动调时"));
        QCOMPARE(shown(w), QStringLiteral("08:05:09"));
        QVERIFY(control<QLineEdit>(w, "Text1_0")->isReadOnly());
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void aButtonStepsWhileItIsHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void aButtonStepsWhileItIsHeld()
    {
        QFETCH(Qt::MouseButton, mouse);
        writeIni("450\r\n12:58:59\r\n2026/12/10\r\n5\r\n");
        TimeSettingWindow* w = open();
        auto* up = control<ui::DcButton>(w, "dcButton1_4"); // second +
        QTest::mousePress(up, mouse);
        QVERIFY(w->stepping(4));
        QCOMPARE(shown(w), QStringLiteral("12:58:59")); // nothing before the first tick
        w->stepTick(4);
        QCOMPARE(shown(w), QStringLiteral("12:59:00"));
        for (int i = 0; i < 59; ++i)
            w->stepTick(4);
        QCOMPARE(shown(w), QStringLiteral("12:59:59"));
        w->stepTick(4);
        QCOMPARE(shown(w), QStringLiteral("13:00:00"));
        QTest::mouseRelease(up, mouse);
        QVERIFY(!w->stepping(4));
        QCOMPARE(shown(w), QStringLiteral("13:00:00"));
    }

    void stepsWrapAtTheDay_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("second + at the end") << QByteArray("23:59:59") << 4 << "00:00:00";
        QTest::newRow("second - at the start") << QByteArray("00:00:00") << 5 << "23:59:59";
        QTest::newRow("hour + at 23") << QByteArray("23:12:34") << 0 << "00:12:34";
        QTest::newRow("hour - at 0") << QByteArray("00:12:34") << 1 << "23:12:34";
        QTest::newRow("minute - at 00:00") << QByteArray("00:00:34") << 3 << "23:59:34";
        QTest::newRow("minute + at 59") << QByteArray("08:59:34") << 2 << "09:00:34";
    }
    void stepsWrapAtTheDay()
    {
        QFETCH(QByteArray, time);
        QFETCH(int, button);
        writeIni("450\r\n" + time + "\r\n2026/12/10\r\n5\r\n");
        TimeSettingWindow* w = open();
        w->stepTick(button);
        QTEST(shown(w), "expected");
    }

    void writeReplacesOnlyTheTime()
    {
        writeIni(" 450\r\n8:05:09\r\n2026/12/10\r\n 5\r\n");
        TimeSettingWindow* w = open();
        control<ui::DcButton>(w, "dcButton2_0")->press(); // unchanged: the same four fields
        QCOMPARE(readIni(), QByteArray("450\r\n08:05:09\r\n2026/12/10\r\n5\r\n"));
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("时间修改完毕！"));
        QCOMPARE(boxes[0].title, QStringLiteral("修改"));
        QCOMPARE(boxes[0].icon, ui::BoxIcon::None);
        w->stepTick(1);
        control<ui::DcButton>(w, "dcButton2_0")->press();
        QCOMPARE(readIni(), QByteArray("450\r\n07:05:09\r\n2026/12/10\r\n5\r\n"));
        QVERIFY(ui::forms().isLoaded(21)); // it stays open
        w->stepTick(4);
        control<ui::DcButton>(w, "dcButton2_1")->press(); // "退出" writes nothing
        QVERIFY(!ui::forms().isLoaded(21));
        QCOMPARE(readIni(), QByteArray("450\r\n07:05:09\r\n2026/12/10\r\n5\r\n"));
    }

    void withoutAGoodFileNothingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "第一次运行,请先手动对时！";
        QTest::newRow("one field") << QByteArray("450\r\n") << "对时记录setting.ini无法读取,请重新手动对时！";
        QTest::newRow("five fields") << QByteArray("450\r\n08:00:00\r\n2026/12/10\r\n5\r\n6\r\n")
                                     << "对时记录setting.ini无法读取,请重新手动对时！";
        QTest::newRow("no time") << QByteArray("450\r\nabc\r\n2026/12/10\r\n5\r\n")
                                 << "对时记录setting.ini无法读取,请重新手动对时！";
    }
    void withoutAGoodFileNothingIsWritten()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        if (!content.isEmpty())
            writeIni(content);
        const QByteArray before = readIni();
        TimeSettingWindow* w = open();
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].title, QStringLiteral("提醒"));
        QCOMPARE(shown(w), QStringLiteral("00:00:00"));
        control<ui::DcButton>(w, "dcButton2_0")->press(); // 修改 answers as the opening did
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(readIni(), before);
    }

    // A pipe and a link to an endless device read as damaged at once, and nothing is written.
    void filesThatAreNotFilesAreDamaged()
    {
        for (const bool pipe : {true, false}) {
            QFile::remove(tradeclock::ui::kAnchorFile);
            if (pipe)
                QCOMPARE(::mkfifo(QFile::encodeName(tradeclock::ui::kAnchorFile).constData(), 0600), 0);
            else
                QVERIFY(QFile::link("/dev/zero", tradeclock::ui::kAnchorFile));
            TimeSettingWindow* w = open();
            auto boxes = ui::BoxRecorder::take();
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QStringLiteral("对时记录setting.ini无法读取,请重新手动对时！"));
            QCOMPARE(shown(w), QStringLiteral("00:00:00"));
            control<ui::DcButton>(w, "dcButton2_0")->press();
            QCOMPARE(ui::BoxRecorder::take().value(0).text, QStringLiteral("对时记录setting.ini无法读取,请重新手动对时！"));
            const QFileInfo info(tradeclock::ui::kAnchorFile);
            QCOMPARE(info.isSymLink(), !pipe);
            QVERIFY(!info.isFile());
            ui::forms().unload(21);
        }
    }

    // A full disk: every write to the folder fails with ENOSPC.
    void aFailedWriteIsReported()
    {
        const QByteArray before("450\r\n08:05:09\r\n2026/12/10\r\n5\r\n");
        writeIni(before);
        TimeSettingWindow* w = open();
        w->stepTick(1);
        const QStringList files = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        {
            test::fullDisk::Filled full(QDir::currentPath());
            control<ui::DcButton>(w, "dcButton2_0")->press();
            QVERIFY(test::fullDisk::refused() > 0);
        }
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("对时记录setting.ini无法保存,时间未修改！"));
        QCOMPARE(boxes[0].title, QStringLiteral("修改"));
        QCOMPARE(readIni(), before);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
        // Once the disk has room again the same change goes through.
        control<ui::DcButton>(w, "dcButton2_0")->press();
        QCOMPARE(ui::BoxRecorder::take().value(0).text, QStringLiteral("时间修改完毕！"));
        QCOMPARE(readIni(), QByteArray("450\r\n07:05:09\r\n2026/12/10\r\n5\r\n"));
    }

    void helpClosesOnADoubleClick()
    {
        QWidget* w = ui::forms().showModeless(22);
        QCOMPARE(w->windowTitle(), QStringLiteral("            跑商时钟帮助"));
        auto* text = control<QPlainTextEdit>(w, "Text1");
        QVERIFY(text->isReadOnly());
        const QStringList lines = text->toPlainText().split('\n');
        QCOMPARE(lines.value(0), QString());
        QCOMPARE(lines.value(1), QStringLiteral(" 跑商时钟说明(双击关闭此窗口):"));
        QCOMPARE(lines.value(3), QStringLiteral(" 1.左上角紫色按钮为显示说明帮助."));
        QVERIFY(lines.contains(QStringLiteral(" 11.左下角的按钮\"//\"可以把时钟切换")));
        QCOMPARE(lines.value(lines.indexOf(QStringLiteral(" 11.左下角的按钮\"//\"可以把时钟切换")) - 1), QStringLiteral(" "));
        QCOMPARE(lines.value(lines.size() - 2), QStringLiteral("    进行30分钟倒数。"));
        QCOMPARE(lines.last(), QString());
        QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, QPoint(40, 200));
        QVERIFY(!ui::forms().isLoaded(22));
    }
};

QTEST_MAIN(TimeSettingWindowTest)
#include "time_setting_window_test.moc"
