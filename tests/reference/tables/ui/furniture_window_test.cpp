// Form11, the furniture window: tab bar, name labels and the recipe diagram.
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/twips.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using test::control;

class FurnitureWindowTest : public QObject {
    Q_OBJECT

    // Text2(0..3), Text3(0..3), Text6, Text4, Text3(4).
    QStringList diagram(QWidget* w)
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << control<QLineEdit>(w, QStringLiteral("Text2_%1").arg(i))->text();
        for (int i = 0; i < 4; ++i)
            out << control<QLineEdit>(w, QStringLiteral("Text3_%1").arg(i))->text();
        out << control<QLineEdit>(w, "Text6")->text() << control<QLineEdit>(w, "Text4")->text()
            << control<QLineEdit>(w, "Text3_4")->text();
        return out;
    }
    QList<int> shownPictures(QWidget* w)
    {
        QList<int> out;
        for (int i = 0; i < 75; ++i)
            if (auto* p = w->findChild<QWidget*>(QStringLiteral("Image1_%1").arg(i)); p && p->isVisibleTo(w))
                out << i;
        return out;
    }
    // The labels marked red (the sentinel, which shows nothing, left out).
    QList<int> redLabels(QWidget* w)
    {
        QList<int> out;
        for (int i = 0; i < 75; ++i)
            if (control<QLabel>(w, QStringLiteral("Label_%1").arg(i))->palette().color(QPalette::WindowText) ==
                ui::bgr(0x0000FF))
                out << i;
        return out;
    }
    QList<int> shownPages(QWidget* w)
    {
        QList<int> out;
        for (int i = 0; i < 5; ++i)
            if (control(w, QStringLiteral("Frame2_%1").arg(i))->isVisibleTo(w))
                out << i;
        return out;
    }
    void clickLabel(QWidget* w, int i)
    {
        auto* l = control<QLabel>(w, QStringLiteral("Label_%1").arg(i));
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(4, l->height() / 2));
    }
    void tab(QWidget* w, int i) { control<ui::DcButton>(w, QStringLiteral("Button1_%1").arg(i))->press(); }
    const QStringList empty = QStringList(11, QString());

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void opensOnTheMaterials()
    {
        QWidget* w = ui::forms().showModeless(11);
        QCOMPARE(w->windowTitle(), QStringLiteral("家具配方"));
        QCOMPARE(shownPages(w), QList<int>{0});
        QCOMPARE(diagram(w), empty);
        QCOMPARE(shownPictures(w), QList<int>{0});
        QCOMPARE(control<ui::DcButton>(w, "Button1_0")->backColour(), 0xC0FFC0u);
        QCOMPARE(control<ui::DcButton>(w, "Button1_1")->backColour(), 0xE6EBECu);
        QCOMPARE(control<QLabel>(w, "Label_0")->text(), QStringLiteral("[普通木料类]"));
        QCOMPARE(control<QLabel>(w, "Label_0")->toolTip(), QStringLiteral("300"));
        QCOMPARE(control<QLabel>(w, "Label_75")->text(), QString());
        QCOMPARE(redLabels(w), QList<int>{});
    }

    void aRecipeFillsTheDiagram()
    {
        QWidget* w = ui::forms().showModeless(11);
        tab(w, 1);
        QCOMPARE(shownPages(w), QList<int>{1});
        QCOMPARE(control<ui::DcButton>(w, "Button1_1")->backColour(), 0xC0FFC0u);
        QCOMPARE(control<ui::DcButton>(w, "Button1_0")->backColour(), 0xE6EBECu);
        clickLabel(w, 18);
        QCOMPARE(diagram(w), (QStringList{"普通木材类", "普通手艺", "", "", "300", "700", "", "", "10级", "桦木圆桌", "1000"}));
        QCOMPARE(shownPictures(w), QList<int>{18});
        QCOMPARE(redLabels(w), QList<int>{18});
        // A second label: the first goes back to blue.
        clickLabel(w, 33);
        QCOMPARE(diagram(w),
                 (QStringList{"闲杂材料一", "装饰工艺", "陶瓷类", "", "1000", "700", "1000", "", "35级", "水仙", "2700"}));
        QCOMPARE(redLabels(w), QList<int>{33});
        QCOMPARE(shownPictures(w), QList<int>{33});
    }

    void levelThreeWritesItsNameOnly()
    {
        QWidget* w = ui::forms().showModeless(11);
        tab(w, 2);
        clickLabel(w, 52); // 长信宫灯
        QCOMPARE(diagram(w).last(), QStringLiteral("13400"));
        tab(w, 3);
        // A tab switch empties the diagram but keeps the picture.
        QCOMPARE(diagram(w), empty);
        QCOMPARE(shownPictures(w), QList<int>{52});
        clickLabel(w, 59);
        QStringList expected = empty;
        expected[9] = QStringLiteral("壮丽河山");
        QCOMPARE(diagram(w), expected);
        QCOMPARE(control<QLabel>(w, "Label_59")->text(), QStringLiteral("[壮丽山河]"));
        QCOMPARE(shownPictures(w), QList<int>{59});
        // A material brings the blank picture back.
        tab(w, 0);
        clickLabel(w, 0);
        expected = empty;
        expected[9] = QStringLiteral("普通木材类");
        expected[10] = QStringLiteral("300");
        QCOMPARE(diagram(w), expected);
        QCOMPARE(shownPictures(w), QList<int>{0});
    }

    void theShownTabOnlyTakesTheMarkOff()
    {
        QWidget* w = ui::forms().showModeless(11);
        tab(w, 4);
        clickLabel(w, 74);
        QCOMPARE(diagram(w)[9], QStringLiteral("宁夜安梦"));
        tab(w, 4);
        QCOMPARE(redLabels(w), QList<int>{});
        QCOMPARE(diagram(w)[9], QStringLiteral("宁夜安梦"));
        QCOMPARE(shownPictures(w), QList<int>{74});
    }

    void theSentinelTakesNoClicks()
    {
        QWidget* w = ui::forms().showModeless(11);
        auto* sentinel = control<QLabel>(w, "Label_75");
        auto* pottery = control<QLabel>(w, "Label_17");
        // The sentinel lies inside 陶瓷类; a click on its spot chooses 陶瓷类.
        const QPoint spot = sentinel->geometry().center();
        QVERIFY(pottery->geometry().contains(spot));
        QWidget* page = control(w, "Frame2_0");
        QCOMPARE(page->childAt(spot), static_cast<QWidget*>(pottery));
        QTest::mouseClick(pottery, Qt::LeftButton, {}, pottery->mapFrom(page, spot));
        QCOMPARE(diagram(w)[9], QStringLiteral("陶瓷类"));
        QCOMPARE(diagram(w)[10], QStringLiteral("1000"));
        QCOMPARE(redLabels(w), QList<int>{17});
    }

    void closingGivesTheMainWindowBack()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        control<ui::DcButton>(main, "Button20")->press();
        QWidget* w = ui::forms().loaded(11);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        tab(w, 2);
        tab(w, 5); // 关闭
        QVERIFY(!ui::forms().isLoaded(11));
        QVERIFY(main->isVisible());
        control<ui::DcButton>(main, "Button20")->press();
        w = ui::forms().loaded(11);
        QCOMPARE(shownPages(w), QList<int>{0});
        QCOMPARE(diagram(w), empty);
        w->close();
        QVERIFY(!ui::forms().isLoaded(11));
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(FurnitureWindowTest)
#include "furniture_window_test.moc"
