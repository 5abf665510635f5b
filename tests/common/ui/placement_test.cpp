// Where tool windows open: the places computed from the screen and the window's outer
// size, and a window placed when it is first shown.
#include "common/ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void places_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("topLeft");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("centred") << "centre" << screen << QSize(300, 200) << QPoint(362, 284);
        QTest::newRow("centred, odd sizes") << "centre" << screen << QSize(281, 127) << QPoint(371, 320);
        QTest::newRow("centred on a second screen")
            << "centre" << QRect(1024, 100, 800, 600) << QSize(200, 100) << QPoint(1324, 350);
        QTest::newRow("top right") << "topRight" << screen << QSize(294, 478) << QPoint(730, 0);
        // The wide 战神箱 window: client 639 x 198 px; with a frame of 4 px at the sides and
        // the bottom and a 24 px title bar, its outer height is 226, and its bottom stands
        // 400 twips (27 px) above the bottom: 768 - 226 - 27 = 515.
        QTest::newRow("left above the bottom, framed")
            << "leftAboveBottom" << screen << QSize(647, 226) << QPoint(0, 515);
        QTest::newRow("left above the bottom, no frame")
            << "leftAboveBottom" << screen << QSize(639, 198) << QPoint(0, 543);
    }

    void places()
    {
        QFETCH(QString, place);
        QFETCH(QRect, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, topLeft);
        if (place == "centre")
            QCOMPARE(ui::centredOnScreen(screen, outer), topLeft);
        else if (place == "topRight")
            QCOMPARE(ui::topRightOfScreen(screen, outer), topLeft);
        else
            QCOMPARE(ui::leftAboveBottom(screen, outer, 27), topLeft);
    }

    // A window shown again where it stood, 300 x 200 with a 24 px title bar, on the screens'
    // rooms given.
    void withinReach_data()
    {
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QList<QRect>>("areas");
        QTest::addColumn<QPoint>("topLeft");
        const QList<QRect> one{{0, 0, 1024, 768}};
        const QList<QRect> panel{{0, 30, 1024, 738}}; // a panel along the top
        const QList<QRect> two{{0, 0, 1024, 768}, {1024, 0, 1920, 1080}};
        QTest::newRow("wholly on the screen") << QRect(100, 100, 300, 200) << one << QPoint(100, 100);
        QTest::newRow("in the corner, to the pixel") << QRect(724, 568, 300, 200) << one << QPoint(724, 568);
        QTest::newRow("lower part past the bottom: kept")
            << QRect(100, 744, 300, 200) << one << QPoint(100, 744);
        QTest::newRow("title bar one row past the bottom")
            << QRect(100, 745, 300, 200) << one << QPoint(100, 568);
        QTest::newRow("a pixel past the right edge") << QRect(725, 100, 300, 200) << one << QPoint(724, 100);
        QTest::newRow("past the left and top edges") << QRect(-50, -10, 300, 200) << one << QPoint(0, 0);
        QTest::newRow("wholly off, beyond the bottom right")
            << QRect(1296, 708, 300, 200) << one << QPoint(724, 568);
        QTest::newRow("wholly off, far away") << QRect(-90000, 90000, 300, 200) << one << QPoint(0, 568);
        QTest::newRow("larger than the screen: top left on it")
            << QRect(-40, 20, 1100, 800) << one << QPoint(0, 0);
        QTest::newRow("title bar under a panel") << QRect(100, 10, 300, 200) << panel << QPoint(100, 30);
        QTest::newRow("title bar across two screens")
            << QRect(900, 100, 300, 200) << two << QPoint(1024, 100);
        QTest::newRow("on the second screen, off the first")
            << QRect(2700, 100, 300, 200) << two << QPoint(2644, 100);
        QTest::newRow("the second screen gone") << QRect(2700, 100, 300, 200) << one << QPoint(724, 100);
        QTest::newRow("no screen at all") << QRect(2700, 100, 300, 200) << QList<QRect>{} << QPoint(2700, 100);
    }

    void withinReach()
    {
        QFETCH(QRect, outer);
        QFETCH(QList<QRect>, areas);
        QFETCH(QPoint, topLeft);
        QCOMPARE(ui::withinReach(outer, 24, areas), topLeft);
    }

    void placedAtTheFirstShowingOnly()
    {
        QWidget w;
        w.setFixedSize(300, 200);
        w.move(5, 5);
        ui::centreWhenShown(&w);
        QCOMPARE(w.pos(), QPoint(5, 5)); // nothing before it is shown
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = w.frameGeometry().size(); // offscreen windows have a thin frame too
        QCOMPARE(w.frameGeometry().topLeft(),
                 screen.topLeft() + QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
        // The player's moves stand, also across hiding and showing again.
        w.move(40, 60);
        w.hide();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pos(), QPoint(40, 60));
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
