#include "platform/ui/window_order.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

class WindowOrderTest : public QObject {
    Q_OBJECT
private slots:
    void wishHeldBeforeTheWindowIsShown()
    {
        QWidget w;
        platform::setKeepOnTop(&w, true);
        QVERIFY(platform::isKeptOnTop(&w));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void togglingAShownWindowKeepsItShownInPlace()
    {
        QWidget w;
        w.setGeometry(120, 90, 200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect before = w.geometry();
        for (bool onTop : {true, false, true, false}) {
            platform::setKeepOnTop(&w, onTop);
            QCOMPARE(platform::isKeptOnTop(&w), onTop);
            QCOMPARE(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(w.isVisible());
            QCOMPARE(w.geometry(), before);
        }
    }

    void childControlActsOnItsWindow()
    {
        QWidget w;
        auto* box = new QWidget(&w);
        platform::setKeepOnTop(box, true);
        QVERIFY(platform::isKeptOnTop(&w));
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        platform::setKeepOnTop(nullptr, true); // nothing to do, no crash
    }
};

QTEST_MAIN(WindowOrderTest)
#include "window_order_test.moc"
