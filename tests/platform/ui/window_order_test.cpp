#include "platform/ui/window_order.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Whether `upper` stands above `lower` in the window manager's stacking order.
bool above(QWidget& upper, QWidget& lower)
{
    QProcess xprop;
    xprop.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    xprop.waitForFinished(5000);
    const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
    QList<quint64> order; // bottom first
    for (QString id : out.section('#', 1).split(',', Qt::SkipEmptyParts))
        order << id.trimmed().toULongLong(nullptr, 16);
    const qsizetype u = order.indexOf(upper.winId());
    const qsizetype l = order.indexOf(lower.winId());
    return u >= 0 && l >= 0 && u > l;
}

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

    // On a real desktop (run by the desktop test keep_on_top.sh): clearing the wish sends
    // the window once below the others, and it can come up again as any window can.
    void clearingLowersTheWindowOnce()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display with a window manager");
        QWidget other;
        other.setWindowTitle("other");
        other.setGeometry(100, 100, 300, 200);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QWidget w;
        w.setWindowTitle("kept");
        w.setGeometry(150, 150, 300, 200);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.raise();
        w.activateWindow();
        QTRY_VERIFY(above(w, other)); // the newer, active window is on top anyway
        platform::setKeepOnTop(&w, true);
        QTest::qWait(200);
        QVERIFY(above(w, other));

        platform::setKeepOnTop(&w, false);
        QTRY_VERIFY(above(other, w));
        QVERIFY(w.isVisible());

        w.raise();
        w.activateWindow();
        QTRY_VERIFY(above(w, other));
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
