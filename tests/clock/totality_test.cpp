// The clock's date arithmetic over the whole range of its parameter types: type edges,
// zero, negatives and ±1 around the calendar's ends. Under the sanitizers an overflow
// aborts; a date the calendar does not have gives no day and no weekday.

#include "../support/edges.h"
#include "clock/game_clock.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tradeclock;

namespace {
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// Days of a month and their neighbours, with the type edges.
const std::vector<int> kDays = {kMin, kMin + 1, -1, 0, 1, 27, 28, 29, 30, 31, 32, kMax - 1, kMax};
} // namespace

TEST(ClockTotality, DayNumberAndWeekday)
{
    const std::vector<int> edges = test::edgeValues32();
    const LocalTime now{{2026, 12, 10}, 36000};
    for (const int year : edges)
        for (const int month : edges)
            for (const int day : kDays) {
                const CivilDate d{year, month, day};
                const std::optional<std::int64_t> n = dayNumber(d);
                const int w = weekdayOf(d);
                ASSERT_EQ(n.has_value(), validDate(d)) << year << "-" << month << "-" << day;
                if (n) {
                    ASSERT_GE(w, 1);
                    ASSERT_LE(w, 7);
                } else {
                    ASSERT_EQ(w, 0) << year << "-" << month << "-" << day;
                }
            }
    // The anchor and the clock over out-of-range dates: decided, and never a start for a
    // date the calendar does not have.
    for (const int year : test::edgeValues32())
        for (const int month : {kMin, 0, 1, 2, 12, 13, kMax})
            for (const int day : kDays) {
                const CivilDate d{year, month, day};
                ClockAnchor a = synchronisedAnchor(3, {d, 0});
                EXPECT_EQ(a.storedWeekday == 0, !validDate(d));
                a = synchronisedAnchor(3, now);
                a.storedDate = d;
                const StartRule stored = maintenanceRule(a, now);
                const StartRule today = maintenanceRule(synchronisedAnchor(3, now), {d, 0});
                if (!validDate(d)) {
                    EXPECT_EQ(stored, StartRule::Maintenance) << year << "-" << month << "-" << day;
                    EXPECT_EQ(today, StartRule::Maintenance) << year << "-" << month << "-" << day;
                }
            }
}

TEST(ClockTotality, CalendarEnds)
{
    // The first and the last day of years 1..9999, counted from 1970-01-01.
    EXPECT_EQ(dayNumber({1, 1, 1}), -719162);
    EXPECT_EQ(dayNumber({9999, 12, 31}), 2932896);
    EXPECT_EQ(dayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(weekdayOf({1, 1, 1}), 2); // a Monday
    EXPECT_EQ(weekdayOf({9999, 12, 31}), 6); // a Friday
    for (const CivilDate d : {CivilDate{0, 12, 31}, CivilDate{10000, 1, 1}, CivilDate{kMin, 1, 1},
                              CivilDate{2026, kMax, 1}, CivilDate{2026, 0, 1}, CivilDate{2026, 2, 29},
                              CivilDate{2026, 1, kMin}}) {
        EXPECT_EQ(dayNumber(d), std::nullopt) << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(weekdayOf(d), 0);
    }
}
