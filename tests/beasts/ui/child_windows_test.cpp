// The children's tool windows: aptitude grades (Form24), cost tally (Form30), teaching
// questions (Form9) and the raising plan (Form34).
#include "app/ui/program.h"
#include "beasts/ui/child_windows.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include "support/controls.h"
#include "support/fields.h"
#include "support/whole_text.h"

class ChildWindowsTest : public QObject {
    Q_OBJECT

    ui::FormWindow* m_w = nullptr;

    void open(int form)
    {
        m_w = ui::forms().showModeless(form);
        QApplication::setActiveWindow(m_w);
        QVERIFY(QTest::qWaitForWindowActive(m_w));
    }
    QLineEdit* box(const QString& name) const { return test::control<QLineEdit>(m_w, name); }
    ui::DcButton* button(const QString& name) const { return test::control<ui::DcButton>(m_w, name); }
    QStringList texts(const char* base, int count) const { return test::fieldTexts(m_w, base, count); }
    QStringList column(int c) const
    {
        QStringList out;
        for (int k = 0; k < 22; ++k)
            out << test::control<QLabel>(m_w, ui::controlName("Label2", 22 * c + k))->text();
        while (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        return out;
    }
    QStringList listed() const
    {
        QStringList out;
        auto* list = test::control<QListWidget>(m_w, "List1");
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text().section(')', 0, 0).mid(1);
        return out;
    }
    QStringList answers() const
    {
        QStringList out;
        for (int i = 0; i < 5; ++i)
            out << test::control<QPlainTextEdit>(m_w, ui::controlName("Text2", i))->toPlainText();
        return out;
    }
    void pick(int row, const char* grade)
    {
        QVERIFY(ui::pickEntry(test::control<QComboBox>(m_w, ui::controlName("Combo1", row)), grade));
    }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        app::ui::registerForms();
    }
    void cleanup() { ui::forms().reset(); }

