// The child attribute calculator (Frame14) of the 孩子 panel, and the panel's launchers.
#include "app/ui/main_window.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/hold_repeat.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"
#include "support/fields.h"
#include "support/main_window.h"

using test::locked;

class ChildCalculatorFrameTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;

    QLineEdit* box(const QString& name) const { return test::control<QLineEdit>(m_main, name); }
    ui::DcButton* button(const QString& name) const { return test::control<ui::DcButton>(m_main, name); }
    QStringList texts(const char* base, int count) const { return test::fieldTexts(m_main, base, count); }
    ui::HoldRepeat* hold() const
    {
        return test::control<ui::HoldRepeat>(m_main, "Timer4");
    }
    // The worked example: level, growth and the aptitudes 1200 1200 3000 2000 1200 1200.
    void fill(const QString& level = "10", const QString& growth = "1.2")
    {
        box("Text37")->setText(level);
        box("Text31")->setText(growth);
        const char* aptitudes[6] = {"1200", "1200", "3000", "2000", "1200", "1200"};
        for (int i = 0; i < 6; ++i)
            box(ui::controlName("Text36", i))->setText(aptitudes[i]);
    }
    void confirm(const QString& level = "10")
    {
        fill(level);
        QTest::mouseClick(button("dcButton11_0"), Qt::LeftButton);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }
    void shares(const QStringList& s)
    {
        for (int i = 0; i < 5; ++i)
            box(ui::controlName("Text35", i))->setText(s[i]);
    }
    static QStringList all(const QString& v, int n = 5)
    {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << v;
        return l;
    }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow(4);
    }
    void cleanup() { ui::forms().reset(); }

    void startState()
    {
        QCOMPARE(QApplication::focusWidget(), box("Text37"));
        QCOMPARE(texts("Text32", 6), all("0", 6));
        QCOMPARE(texts("Text34", 5), all("0"));
        QCOMPARE(texts("Text35", 5), all("0"));
        QCOMPARE(box("Text31")->text(), QString());
        QCOMPARE(box("Text31")->toolTip(), QString());
        QCOMPARE(box("Text35_0")->toolTip(), QString());
        for (const char* name : {"dcButton11_1", "dcButton11_2", "dcButton13_0", "dcButton13_1"})
            QVERIFY2(!button(name)->isEnabled(), name);
        QVERIFY(locked(box("Text35_0")) && locked(box("Text34_0")) && locked(box("Text32_0")));
        // Enter walks level, growth, the six aptitudes, then 确定.
        QStringList path;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            path << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(path, QStringList({"Text31", "Text36_0", "Text36_1", "Text36_2", "Text36_3", "Text36_4", "Text36_5",
                                    "dcButton11_0"}));
    }

    void confirmComputesAndLocks()
    {
        confirm();
        QCOMPARE(box("Text31")->text(), QStringLiteral("1.200"));
        QCOMPARE(box("Text31")->toolTip(), QStringLiteral("旧的成长为:3.589"));
        QCOMPARE(texts("Text34", 5), all("40"));
        QCOMPARE(texts("Text32", 6), QStringList({"318", "184", "88", "90", "48", "75"}));
        QVERIFY(locked(box("Text37")) && locked(box("Text31")) && locked(box("Text36_5")));
        QVERIFY(!box("Text35_0")->isReadOnly());
        QCOMPARE(box("Text35_0")->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!button("dcButton11_0")->isEnabled());
        for (const char* name : {"dcButton11_1", "dcButton11_2", "dcButton13_0", "dcButton13_1"})
            QVERIFY2(button(name)->isEnabled(), name);
    }

    void confirmRefusals()
    {
        fill();
        box("Text36_0")->clear();
        box("Text36_3")->setFocus();
        QTest::mouseClick(button("dcButton11_0"), Qt::LeftButton);
        QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("输入项均不能为空！"));
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        QCOMPARE(QApplication::focusWidget(), box("Text37"));

        fill("161");
        box("Text36_3")->setFocus();
        button("dcButton11_0")->press(); // a click that leaves the focus where it is
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("输入的等级不能大于160级！"));
        QCOMPARE(QApplication::focusWidget(), box("Text36_3"));
        QCOMPARE(texts("Text32", 6), all("0", 6));
        QVERIFY(button("dcButton11_0")->isEnabled());
    }

    void splitByShares()
    {
        confirm();
        shares({"33", "33", "34", "0", "0"});
        QTest::mouseClick(button("dcButton11_2"), Qt::LeftButton);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(texts("Text34", 5), QStringList({"47", "46", "47", "30", "30"}));
        QCOMPARE(texts("Text32", 6), QStringList({"368", "205", "97", "74", "36", "82"}));

        // Refusals leave the points as they are.
        struct Refusal {
            QStringList shares;
            const char* message; // nullptr: silently nothing
        };
        const Refusal refusals[] = {
            {{"30", "30", "30", "0", "0"}, "输入不正确,五项总和须为100或者是5!"},
            {{"0", "0", "0.1", "4.2", "0.8"}, "输入不正确,五项总和须为100或者是5!"},
            {{"0", "0", "0", "0", "0"}, nullptr},
            {{"100", "", "0", "0", "0"}, "输入框不能为空！"},
        };
        for (const Refusal& r : refusals) {
            shares(r.shares);
            QTest::mouseClick(button("dcButton11_2"), Qt::LeftButton);
            const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
            QCOMPARE(boxes.size(), r.message ? 1 : 0);
            if (r.message)
                QCOMPARE(boxes[0].text, QString::fromUtf8(r.message));
            QCOMPARE(texts("Text34", 5), QStringList({"47", "46", "47", "30", "30"}));
        }
        // Tenths split exactly: 0.7 of 50 is 7 points.
        shares({"0", "0", "0.1", "4.2", "0.7"});
        QTest::mouseClick(button("dcButton11_2"), Qt::LeftButton);
        QCOMPARE(texts("Text34", 5), QStringList({"30", "30", "31", "72", "37"}));
    }

    void levelHoldSteps()
    {
        confirm("159");
        ui::HoldRepeat* h = hold();
        QVERIFY(h);
        QCOMPARE(h->interval(), 70);
        QTest::mousePress(button("dcButton13_0"), Qt::LeftButton);
        QCOMPARE(box("Text37")->text(), QStringLiteral("159")); // the first step waits for the first tick
        h->tickNow();
        QCOMPARE(box("Text37")->text(), QStringLiteral("160"));
        QCOMPARE(texts("Text34", 5), all("340"));
        h->tickNow();
        QVERIFY(!h->running()); // stopped at 160
        QCOMPARE(box("Text37")->text(), QStringLiteral("160"));
        QTest::mouseRelease(button("dcButton13_0"), Qt::LeftButton);

        // Down after a split: the points go back to the even spread, the shares stay.
        shares({"100", "0", "0", "0", "0"});
        QTest::mouseClick(button("dcButton11_2"), Qt::LeftButton);
        QCOMPARE(box("Text34_0")->text(), QStringLiteral("980"));
        QTest::mousePress(button("dcButton13_1"), Qt::LeftButton);
        h->tickNow();
        QTest::mouseRelease(button("dcButton13_1"), Qt::LeftButton);
        QVERIFY(!h->running());
        QCOMPARE(box("Text37")->text(), QStringLiteral("159"));
        QCOMPARE(texts("Text34", 5), all("338"));
        QCOMPARE(box("Text35_0")->text(), QStringLiteral("100"));
        // A right press does nothing.
        QTest::mousePress(button("dcButton13_1"), Qt::RightButton);
        QVERIFY(!h->running());
    }

    void levelDownStopsAtZero()
    {
        confirm("0");
        QTest::mousePress(button("dcButton13_1"), Qt::LeftButton);
        hold()->tickNow();
        QVERIFY(!hold()->running());
        QCOMPARE(box("Text37")->text(), QStringLiteral("0"));
        QCOMPARE(texts("Text34", 5), all("20"));
    }

    void growthBoxTyping()
    {
        QLineEdit* g = box("Text31");
        g->setFocus();
        QTest::keyClicks(g, "2");
        QCOMPARE(g->text(), QString());
        QTest::keyClicks(g, ".");
        QCOMPARE(g->text(), QString());
        QTest::keyClicks(g, "1.2.");
        QCOMPARE(g->text(), QStringLiteral("1.2"));
        QCOMPARE(g->toolTip(), QStringLiteral("旧的成长为:3.589"));
    }

    // A key that makes the growth wrong is taken back by one Backspace, which removes
    // nothing with the caret at the start.
    void growthBoxTakesBackOneCharacter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("Delete at 0") << "1.5" << 0 << int(Qt::Key_Delete) << ".5";
        QTest::newRow("Backspace at 0") << "1.5" << 0 << int(Qt::Key_Backspace) << "1.5";
        QTest::newRow("Delete of the point") << "1.5" << 1 << int(Qt::Key_Delete) << "5";
        QTest::newRow("Backspace of the point") << "1.5" << 2 << int(Qt::Key_Backspace) << "5";
        QTest::newRow("Backspace at the end") << "1.5" << 3 << int(Qt::Key_Backspace) << "1.";
    }

    void growthBoxTakesBackOneCharacter()
    {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(QString, after);
        QLineEdit* g = box("Text31");
        g->setFocus();
        g->setText(before);
        g->setCursorPosition(caret);
        QTest::keyClick(g, Qt::Key(key));
        QCOMPARE(g->text(), after);
    }

    void shareTooltips()
    {
        confirm();
        QLineEdit* s = box("Text35_0");
        s->setFocus();
        s->selectAll();
        QTest::keyClicks(s, "2.5");
        QCOMPARE(box("Text35_3")->toolTip(), QStringLiteral("剩余2.5"));
        s->selectAll();
        QTest::keyClicks(s, "25.");
        QCOMPARE(s->text(), QStringLiteral("25"));
        QCOMPARE(box("Text35_4")->toolTip(), QStringLiteral("剩余75"));
    }

    void resetKeepsTheResults()
    {
        confirm();
        shares({"33", "33", "34", "0", "0"});
        QTest::mouseClick(button("dcButton11_2"), Qt::LeftButton);
        QTest::mouseClick(button("dcButton11_1"), Qt::LeftButton);
        QCOMPARE(texts("Text35", 5), all("0"));
        QCOMPARE(texts("Text32", 6), QStringList({"368", "205", "97", "74", "36", "82"}));
        QCOMPARE(texts("Text34", 5), QStringList({"47", "46", "47", "30", "30"}));
        QVERIFY(!box("Text37")->isReadOnly() && !box("Text31")->isReadOnly() && !box("Text36_2")->isReadOnly());
        QVERIFY(locked(box("Text35_2")));
        QVERIFY(button("dcButton11_0")->isEnabled());
        QVERIFY(!button("dcButton13_0")->isEnabled());
        // The next 确定 takes the growth again.
        box("Text31")->setText("1.234");
        box("Text37")->setText("115");
        for (int i = 0; i < 6; ++i)
            box(ui::controlName("Text36", i))->setText(i == 2 ? "1000" : "0");
        QTest::mouseClick(button("dcButton11_0"), Qt::LeftButton);
        // 115 + 1.2339999676·250·6 = 1965.99995 in single precision.
        QCOMPARE(box("Text32_0")->text(), QStringLiteral("1965"));
    }

    void portraitsCycle()
    {
        auto* name = test::control<QLabel>(m_main, "Label26");
        auto visibleOne = [&] {
            for (int i = 0; i < 6; ++i)
                if (test::control<QLabel>(m_main, ui::controlName("Image1", i))->isVisible())
                    return i;
            return -1;
        };
        QCOMPARE(visibleOne(), 0);
        QCOMPARE(name->text().remove('\n'), QStringLiteral("小毛头"));
        QTest::mousePress(test::control<QLabel>(m_main, "Image1_0"), Qt::RightButton);
        QCOMPARE(visibleOne(), 5);
        QCOMPARE(name->text().remove('\n'), QStringLiteral("小精灵"));
        QTest::mousePress(test::control<QLabel>(m_main, "Image1_5"), Qt::MiddleButton);
        QCOMPARE(visibleOne(), 5);
        QTest::mousePress(test::control<QLabel>(m_main, "Image1_5"), Qt::LeftButton);
        QCOMPARE(visibleOne(), 0);
        QTest::mousePress(test::control<QLabel>(m_main, "Image1_0"), Qt::LeftButton);
        QCOMPARE(name->text().remove('\n'), QStringLiteral("小丫丫"));
    }

    void launchersOpenTheirWindowsAndComeBack()
    {
        struct Case {
            const char* button;
            int form;
            const char* title;
        };
        const Case cases[] = {
            {"dcButton12_0", 24, "孩子资质档次"},
            {"dcButton12_2", 9, "孩子教导"},
            {"dcButton12_3", 30, "孩子物品成本统计"},
            {"dcButton12_1", 17, nullptr},
        };
        for (const Case& c : cases) {
            if (!ui::forms().hasForm(c.form))
                continue; // a window another part of the program builds
            QTest::mouseClick(button(c.button), Qt::LeftButton);
            ui::FormWindow* w = ui::forms().loaded(c.form);
            QVERIFY2(w && w->isVisible(), c.button);
            if (c.title)
                QCOMPARE(w->windowTitle(), QString::fromUtf8(c.title));
            QVERIFY2(!m_main->isVisible(), c.button);
            w->close();
            QVERIFY2(!ui::forms().isLoaded(c.form), c.button);
            QVERIFY2(m_main->isVisible(), c.button);
        }
        QTest::mouseClick(button("dcButton12_4"), Qt::LeftButton);
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("制作中，敬请期待..."));
        QCOMPARE(boxes[0].title, QStringLiteral("信息"));
        QVERIFY(!ui::forms().isLoaded(34));
        QVERIFY(m_main->isVisible());
    }
};

QTEST_MAIN(ChildCalculatorFrameTest)
#include "child_calculator_frame_test.moc"
