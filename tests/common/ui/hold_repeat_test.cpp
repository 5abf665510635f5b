// Press and hold: ticks while held; stops on release, at its bound, and when the button or
// the window goes away.
#include "common/ui/hold_repeat.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class HoldRepeatTest : public QObject {
    Q_OBJECT

    QWidget* m_window = nullptr;
    QPushButton* m_button = nullptr;
    ui::HoldRepeat* m_hold = nullptr;
    int m_steps = 0;
    int m_bound = 1000;

private slots:
    void init()
    {
        m_window = new QWidget;
        m_button = new QPushButton("+", m_window);
        m_steps = 0;
        m_bound = 1000;
        m_hold = new ui::HoldRepeat(m_window, 70, [this] { return ++m_steps < m_bound; });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { delete m_window; }

    void ticksOnlyWhileHeld()
    {
        QCOMPARE(m_hold->interval(), 70);
        m_hold->tickNow(); // not started: no step
        QCOMPARE(m_steps, 0);
        QSignalSpy stopped(m_hold, &ui::HoldRepeat::stopped);
        m_hold->start(m_button);
        QCOMPARE(m_steps, 0); // the first step comes with the first tick
        m_hold->tickNow();
        m_hold->tickNow();
        QCOMPARE(m_steps, 2);
        m_hold->stop();
        QCOMPARE(stopped.count(), 1);
        m_hold->tickNow();
        QCOMPARE(m_steps, 2);
    }

    void stopsAtItsBound()
    {
        m_bound = 2;
        m_hold->start(m_button);
        m_hold->tickNow();
        m_hold->tickNow();
        QVERIFY(!m_hold->running());
        m_hold->tickNow();
        QCOMPARE(m_steps, 2);
    }

    void stopsWhenTheButtonOrTheWindowGoes_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("button disabled") << 0;
        QTest::newRow("button hidden") << 1;
        QTest::newRow("window hidden") << 2;
        QTest::newRow("window deactivated") << 3;
    }
    void stopsWhenTheButtonOrTheWindowGoes()
    {
        QFETCH(int, how);
        QSignalSpy stopped(m_hold, &ui::HoldRepeat::stopped);
        m_hold->start(m_button);
        QVERIFY(m_hold->running());
        switch (how) {
        case 0:
            m_button->setEnabled(false);
            break;
        case 1:
            m_button->hide();
            break;
        case 2:
            m_window->hide();
            break;
        default: {
            QEvent e(QEvent::WindowDeactivate);
            QApplication::sendEvent(m_window, &e);
        }
        }
        QVERIFY(!m_hold->running());
        QCOMPARE(stopped.count(), 1);
    }
};

QTEST_MAIN(HoldRepeatTest)
#include "hold_repeat_test.moc"
