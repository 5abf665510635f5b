// The 任务 panel: guild task, sect task, demon-sealing and ring-quest calculators.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class TaskFramesTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;

    template <typename T = QLineEdit>
    T* find(const QString& name)
    {
        return test::control<T>(m_main->panel(2), name);
    }
    void click(const QString& button) { QTest::mouseClick(find<ui::DcButton>(button), Qt::LeftButton); }
    QString textOf(const QString& name) { return find(name)->text(); }
    QStringList texts(const char* base, int from, int to)
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << textOf(ui::controlName(base, i));
        return out;
    }
    // The warning recorded since the last call ("" for none).
    QString warning()
    {
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        if (boxes.isEmpty())
            return {};
        if (boxes.size() != 1 || boxes[0].title != QStringLiteral("警告！"))
            qFatal("unexpected boxes");
        return boxes[0].text;
    }
    QWidget* focused() { return m_main->focusWidget(); }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow(2);
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void startState()
    {
        QCOMPARE(QApplication::focusWidget(), find("Text7_0"));
        QCOMPARE(texts("Text7", 0, 2), (QStringList{"0", "0", "0"}));
        QCOMPARE(texts("Text8", 0, 4), (QStringList{"60", "0", "0", "0", "0"}));
        QCOMPARE(texts("Text9", 0, 2), (QStringList{"0", "0", "0"}));
        QCOMPARE(textOf("Text12"), QStringLiteral("0"));
        QCOMPARE(texts("Text10", 0, 6), (QStringList{"600", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(texts("Text11", 0, 6), (QStringList{"150", "0", "0", "0", "0", "0", "0"}));
        QVERIFY(find<QCheckBox>("Check1")->isChecked());
        QVERIFY(find<QCheckBox>("Check3")->isChecked());
        QVERIFY(!find<QCheckBox>("Check2_0")->isChecked());
        QVERIFY(!find<QCheckBox>("Check2_1")->isChecked());
        QCOMPARE(find<ui::DcButton>("Button7_0")->toolTip(), QStringLiteral("角色等级输入20-155级"));
        QCOMPARE(find<ui::DcButton>("Button8_0")->toolTip(), QStringLiteral("角色等级60-155,环数1-300环"));
        const char* const maps[7] = {"建邺城", "江南野外", "大唐国境", "大唐境外", "傲来国", "长寿郊外", "北俱芦洲"};
        for (int k = 0; k < 7; ++k)
            QCOMPARE(find<ui::CaptionFrame>(ui::controlName("Frame6", k))->caption(), QString::fromUtf8(maps[k]));
        for (const char* input : {"Text7_0", "Text8_0", "Text8_1", "Text8_2", "Text9_0", "Text12"})
            QCOMPARE(find(input)->maxLength(), 3);
        for (const char* r : {"Text7_1", "Text7_2", "Text8_3", "Text8_4", "Text9_1", "Text9_2", "Text10_3", "Text11_6"})
            QVERIFY(find(r)->isReadOnly());
    }

    void enterWalksThePanel()
    {
        // Each frame's inputs, then its 计算; frames top left, bottom left, top right, bottom right.
        const char* const chain[] = {"Text7_0", "Button7_0", "Text9_0", "Button9_0", "Check1",   "Check3",  "Text12",
                                     "Button10", "Check2_0", "Check2_1", "Text8_0", "Text8_1", "Text8_2", "Button8_0"};
        QWidget* w = find<QWidget>("Text7_0");
        for (const char* name : chain) {
            QCOMPARE(w->objectName(), QString::fromLatin1(name));
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        }
        const std::pair<const char*, const char*> enter[] = {{"Text7_0", "Button7_0"}, {"Text9_0", "Button9_0"},
                                                             {"Text12", "Button10"},   {"Text8_0", "Text8_1"},
                                                             {"Text8_1", "Text8_2"},   {"Text8_2", "Button8_0"}};
        for (const auto& [from, to] : enter) {
            find(from)->setFocus();
            QTest::keyClick(find(from), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(to));
        }
    }

    void guildTask()
    {
        struct Case {
            const char* level;
            const char* warning;
            QStringList results;
        };
        const Case cases[] = {
            {"11", "", {"30115", "12185"}},
            {"155", "", {"61075", "96425"}},
            {"10", "输入等级要在11和155之间！", {"0", "0"}},
            {"156", "输入等级要在11和155之间！", {"0", "0"}},
            {"", "待输入项不能为空！", {"0", "0"}},
        };
        for (const Case& c : cases) {
            find("Text7_1")->setText("1");
            find("Text7_0")->setText(QString::fromUtf8(c.level));
            click("Button7_0");
            QCOMPARE(warning(), QString::fromUtf8(c.warning));
            QCOMPARE(texts("Text7", 1, 2), c.results);
            QCOMPARE(textOf("Text7_0"), QString::fromUtf8(c.level));
            QCOMPARE(focused(), find("Text7_0"));
        }
        click("Button7_1");
        QCOMPARE(warning(), QString());
        QCOMPARE(texts("Text7", 0, 2), (QStringList{"0", "0", "0"}));
        QCOMPARE(focused(), find("Text7_0"));
    }

    void ringQuest()
    {
        struct Case {
            const char *level, *first, *last;
            const char* warning;
            QStringList results;
        };
        const Case cases[] = {
            {"60", "1", "1", "", {"2700", "1350"}},
            {"60", "1", "10", "", {"87750", "43875"}},
            {"60", "11", "11", "", {"4050", "2025"}},
            {"155", "1", "300", "", {"20475000", "10237500"}},
            {"155", "300", "300", "", {"130000", "65000"}},
            {"59", "1", "300", "等级要在60到155之间！", {"0", "0"}},
            {"59", "5", "3", "等级要在60到155之间！", {"0", "0"}},
            {"60", "0", "300", "环数要在1到300之间！", {"0", "0"}},
            {"60", "1", "301", "环数要在1到300之间！", {"0", "0"}},
            {"60", "5", "3", "环数1不能大于环数2！", {"0", "0"}},
            {"60", "", "3", "待输入项不能为空！", {"0", "0"}},
        };
        for (const Case& c : cases) {
            find("Text8_3")->setText("1");
            find("Text8_0")->setText(QString::fromUtf8(c.level));
            find("Text8_1")->setText(QString::fromUtf8(c.first));
            find("Text8_2")->setText(QString::fromUtf8(c.last));
            click("Button8_0");
            QCOMPARE(warning(), QString::fromUtf8(c.warning));
            QCOMPARE(texts("Text8", 3, 4), c.results);
            QCOMPARE(textOf("Text8_1"), QString::fromUtf8(c.first));
            QCOMPARE(focused(), find("Text8_0"));
        }
        // Reset fills the whole quest at level 60.
        click("Button8_1");
        QCOMPARE(texts("Text8", 0, 4), (QStringList{"60", "1", "300", "0", "0"}));
        QCOMPARE(focused(), find("Text8_0"));
        click("Button8_0");
        QCOMPARE(texts("Text8", 3, 4), (QStringList{"8505000", "4252500"}));
        QCOMPARE(warning(), QString());
    }

    void sectTask()
    {
        auto* twice = find<QCheckBox>("Check1");
        auto* twoCycles = find<QCheckBox>("Check3");
        struct Case {
            bool twice, twoCycles;
            const char* level;
            const char* warning;
            QStringList results;
        };
        const Case cases[] = {
            {true, true, "155", "", {QString::number(4 * (825 * 155 + 77500)), QString::number(4 * (220 * 155 + 75000))}},
            {true, false, "50", "", {"98000", "64000"}},
            {false, false, "39", "", {"25310", "5550"}},
            {false, false, "40", "", {"42400", "29250"}},
            {false, false, "69", "", {"61540", "37225"}},
            {false, false, "70", "", {"95250", "55750"}},
            {false, false, "99", "", {"119175", "63725"}},
            {false, false, "100", "", {"160000", "97000"}},
            {false, false, "19", "等级要在20到155之间！", {"0", "0"}},
            {true, true, "156", "等级要在20到155之间！", {"0", "0"}},
            {true, true, "", "待输入项不能为空！", {"0", "0"}},
        };
        for (const Case& c : cases) {
            if (twice->isChecked() != c.twice)
                twice->click();
            if (twoCycles->isChecked() != c.twoCycles)
                twoCycles->click();
            QCOMPARE(twice->text(), c.twice ? QStringLiteral("双倍") : QStringLiteral("单倍"));
            QCOMPARE(twoCycles->text(), c.twoCycles ? QStringLiteral("两轮") : QStringLiteral("一轮"));
            find("Text9_1")->setText("1");
            find("Text9_0")->setText(QString::fromUtf8(c.level));
            click("Button9_0");
            QCOMPARE(warning(), QString::fromUtf8(c.warning));
            QCOMPARE(texts("Text9", 1, 2), c.results);
            QCOMPARE(focused(), find("Text9_0"));
        }
        // A tick does not recompute; reset keeps the ticks.
        find("Text9_0")->setText("50");
        click("Button9_0");
        QCOMPARE(texts("Text9", 1, 2), (QStringList{"196000", "128000"}));
        twice->click();
        QCOMPARE(texts("Text9", 1, 2), (QStringList{"196000", "128000"}));
        twice->click();
        click("Button9_1");
        QCOMPARE(texts("Text9", 0, 2), (QStringList{"0", "0", "0"}));
        QVERIFY(twice->isChecked());
        QVERIFY(twoCycles->isChecked());
        QCOMPARE(focused(), find("Text9_0"));
    }

    void demonSealing()
    {
        auto* twice = find<QCheckBox>("Check2_0");
        auto* thrice = find<QCheckBox>("Check2_1");
        struct Case {
            const char* level;
            bool twice, thrice;
            QStringList exp, money;
            const char* levelAfter;
            bool ticksCleared;
        };
        const Case cases[] = {
            {"0", false, false, {"600", "0", "0", "0", "0", "0", "0"}, {"150", "0", "0", "0", "0", "0", "0"}, "0", true},
            {"9", true, false, {"1800", "0", "0", "0", "0", "0", "0"}, {"450", "0", "0", "0", "0", "0", "0"}, "9", true},
            {"10", false, false,
             {"2400", "800", "1000", "1200", "1400", "1600", "1800"},
             {"600", "200", "250", "300", "350", "400", "450"}, "10", false},
            {"30", true, false,
             {"12000", "11200", "8000", "2400", "2800", "3200", "3600"},
             {"1500", "1400", "1000", "300", "350", "400", "450"}, "30", false},
            {"90", false, true,
             {"1800", "2400", "3000", "3600", "16800", "33600", "54000"},
             {"150", "200", "250", "300", "1400", "2800", "4500"}, "90", false},
            {"999", true, false,
             {"1200", "1600", "2000", "2400", "2800", "3200", "3600"},
             {"150", "200", "250", "300", "350", "400", "450"}, "155", false},
        };
        for (const Case& c : cases) {
            twice->setChecked(c.twice);
            thrice->setChecked(c.thrice);
            find("Text12")->setText(QString::fromUtf8(c.level));
            click("Button10");
            QCOMPARE(warning(), QString());
            QCOMPARE(texts("Text10", 0, 6), c.exp);
            QCOMPARE(texts("Text11", 0, 6), c.money);
            QCOMPARE(textOf("Text12"), QString::fromUtf8(c.levelAfter));
            if (c.ticksCleared) {
                QVERIFY(!twice->isChecked());
                QVERIFY(!thrice->isChecked());
            } else {
                QCOMPARE(twice->isChecked(), c.twice);
                QCOMPARE(thrice->isChecked(), c.thrice);
            }
            QCOMPARE(focused(), find("Text12"));
        }
        // Band edges of 大唐国境 without a box.
        twice->setChecked(false);
        thrice->setChecked(false);
        const std::pair<const char*, const char*> edges[] = {{"47", "9000"}, {"48", "10000"}, {"52", "10000"}, {"53", "9000"}};
        for (const auto& [level, exp] : edges) {
            find("Text12")->setText(QString::fromLatin1(level));
            click("Button10");
            QCOMPARE(textOf("Text10_2"), QString::fromLatin1(exp));
        }
        // An empty level: warning, then the figures of level 0.
        twice->setChecked(true);
        find("Text12")->clear();
        click("Button10");
        QCOMPARE(warning(), QStringLiteral("待输入项不能为空！"));
        QCOMPARE(textOf("Text12"), QStringLiteral("0"));
        QVERIFY(!twice->isChecked());
        QCOMPARE(texts("Text10", 0, 6), (QStringList{"600", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(texts("Text11", 0, 6), (QStringList{"150", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(focused(), find("Text12"));
    }

    void demonSealingBoxesExcludeEachOther()
    {
        auto* twice = find<QCheckBox>("Check2_0");
        auto* thrice = find<QCheckBox>("Check2_1");
        twice->click();
        QVERIFY(twice->isChecked());
        thrice->click();
        QVERIFY(thrice->isChecked());
        QVERIFY(!twice->isChecked());
        twice->click();
        QVERIFY(twice->isChecked());
        QVERIFY(!thrice->isChecked());
        twice->click(); // off: the other stays as it is
        QVERIFY(!twice->isChecked());
        QVERIFY(!thrice->isChecked());
        thrice->click();
        thrice->click();
        QVERIFY(!thrice->isChecked());
        QVERIFY(!twice->isChecked());
        // A click never recomputes.
        find("Text12")->setText("30");
        twice->click();
        QCOMPARE(textOf("Text10_0"), QStringLiteral("600"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }
};

QTEST_MAIN(TaskFramesTest)
#include "task_frames_test.moc"
