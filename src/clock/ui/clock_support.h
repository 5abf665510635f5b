#pragma once
// What the clock windows share: the computer's clock (replaceable in tests) and the
// anchor file setting.ini in the current directory.

#include "clock/game_clock.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tradeclock::ui {

// The computer's local time now.
LocalTime currentTime();
// Tests replace the clock; an empty function restores the real one.
void setTimeSourceForTests(std::function<LocalTime()> source);

inline const QString kAnchorFile = QStringLiteral("setting.ini");

struct AnchorRead {
    enum Status { Ok, Missing, Damaged } status = Missing;
    std::optional<ClockAnchor> anchor;
};
// Reads and checks setting.ini.
AnchorRead readAnchorFile();
// Replaces setting.ini as a whole (a temporary file, then a rename); false when it failed,
// and the file is then as it was.
bool writeAnchorFile(const std::string& text);

// A synchronisation whose anchor could not be saved: the clock keeps it in memory for the
// rest of the run, until an anchor is saved again.
void holdAnchor(const ClockAnchor& anchor);
// The anchor the clock runs on: the one held in memory, else what setting.ini holds.
AnchorRead currentAnchor();
// Tests start each case without a held anchor.
void forgetHeldAnchorForTests();

// The reminders of the clock windows, titled "提醒".
void remindFirstRun(QWidget* parent);
void remindDamaged(QWidget* parent);
void remindMaintenance(QWidget* parent);

} // namespace tradeclock::ui
