// The main window: start-up state, the tab row, the first reading of the question bank.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/shared_state.h"
#include "common/ui/controls.h"
#include "common/ui/twips.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "exam/bank_state.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "support/controls.h"

using app::ui::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString oldDir;
    MainWindow* w = nullptr;

    ui::DcButton* tab(int i) { return test::control<ui::DcButton>(w, ui::controlName("Button0", i)); }
    QWidget* panel(int i) { return test::control(w, ui::controlName("Frame2", i)); }
    void writeBank(const QByteArray& bytes)
    {
        QFile f("test.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void checkActive(int active)
    {
        QCOMPARE(w->currentTab(), active);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(tab(i)->backColour(), i == active ? 0xC0FFC0u : 0xFFC0A0u);
            QCOMPARE(panel(i)->isVisible(), i == active);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        oldDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        app::ui::registerForms();
    }
    void cleanupTestCase() { QDir::setCurrent(oldDir); }

    void init()
    {
        QFile::remove("test.dat");
        ui::BoxRecorder::start();
        common::PetShopOpen = true; // start-up clears it
        w = static_cast<MainWindow*>(ui::forms().form(1));
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void startUpState()
    {
        QCOMPARE(w->windowTitle(), QString("百宝算匣v4.08版"));
        QCOMPARE(w->size(), QSize(527, 318));
        QVERIFY(!common::PetShopOpen);
        const exam::BankState& s = exam::bankState();
        QVERIFY(!s.bankLoaded);
        QCOMPARE(s.categoryFilterIndex, 11);
        QCOMPARE(s.answerLetters[3], std::string("D"));
        checkActive(0);
        const char* captions[] = {"角色", "帮派", "任务", "召唤兽", "孩子", "科举", "其它", "关于"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(tab(i)->text(), QString::fromUtf8(captions[i]));
            QCOMPARE(tab(i)->geometry(), QRect(ui::tw(120 + 960 * i), ui::tw(80), ui::tw(975), ui::tw(255)));
        }
        for (int i = 8; i <= 10; ++i)
            QVERIFY(!panel(i)->isVisible());
    }

    void switchingTabs()
    {
        tab(1)->press();
        checkActive(1);
        tab(3)->press();
        checkActive(3);
        tab(0)->press();
        checkActive(0);
        QVERIFY(test::control(w, "Text1_0")->hasFocus());
        // Clicking the current tab changes nothing, not even the focus.
        tab(7)->press();
        checkActive(7);
        test::control(w, "Text27")->setFocus();
        tab(7)->press();
        checkActive(7);
        QCOMPARE(QApplication::focusWidget(), test::control(w, "Text27"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void overlaysFreezeTheTabRow()
    {
        panel(9)->show();
        tab(2)->press();
        checkActive(0);
        panel(9)->hide();
        panel(8)->show();
        tab(5)->press(); // the missing-file warning still comes first
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("对不起，找不到科举题库文件！"));
        QCOMPARE(w->currentTab(), 0);
    }

    void bankTabWithoutTheFile()
    {
        tab(5)->press();
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("警告！"));
        QCOMPARE(boxes[0].text, QString("对不起，找不到科举题库文件！"));
        checkActive(0);
        QVERIFY(!exam::bankState().bankLoaded);
        // A directory of that name is no file either.
        QVERIFY(QDir().mkdir("test.dat"));
        tab(5)->press();
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        QVERIFY(QDir().rmdir("test.dat"));
        // Nor is a pipe (a read would wait for a writer) or a link to an endless device.
        QCOMPARE(::mkfifo("test.dat", 0600), 0);
        tab(5)->press();
        QCOMPARE(ui::BoxRecorder::take().value(0).text, QString("对不起，找不到科举题库文件！"));
        QVERIFY(QFile::remove("test.dat"));
        QVERIFY(QFile::link("/dev/zero", "test.dat"));
        tab(5)->press();
        QCOMPARE(ui::BoxRecorder::take().value(0).text, QString("对不起，找不到科举题库文件！"));
        QVERIFY(QFile::remove("test.dat"));
        checkActive(0);
        QVERIFY(!exam::bankState().bankLoaded);
    }

    void bankIsReadOnceOnFirstOpening()
    {
        writeBank("1,游戏知识,问一,对,错,错,错\r\n 2,古代常识,问二,对,错,错,错\r\n");
        tab(5)->press();
        checkActive(5);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        const exam::BankState& s = exam::bankState();
        QVERIFY(s.bankLoaded);
        QCOMPARE(s.bank.count(), std::size_t{2});
        QCOMPARE(s.bank.listLine(1), std::string_view("<2>[古代常识] 问二"));
        // The file changes; going away and back does not read it again.
        writeBank("1,游戏知识,问一,对,错,错,错\r\n");
        tab(0)->press();
        tab(5)->press();
        QCOMPARE(exam::bankState().bank.count(), std::size_t{2});
        // Clicking 科举 while it is current still tests for the file.
        QFile::remove("test.dat");
        tab(5)->press();
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        checkActive(5);
    }

    void malformedLinesAreReportedOnce()
    {
        writeBank("1,游戏知识,问一,对,错,错,错\r\n坏行\r\n3,古代常识,问三,对,错,错,错\r\n4,x\r\n");
        tab(5)->press();
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("科举题库文件第2、4行格式有误，已跳过！"));
        QCOMPARE(exam::bankState().bank.count(), std::size_t{2});
        QVERIFY(exam::bankState().bankLoaded);
    }

    // A byte that neither UTF-8 nor GB18030 reads spoils only its own line.
    void anUndecodableLineIsSkippedLikeAMalformedOne()
    {
        writeBank("1,游戏知识,问一,对,错,错,错\r\n2,a,\x81\x20,c,d,e,f\r\n3,古代常识,问三,对,错,错,错\r\n");
        tab(5)->press();
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("科举题库文件第2行格式有误，已跳过！"));
        QVERIFY(exam::bankState().bankLoaded);
        QCOMPARE(exam::bankState().bank.count(), std::size_t{2});
        QCOMPARE(exam::bankState().skippedLines, std::size_t{1});
    }

    void oversizedBankWarnsAndStaysUnloaded()
    {
        writeBank("1,游戏知识,问一,对,错,错,错\r\n");
        QFile f("test.dat");
        QVERIFY(f.resize(static_cast<qint64>(exam::kMaxBankFileBytes) + 1)); // sparse: no memory, no disk
        tab(5)->press();
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("科举题库文件太大，无法读取！"));
        QVERIFY(!exam::bankState().bankLoaded);
        QCOMPARE(exam::bankState().bank.count(), std::size_t{0});
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
