// The trade-run clock's model: positions, faces, the maintenance rule, setting.ini, the
// hand-set time and the incense count.
#include "clock/game_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>

using namespace tradeclock;

namespace {

// 2026-12-08 is a Tuesday (checked against a calendar); the week around it.
constexpr CivilDate kThuBefore{2026, 12, 3};
constexpr CivilDate kFri{2026, 12, 4};
constexpr CivilDate kSat{2026, 12, 5};
constexpr CivilDate kSun{2026, 12, 6};
constexpr CivilDate kMon{2026, 12, 7};
constexpr CivilDate kTue{2026, 12, 8};
constexpr CivilDate kWed{2026, 12, 9};
constexpr CivilDate kThu{2026, 12, 10};
constexpr CivilDate kNextSun{2026, 12, 13};

constexpr int hms(int h, int m, int s) { return h * 3600 + m * 60 + s; }

ClockAnchor anchorAt(CivilDate date, int seconds, int offset = 0)
{
    ClockAnchor a;
    a.offset = offset;
    a.storedDate = date;
    a.storedSeconds = seconds;
    a.storedWeekday = weekdayOf(date);
    return a;
}

// An anchor stored at one date and time, read at another: whether the clock starts.
struct MaintenanceCase {
    const char* what;
    CivilDate storedDate;
    int storedTime;
    CivilDate nowDate;
    int nowTime;
    StartRule expected;
};

void expectMaintenanceRules(std::span<const MaintenanceCase> cases)
{
    for (const MaintenanceCase& c : cases)
        EXPECT_EQ(maintenanceRule(anchorAt(c.storedDate, c.storedTime), {c.nowDate, c.nowTime}), c.expected)
            << c.what;
}

} // namespace