    // ---- Form24
    void gradesStartAtTheBases()
    {
        open(24);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("孩子资质档次"));
        QCOMPARE(texts("Text1", 4), QStringList({"0", "0", "0", "0"}));
        QCOMPARE(texts("Text3", 6), QStringList({"750", "750", "500", "700", "650", "650"}));
        const int counts[6] = {6, 6, 11, 11, 6, 21};
        for (int i = 0; i < 6; ++i) {
            auto* c = test::control<QComboBox>(m_w, ui::controlName("Combo1", i));
            QCOMPARE(c->count(), counts[i]);
            QCOMPARE(c->currentText(), QStringLiteral("0"));
        }
        QVERIFY(!button("dcButton1_1")->isVisible());
    }

    void gradesPredict()
    {
        open(24);
        for (int i = 0; i < 4; ++i)
            box(ui::controlName("Text1", i))->setText("100");
        const char* grades[6] = {"5", "5", "10", "10", "5", "20"};
        for (int i = 0; i < 6; ++i)
            pick(i, grades[i]);
        QCOMPARE(texts("Text3", 6), QStringList({"1590", "1590", "6000", "3450", "1490", "1530"}));
        // 预测 sets every grade back to 0.
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(texts("Text3", 6), QStringList({"1550", "1550", "5500", "3200", "1450", "1370"}));
    }

    void gradesRefusals()
    {
        open(24);
        box("Text1_0")->setText("150");
        pick(0, "0"); // a pick computes with 150 and says nothing
        QCOMPARE(box("Text3_0")->text(), QStringLiteral("1950"));
        pick(1, "3");
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("四个悟性值不能大于100！"));
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        QCOMPARE(test::control<QComboBox>(m_w, "Combo1_1")->currentText(), QStringLiteral("3"));

        box("Text1_2")->clear();
        pick(2, "5"); // an empty value: the pick changes nothing
        QCOMPARE(box("Text3_2")->text(), QStringLiteral("500"));
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("四个悟性值不能为空！"));
    }

    void speedAndDodgeMoveTogether()
    {
        open(24);
        box("Text1_0")->setText("30");
        box("Text1_1")->setText("60");
        pick(4, "0");
        // Both rows use 法术悟性 60: 8·60 + 650 and 7.2·60 + 650.
        QCOMPARE(box("Text3_4")->text(), QStringLiteral("1130"));
        QCOMPARE(box("Text3_5")->text(), QStringLiteral("1082"));
        QCOMPARE(box("Text3_0")->text(), QStringLiteral("750")); // the other rows keep their texts
    }

    // ---- Form30
    void tallyColumns()
    {
        open(30);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("孩子物品成本统计"));
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QCOMPARE(column(0), QStringList());
        QCOMPARE(box("Text7_0")->text(), QStringLiteral("0"));

        box("Text11_0")->setText("03");
        box("Text1_0")->setText("1000");
        box("Text22_1")->setText("12");
        box("Text6_1")->setText("30000");
        box("Text5")->setText("500000");
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QCOMPARE(column(0), QStringList({"竹马03个", "搜神记12本", "特技书1本", "兽诀1本"}));
        QCOMPARE(box("Text7_0")->text(), QStringLiteral("531000"));

        // The second column, with fewer lines; the first stays.
        box("Text22_1")->setText("0");
        QTest::mouseClick(button("dcButton1_1"), Qt::LeftButton);
        QCOMPARE(column(1), QStringList({"竹马03个", "特技书1本", "兽诀1本"}));
        QCOMPARE(column(0).size(), 4);
        // 清空 under column 0 empties only it.
        QTest::mouseClick(button("dcButton3_0"), Qt::LeftButton);
        QCOMPARE(column(0), QStringList());
        QCOMPARE(box("Text7_0")->text(), QString());
        QCOMPARE(column(1).size(), 3);
    }

    void tallyInputs()
    {
        open(30);
        QLineEdit* money = box("Text4_3");
        money->setFocus();
        money->selectAll();
        QTest::keyClick(money, Qt::Key_Delete);
        QCOMPARE(money->text(), QStringLiteral("0")); // never empty
        test::control<QCheckBox>(m_w, "Check1_0")->setChecked(false);
        box("Text11_0")->setText("2");
        box("Text3_4")->setText("77");
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QCOMPARE(column(0), QStringList({"竹马2个"})); // a tick changes nothing
        QCOMPARE(box("Text7_0")->text(), QStringLiteral("77"));
        // 重置: every input back to "0" and ticked; the columns stay.
        QTest::mouseClick(button("dcButton2"), Qt::LeftButton);
        QCOMPARE(box("Text11_0")->text(), QStringLiteral("0"));
        QCOMPARE(box("Text3_4")->text(), QStringLiteral("0"));
        QVERIFY(test::control<QCheckBox>(m_w, "Check1_0")->isChecked());
        QCOMPARE(column(0), QStringList({"竹马2个"}));
    }

    // 重置 writes "0" into every input of the four panels, the special-book box and both
    // manual boxes, and ticks every box beside them.
    void tallyResetReachesEveryInput()
    {
        open(30);
        QStringList inputs{"Text5", "Text6_0", "Text6_1"};
        QStringList ticks{"Check5", "Check6_0", "Check6_1"};
        for (int p = 1; p <= 4; ++p)
            for (int i = 0; i < 5; ++i) {
                inputs << ui::controlName(QStringLiteral("Text%1").arg(p).toUtf8().constData(), i)
                       << ui::controlName(QStringLiteral("Text%1%1").arg(p).toUtf8().constData(), i);
                ticks << ui::controlName(QStringLiteral("Check%1").arg(p).toUtf8().constData(), i);
            }
        for (const QString& name : inputs)
            box(name)->setText("7");
        for (const QString& name : ticks)
            test::control<QCheckBox>(m_w, name)->setChecked(false);
        QTest::mouseClick(button("dcButton2"), Qt::LeftButton);
        for (const QString& name : inputs)
            QVERIFY2(box(name)->text() == QStringLiteral("0"), qPrintable(name));
        for (const QString& name : ticks)
            QVERIFY2(test::control<QCheckBox>(m_w, name)->isChecked(), qPrintable(name));
    }

    // ---- Form9
    void teachingOpensWithEveryQuestion()
    {
        open(9);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("孩子教导"));
        auto* list = test::control<QListWidget>(m_w, "List1");
        QCOMPARE(list->count(), 48);
        QCOMPARE(list->item(0)->text(), QStringLiteral("(1)平时多吃哪种食品对身体有好处？"));
        QCOMPARE(list->item(47)->text(), QStringLiteral("(48)一个人在家的时候做哪些比较好？"));
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(answers(), QStringList({"", "", "", "", ""}));
        // No question is current yet: the first Down shows question (1).
        QCOMPARE(list->currentRow(), -1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(answers().first(), QStringLiteral("(1)平时多吃哪种食品对身体有好处？"));
        // 全部 lists them all again with none current.
        QTest::mouseClick(button("dcButton1_1"), Qt::LeftButton);
        QCOMPARE(list->currentRow(), -1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(answers().first(), QStringLiteral("(1)平时多吃哪种食品对身体有好处？"));
    }

    void teachingSearchAndPick()
    {
        open(9);
        QLineEdit* search = box("Text3");
        search->setText(QStringLiteral("钱"));
        QCOMPARE(listed(), QStringList({"9", "19", "31", "36"}));
        auto* list = test::control<QListWidget>(m_w, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(answers(), QStringList({"(19)半路上如果被劫匪劫了钱袋应该怎么办？", "A、穷追不舍(增加临时武学)",
                                         "B、报告官府(增加临时法学)", "C、破财免灾(增加临时心态)", "D、无"}));
        QCOMPARE(QApplication::focusWidget(), search);
        // Every change of the search clears the answers.
        search->setText(QStringLiteral("玩具"));
        QCOMPARE(listed(), QStringList({"2", "24", "38"}));
        QCOMPARE(answers(), QStringList({"", "", "", "", ""}));
        search->setText(QStringLiteral("（"));
        QCOMPARE(listed(), QStringList());
        search->setText(QString());
        QCOMPARE(listed(), QStringList());
        // 全部 lists everything again; 清空 empties it all.
        QTest::mouseClick(button("dcButton1_1"), Qt::LeftButton);
        QCOMPARE(listed().size(), 48);
        QCOMPARE(search->text(), QString());
        QTest::mouseClick(button("dcButton1_0"), Qt::LeftButton);
        QCOMPARE(listed(), QStringList());
        QCOMPARE(answers(), QStringList({"", "", "", "", ""}));
    }

    // ---- Form34
    void raisingPlan()
    {
        open(34);
        auto* w = static_cast<beasts::ui::RaisingPlanWindow*>(m_w);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("养育计划"));
        QCOMPARE(test::control<QLabel>(m_w, "Label2")->text(), QStringLiteral("蚩尤高速孩子计划"));
        auto* plan = test::control<QPlainTextEdit>(m_w, "Text1");
        const QString before = plan->toPlainText();
        QCOMPARE(before.split('\n').size(), 38);
        QCOMPARE(w->sectCode(), 100);
        QCOMPARE(w->speedCode(), 20);
        QCOMPARE(w->bookCode(), 30);
        QVERIFY(test::control<QRadioButton>(m_w, "Option3_0")->isChecked());
        QTest::mouseClick(test::control<QRadioButton>(m_w, "Option3_5"), Qt::LeftButton); // 龙宫
        QTest::mouseClick(test::control<QRadioButton>(m_w, "Option2_3"), Qt::LeftButton); // 低速
        QTest::mouseClick(test::control<QRadioButton>(m_w, "Option1_4"), Qt::LeftButton); // 奇异果
        QCOMPARE(w->sectCode(), 105);
        QCOMPARE(w->speedCode(), 23);
        QCOMPARE(w->bookCode(), 34);
        QTest::mouseClick(button("dcButton1"), Qt::LeftButton); // 查阅 does nothing
        QCOMPARE(plan->toPlainText(), before);
        QCOMPARE(test::control<QListWidget>(m_w, "List1")->count(), 0);
    }

    void closingBringsTheMainWindowBack()
    {
        for (int form : {24, 30, 9, 34}) {
            ui::FormWindow* main = ui::forms().form(ui::kMainForm);
            main->hide();
            open(form);
            m_w->close();
            QVERIFY(!ui::forms().isLoaded(form));
            QVERIFY2(main->isVisible(), qPrintable(QString::number(form)));
        }
    }

    // Form30: the longest tally (every item, the book and both manuals, the largest
    // amounts) fills the eleven rows of each column, and every line, every amount and
    // the total can be read whole (kept last: it changes the font).
    void fullTallyIsReadable()
    {
        app::ui::setUpApplication(*qApp);
        open(30);
        const char* money[4] = {"Text1", "Text2", "Text3", "Text4"};
        const char* quantity[4] = {"Text11", "Text22", "Text33", "Text44"};
        QList<QLineEdit*> inputs;
        for (int p = 0; p < 4; ++p)
            for (int i = 0; i < 5; ++i) {
                inputs << box(ui::controlName(money[p], i)) << box(ui::controlName(quantity[p], i));
                inputs.last()->setText("99");
                inputs[inputs.size() - 2]->setText("9999999");
            }
        for (const char* name : {"Text5", "Text6_0", "Text6_1"}) {
            inputs << box(name);
            inputs.last()->setText("99999999");
        }
        QStringList faults;
        for (int c = 0; c < 2; ++c) {
            QTest::mouseClick(button(ui::controlName("dcButton1", c)), Qt::LeftButton);
            const QStringList lines = column(c);
            QCOMPARE(lines.size(), 22);
            QCOMPARE(lines[0], QStringLiteral("竹马99个"));
            QCOMPARE(lines[19], QStringLiteral("瑶池蟠桃99个"));
            QCOMPARE(lines[20], QStringLiteral("特技书1本"));
            QCOMPARE(lines[21], QStringLiteral("兽诀2本"));
            QCOMPARE(box(ui::controlName("Text7", c))->text(), QStringLiteral("499999977"));
            for (int k = 0; k < 22; ++k)
                faults << test::textFault(test::control<QLabel>(m_w, ui::controlName("Label2", 22 * c + k)));
            faults << test::textFault(box(ui::controlName("Text7", c)));
        }
        for (QLineEdit* b : inputs)
            faults << test::textFault(b);
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(ChildWindowsTest)
#include "child_windows_test.moc"
