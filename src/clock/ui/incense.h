#pragma once
// The 30-minute incense count behind the "点香" button of both clock views. There is one
// count for the program: it ticks once a second while at least one view shows it, and
// every view's label shows the same value and the same flashing colour.

#include "clock/game_clock.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class QLabel;

namespace tradeclock::ui {

class IncenseService : public QObject {
    Q_OBJECT
public:
    static IncenseService& instance();

    // A view shows its label while it is loaded. When the last label goes, the count
    // stops where it is; a view that comes later starts idle at "00:00".
    void attach(QLabel* label);
    void detach(QLabel* label);

    // "点香": starts or restarts from 30:00.
    void light();
    // A click on a label: the flashing stops, the count goes on.
    void stopFlash();

    // The timers' ticks (1 s count, 100 ms flash).
    void tick();
    void flashTick();

    const IncenseCountdown& state() const { return m_state; }
    bool counting() const { return m_count.isActive(); }
    bool flashing() const { return m_flash.isActive(); }
    const QTimer& countTimer() const { return m_count; }
    const QTimer& flashTimer() const { return m_flash; }

    // Tests: back to the state at program start.
    void resetForTests();

private:
    IncenseService();
    void syncTimers();
    void paint(std::uint32_t colour);
    void showText();

    IncenseCountdown m_state;
    QTimer m_count;
    QTimer m_flash;
    std::vector<QPointer<QLabel>> m_labels;
};

} // namespace tradeclock::ui
