// Form28, the treasure window: class pages, the catalogue, the realm sheets and the
// layer-experience calculator.
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "support/whole_text.h"
#include "app/ui/program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

using test::control;

class TreasureWindowTest : public QObject {
    Q_OBJECT

    QWidget* open() { return ui::forms().showModeless(28); }
    QStringList calc(QWidget* w)
    {
        QStringList out;
        for (int i = 0; i < 9; ++i)
            out << control<QLineEdit>(w, QStringLiteral("Text4_%1").arg(i))->text();
        return out;
    }
    QString field(QWidget* w, const char* array, int i)
    {
        const QString name = QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
        if (i < 3)
            return control<QPlainTextEdit>(w, name)->toPlainText();
        return control<QLineEdit>(w, name)->text();
    }
    // Which elements of a picture array are visible.
    QList<int> shownPictures(QWidget* w, const char* array, int count)
    {
        QList<int> out;
        for (int i = 0; i < count; ++i)
            if (control(w, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))->isVisibleTo(w))
                out << i;
        return out;
    }
    QList<int> shownOf(QWidget* w, const char* array)
    {
        QList<int> out;
        for (int i = 0; i < 3; ++i)
            if (control(w, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))->isVisibleTo(w))
                out << i;
        return out;
    }
    void tab(QWidget* w, int i) { control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i))->press(); }
    void type(QWidget* w, int field, const QString& text)
    {
        auto* box = control<QLineEdit>(w, QStringLiteral("Text4_%1").arg(field));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void opensOnTheOrdinaryClass()
    {
        QWidget* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("法宝传奇"));
        QCOMPARE(shownOf(w, "Frame2"), QList<int>{0});
        QCOMPARE(shownOf(w, "OLE1"), QList<int>{0});
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("碧玉葫芦"));
        QCOMPARE(control<QComboBox>(w, "Combo1")->count(), 21);
        QCOMPARE(control<QComboBox>(w, "Combo2")->currentText(), QStringLiteral("玄冰面具"));
        QCOMPARE(control<QComboBox>(w, "Combo3")->count(), 30);
        QCOMPARE(shownPictures(w, "Image1", 21), QList<int>{0});
        QCOMPARE(field(w, "Text1", 4), QStringLiteral("≥60级"));
        QCOMPARE(field(w, "Text1", 9), QStringLiteral("200"));
        QCOMPARE(field(w, "Text1", 10), QStringLiteral("无"));
        QCOMPARE(field(w, "Text2", 4), QStringLiteral("≥90级"));
        QCOMPARE(field(w, "Text2", 9), QStringLiteral("300"));
        QCOMPARE(field(w, "Text3", 4), QStringLiteral("≥110级"));
        QCOMPARE(field(w, "Text3", 9), QStringLiteral("500"));
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "60", "0", "0", "0", "6", "0"}));
        QCOMPARE(control<QLabel>(w, "Label1_30")->text(), QStringLiteral("普通法宝修炼由"));
        QCOMPARE(control<QLabel>(w, "Label1_37")->text(), QStringLiteral("层普通法宝时,每修一"));
        QCOMPARE(w->focusWidget(), control(w, "Combo1"));
    }

    void pickingATreasureShowsItsPictureAndTexts()
    {
        QWidget* w = open();
        auto* list = control<QComboBox>(w, "Combo1");
        QVERIFY(ui::pickEntry(list, QStringLiteral("风袋")));
        QCOMPARE(shownPictures(w, "Image1", 21), QList<int>{9});
        QCOMPARE(field(w, "Text1", 0),
                 QStringLiteral("风婆系在腰间装风的布袋，放出风来可吹人至数里外。配上此袋可增加人物速度。"));
        QCOMPARE(field(w, "Text1", 2), QStringLiteral("增加人物速度10点。"));
        QVERIFY(ui::pickEntry(list, QStringLiteral("五色旗盒")));
        QCOMPARE(shownPictures(w, "Image1", 21), QList<int>{15});
        QCOMPARE(field(w, "Text1", 8), QStringLiteral("无"));
        QCOMPARE(field(w, "Text1", 0), QStringLiteral("暂缺")); // nothing of 风袋 remains
        QVERIFY(ui::pickEntry(list, QStringLiteral("碧玉葫芦")));
        QCOMPARE(shownPictures(w, "Image1", 21), QList<int>{0});
        QCOMPARE(field(w, "Text1", 3), QStringLiteral("恢复"));
        QCOMPARE(field(w, "Text1", 9), QStringLiteral("200"));
    }

    void classTabsKeepEachPageAndResetTheCalculator()
    {
        QWidget* w = open();
        type(w, 0, "3");
        type(w, 1, "5");
        tab(w, 1);
        QCOMPARE(shownOf(w, "Frame2"), QList<int>{1});
        QCOMPARE(shownOf(w, "OLE1"), QList<int>{1});
        QCOMPARE(control<QLabel>(w, "Label1_30")->text(), QStringLiteral("高级法宝修炼由"));
        QCOMPARE(control<QLabel>(w, "Label1_37")->text(), QStringLiteral("层高级法宝时,每修一"));
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "90", "0", "0", "0", "9", "0"}));
        QCOMPARE(w->focusWidget(), control(w, "Combo2"));

        QVERIFY(ui::pickEntry(control<QComboBox>(w, "Combo2"), QStringLiteral("七杀")));
        QCOMPARE(field(w, "Text2", 5), QStringLiteral("大唐官府"));
        QCOMPARE(field(w, "Text2", 10), QStringLiteral("4回合"));
        type(w, 1, "12");
        QCOMPARE(calc(w)[4], QStringLiteral("193735512"));

        tab(w, 2);
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "110", "0", "0", "0", "11", "0"}));
        tab(w, 0);
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "60", "0", "0", "0", "6", "0"}));
        tab(w, 1);
        // The 高级 page is as it was left; the calculator starts again.
        QCOMPARE(control<QComboBox>(w, "Combo2")->currentText(), QStringLiteral("七杀"));
        QCOMPARE(shownPictures(w, "Image2", 16), QList<int>{9});
        QCOMPARE(field(w, "Text2", 5), QStringLiteral("大唐官府"));
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "90", "0", "0", "0", "9", "0"}));
    }

    void theShownTabOnlyMovesTheFocus()
    {
        QWidget* w = open();
        type(w, 1, "5");
        tab(w, 0);
        QCOMPARE(calc(w)[1], QStringLiteral("5"));
        QCOMPARE(calc(w)[4], QStringLiteral("10409375")); // 220375+553000+1355125+2884000+5396875
        QCOMPARE(shownOf(w, "Frame2"), QList<int>{0});
        QCOMPARE(w->focusWidget(), control(w, "Combo1"));
    }

    void calculatorFollowsEveryKey()
    {
        QWidget* w = open();
        type(w, 0, "3");
        type(w, 1, "5");
        type(w, 2, "1000");
        // 2884000 + 5396875 - 1000
        QCOMPARE(calc(w), (QStringList{"3", "5", "1000", "60", "8279875", "5", "0", "6", "0"}));
        type(w, 3, "99");
        QCOMPARE(calc(w)[7], QStringLiteral("9"));
        // From above the to-layer: cleared, the layer and times per day keep their texts.
        type(w, 0, "6");
        QCOMPARE(calc(w), (QStringList{"6", "5", "1000", "99", "0", "5", "0", "9", "0"}));
        // Held experience out of range clears and still counts the times per day.
        type(w, 0, "0");
        type(w, 2, "1E999");
        type(w, 3, "155");
        QCOMPARE(calc(w), (QStringList{"0", "5", "1E999", "155", "0", "5", "0", "15", "0"}));
        // Equal layers need nothing; experience held shows as its negative.
        type(w, 0, "5");
        type(w, 2, "100");
        QCOMPARE(calc(w)[4], QStringLiteral("-100"));
        // The inputs take at most 2, 2, 8 and 3 characters.
        type(w, 1, "123");
        QCOMPARE(calc(w)[1], QStringLiteral("12"));
    }

    // Only an extreme entry of held experience gives a result of 1E15 or more: it is shown
    // in exponent form, and a smaller result is plain digits again.
    void resultSwitchesToExponentFormAtOneE15AndBack()
    {
        QWidget* w = open();
        type(w, 0, "3");
        type(w, 1, "5");
        const struct {
            const char* held;
            const char* needed; // 2884000 + 5396875 - held
        } cases[] = {
            {"-1E14", "100000008280875"},
            {"-999E12", "999000008280875"},
            {"-1E15", "1.00000000828088E+15"},
            {"-2E15", "2.00000000828088E+15"},
            {"-1E16", "1.00000000082809E+16"},
            {"-1E14", "100000008280875"},
        };
        for (const auto& c : cases) {
            type(w, 2, c.held);
            QCOMPARE(calc(w)[4], QString::fromLatin1(c.needed));
        }
    }

    void resetUsesTheClassShown()
    {
        QWidget* w = open();
        tab(w, 1);
        type(w, 0, "2");
        type(w, 1, "7");
        type(w, 3, "100");
        control<ui::DcButton>(w, "dcButton2")->press();
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "90", "0", "0", "0", "9", "0"}));
    }

    void realmSheetsHoldTheirLayers()
    {
        QWidget* w = open();
        auto* ordinary = control<QTableWidget>(w, "OLE1_0");
        auto* advanced = control<QTableWidget>(w, "OLE1_1");
        auto* special = control<QTableWidget>(w, "OLE1_2");
        QCOMPARE(ordinary->rowCount(), 11);
        QCOMPARE(advanced->rowCount(), 14);
        QCOMPARE(special->rowCount(), 17);
        QCOMPARE(ordinary->columnCount(), 5);
        QCOMPARE(ordinary->item(0, 4)->text(), QStringLiteral("吸收灵气场景"));
        QCOMPARE(ordinary->item(10, 3)->text(), QStringLiteral("30433376"));
        QCOMPARE(ordinary->item(10, 2)->text(), QStringLiteral("不堕轮回"));
        QCOMPARE(advanced->item(13, 0)->text(), QStringLiteral("高级法宝"));
        QCOMPARE(special->item(16, 2)->text(), QStringLiteral("天人合一"));
        // Scene cells merged over their layers: 特级 12-15 on rows 13-16.
        QCOMPARE(special->rowSpan(13, 4), 4);
        QCOMPARE(special->item(13, 4)->text(),
                 QStringLiteral("龙窟1-7层、凤巢1-7层、女娲神迹、无名鬼城、小西天、小雷音、蓬莱仙岛"));
        QCOMPARE(ordinary->rowSpan(1, 4), 4);
        QCOMPARE(ordinary->item(1, 4)->text(),
                 QStringLiteral("东海湾、沉船1层 、沉船2层、江南野外、大唐国境、大雁塔1-6层、大唐国境、大唐境外、长寿郊外"));
        QCOMPARE(ordinary->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Below the calculator, not over it.
        QWidget* frame3 = control(w, "Frame3_0");
        QWidget* reset = control(w, "dcButton2");
        QVERIFY(frame3->mapTo(w, QPoint(0, 0)).y() >= reset->mapTo(w, QPoint(0, reset->height())).y());
        QVERIFY(frame3->mapTo(w, QPoint(0, frame3->height())).y() <= w->height());
    }

    void launcherOpensItAndClosingGivesTheMainWindowBack()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        control<ui::DcButton>(main, "dcButton8")->press();
        QWidget* w = ui::forms().loaded(28);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        tab(w, 2);
        QVERIFY(ui::pickEntry(control<QComboBox>(w, "Combo1"), QStringLiteral("飞剑")));
        w->close();
        QVERIFY(!ui::forms().isLoaded(28));
        QVERIFY(main->isVisible());
        // Opening again starts afresh.
        control<ui::DcButton>(main, "dcButton8")->press();
        w = ui::forms().loaded(28);
        QVERIFY(w);
        QCOMPARE(shownOf(w, "Frame2"), QList<int>{0});
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("碧玉葫芦"));
        QCOMPARE(shownPictures(w, "Image1", 21), QList<int>{0});
        QCOMPARE(calc(w), (QStringList{"0", "0", "0", "60", "0", "0", "0", "6", "0"}));
    }

    // In the program's own look every treasure's values show whole: 聚妖铃 and 万鬼幡
    // hold "150回合" (kept last: it changes the font).
    void everyTreasureShowsItsValuesWhole()
    {
        app::ui::setUpApplication(*qApp);
        QWidget* w = open();
        const char* lists[3] = {"Combo1", "Combo2", "Combo3"};
        const char* fields[3] = {"Text1", "Text2", "Text3"};
        for (int cls = 0; cls < 3; ++cls) {
            tab(w, cls);
            auto* list = control<QComboBox>(w, QLatin1String(lists[cls]));
            for (int k = 0; k < list->count(); ++k) {
                QVERIFY(ui::pickEntry(list, list->itemText(k)));
                for (int f = 3; f <= 10; ++f) {
                    auto* box = control<QLineEdit>(w, QStringLiteral("%1_%2").arg(QLatin1String(fields[cls])).arg(f));
                    const QString fault = test::textFault(box);
                    QVERIFY2(fault.isEmpty(), qPrintable(list->itemText(k) + ": " + fault));
                }
            }
        }
        QVERIFY(ui::pickEntry(control<QComboBox>(w, "Combo2"), QStringLiteral("聚妖铃")));
        QCOMPARE(field(w, "Text2", 10), QStringLiteral("150回合"));
    }
};

QTEST_MAIN(TreasureWindowTest)
#include "treasure_window_test.moc"
