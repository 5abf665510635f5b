// Form26 "飞升降修计算": the steps, the free-step box, the kinds and the level input box,
// on both panels.

#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "support/controls.h"

class CultivationStepsWindowTest : public QObject {
    Q_OBJECT

    ui::FormWindow* m_form = nullptr;
    int m_panel = 1; // 1 upper (Text1 …), 2 lower (Text2 …)

    template <typename T>
    T* find(const QString& name)
    {
        return test::control<T>(m_form, name);
    }
    QLineEdit* text(int i) { return find<QLineEdit>(QStringLiteral("Text%1_%2").arg(m_panel).arg(i)); }
    void up() { find<ui::DcButton>(QStringLiteral("dcButton%1_0").arg(m_panel))->QAbstractButton::click(); }
    void down() { find<ui::DcButton>(QStringLiteral("dcButton%1_1").arg(m_panel))->QAbstractButton::click(); }
    QCheckBox* freeDown() { return find<QCheckBox>(QStringLiteral("Check%1").arg(m_panel)); }
    QRadioButton* kind(int i) { return find<QRadioButton>(QStringLiteral("Option%1_%2").arg(m_panel).arg(i)); }
    QLabel* note() { return find<QLabel>(QStringLiteral("Label%1_0").arg(m_panel)); }
    QStringList boxes()
    {
        return {text(0)->text(), text(1)->text(), text(2)->text(), text(3)->text()};
    }
    // The other panel stays as it started.
    void otherPanelUntouched()
    {
        const int mine = m_panel;
        m_panel = 3 - mine;
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        m_panel = mine;
    }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        app::ui::registerForms();
        m_form = ui::forms().form(26);
        QVERIFY(m_form);
        m_form->show();
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void startState_data() { panels(); }
    void startState()
    {
        QFETCH(int, panel);
        m_panel = panel;
        QCOMPARE(m_form->objectName(), QStringLiteral("Form26"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("飞升降修计算"));
        QVERIFY(kind(0)->isChecked());
        QCOMPARE(kind(0)->text(), QStringLiteral("攻击修炼"));
        QCOMPARE(kind(3)->text(), QStringLiteral("法术防御"));
        QVERIFY(!freeDown()->isChecked());
        QCOMPARE(freeDown()->text(), QStringLiteral("飞升降修"));
        QCOMPARE(note()->text(), QStringLiteral("(30000两一次)"));
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(text(i)->isReadOnly());
            QCOMPARE(text(i)->focusPolicy() & Qt::TabFocus, 0);
        }
    }

