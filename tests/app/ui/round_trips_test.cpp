// Windows that hand over to each other across the program: the beast shop, its beast-HP
// table and the main window.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/shared_state.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QtTest>

#include "support/controls.h"

class RoundTripsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init() { ui::BoxRecorder::start(); }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void beastShopToHpTableAndBack()
    {
        auto* main = static_cast<app::ui::MainWindow*>(ui::forms().form(1));
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->tabClick(6);
        QTest::mouseClick(test::control<ui::DcButton>(main, "dcButton2"), Qt::LeftButton); // 商会系统
        ui::FormWindow* shop = ui::forms().loaded(19);
        QVERIFY(shop && shop->isVisible());
        QVERIFY(!main->isVisible());
        QVERIFY(common::PetShopOpen);

        bool hpWasModal = false;
        QTimer::singleShot(0, [&] {
            ui::FormWindow* hp = ui::forms().loaded(5);
            QVERIFY(hp);
            hpWasModal = hp->isVisible() && hp->isModal();
            hp->close();
        });
        QTest::mouseClick(test::control<ui::DcButton>(shop, "dcButton1_2"), Qt::LeftButton); // 血量表
        QVERIFY(hpWasModal);
        QVERIFY(!ui::forms().isLoaded(5));
        QVERIFY(shop->isVisible()); // the HP table went back to the shop, not the main window
        QVERIFY(!main->isVisible());

        shop->close();
        QVERIFY(!ui::forms().isLoaded(19));
        QVERIFY(!common::PetShopOpen);
        QVERIFY(main->isVisible());
        QCOMPARE(main->currentTab(), 6);

        // From the main window's own button the HP table returns to the main window.
        main->tabClick(3);
        QTest::mouseClick(test::control<ui::DcButton>(main, "Button14_0"), Qt::LeftButton);
        QVERIFY(ui::forms().loaded(5)->isVisible());
        QVERIFY(!main->isVisible());
        ui::forms().loaded(5)->close();
        QVERIFY(main->isVisible());
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void totalExperienceOpensModallyOverTheMainWindow()
    {
        auto* main = static_cast<app::ui::MainWindow*>(ui::forms().form(1));
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        bool reached = false;
        QTimer::singleShot(0, [&] {
            ui::FormWindow* total = ui::forms().loaded(25);
            QVERIFY(total && total->isModal());
            reached = true;
            total->close();
        });
        QTest::mouseClick(test::control<ui::DcButton>(main, "Button2_3"), Qt::LeftButton); // 总经验计算
        QVERIFY(reached);
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(RoundTripsTest)
#include "round_trips_test.moc"
