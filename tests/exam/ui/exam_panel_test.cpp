// The practice exam on the main window: opened in place of the 科举 panel, driven from 开始
// through answers and tokens to its end, reviewed, and left with 放弃.
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "exam/bank_state.h"
#include "exam/ui/exam_panel.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>

using test::control;

class ExamPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_startDir;
    // The panel's draws: the queued numbers, then 0 (the first record, its answer at A).
    std::deque<double> m_draws;
    app::ui::MainWindow* m_main = nullptr;

    exam::ui::ExamPanel* panel() { return m_main->examPanel(); }
    QString text(const char* name) { return control<QLabel>(m_main, name)->text(); }
    void press(const char* name) { control<ui::DcButton>(m_main, name)->press(); }
    void startAnswering()
    {
        press("Button18_0");
        for (int i = 0; i < 6; ++i)
            panel()->countdownTick();
        QCOMPARE(panel()->exam().phase(), exam::ExamPhase::Answering);
    }
    // Picks an answer by clicking its text, as a player may, then 答题.
    void answer(bool right)
    {
        const int slot = (panel()->exam().correctSlot() + (right ? 0 : 1)) % 4;
        QTest::mouseClick(control<QLabel>(m_main, QStringLiteral("Label8_%1").arg(slot)), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(m_main, QStringLiteral("Option4_%1").arg(slot))->isChecked());
        press("Button19_0");
    }