TEST(GameClock, WeekdaysCountFromSunday)
{
    struct Case {
        CivilDate date;
        int weekday;
    } cases[] = {{kSun, 1}, {kMon, 2}, {kTue, 3}, {kThu, 5}, {kSat, 7}, {{1970, 1, 1}, 5}, {{2000, 2, 29}, 3},
                 {{2027, 1, 5}, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(weekdayOf(c.date), c.weekday) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

// The Gregorian calendar: every fourth year is a leap year, except the century years
// that 400 does not divide.
TEST(GameClock, AnchorDatesFollowTheGregorianCalendar)
{
    struct Case {
        CivilDate date;
        bool valid;
    } cases[] = {
        {{1900, 2, 29}, false}, {{2000, 2, 29}, true},  {{2100, 2, 29}, false}, {{2400, 2, 29}, true},
        {{1600, 2, 29}, true},  {{2024, 2, 29}, true},  {{2023, 2, 29}, false}, {{1996, 2, 29}, true},
        {{2000, 2, 30}, false}, {{1900, 2, 28}, true},  {{2026, 4, 30}, true},  {{2026, 4, 31}, false},
        {{2026, 6, 31}, false}, {{2026, 9, 31}, false}, {{2026, 11, 31}, false}, {{2026, 1, 31}, true},
        {{2026, 7, 31}, true},  {{2026, 8, 31}, true},  {{2026, 12, 31}, true}, {{2026, 1, 32}, false},
        {{2026, 13, 1}, false}, {{2026, 0, 1}, false},  {{2026, 1, 0}, false},
    };
    for (const Case& c : cases) {
        const std::string ymd =
            std::to_string(c.date.year) + "/" + std::to_string(c.date.month) + "/" + std::to_string(c.date.day);
        EXPECT_EQ(validDate(c.date), c.valid) << ymd;
        for (char sep : {'/', '-'}) {
            std::string date = ymd;
            std::replace(date.begin(), date.end(), '/', sep);
            const auto a = parseClockAnchor("450\r\n10:00:00\r\n" + date + "\r\n5\r\n");
            EXPECT_EQ(a.has_value(), c.valid) << date;
            if (a) {
                EXPECT_EQ(a->storedDate, c.date) << date;
            }
        }
    }
    // A synchronisation on a leap day writes a date that reads back.
    const auto back = parseClockAnchor(formatClockAnchor(synchronisedAnchor(0, {{2000, 2, 29}, hms(9, 0, 0)})));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->storedDate, (CivilDate{2000, 2, 29}));
    EXPECT_EQ(back->storedWeekday, 3);
}

// Weekdays and the maintenance on both sides of the end of February in century years
// (weekdays from a calendar).
TEST(GameClock, CenturyYearsCountTheirFebruaryDays)
{
    struct Day {
        CivilDate date;
        int weekday;
    } days[] = {{{1900, 2, 28}, 4}, {{1900, 3, 1}, 5}, {{2000, 3, 1}, 4}, {{2100, 2, 23}, 3},
                {{2100, 3, 1}, 2},  {{2400, 3, 1}, 4}, {{1600, 3, 1}, 4}};
    for (const Day& d : days)
        EXPECT_EQ(weekdayOf(d.date), d.weekday) << d.date.year << "-" << d.date.month << "-" << d.date.day;

    const MaintenanceCase cases[] = {
        {"Monday 2000-02-28 read on the leap day 08:00", {2000, 2, 28}, hms(12, 0, 0), {2000, 2, 29}, hms(8, 0, 0),
         StartRule::Maintenance},
        {"Monday 2000-02-28 read on the leap day 07:59:59", {2000, 2, 28}, hms(12, 0, 0), {2000, 2, 29},
         hms(7, 59, 59), StartRule::Start},
        {"Tuesday 2100-02-23 read on Monday 2100-03-01", {2100, 2, 23}, hms(10, 0, 0), {2100, 3, 1}, hms(12, 0, 0),
         StartRule::Start},
        {"Tuesday 2100-02-23 read on Tuesday 2100-03-02", {2100, 2, 23}, hms(10, 0, 0), {2100, 3, 2}, hms(8, 0, 0),
         StartRule::Maintenance},
        {"Wednesday 1900-02-28 read on Tuesday 1900-03-06 07:59:59", {1900, 2, 28}, hms(12, 0, 0), {1900, 3, 6},
         hms(7, 59, 59), StartRule::Start},
        {"Wednesday 1900-02-28 read on Tuesday 1900-03-06 08:00", {1900, 2, 28}, hms(12, 0, 0), {1900, 3, 6},
         hms(8, 0, 0), StartRule::Maintenance},
    };
    expectMaintenanceRules(cases);
}

TEST(GameClock, FacesAtTheExamplePositions)
{
    struct Case {
        int position;
        const char* current;
        const char* next;
        const char* countdown;
        int elapsed;
    } cases[] = {
        {301, "子", "辰", "04:59", 301},  // anchored at 10:00:00, read 10:05:00, one step later
        {0, "子", "辰", "00:00", 0},      // the change itself
        {1, "子", "辰", "09:59", 1},
        {599, "子", "辰", "00:01", 599},
        {600, "辰", "申", "00:00", 0},    // 00:00 at the change, then 09:59
        {601, "辰", "申", "09:59", 1},
        {451, "子", "辰", "02:29", 451},  // one step after a synchronisation at 卯
        {901, "辰", "申", "04:59", 301},  // one step after a synchronisation at 午
        {1200, "申", "子", "00:00", 0},
        {1799, "申", "子", "00:01", 599}, // the bar's widest: 599 × 3 = 1797 twips
        {1800, "子", "辰", "00:00", 0},   // positions wrap into the day
        {-1, "申", "子", "00:01", 599},
        {351, "子", "辰", "04:09", 351},  // seconds below 10 keep their leading 0
        {358, "子", "辰", "04:02", 358},
    };
    for (const Case& c : cases) {
        const ClockFace f = clockFace(c.position);
        EXPECT_EQ(f.currentCaption, c.current) << c.position;
        EXPECT_EQ(f.nextCaption, c.next) << c.position;
        EXPECT_EQ(f.countdown, c.countdown) << c.position;
        EXPECT_EQ(f.phaseElapsed, c.elapsed) << c.position;
    }
}

TEST(GameClock, CountdownSecondsAlwaysShowTwoDigits)
{
    struct Case {
        int minutes;
        int seconds;
        const char* text;
    } cases[] = {
        {4, 9, "04:09"}, {4, 2, "04:02"}, {0, 0, "00:00"},  {9, 59, "09:59"},
        {4, 10, "04:10"}, {2, 29, "02:29"}, {0, 5, "00:05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatCountdown(c.minutes, c.seconds), c.text) << c.minutes << ":" << c.seconds;
    // Every seconds value below 10, whatever the minutes.
    for (int m = 0; m <= 9; ++m)
        for (int q = 0; q <= 9; ++q)
            EXPECT_EQ(formatCountdown(m, q), "0" + std::to_string(m) + ":0" + std::to_string(q)) << m << ":" << q;
}

TEST(GameClock, HandsPointWhereTheDialSays)
{
    // Seconds hand, length 600 from (1260, 1260): up at s = 0 and 30, right at 7.5, down at 15.
    // Position hand, length 400: up at 子 (c = 0), right at 卯 (450), down at 午 (900), left at 酉 (1350).
    struct Case {
        int position;
        double sx, sy, px, py;
    } cases[] = {
        {0, 1260, 660, 1260, 860},
        {15, 1260, 1860, 1260 + 400 * 0.0523359562, 1260 - 400 * 0.9986295348}, // 15/1800 of a turn = 3° (sin, cos)
        {30, 1260, 660, 1260 + 400 * 0.1045284633, 1260 - 400 * 0.9945218954}, // 6°
        {450, 1260, 660, 1660, 1260},
        {900, 1260, 660, 1260, 1660},
        {1350, 1260, 660, 860, 1260},
    };
    for (const Case& c : cases) {
        const ClockFace f = clockFace(c.position);
        EXPECT_NEAR(f.secondsHand.x, c.sx, 0.01) << c.position;
        EXPECT_NEAR(f.secondsHand.y, c.sy, 0.01) << c.position;
        EXPECT_NEAR(f.positionHand.x, c.px, 0.01) << c.position;
        EXPECT_NEAR(f.positionHand.y, c.py, 0.01) << c.position;
    }
}

TEST(GameClock, PositionFollowsTheComputerClock)
{
    struct Case {
        ClockAnchor anchor;
        LocalTime now;
        int position;
    } cases[] = {
        {anchorAt(kThu, hms(10, 0, 0)), {kThu, hms(10, 5, 0)}, 300},
        {anchorAt(kWed, hms(23, 59, 0)), {kThu, hms(0, 1, 0)}, 120}, // across midnight
        // A stored time set one second past now by hand: one second before the offset.
        {anchorAt(kThu, hms(12, 0, 0), 450), {kThu, hms(11, 59, 59)}, 449},
        // A day of 86400 s is 48 game days: the date does not matter, only the time of day.
        {anchorAt(kMon, hms(8, 0, 0), 1650), {kThu, hms(8, 2, 30)}, 0},
        {anchorAt(kThu, hms(8, 0, 0), 1799), {kThu, hms(8, 0, 1)}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cyclePosition(c.anchor, c.now), c.position);
}

TEST(GameClock, MaintenanceRefusesAnAnchorFromBeforeTuesdayEight)
{
    const MaintenanceCase cases[] = {
        {"same Tuesday, both before 08:00", kTue, hms(7, 0, 0), kTue, hms(7, 59, 59), StartRule::Start},
        // The old whole-hour rule started this one although the maintenance fell between.
        {"Tuesday 07:59:59 read 08:59:59", kTue, hms(7, 59, 59), kTue, hms(8, 59, 59), StartRule::Maintenance},
        {"Tuesday 07:59:59 read 09:00:00", kTue, hms(7, 59, 59), kTue, hms(9, 0, 0), StartRule::Maintenance},
        // ... and refused this one although it was taken after the maintenance.
        {"Tuesday 08:30 read 09:00", kTue, hms(8, 30, 0), kTue, hms(9, 0, 0), StartRule::Start},
        {"Tuesday 09:00 read 10:00", kTue, hms(9, 0, 0), kTue, hms(10, 0, 0), StartRule::Start},
        {"taken at the maintenance itself", kTue, hms(8, 0, 0), kTue, hms(9, 0, 0), StartRule::Start},
        {"Monday read Tuesday 08:00:00", kMon, hms(12, 0, 0), kTue, hms(8, 0, 0), StartRule::Maintenance},
        {"Monday read Tuesday 07:59:59", kMon, hms(12, 0, 0), kTue, hms(7, 59, 59), StartRule::Start},
        // The old table accepted a Thursday anchor at 08:00:00 but refused it one second later.
        {"Thursday read Tuesday 08:00:00", kThuBefore, hms(12, 0, 0), kTue, hms(8, 0, 0), StartRule::Maintenance},
        {"Thursday read Tuesday 08:00:01", kThuBefore, hms(12, 0, 0), kTue, hms(8, 0, 1), StartRule::Maintenance},
        {"Thursday read Tuesday 07:59:59", kThuBefore, hms(12, 0, 0), kTue, hms(7, 59, 59), StartRule::Start},
        {"Monday read Wednesday", kMon, hms(12, 0, 0), kWed, hms(12, 0, 0), StartRule::Maintenance},
        {"Saturday read Sunday", kSat, hms(12, 0, 0), kSun, hms(12, 0, 0), StartRule::Start},
        // Tuesdays the old table never saw.
        {"Friday read next Wednesday", kFri, hms(12, 0, 0), kWed, hms(12, 0, 0), StartRule::Maintenance},
        {"Tuesday 07:00 read Sunday", kTue, hms(7, 0, 0), kNextSun, hms(12, 0, 0), StartRule::Maintenance},
        {"Tuesday 07:00 read Wednesday", kTue, hms(7, 0, 0), kWed, hms(12, 0, 0), StartRule::Maintenance},
        {"Tuesday 10:00 read Sunday", kTue, hms(10, 0, 0), kNextSun, hms(12, 0, 0), StartRule::Start},
        {"Wednesday read Thursday", kWed, hms(12, 0, 0), kThu, hms(12, 0, 0), StartRule::Start},
        {"seven days ago", kThuBefore, hms(12, 0, 0), kThu, hms(12, 0, 0), StartRule::Maintenance},
        {"a year ago, same weekday", {2025, 12, 11}, hms(12, 0, 0), kThu, hms(12, 0, 0), StartRule::Maintenance},
        {"across the year", {2026, 12, 31}, hms(12, 0, 0), {2027, 1, 5}, hms(9, 0, 0), StartRule::Maintenance},
        {"across the year, before 08:00", {2026, 12, 31}, hms(12, 0, 0), {2027, 1, 5}, hms(7, 0, 0),
         StartRule::Start},
        // A stored time later today, left by the time setting, starts.
        {"same day, later time", kThu, hms(15, 0, 0), kThu, hms(14, 0, 0), StartRule::Start},
        {"same Tuesday, set past 08:00 by hand", kTue, hms(8, 0, 30), kTue, hms(7, 59, 0), StartRule::Start},
        // A date after today never starts (the old table started some of these).
        {"tomorrow", kFri, hms(12, 0, 0), kThu, hms(12, 0, 0), StartRule::Maintenance},
        {"next year", {2027, 12, 10}, hms(12, 0, 0), kThu, hms(12, 0, 0), StartRule::Maintenance},
    };
    expectMaintenanceRules(cases);
}

TEST(GameClock, SynchronisationWritesTheAnchorFile)
{
    // 卯 (k = 3) on Thursday 2026-12-10 at 10:00:00: offset 450, weekday 5.
    const ClockAnchor a = synchronisedAnchor(3, {kThu, hms(10, 0, 0)});
    EXPECT_EQ(formatClockAnchor(a), "450\r\n10:00:00\r\n2026/12/10\r\n5\r\n");
    EXPECT_EQ(formatClockAnchor(synchronisedAnchor(0, {{2027, 1, 5}, hms(8, 5, 9)})),
              "0\r\n08:05:09\r\n2027/1/5\r\n3\r\n");
    EXPECT_EQ(formatClockAnchor(synchronisedAnchor(11, {kSun, hms(23, 59, 59)})),
              "1650\r\n23:59:59\r\n2026/12/6\r\n1\r\n");
}

TEST(GameClock, AnchorFilesReadBack)
{
    struct Case {
        const char* text;
        int offset;
        int seconds;
        CivilDate date;
        int weekday;
    } cases[] = {
        {"450\r\n10:00:00\r\n2026/12/10\r\n5\r\n", 450, hms(10, 0, 0), kThu, 5},
        {"0\n8:05:09\n2026/1/5\n2\n", 0, hms(8, 5, 9), {2026, 1, 5}, 2},           // LF only, H:MM:SS
        {"1650\r\n23:59:59\r\n2026-12-06\r\n1", 1650, hms(23, 59, 59), kSun, 1}, // no end of line at the end
        {" 900 \r\n 12:00:00\r\n2026/2/28 \r\n 7\r\n", 900, hms(12, 0, 0), {2026, 2, 28}, 7},
        {"1799\r\n00:00:00\r\n2024/2/29\r\n5\r\n", 1799, 0, {2024, 2, 29}, 5},
    };
    for (const Case& c : cases) {
        const auto a = parseClockAnchor(c.text);
        ASSERT_TRUE(a) << c.text;
        EXPECT_EQ(a->offset, c.offset) << c.text;
        EXPECT_EQ(a->storedSeconds, c.seconds) << c.text;
        EXPECT_EQ(a->storedDate, c.date) << c.text;
        EXPECT_EQ(a->storedWeekday, c.weekday) << c.text;
    }
    // What a synchronisation writes reads back as the same anchor.
    const ClockAnchor written = synchronisedAnchor(7, {{2026, 3, 9}, hms(6, 7, 8)});
    const auto back = parseClockAnchor(formatClockAnchor(written));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->offset, 1050);
    EXPECT_EQ(back->storedSeconds, hms(6, 7, 8));
    EXPECT_EQ(back->storedDate, (CivilDate{2026, 3, 9}));
    EXPECT_EQ(back->storedWeekday, 2);
}

TEST(GameClock, MalformedAnchorFilesAreRefused)
{
    const char* cases[] = {
        "",
        "450\r\n10:00:00\r\n2026/12/10\r\n",              // three fields
        "450\r\n10:00:00\r\n2026/12/10\r\n5\r\n\r\n",     // a fifth line
        "450\r\n10:00:00\r\n2026/12/10\r\n5\r\nx\r\n",
        "1800\r\n10:00:00\r\n2026/12/10\r\n5\r\n",        // offset past the day
        "-1\r\n10:00:00\r\n2026/12/10\r\n5\r\n",
        "45a\r\n10:00:00\r\n2026/12/10\r\n5\r\n",
        "\r\n10:00:00\r\n2026/12/10\r\n5\r\n",
        "450,1\r\n10:00:00\r\n2026/12/10\r\n5\r\n",       // a comma splits a field
        "450\r\n24:00:00\r\n2026/12/10\r\n5\r\n",
        "450\r\n10:60:00\r\n2026/12/10\r\n5\r\n",
        "450\r\n10:0:00\r\n2026/12/10\r\n5\r\n",
        "450\r\n10:00\r\n2026/12/10\r\n5\r\n",
        "450\r\n下午 10:00:00\r\n2026/12/10\r\n5\r\n",
        "450\r\n10:00:00\r\n2026/2/30\r\n5\r\n",          // no such day
        "450\r\n10:00:00\r\n12/10/2026\r\n5\r\n",
        "450\r\n10:00:00\r\n2026/12-10\r\n5\r\n",
        "450\r\n10:00:00\r\n2026/12/10\r\n0\r\n",         // weekday outside 1..7
        "450\r\n10:00:00\r\n2026/12/10\r\n8\r\n",
        "450\r\n10:00:00\r\n2026/12/10\r\n5.0\r\n",
        "450\r10:00:00\r2026/12/10\r5\r",                  // CR alone is no line end
    };
    for (const char* text : cases)
        EXPECT_FALSE(parseClockAnchor(text)) << text;
}

TEST(GameClock, RandomDamageNeverYieldsAnAnchorOutOfRange)
{
    // Garbage and single-byte damage to a good file: the reader either refuses or gives an
    // anchor inside every range, which writes out and reads back the same.
    std::mt19937 rng(20261210);
    const std::string good = "450\r\n10:00:00\r\n2026/12/10\r\n5\r\n";
    const std::string alphabet = "0123456789:/-\r\n ,.\t\xe5\xad\x90xZ";
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            const std::size_t n = rng() % 40;
            for (std::size_t i = 0; i < n; ++i)
                text += round % 4 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
        } else {
            text = good;
            for (int k = 0, n = 1 + static_cast<int>(rng() % 3); k < n; ++k) {
                const std::size_t at = rng() % (text.size() + 1);
                switch (rng() % 3) {
                case 0:
                    if (at < text.size())
                        text.erase(at, 1);
                    break;
                case 1:
                    text.insert(at, 1, alphabet[rng() % alphabet.size()]);
                    break;
                default:
                    if (at < text.size())
                        text[at] = alphabet[rng() % alphabet.size()];
                }
            }
        }
        const auto a = parseClockAnchor(text);
        if (!a) {
            ++refused;
            continue;
        }
        ASSERT_GE(a->offset, 0) << text;
        ASSERT_LT(a->offset, 1800) << text;
        ASSERT_GE(a->storedSeconds, 0) << text;
        ASSERT_LT(a->storedSeconds, 86400) << text;
        ASSERT_TRUE(validDate(a->storedDate)) << text;
        ASSERT_GE(a->storedWeekday, 1) << text;
        ASSERT_LE(a->storedWeekday, 7) << text;
        const auto again = parseClockAnchor(formatClockAnchor(*a));
        ASSERT_TRUE(again) << text;
        ASSERT_EQ(again->offset, a->offset);
        ASSERT_EQ(again->storedSeconds, a->storedSeconds);
    }
    EXPECT_GT(refused, 10000); // most damage is caught
}

TEST(GameClock, TimeSettingSteps)
{
    struct Case {
        TimeOfDay from;
        int button;
        TimeOfDay to;
    } cases[] = {
        {{23, 59, 59}, 4, {0, 0, 0}},   {{0, 0, 0}, 5, {23, 59, 59}},  {{12, 58, 59}, 4, {12, 59, 0}},
        {{12, 59, 59}, 4, {13, 0, 0}},  {{23, 30, 15}, 0, {0, 30, 15}}, {{0, 30, 15}, 1, {23, 30, 15}},
        {{0, 0, 40}, 3, {23, 59, 40}},  {{23, 59, 5}, 2, {0, 0, 5}},    {{8, 5, 9}, 2, {8, 6, 9}},
        {{8, 5, 9}, 5, {8, 5, 8}},      {{8, 0, 0}, 5, {7, 59, 59}},    {{8, 5, 9}, 6, {8, 5, 9}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepTime(c.from, c.button), c.to) << c.button;
}

TEST(GameClock, TimeSettingRewritesOnlyTheTime)
{
    const auto a = parseClockAnchor(" 450\r\n8:05:09\r\n2026/1/5\r\n 2\r\n");
    ASSERT_TRUE(a);
    EXPECT_EQ(withStoredTime(*a, {8, 5, 9}), "450\r\n08:05:09\r\n2026/1/5\r\n2\r\n");
    EXPECT_EQ(withStoredTime(*a, {23, 0, 1}), "450\r\n23:00:01\r\n2026/1/5\r\n2\r\n");
    EXPECT_TRUE(parseClockAnchor(withStoredTime(*a, {23, 0, 1})));
    EXPECT_EQ(parseTimeOfDay("08:05:09"), (TimeOfDay{8, 5, 9}));
    EXPECT_FALSE(parseTimeOfDay("8:5:9"));
}

TEST(GameClock, IncenseCountsThirtyMinutesAndFlashesInTheLast)
{
    IncenseCountdown c;
    EXPECT_EQ(incenseText(c), "00:00");
    lightIncense(c);
    tickIncense(c);
    EXPECT_EQ(incenseText(c), "29:59");
    EXPECT_FALSE(c.flashing);
    // 29:59 → 01:00 is 1739 more ticks; flashing starts on the tick that shows 01:00.
    for (int i = 0; i < 1738; ++i)
        tickIncense(c);
    EXPECT_EQ(incenseText(c), "01:01");
    EXPECT_FALSE(c.flashing);
    tickIncense(c);
    EXPECT_EQ(incenseText(c), "01:00");
    EXPECT_TRUE(c.flashing);
    for (int i = 0; i < 60; ++i)
        tickIncense(c);
    EXPECT_EQ(incenseText(c), "00:00"); // 00:00 for two ticks, flashing during the first
    EXPECT_TRUE(c.counting);
    EXPECT_TRUE(c.flashing);
    tickIncense(c);
    EXPECT_EQ(incenseText(c), "00:00");
    EXPECT_FALSE(c.counting);
    EXPECT_FALSE(c.flashing);
    tickIncense(c); // idle: nothing moves
    EXPECT_EQ(incenseText(c), "00:00");
}

TEST(GameClock, IncensePressRestartsAndFlashColoursCycle)
{
    IncenseCountdown c{12, 34, 0, true, true};
    lightIncense(c);
    EXPECT_FALSE(c.flashing);
    tickIncense(c);
    EXPECT_EQ(incenseText(c), "29:59");
    c.flashIndex = 8;
    EXPECT_EQ(flashIncense(c), 0xFF8080u);
    EXPECT_EQ(flashIncense(c), 0x80FFFFu);
    EXPECT_EQ(flashIncense(c), 0xFF0000u); // from 9 back to 0
    EXPECT_EQ(c.flashIndex, 1);
}
