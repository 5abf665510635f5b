// The reference windows open centred on the screen, by their outer rectangles; all but the
// transformation-card window have a minimise box.
#include "common/ui/forms.h"
#include "support/main_window.h"
#include "support/outer_rect.h"
#include "support/window_manager.h"

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
        // On a desktop, whether Qt learns the window manager's frame in time differs from
        // one opening to the next: each window is opened several times there.
        const int openings = test::onX11() ? 8 : 1;
        for (int i = 0; i < openings; ++i) {
            QWidget* w = ui::forms().showModeless(form);
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QRect screen = test::screenRect();
            // Equal room on either side, to the pixel an odd difference leaves (QTRY_: under a
            // window manager the frame comes a moment after the window is up).
            auto centred = [&] {
                const QRect outer = test::outerRect(w);
                const bool frameless = test::onX11() && !test::hasWindowManager();
                return (test::framed(w) || frameless) // there is a frame to count
                    && qAbs((outer.left() - screen.left()) - (screen.right() - outer.right())) <= 1
                    && qAbs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())) <= 1;
            };
            QTRY_VERIFY2_WITH_TIMEOUT(centred(), qPrintable(QStringLiteral("opening %1: %2 on %3x%4")
                                                                 .arg(i + 1)
                                                                 .arg(test::rectText(test::outerRect(w)))
                                                                 .arg(screen.width())
                                                                 .arg(screen.height())),
                                      5000);
            QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minimiseBox);
            QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            w->close();
            QTRY_VERIFY(!ui::forms().isLoaded(form));
        }
    }

    // A window manager that frames the window seconds after it opened (stopped meanwhile)
    // still sees it centred once the frame is there.
    void opensCentredThoughTheFrameComesLate()
    {
        test::StoppedWindowManager late(5000);
        if (!late.stopped())
            QSKIP("needs a window manager of the desktop tests to stop");
        QWidget* w = ui::forms().showModeless(6);
        QVERIFY(w);
        const QRect screen = test::screenRect();
        QVERIFY(test::framedLate(w));
        const QRect outer = test::outerRect(w);
        QTRY_COMPARE_WITH_TIMEOUT(test::outerRect(w).topLeft(),
                                  screen.topLeft() + QPoint((screen.width() - outer.width()) / 2,
                                                            (screen.height() - outer.height()) / 2),
                                  5000);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
