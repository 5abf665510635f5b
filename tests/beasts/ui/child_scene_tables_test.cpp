// The child tables of the 孩子 panel and the scene look-ups of the 其它 panel.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class ChildSceneTablesTest : public QObject {
    Q_OBJECT
private:
    app::ui::MainWindow* m_main = nullptr;

    template <typename T>
    T* find(const QString& name)
    {
        return test::control<T>(m_main, name);
    }
    QString label(const QString& name) { return find<QLabel>(name)->text(); }
    QString value(int i) { return label(QStringLiteral("Label28_%1").arg(i)); }
    void pick(const char* comboName, const QString& entry)
    {
        auto* c = find<QComboBox>(QLatin1String(comboName));
        const int i = c->findText(entry);
        QVERIFY2(i >= 0, qPrintable(entry));
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow();
        m_main->ensureAllPanels(); // the 孩子 and 其它 panels are built on first opening
    }
    void cleanup() { ui::forms().reset(); }

    void childTablesStartEmpty()
    {
        for (const char* c : {"Combo2", "Combo3", "Combo8"})
            QCOMPARE(find<QComboBox>(QLatin1String(c))->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo2"))->count(), 12);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo3"))->count(), 4);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo8"))->count(), 20);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(value(i), QString());
        QCOMPARE(label(QStringLiteral("Label27_1")), QStringLiteral("拜师条件："));
        QCOMPARE(label(QStringLiteral("Label27_6")), QStringLiteral("物品使用效果范围:"));
    }

    void bandsAreIndependent()
    {
        pick("Combo3", QStringLiteral("皇帝内经"));
        pick("Combo8", QStringLiteral("论语"));
        pick("Combo2", QStringLiteral("龙宫"));
        QCOMPARE(value(0), QStringLiteral("法术≥40,体质≥30,武学<35"));
        QCOMPARE(value(1), QStringLiteral("1.龙卷雨击 2.龙腾(≥100级)"));
        QCOMPARE(value(2), QStringLiteral("师门1:法术悟性 师门2:体质"));
        QCOMPARE(value(3), QStringLiteral("武学悟性-30"));
        QCOMPARE(value(6), QStringLiteral(" 0≤总≤10"));

        // 急就章 after 论语 replaces all eight item labels.
        pick("Combo8", QStringLiteral("急就章"));
        const char* const expected[8] = {" 0≤心态< 20", "30", "无", "无", "无", " 0≤总≤10", "11≤总≤35", "36≤总"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(value(4 + i), QString::fromUtf8(expected[i]));
        pick("Combo8", QStringLiteral("急就章"));
        QCOMPARE(value(9), QStringLiteral(" 0≤总≤10"));
        QCOMPARE(value(0), QStringLiteral("法术≥40,体质≥30,武学<35"));

        pick("Combo2", QStringLiteral("方寸山"));
        const QString fangcun = value(2);
        pick("Combo2", QStringLiteral("化生寺"));
        QCOMPARE(value(2), fangcun);
        QCOMPARE(fangcun, QStringLiteral("师门1:法术悟性 师门2:心态"));
    }

    void fullExpScenes_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("dbl");
        QTest::addColumn<QString>("tpl");
        QTest::newRow("0") << "0" << "东海湾" << "414" << "621";
        QTest::newRow("11") << "11" << "大唐国境" << "1656" << "2484";
        QTest::newRow("32") << "32" << "魔王寨" << "3829" << "4933";
        QTest::newRow("37") << "37" << "海底迷宫三/地府迷宫二" << "4347" << "6520";
        QTest::newRow("83") << "83" << "凤巢六层" << "9108" << "13662";
        QTest::newRow("139") << "139" << "蓬莱仙岛" << "14304" << "21456";
    }
    void fullExpScenes()
    {
        QFETCH(QString, level);
        auto* c = find<QComboBox>(QStringLiteral("Combo10"));
        QCOMPARE(c->count(), 140);
        QCOMPARE(c->currentIndex(), -1);
        QCOMPARE(label(QStringLiteral("Label14_0")), QString());
        pick("Combo10", level);
        QTEST(label(QStringLiteral("Label14_0")), "scene");
        QTEST(label(QStringLiteral("Label14_1")), "dbl");
        QTEST(label(QStringLiteral("Label14_2")), "tpl");
        QCOMPARE(label(QStringLiteral("Label6_0")), QStringLiteral("级召唤兽于【"));
        QCOMPARE(label(QStringLiteral("Label6_4")), QStringLiteral("(5人组队)"));
        // The closing bracket follows the scene name.
        QVERIFY(find<QLabel>(QStringLiteral("Label6_1"))->x() > find<QLabel>(QStringLiteral("Label14_0"))->x());
    }

    void legendScenesFollowTyping()
    {
        m_main->tabClick(6);
        auto* level = find<QLineEdit>(QStringLiteral("Text33"));
        auto* places = find<QLineEdit>(QStringLiteral("Text22"));
        QCOMPARE(level->text(), QString());
        QCOMPARE(places->text(), QString());
        QCOMPARE(level->focusPolicy() & Qt::TabFocus, 0);
        QTest::keyClicks(level, QStringLiteral("6"));
        QCOMPARE(places->text(), QString());
        QTest::keyClicks(level, QStringLiteral("0"));
        QCOMPARE(places->text(), QStringLiteral("北俱芦洲/龙窟一层"));
        QTest::keyClick(level, Qt::Key_Backspace);
        QCOMPARE(places->text(), QString());
        QTest::keyClicks(level, QStringLiteral("x9-"));
        QCOMPARE(level->text(), QStringLiteral("69"));
        QCOMPARE(places->text(), QStringLiteral("龙二/龙三/凤一/凤二"));
        level->setText(QStringLiteral("121"));
        QCOMPARE(places->text(), QStringLiteral("小西天/小雷音寺"));
        level->setText(QStringLiteral("139"));
        QCOMPARE(places->text(), QString());
        level->setText(QStringLiteral("060"));
        QCOMPARE(places->text(), QStringLiteral("北俱芦洲/龙窟一层"));
    }
};

QTEST_MAIN(ChildSceneTablesTest)
#include "child_scene_tables_test.moc"
