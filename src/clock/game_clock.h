#pragma once
// The trade-run clock: the game's 30-minute day followed from one synchronisation.
//
// The player presses the double hour that is just beginning in the game; that moment is
// the anchor (setting.ini). From then on the game position is a pure function of the
// anchor and the computer's clock, so a stalled timer or a sleeping machine loses nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tradeclock {

inline constexpr int kGameDay = 1800;   // real seconds in one game day
inline constexpr int kDoubleHour = 150; // real seconds in one double hour
inline constexpr int kPhase = 600;      // real seconds in one trade phase
inline constexpr int kRealDay = 86400;  // 48 game days

// The twelve double hours clockwise from the top of the dial; k starts at 150 × k.
inline constexpr std::array<std::string_view, 12> DoubleHourTable = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戍", "亥"};

// The three trade phases: the caption of the current and of the next phase.
struct TradePhase {
    std::string_view current;
    std::string_view next;
};
inline constexpr std::array<TradePhase, 3> TradePhaseTable = {
    TradePhase{"子", "辰"}, TradePhase{"辰", "申"}, TradePhase{"申", "子"}};

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The computer's local clock at one moment.
struct LocalTime {
    CivilDate date;
    int secondsOfDay = 0; // 0..86399
};

// Days since 1970-01-01 (proleptic Gregorian); nothing for a date validDate refuses.
std::optional<std::int64_t> dayNumber(CivilDate d);
// Day of the week, 1 = Sunday … 7 = Saturday; 0 for a date validDate refuses.
int weekdayOf(CivilDate d);
// A day of the years 1 to 9999.
bool validDate(CivilDate d);

// The anchor kept in setting.ini: four lines, each ended by CR LF.
struct ClockAnchor {
    int offset = 0;          // 0..1799, game position at the synchronisation
    int storedSeconds = 0;   // time of day of the synchronisation, 0..86399
    CivilDate storedDate;    // its date
    int storedWeekday = 1;   // 1 = Sunday … 7 = Saturday
    // The four fields as they stood in the file, blanks around them removed; the time
    // setting writes fields 1, 3 and 4 back as they are.
    std::array<std::string, 4> fields;
};

// Reads setting.ini strictly: exactly four lines (LF or CR LF, the last line ending or
// not), an offset 0..1799, a time H:MM:SS or HH:MM:SS, a date Y-M-D or Y/M/D, a
// weekday 1..7. Anything else is no anchor.
std::optional<ClockAnchor> parseClockAnchor(std::string_view content);
// The file text of an anchor: its four fields, each line ended by CR LF.
std::string formatClockAnchor(const ClockAnchor& anchor);
// The anchor of a synchronisation at double hour k (0..11) at the moment `now`.
ClockAnchor synchronisedAnchor(int k, const LocalTime& now);

// Time of day as the file and the window captions show it: "08:05:09".
std::string formatTimeOfDay(int secondsOfDay);

// Whether a stored anchor may start the clock: refused when its date lies after today
// or when the weekly maintenance (Tuesday 08:00:00) fell after it and not after now, and
// when either date is not a valid one.
enum class StartRule { Start, Maintenance };
StartRule maintenanceRule(const ClockAnchor& anchor, const LocalTime& now);

// The game position, 0..1799, at `now`.
int cyclePosition(const ClockAnchor& anchor, const LocalTime& now);

struct HandEnd {
    double x = 0;
    double y = 0;
};

// Everything a clock view shows for game position c (0..1799).
struct ClockFace {
    int phase = 0;                  // 0..2
    std::string_view currentCaption;
    std::string_view nextCaption;
    std::string countdown;          // time to the next phase change: "04:59", "00:00" at the change
    int phaseElapsed = 0;           // 0..599, drives the bar
    HandEnd secondsHand;            // twips, dial centre (1260, 1260), y downward
    HandEnd positionHand;
};
ClockFace clockFace(int position);

// Countdown text of m minutes and q seconds: "0" m ":" q, q with a leading 0 below 10.
std::string formatCountdown(int minutes, int seconds);

inline constexpr double kDialCentre = 1260;
inline constexpr double kSecondsHandLength = 600;
inline constexpr double kPositionHandLength = 400;

// The highest price at which each town's goods are worth buying, as the price frame of the
// clock shows them.
struct TownPrices {
    std::string_view town;
    std::array<std::string_view, 3> lines;
};
inline constexpr std::array<TownPrices, 5> BuyLimitTable = {
    TownPrices{"地府", {"首饰  <= 4300  可进", "纸钱  <= 3000  可进", "夜明珠<= 8000  可进"}},
    TownPrices{"傲来", {"帽子  <= 3000  可进", "酒    <= 3500  可进", "蜡烛  <= 1800  可进"}},
    TownPrices{"北俱", {"人参  <= 7500  可进", "铜油  <= 4000  可进", "铃铛  <= 4000  可进"}},
    TownPrices{"长寿", {"面粉  <= 3000  可进", "鹿茸  <= 7000  可进", "符    <= 5000  可进"}},
    TownPrices{"长安", {"佛珠  <= 7000  可进", "扇子  <= 3800  可进", "武器  <= 4000  可进"}},
};

// Hand-set times of the time-setting dialog.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};
// Parses "H:MM:SS" or "HH:MM:SS" (00:00:00 … 23:59:59).
std::optional<TimeOfDay> parseTimeOfDay(std::string_view text);
// One step of button 0..5: hour +, hour −, minute +, minute −, second +, second −. The
// hour wraps 23 ↔ 00 and nothing carries past it.
TimeOfDay stepTime(TimeOfDay t, int button);
// The anchor file with a new stored time: fields 1, 3 and 4 as read.
std::string withStoredTime(const ClockAnchor& anchor, TimeOfDay t);

// The 30-minute incense countdown the two clock views share.
struct IncenseCountdown {
    int minutes = 0;
    int seconds = 0;
    int flashIndex = 0; // the next flash colour, 0..9
    bool counting = false;
    bool flashing = false;
};
// Label colours of the last minute, &HBBGGRR.
inline constexpr std::array<std::uint32_t, 10> IncenseFlashColours = {
    0xFF0000, 0x0000FF, 0x000000, 0xFF00FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0x0080FF, 0xFF8080, 0x80FFFF};
inline constexpr std::uint32_t kIncenseIdleColour = 0xFF0000;

// A press: the count starts or restarts from 30:00 and stops flashing.
void lightIncense(IncenseCountdown& c);
// One second; flashing starts at 01:00, the count ends one tick after 00:00.
void tickIncense(IncenseCountdown& c);
// The colour of this flash tick; the index moves on.
std::uint32_t flashIncense(IncenseCountdown& c);
// "mm:ss"
std::string incenseText(const IncenseCountdown& c);

} // namespace tradeclock
