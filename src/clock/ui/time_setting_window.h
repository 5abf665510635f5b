#pragma once
// Form21 "  手动调时": moves the time of day stored at the last synchronisation forward or
// back, one step per 70 ms while a "+" or "-" is held, and writes it into setting.ini.

#include "clock/game_clock.h"
#include "common/ui/forms.h"

#include <QTimer>
#include <array>
#include <optional>

class QLineEdit;

namespace tradeclock::ui {

class TimeSettingWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 21;
    TimeSettingWindow();

    // Timer1(i)'s tick: one step of button i.
    void stepTick(int i);
    bool stepping(int i) const { return m_timers[static_cast<std::size_t>(i)]->isActive(); }

private:
    void write();
    TimeOfDay shownTime() const;
    void showTime(TimeOfDay t);

    std::array<QLineEdit*, 3> m_boxes{}; // Text1(0..2): hour, minute, second
    std::array<QTimer*, 6> m_timers{};   // Timer1(0..5)
    std::optional<ClockAnchor> m_anchor;
    bool m_damaged = false; // setting.ini was there but could not be read
};

// Form22 "            跑商时钟帮助": the clock's help; a double click closes it.
class ClockHelpWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 22;
    ClockHelpWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tradeclock::ui
