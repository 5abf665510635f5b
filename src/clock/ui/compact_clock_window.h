#pragma once
// Form12, the compact clock: a narrow top-most strip with the two phase captions and the
// bar, the phase countdown, the incense count, the keep-on-top box and "//" back to the
// full clock window.

#include "clock/ui/clock_view.h"

namespace tradeclock::ui {

class CompactClockWindow : public ClockView {
    Q_OBJECT
public:
    static constexpr int kNumber = 12;
    CompactClockWindow();
};

} // namespace tradeclock::ui
