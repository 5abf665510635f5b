#include "clock/ui/compact_clock_window.h"

#include "common/ui/dc_button.h"

namespace tradeclock::ui {

CompactClockWindow::CompactClockWindow() : ClockView(kNumber, 4)
{
    setClientSizeTw(3120, 660);
    buildPhaseBar(90, 360, 60, 2820);
    buildCountdown("Label3_0", 90, 930, 360);
    buildIncense("dcButton1", "Label4", 1500, 2160, 330, 600);
    buildKeepOnTop({}, 2640, 360, 210);
    auto* back = (new ::ui::DcButton(this, "dcButton3", QStringLiteral("//")))->at(2820, 330, 270, 300);
    back->setBackColour(0x00FFFF);
    back->setToolTip(QStringLiteral("切换"));
    connect(back, &::ui::DcButton::click, this, [this] { switchTo(20); });

    placeTopRight();
    captionTick();
    startFromFile(true);
}

} // namespace tradeclock::ui
