// Form32, the transformation-card window: level tabs, the card list and its records.
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "reference/tables/ui/card_window.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using test::control;

class CardWindowTest : public QObject {
    Q_OBJECT

    QStringList fields(QWidget* w)
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << control<QLineEdit>(w, QStringLiteral("Text1_%1").arg(i))->text();
        out << control<QPlainTextEdit>(w, "Text1_4")->toPlainText();
        return out;
    }
    QList<int> shownPictures(QWidget* w)
    {
        QList<int> out;
        for (int i = 0; i < 65; ++i)
            if (control(w, QStringLiteral("Image1_%1").arg(i))->isVisibleTo(w))
                out << i;
        return out;
    }
    QStringList entries(QWidget* w)
    {
        auto* list = control<QComboBox>(w, "Combo1");
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    QString frameCaption(QWidget* w) { return control<ui::CaptionFrame>(w, "Frame1")->caption(); }
    void tab(QWidget* w, int i) { control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i))->press(); }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void opensOnLevelOne()
    {
        QWidget* w = ui::forms().showModeless(32);
        QCOMPARE(w->windowTitle(), QStringLiteral("变身卡片介绍"));
        QCOMPARE(entries(w), (QStringList{"海毛虫", "大蝙蝠", "护卫", "大海龟", "强盗", "赌徒", "巨蛙", "山贼", "野猪", "树妖"}));
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("海毛虫"));
        QCOMPARE(fields(w), (QStringList{"无", "无", "无", "1次", "30分钟*(1+变化之术等级)"}));
        QCOMPARE(shownPictures(w), QList<int>{0});
        QCOMPARE(frameCaption(w), QStringLiteral("一级变身卡"));
    }

    void eachLevelTabListsItsCards_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QStringList>("firstFields");
        QTest::newRow("二级") << 1 << 7 << "狐狸精" << "羊头怪" << 10
                            << QStringList{"一级变化之术", "感知", "气血-5%", "2次", "40分钟*(1+变化之术等级)"};
        QTest::newRow("三级") << 2 << 6 << "狼" << "虾兵" << 17
                            << QStringList{"二级变化之术", "偷袭", "气血-5%", "3次", "20分钟*(1+变化之术等级)"};
        QTest::newRow("四级") << 3 << 7 << "黑熊精" << "蛛蛛精" << 23
                            << QStringList{"三级变化之术", "反震", "防御-10%", "4次", "20分钟*(1+变化之术等级)"};
        QTest::newRow("五级") << 4 << 5 << "白熊" << "蝴蝶仙子" << 30
                            << QStringList{"四级变化之术", "反击", "无", "5次", "15分钟*(1+变化之术等级)"};
        QTest::newRow("六级") << 5 << 4 << "地狱战神" << "天将" << 35
                            << QStringList{"四级变化之术", "连击", "无", "6次", "15分钟*(1+变化之术等级)"};
        QTest::newRow("七级") << 6 << 3 << "蛟龙" << "雨师" << 39
                            << QStringList{"五级变化之术", "永恒或感知", "无", "7次", "15分钟*(1+变化之术等级)"};
        QTest::newRow("八级") << 7 << 23 << "如意仙子" << "红萼仙子" << 42
                            << QStringList{"五级变化之术", "冥思", "灵力+10点", "8次", "15分钟*(1+变化之术等级)"};
    }
    void eachLevelTabListsItsCards()
    {
        QFETCH(int, tab);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, picture);
        QWidget* w = ui::forms().showModeless(32);
        this->tab(w, tab);
        const QStringList list = entries(w);
        QCOMPARE(list.size(), count);
        QCOMPARE(list.first(), first);
        QCOMPARE(list.last(), last);
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), first);
        QTEST(fields(w), "firstFields");
        QCOMPARE(shownPictures(w), QList<int>{picture});
        QCOMPARE(frameCaption(w), QTest::currentDataTag() + QStringLiteral("变身卡"));
        QCOMPARE(w->focusWidget(), control(w, "Combo1"));
        // Back to level 1: its ten names alone, never a mix.
        this->tab(w, 0);
        QCOMPARE(entries(w).size(), 10);
        QCOMPARE(shownPictures(w), QList<int>{0});
        QCOMPARE(control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(tab))->backColour(), 0xE4D1D2u);
    }

    void choosingACardShowsItsRecord()
    {
        QWidget* w = ui::forms().showModeless(32);
        auto* list = control<QComboBox>(w, "Combo1");
        tab(w, 4);
        QVERIFY(ui::pickEntry(list, QStringLiteral("雷鸟人")));
        QCOMPARE(fields(w), (QStringList{"四级变化之术", "飞行", "气血-10%", "5次", "30分钟*(1+变化之术等级)"}));
        QCOMPARE(shownPictures(w), QList<int>{33});
        tab(w, 7);
        QVERIFY(ui::pickEntry(list, QStringLiteral("超级泡泡")));
        QCOMPARE(fields(w)[1], QStringLiteral("暂缺"));
        QCOMPARE(fields(w)[2], QStringLiteral("暂缺"));
        QCOMPARE(shownPictures(w), QList<int>{53});
        // A player's pick of the card already shown runs the record again.
        auto* card = static_cast<tables::ui::CardWindow*>(w);
        control<QLineEdit>(w, "Text1_1")->setText("x");
        emit list->activated(list->currentIndex());
        QCOMPARE(fields(w)[1], QStringLiteral("暂缺"));
        QCOMPARE(card->shownCardPicture(), 53);
    }

    void pressingTheShownTabKeepsTheChoice()
    {
        QWidget* w = ui::forms().showModeless(32);
        auto* list = control<QComboBox>(w, "Combo1");
        tab(w, 1);
        QVERIFY(ui::pickEntry(list, QStringLiteral("花妖")));
        tab(w, 1);
        QCOMPARE(list->currentText(), QStringLiteral("花妖"));
        QCOMPARE(entries(w).size(), 7);
        QCOMPARE(fields(w)[1], QStringLiteral("慧根"));
        QCOMPARE(shownPictures(w), QList<int>{13});
        QCOMPARE(frameCaption(w), QStringLiteral("二级变身卡"));
    }

    void launcherAndClose()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        control<ui::DcButton>(main, "dcButton6")->press();
        QWidget* w = ui::forms().loaded(32);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        QCOMPARE(w->focusWidget(), control(w, "Combo1"));
        tab(w, 7);
        main->showMinimized();
        main->hide();
        w->close();
        QVERIFY(!ui::forms().isLoaded(32));
        QVERIFY(main->isVisible());
        QVERIFY(!(main->windowState() & Qt::WindowMinimized));
        control<ui::DcButton>(main, "dcButton6")->press();
        w = ui::forms().loaded(32);
        QCOMPARE(entries(w).first(), QStringLiteral("海毛虫"));
        QCOMPARE(frameCaption(w), QStringLiteral("一级变身卡"));
        tab(w, 7);
        QCOMPARE(entries(w).size(), 23);
    }
};

QTEST_MAIN(CardWindowTest)
#include "card_window_test.moc"
