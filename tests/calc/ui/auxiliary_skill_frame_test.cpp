// The "辅助技能" frame of the main window's 帮派 panel.

#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class AuxiliarySkillFrameTest : public QObject {
    Q_OBJECT

    QWidget* m_main = nullptr;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return test::control<T>(m_main, name);
    }
    QLineEdit* text(int i) const { return find<QLineEdit>(QStringLiteral("Text5_%1").arg(i)); }
    QLabel* label(int i) const { return find<QLabel>(QStringLiteral("Label2_%1").arg(i)); }
    QStringList results() const
    {
        return {text(2)->text(), text(3)->text(), text(4)->text(), text(5)->text()};
    }
    void setResults(const QString& v) const
    {
        for (int i = 2; i <= 5; ++i)
            text(i)->setText(v);
    }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        m_main = test::openMainWindow();
        emit find<::ui::DcButton>("Button0_1")->click(1); // the 帮派 tab
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void startState()
    {
        QVERIFY(find<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!find<QRadioButton>("Option1_1")->isChecked());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QCOMPARE(label(5)->text(), QStringLiteral("消耗帮贡"));
        QVERIFY(text(5)->isVisible());
        QVERIFY(label(8)->isVisible());
        QCOMPARE(m_main->focusWidget(), text(0)); // the tab gives the first field the focus
        QCOMPARE(find("Button5_0")->toolTip(), QStringLiteral("等级输入0-150级或者0-40级"));
    }

    void computes_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("results"); // Text5(2) .. Text5(5); "x" = left as it was
        QTest::newRow("guild 0-1") << 0 << "0" << "1" << "" << QStringList{"16", "3", "1", "5"};
        QTest::newRow("guild 149-150") << 0 << "149" << "150" << "" << QStringList{"3242400", "607950", "150", "750"};
        QTest::newRow("guild 0-150") << 0 << "0" << "150" << "" << QStringList{"103055891", "19323385", "11325", "11925"};
        QTest::newRow("guild equal") << 0 << "7" << "7" << "" << QStringList{"0", "0", "0", "0"};
        QTest::newRow("guild reversed") << 0 << "20" << "10" << "等级1不能大于等级2！" << QStringList{"0", "0", "0", "0"};
        QTest::newRow("guild 151") << 0 << "0" << "151" << "辅助技能等级最高只能计算到150级！"
                                   << QStringList{"0", "0", "0", "0"};
        QTest::newRow("guild 160-100") << 0 << "160" << "100" << "辅助技能等级最高只能计算到150级！"
                                       << QStringList{"0", "0", "0", "0"};
        QTest::newRow("guild empty") << 0 << "" << "5" << "待输入项不能为空！" << QStringList{"0", "0", "0", "0"};
        QTest::newRow("npc 0-1") << 1 << "0" << "1" << "" << QStringList{"2001", "301", "1", "x"};
        QTest::newRow("npc 0-40") << 1 << "0" << "40" << "" << QStringList{"752400", "684400", "188", "x"};
        QTest::newRow("npc 41") << 1 << "41" << "41" << "向NPC学习最高只能到40级！" << QStringList{"0", "0", "0", "x"};
        QTest::newRow("npc 41-150") << 1 << "41" << "150" << "向NPC学习最高只能到40级！" << QStringList{"0", "0", "0", "x"};
        QTest::newRow("npc reversed") << 1 << "30" << "20" << "等级1不能大于等级2！" << QStringList{"0", "0", "0", "x"};
        QTest::newRow("npc empty") << 1 << "3" << "" << "待输入项不能为空！" << QStringList{"0", "0", "0", "0"};
    }
    void computes()
    {
        QFETCH(int, way);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, warning);
        QFETCH(QStringList, results);
        if (way == 1)
            QTest::mouseClick(find("Option1_1"), Qt::LeftButton);
        setResults("9");
        text(1)->setFocus();
        text(0)->setText(from);
        text(1)->setText(to);
        QTest::mouseClick(find("Button5_0"), Qt::LeftButton);
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty()) {
            QCOMPARE(boxes[0].text, warning);
            QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(results[i] == "x" ? QStringLiteral("9") : results[i], this->results()[i]);
        QCOMPARE(text(0)->text(), from);
        QCOMPARE(text(1)->text(), to);
        QCOMPARE(m_main->focusWidget(), text(0));
    }

    void switchingTheWay()
    {
        text(0)->setText("3");
        text(1)->setText("8");
        QTest::mouseClick(find("Button5_0"), Qt::LeftButton);
        QTest::mouseClick(find("Option1_1"), Qt::LeftButton);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QCOMPARE(label(5)->text(), QStringLiteral("消耗人气"));
        QCOMPARE(label(6)->text(), QStringLiteral("点."));
        QCOMPARE(label(7)->text(), QStringLiteral("(技能上限40级)"));
        QVERIFY(label(7)->isVisible());
        QVERIFY(!label(8)->isVisible());
        QVERIFY(!text(5)->isVisible());
        QCOMPARE(m_main->focusWidget(), text(0));

        text(0)->setText("3");
        QTest::mouseClick(find("Option1_0"), Qt::LeftButton);
        QCOMPARE(text(0)->text(), QStringLiteral("0"));
        QCOMPARE(label(5)->text(), QStringLiteral("消耗帮贡"));
        QCOMPARE(label(6)->text(), QStringLiteral("点,"));
        QCOMPARE(label(7)->text(), QStringLiteral("至少要有帮贡"));
        QVERIFY(label(8)->isVisible());
        QVERIFY(text(5)->isVisible());
    }

    void resetClearsAll()
    {
        text(0)->setText("1");
        text(1)->setText("9");
        QTest::mouseClick(find("Button5_0"), Qt::LeftButton);
        QTest::mouseClick(find("Button5_1"), Qt::LeftButton);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QCOMPARE(m_main->focusWidget(), text(0));
    }

    void enterWalksToCompute()
    {
        text(0)->setFocus();
        QTest::keyClick(text(0), Qt::Key_Return);
        QCOMPARE(m_main->focusWidget(), text(1));
        QTest::keyClick(text(1), Qt::Key_Enter);
        QCOMPARE(m_main->focusWidget(), find("Button5_0"));
    }
};

QTEST_MAIN(AuxiliarySkillFrameTest)
#include "auxiliary_skill_frame_test.moc"
