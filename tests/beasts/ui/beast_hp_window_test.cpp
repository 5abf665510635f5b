// Form5, the beast HP window: scene choice, highlight and where it returns.
#include "app/ui/program.h"
#include "beasts/ui/beast_hp_window.h"
#include "common/shared_state.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"

using beasts::ui::BeastHpWindow;

class BeastHpWindowTest : public QObject {
    Q_OBJECT
private:
    BeastHpWindow* open()
    {
        auto* w = static_cast<BeastHpWindow*>(ui::forms().form(5));
        w->show();
        return w;
    }
    static QLabel* scene(QWidget* w, int i) { return test::control<QLabel>(w, QStringLiteral("Label2_%1").arg(i)); }
    static QColor colour(QWidget* label) { return label->palette().color(QPalette::WindowText); }
    static QStringList lines(QWidget* w)
    {
        QStringList out;
        for (int k = 0; k < 7; ++k)
            out << test::control<QLineEdit>(w, QStringLiteral("Text2_%1").arg(k))->text();
        return out;
    }
    static void click(QWidget* w, int i) { QTest::mouseClick(scene(w, i), Qt::LeftButton); }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        common::PetShopOpen = false;
        app::ui::registerForms();
        // A stand-in for the beast-shop window, which sets the flag while it is loaded.
        ui::forms().registerForm(19, [] { return new ui::FormWindow(19); });
    }
    void cleanup()
    {
        ui::forms().reset();
        common::PetShopOpen = false;
    }

    void opensWithNothingChosen()
    {
        BeastHpWindow* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("召唤兽血量值"));
        QCOMPARE(w->currentScene(), 49);
        for (int i = 0; i < 49; ++i)
            QCOMPARE(colour(scene(w, i)), ui::bgr(0xFF0000));
        QCOMPARE(scene(w, 0)->text(), QStringLiteral("【 东海湾 】"));
        QCOMPARE(scene(w, 49)->text(), QString());
        QCOMPARE(lines(w).join(QString()), QString());
        QVERIFY(test::control(w, QStringLiteral("Line1_0")));
        QVERIFY(test::control(w, QStringLiteral("Line1_1")));
    }

    void selectionHighlight()
    {
        BeastHpWindow* w = open();
        click(w, 33); // 龙窟7层
        QCOMPARE(colour(scene(w, 33)), ui::bgr(0x0000FF));
        QCOMPARE(w->currentScene(), 33);
        QStringList l = lines(w);
        QCOMPARE(l[0], QStringLiteral("【龙窟7层】"));
        QCOMPARE(l[2], QStringLiteral("地狱战神 血量 <1180> <1197> <>"));
        QCOMPARE(l[4], QStringLiteral("蛟龙     血量 <1226> <1237> <1255>"));
        QCOMPARE(l[5], QString());

        click(w, 33); // the same scene again: refilled, colours unchanged
        QCOMPARE(lines(w), l);
        QCOMPARE(colour(scene(w, 33)), ui::bgr(0x0000FF));

        click(w, 0); // 东海湾: one line, five empty boxes
        QCOMPARE(colour(scene(w, 33)), ui::bgr(0xFF0000));
        QCOMPARE(colour(scene(w, 0)), ui::bgr(0x0000FF));
        l = lines(w);
        QCOMPARE(l[1], QStringLiteral("大海龟 血量 <35> <43> <57>"));
        for (int k = 2; k < 7; ++k)
            QCOMPARE(l[k], QString());

        click(w, 6); // 大雁塔1层 fills all six lines
        for (int k = 0; k < 7; ++k)
            QVERIFY(!lines(w)[k].isEmpty());

        click(w, 45); // 小西天
        QCOMPARE(lines(w)[3], QStringLiteral("噬天虎 血量 <> <> <>"));

        w->label2Click(49); // the sentinel: empties and unmarks, writes nothing
        QCOMPARE(w->currentScene(), 49);
        QCOMPARE(colour(scene(w, 45)), ui::bgr(0xFF0000));
        QCOMPARE(lines(w).join(QString()), QString());
    }

    void hiddenClearButton()
    {
        BeastHpWindow* w = open();
        click(w, 13);
        w->command2Click();
        QCOMPARE(lines(w).join(QString()), QString());
        QCOMPARE(colour(scene(w, 13)), ui::bgr(0xFF0000));
        QCOMPARE(w->currentScene(), 13);
    }

    void returnsToTheMainWindow()
    {
        ui::FormWindow* main = ui::forms().form(1);
        main->hide();
        BeastHpWindow* w = open();
        click(w, 3);
        w->close();
        QVERIFY(main->isVisible());
        QVERIFY(!ui::forms().isLoaded(5));
        QVERIFY(!ui::forms().isLoaded(19));
        // Reopening starts afresh.
        w = open();
        QCOMPARE(w->currentScene(), 49);
        QCOMPARE(colour(scene(w, 3)), ui::bgr(0xFF0000));
        QCOMPARE(lines(w).join(QString()), QString());
        w->command1Click(); // the hidden 关闭 runs the same close steps
        QVERIFY(!ui::forms().isLoaded(5));
    }

    void returnsToTheBeastShopWhileItIsOpen()
    {
        ui::FormWindow* main = ui::forms().form(1);
        main->hide();
        ui::FormWindow* shop = ui::forms().showModeless(19);
        common::PetShopOpen = true;
        bool modalSeen = false;
        QTimer::singleShot(0, this, [&] {
            auto* w = static_cast<BeastHpWindow*>(ui::forms().loaded(5));
            QVERIFY(w);
            modalSeen = w->isModal() && shop->isVisible();
            click(w, 20);
            QCOMPARE(lines(w)[1], QStringLiteral("牛妖   血量 <428> <443> <453>"));
            shop->hide(); // even if it had gone, the HP window brings the shop back
            w->close();
        });
        ui::forms().showModal(5);
        QVERIFY(modalSeen);
        QVERIFY(shop->isVisible());
        QVERIFY(!main->isVisible());
        QVERIFY(!ui::forms().isLoaded(5));
    }
};

QTEST_MAIN(BeastHpWindowTest)
#include "beast_hp_window_test.moc"
