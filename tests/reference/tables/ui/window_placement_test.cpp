// The reference windows open centred on the screen; all but the transformation-card
// window have a minimise box.
#include "common/ui/forms.h"
#include "support/main_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void opensCentred_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("minimiseBox");
        for (int n : {6, 11, 17, 18, 28, 32, 33})
            QTest::addRow("Form%d", n) << n << (n != 32);
    }

    void opensCentred()
    {
        QFETCH(int, form);
        QFETCH(bool, minimiseBox);
        QWidget* w = ui::forms().showModeless(form);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Under a window manager the frame comes a moment after the window is up.
        QTest::qWait(QGuiApplication::platformName() == QLatin1String("xcb") ? 1000 : 0);
        const QRect outer = w->frameGeometry();
        // Equal room on either side, to the pixel an odd difference leaves.
        QVERIFY2(qAbs((outer.left() - screen.left()) - (screen.right() - outer.right())) <= 1,
                 qPrintable(QStringLiteral("%1 on %2").arg(outer.x()).arg(screen.width())));
        QVERIFY2(qAbs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())) <= 1,
                 qPrintable(QStringLiteral("%1 on %2").arg(outer.y()).arg(screen.height())));
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minimiseBox);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
