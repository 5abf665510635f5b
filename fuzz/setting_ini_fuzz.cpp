// Fuzz entry point of the clock's anchor reader: any bytes as a setting.ini. The reader
// either refuses or gives an anchor inside every range, which writes out and reads back
// as the same anchor; the clock and the time setting then work for any such anchor.

#include "clock/game_clock.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tradeclock;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto anchor = parseClockAnchor(bytes);
    if (!anchor)
        return 0;
    require(anchor->offset >= 0 && anchor->offset < kGameDay);
    require(anchor->storedSeconds >= 0 && anchor->storedSeconds < kRealDay);
    require(validDate(anchor->storedDate));
    require(anchor->storedWeekday >= 1 && anchor->storedWeekday <= 7);

    const auto again = parseClockAnchor(formatClockAnchor(*anchor));
    require(again && again->offset == anchor->offset && again->storedSeconds == anchor->storedSeconds &&
            again->storedDate == anchor->storedDate && again->storedWeekday == anchor->storedWeekday);

    const LocalTime now{{2026, 12, 10}, 12 * 3600};
    const int c = cyclePosition(*anchor, now);
    require(c >= 0 && c < kGameDay);
    (void)maintenanceRule(*anchor, now);
    (void)clockFace(c);
    const auto edited = parseClockAnchor(withStoredTime(*anchor, {23, 59, 59}));
    require(edited && edited->storedSeconds == kRealDay - 1 && edited->offset == anchor->offset);
    return 0;
}