private slots:
    void initTestCase()
    {
        exam::ui::setUniformSourceForTests([this] {
            if (m_draws.empty())
                return 0.0;
            const double r = m_draws.front();
            m_draws.pop_front();
            return r;
        });
        m_startDir = test::openBankTab(m_dir.path(),
                                       " 1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n"
                                       " 2,其它题目,中国最长的河流是哪一条？,长江,黄河,珠江,黑龙江\r\n",
                                       m_main);
        QVERIFY(exam::bankState().bankLoaded);
    }
    void cleanupTestCase()
    {
        ui::forms().reset();
        exam::ui::setUniformSourceForTests({});
        QDir::setCurrent(m_startDir);
    }

    void opensInPlaceOfTheBankPanelAndHoldsTheTabRow()
    {
        m_main->openExam();
        QVERIFY(m_main->panel(8)->isVisible());
        QVERIFY(!m_main->panel(5)->isVisible());
        QVERIFY(control<ui::DcButton>(m_main, "Button18_0")->hasFocus());
        QCOMPARE(text("Label12_3"), QStringLiteral("欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。"));
        QVERIFY(!control<QRadioButton>(m_main, "Option4_0")->isVisible());
        m_main->tabClick(0);
        QVERIFY(m_main->panel(8)->isVisible());
        QCOMPARE(m_main->currentTab(), 5);
    }

    // Both timers tick once a second; the clock shows 999 for one tick, and the tick after
    // it ends the exam with "答题超时！".
    void clocksTickOnceASecondAndTheExamEndsAfter999Seconds()
    {
        QCOMPARE(panel()->countdownTimer()->interval(), 1000);
        QCOMPARE(panel()->clockTimer()->interval(), 1000);
        QVERIFY(!panel()->countdownTimer()->isSingleShot());
        QVERIFY(!panel()->clockTimer()->isSingleShot());
        startAnswering();
        QVERIFY(panel()->clockTimer()->isActive());
        for (int i = 0; i < 999; ++i)
            panel()->clockTick();
        QCOMPARE(text("Label13_3"), QStringLiteral("999"));
        QVERIFY(panel()->clockTimer()->isActive());
        QCOMPARE(panel()->exam().phase(), exam::ExamPhase::Answering);
        panel()->clockTick();
        QCOMPARE(panel()->exam().phase(), exam::ExamPhase::Closed);
        QVERIFY(!panel()->clockTimer()->isActive());
        QCOMPARE(text("Label18"), QStringLiteral("答题超时！"));
        QVERIFY(control<QLabel>(m_main, "Label18")->isVisible());
        QCOMPARE(text("Label13_3"), QStringLiteral("999"));
    }

    void countdownRunsOnItsTimerThenTheClock()
    {
        panel()->countdownTimer()->setInterval(1);
        press("Button18_0");
        QVERIFY(panel()->countdownTimer()->isActive());
        QVERIFY(control<ui::DcButton>(m_main, "Button18_1")->hasFocus());
        QVERIFY(!control<ui::DcButton>(m_main, "Button18_0")->isEnabled());
        QTRY_COMPARE(panel()->exam().phase(), exam::ExamPhase::Answering);
        QVERIFY(!panel()->countdownTimer()->isActive());
        QVERIFY(panel()->clockTimer()->isActive());
        QVERIFY(!control<QLabel>(m_main, "Label18")->isVisible());
        QCOMPARE(text("Label12_3"), QStringLiteral("答题开始！！！！！"));
        QVERIFY(control<QPlainTextEdit>(m_main, "Text20")->toPlainText().startsWith("["));
        QVERIFY(control<ui::DcButton>(m_main, "Button19_0")->hasFocus());
        panel()->clockTick();
        QCOMPARE(text("Label13_3"), QStringLiteral("1"));
        press("Button18_1");
        QVERIFY(!panel()->clockTimer()->isActive());
        QCOMPARE(text("Label18"), QStringLiteral("停止答题!"));
        QVERIFY(control<QLabel>(m_main, "Label18")->isVisible());
        panel()->countdownTimer()->setInterval(1000);
    }

    void answersTokensAndTheirTexts()
    {
        // First record, correct answer at C: A w3, B w2, C c, D w1.
        m_draws = {0.25, 0.5};
        startAnswering();
        QCOMPARE(control<QLineEdit>(m_main, "Text21")->text(), QStringLiteral("1"));
        QCOMPARE(control<QPlainTextEdit>(m_main, "Text20")->toPlainText(),
                 QStringLiteral("[历史知识] 秦始皇的名字叫什么？"));
        const char* layoutC[] = {"子婴", "扶苏", "嬴政", "胡亥"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(control<QLabel>(m_main, QStringLiteral("Label8_%1").arg(i))->text(), QString::fromUtf8(layoutC[i]));
        // The next question: the second record, correct answer at D: A w2, B w1, C w3, D c.
        m_draws = {0.5, 0.99};
        answer(true);
        QCOMPARE(control<QLineEdit>(m_main, "Text21")->text(), QStringLiteral("2"));
        const char* layoutD[] = {"珠江", "黄河", "黑龙江", "长江"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(control<QLabel>(m_main, QStringLiteral("Label8_%1").arg(i))->text(), QString::fromUtf8(layoutD[i]));
        QCOMPARE(text("Label22"), QStringLiteral("正确！"));
        QCOMPARE(text("Label12_2"), QStringLiteral("正确！"));
        QCOMPARE(text("Label13_0"), QStringLiteral("2"));
        QCOMPARE(text("Label12_3"), QStringLiteral("回答正确!现自动进入下一关!"));
        QVERIFY(!control<QRadioButton>(m_main, "Option4_0")->isChecked());

        answer(false);
        QCOMPARE(text("Label22"), QStringLiteral("错误！"));
        QCOMPARE(text("Label13_2"), QStringLiteral("1"));
        QCOMPARE(text("Label13_3"), QStringLiteral("20"));

        press("Button19_1"); // 天王令
        QCOMPARE(control<ui::DcButton>(m_main, "Button19_1")->text(), QStringLiteral("天王令0个"));
        QVERIFY(!control<ui::DcButton>(m_main, "Button19_1")->isEnabled());
        QVERIFY(text("Label12_0").isEmpty());
        QVERIFY(text("Label12_1").isEmpty());
        press("Button18_1");
    }

    void reviewShowsTheMissedQuestionWithItsAnswerAtA()
    {
        m_draws = {0.75, 0.25}; // the second record, its answer at B
        startAnswering();
        answer(false);
        press("Button18_1");
        QVERIFY(control<ui::DcButton>(m_main, "dcButton4_1")->isEnabled());
        press("dcButton4_1");
        QVERIFY(!control<QLabel>(m_main, "Label18")->isVisible());
        QCOMPARE(text("Label12_0"), QStringLiteral("A"));
        QVERIFY(control<QRadioButton>(m_main, "Option4_0")->isChecked());
        QCOMPARE(text("Label8_0"), QStringLiteral("长江"));
        QCOMPARE(control<QLineEdit>(m_main, "Text21")->text(), QStringLiteral("2"));

        // 放弃 and back through 考试: the review is empty, its buttons still enabled.
        press("Button18_2");
        QVERIFY(m_main->panel(5)->isVisible());
        QVERIFY(!m_main->panel(8)->isVisible());
        m_main->openExam();
        QVERIFY(control<ui::DcButton>(m_main, "dcButton4_1")->isEnabled());
        press("dcButton4_1");
        QCOMPARE(panel()->exam().reviewCursor(), -1);
        QVERIFY(ui::BoxRecorder::take().isEmpty()); // the exam never opens a box
    }

    void miniLookupOpensBesideTheMainWindow()
    {
        m_main->openMiniLookup();
        QVERIFY(ui::forms().isLoaded(8));
        QVERIFY(m_main->isVisible());
        ui::forms().unload(8);
    }
};

QTEST_MAIN(ExamPanelTest)
#include "exam_panel_test.moc"