    void steps_data() { panels(); }
    void steps()
    {
        QFETCH(int, panel);
        m_panel = panel;
        struct Case {
            int kind;
            bool freeDown;
            QStringList afterUp, afterUpUp, afterDown;
        };
        const Case cases[] = {
            {0, false, {"1", "45", "1", "45"}, {"2", "108", "2", "63"}, {"1", "45", "1", "45"}},
            {0, true, {"1", "45", "1", "45"}, {"2", "108", "2", "63"}, {"1", "108", "1", "45"}},
            {2, false, {"1", "30", "1", "30"}, {"2", "72", "2", "42"}, {"1", "30", "1", "30"}},
            {3, true, {"1", "30", "1", "30"}, {"2", "72", "2", "42"}, {"1", "72", "1", "30"}},
        };
        for (const Case& c : cases) {
            kind(c.kind)->click();
            freeDown()->setChecked(c.freeDown);
            up();
            QCOMPARE(boxes(), c.afterUp);
            up();
            QCOMPARE(boxes(), c.afterUpUp);
            down();
            QCOMPARE(boxes(), c.afterDown);
        }
        otherPanelUntouched();
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void limits_data() { panels(); }
    void limits()
    {
        QFETCH(int, panel);
        m_panel = panel;
        down(); // nothing below 0
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        for (int i = 0; i < 27; ++i)
            up();
        QCOMPARE(boxes(), (QStringList{"25", "20325", "25", "2133"}));
        for (int i = 0; i < 27; ++i)
            down();
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void kindResetsTheBoxes_data() { panels(); }
    void kindResetsTheBoxes()
    {
        QFETCH(int, panel);
        m_panel = panel;
        freeDown()->setChecked(true);
        up();
        kind(1)->click();
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(note()->text(), QStringLiteral("(30000两一次)"));
        QVERIFY(freeDown()->isChecked());
        up();
        QCOMPARE(text(1)->text(), QStringLiteral("45"));
        kind(2)->click();
        QCOMPARE(note()->text(), QStringLiteral("(20000两一次)"));
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        kind(0)->click();
        QCOMPARE(note()->text(), QStringLiteral("(30000两一次)"));
    }

    void enterLevel_data() { panels(); }
    void enterLevel()
    {
        QFETCH(int, panel);
        m_panel = panel;
        struct Case {
            std::optional<QString> answer; // nullopt = cancelled
            bool freeDown;
            bool warned;
            QStringList after;
        };
        const Case cases[] = {
            {QStringLiteral("25"), false, false, {"25", "20325", "25", "2133"}},
            {QStringLiteral("25"), true, false, {"25", "0", "25", "2133"}},
            {QStringLiteral("26"), false, true, {"0", "0", "0", "0"}},
            {QStringLiteral("-1"), false, true, {"0", "0", "0", "0"}},
            {QStringLiteral("40000"), false, true, {"0", "0", "0", "0"}},
            {QStringLiteral("99999999999999999999999"), false, true, {"0", "0", "0", "0"}},
            {QStringLiteral("2.5"), false, false, {"2", "108", "2", "63"}},
            {QStringLiteral(""), false, false, {"0", "0", "0", "0"}},
            {std::nullopt, false, false, {"0", "0", "0", "0"}},
        };
        for (const Case& c : cases) {
            kind(0)->click(); // back to level 0
            freeDown()->setChecked(c.freeDown);
            ui::BoxRecorder::queueInput(c.answer);
            QTest::mouseDClick(text(0), Qt::LeftButton);
            const QList<ui::RecordedBox> seen = ui::BoxRecorder::take();
            QCOMPARE(seen.size(), c.warned ? 2 : 1);
            QCOMPARE(seen[0].kind, ui::RecordedBox::Input);
            QCOMPARE(seen[0].text, QStringLiteral("请输入你现在的修炼等级"));
            QCOMPARE(seen[0].title, QStringLiteral("修炼等级"));
            if (c.warned) {
                QCOMPARE(seen[1].text, QStringLiteral("输入有误，请重新输入！"));
                QCOMPARE(seen[1].title, QStringLiteral("警告！"));
            }
            QCOMPARE(boxes(), c.after);
        }
        otherPanelUntouched();
    }

    void enterLevelOnlyAtZeroAndOnTheLevelBox_data() { panels(); }
    void enterLevelOnlyAtZeroAndOnTheLevelBox()
    {
        QFETCH(int, panel);
        m_panel = panel;
        for (int i = 1; i < 4; ++i)
            QTest::mouseDClick(text(i), Qt::LeftButton);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        up();
        QTest::mouseDClick(text(0), Qt::LeftButton);
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(boxes(), (QStringList{"1", "45", "1", "45"}));
    }

    void freeEntryThenSteps_data() { panels(); }
    void freeEntryThenSteps()
    {
        QFETCH(int, panel);
        m_panel = panel;
        freeDown()->setChecked(true);
        ui::BoxRecorder::queueInput(QStringLiteral("10"));
        QTest::mouseDClick(text(0), Qt::LeftButton);
        QCOMPARE(boxes(), (QStringList{"10", "0", "10", "423"}));
        for (int i = 0; i < 5; ++i)
            down();
        QCOMPARE(boxes(), (QStringList{"5", "0", "5", "153"}));
        for (int i = 0; i < 5; ++i)
            up();
        // 195 + 243 + 297 + 357 + 423
        QCOMPARE(boxes(), (QStringList{"10", "1515", "10", "423"}));
    }

    void totalNeverBelowZero_data() { panels(); }
    void totalNeverBelowZero()
    {
        QFETCH(int, panel);
        m_panel = panel;
        freeDown()->setChecked(true);
        ui::BoxRecorder::queueInput(QStringLiteral("10"));
        QTest::mouseDClick(text(0), Qt::LeftButton);
        freeDown()->setChecked(false);
        down();
        QCOMPARE(boxes(), (QStringList{"9", "0", "9", "357"}));
    }

    void reopeningStartsAfresh()
    {
        m_panel = 1;
        kind(2)->click();
        freeDown()->setChecked(true);
        up();
        m_form->close();
        QVERIFY(!ui::forms().loaded(26));
        m_form = ui::forms().form(26);
        QVERIFY(kind(0)->isChecked());
        QVERIFY(!freeDown()->isChecked());
        QCOMPARE(boxes(), (QStringList{"0", "0", "0", "0"}));
        up();
        QCOMPARE(text(1)->text(), QStringLiteral("45"));
    }

private:
    static void panels()
    {
        QTest::addColumn<int>("panel");
        QTest::newRow("upper") << 1;
        QTest::newRow("lower") << 2;
    }
};

QTEST_MAIN(CultivationStepsWindowTest)
#include "cultivation_steps_window_test.moc"
