// The guild upkeep frame of the 帮派 panel: its pickers, results and building tooltips.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

class GuildUpkeepFrameTest : public QObject {
    Q_OBJECT

    QWidget* m_main = nullptr;

    QComboBox* picker(int i) { return test::control<QComboBox>(m_main, QStringLiteral("Combo7_%1").arg(i)); }
    QString result(int i) { return test::control<QLineEdit>(m_main, QStringLiteral("Text28_%1").arg(i))->text(); }
    QString tooltip(int i) { return test::control<QLabel>(m_main, QStringLiteral("Label17_%1").arg(i))->toolTip(); }
    QStringList entries(int i)
    {
        QStringList out;
        for (int k = 0; k < picker(i)->count(); ++k)
            out << picker(i)->itemText(k);
        return out;
    }
    static QStringList range(int last)
    {
        QStringList out;
        for (int k = 0; k <= last; ++k)
            out << QString::number(k);
        return out;
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        m_main = ui::forms().form(1);
        static_cast<app::ui::MainWindow*>(m_main)->tabClick(1); // the 帮派 panel
    }
    void cleanup() { ui::forms().reset(); }

    void startsAtLevelZero()
    {
        QCOMPARE(picker(0)->currentText(), QStringLiteral("0"));
        QCOMPARE(entries(0), range(5));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!picker(i)->isEnabled());
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
            QCOMPARE(entries(i), QStringList{"0"});
        }
        QCOMPARE(result(0), QString());
        QCOMPARE(result(1), QString());
        QCOMPARE(tooltip(0), QString());
        QCOMPARE(tooltip(1), QStringLiteral("0个书院,每小时正常维护时辅助技能可增加2000点经验."));
        QCOMPARE(tooltip(4), QStringLiteral("0个厢房,可容纳帮众上限为40人."));
        QCOMPARE(test::control<QLabel>(m_main, "Label17_5")->text(), QStringLiteral("仓库:"));
    }

    void levelsWithoutBuildings_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("hourly");
        QTest::addColumn<QString>("vault");
        QTest::newRow("1") << 1 << "25200" << "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是500万两.";
        QTest::newRow("2") << 2 << "35200" << "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是1000万两.";
        QTest::newRow("5") << 5 << "65200" << "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是1000万两.";
    }
    void levelsWithoutBuildings()
    {
        QFETCH(int, level);
        QFETCH(QString, hourly);
        QVERIFY(ui::pickEntry(picker(0), QString::number(level)));
        QCOMPARE(result(0), hourly);
        QCOMPARE(result(1), QString::number(48 * hourly.toLongLong()));
        QTEST(tooltip(0), "vault");
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(picker(i)->isEnabled());
            QCOMPARE(entries(i), range(4 * level));
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
        }
    }

    void buildingPicksRecompute()
    {
        ui::pickEntry(picker(0), "3");
        ui::pickEntry(picker(1), "2");
        for (int i = 2; i <= 6; ++i)
            ui::pickEntry(picker(i), "1");
        const long long hourly = 45200 + (1170 + 1521) + 1950 + 780 + 1170 + 1170 + 1170;
        QCOMPARE(result(0), QString::number(hourly));
        QCOMPARE(result(1), QString::number(48 * hourly));
        QCOMPARE(tooltip(0), QStringLiteral("2个金库可容纳资金上限是4000万两,商人跑商有额外奖励的资金上限是1160万两."));
        ui::pickEntry(picker(4), "2");
        QCOMPARE(tooltip(3), QStringLiteral("2个兽室,每小时正常维护时守护兽训练度是5000点,守护兽可增加经验2500点."));
    }

    void twentyOfEachAtLevelFive()
    {
        ui::pickEntry(picker(0), "5");
        for (int i = 1; i <= 6; ++i)
            QVERIFY(ui::pickEntry(picker(i), "20"));
        QCOMPARE(result(0), QStringLiteral("974169"));
        QCOMPARE(result(1), QStringLiteral("46760112"));
        QCOMPARE(tooltip(4), QStringLiteral("20个厢房,可容纳帮众上限为200人."));
    }

    void loweringTheLevelShrinksTheListsAndResetsTheCounts()
    {
        ui::pickEntry(picker(0), "5");
        for (int i = 1; i <= 6; ++i)
            ui::pickEntry(picker(i), "17");
        ui::pickEntry(picker(0), "1");
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(entries(i), range(4));
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(result(0), QStringLiteral("25200"));
        QCOMPARE(tooltip(4), QStringLiteral("0个厢房,可容纳帮众上限为40人."));
    }

    void levelZeroLocksThePickersAndKeepsTheirLists()
    {
        ui::pickEntry(picker(0), "2");
        ui::pickEntry(picker(1), "3");
        ui::pickEntry(picker(0), "0");
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!picker(i)->isEnabled());
            QCOMPARE(entries(i), range(8));
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(result(0), QString());
        QCOMPARE(result(1), QString());
        QCOMPARE(tooltip(0), QString());
        // Even when every count already showed 0.
        ui::pickEntry(picker(0), "2");
        ui::pickEntry(picker(0), "0");
        QCOMPARE(tooltip(0), QString());
    }
};

QTEST_MAIN(GuildUpkeepFrameTest)
#include "guild_upkeep_frame_test.moc"
