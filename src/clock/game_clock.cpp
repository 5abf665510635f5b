#include "clock/game_clock.h"

#include <cmath>
#include <vector>

namespace tradeclock {

namespace {

constexpr double kPi = 3.1415926; // as the dial has always been drawn

int mod(std::int64_t v, int m)
{
    const std::int64_t r = v % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A run of 1..maxDigits decimal digits and nothing else.
std::optional<int> digits(std::string_view s, std::size_t minDigits, std::size_t maxDigits)
{
    if (s.size() < minDigits || s.size() > maxDigits)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!isDigit(c))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Splits at every `sep`; exactly `parts` pieces or nothing.
std::optional<std::vector<std::string_view>> split(std::string_view s, char sep, std::size_t parts)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = s.find(sep, start);
        out.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            break;
        start = at + 1;
    }
    if (out.size() != parts)
        return std::nullopt;
    return out;
}

std::optional<CivilDate> parseDate(std::string_view s)
{
    const char sep = s.find('/') != std::string_view::npos ? '/' : '-';
    const auto parts = split(s, sep, 3);
    if (!parts)
        return std::nullopt;
    const auto y = digits((*parts)[0], 4, 4);
    const auto m = digits((*parts)[1], 1, 2);
    const auto d = digits((*parts)[2], 1, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const CivilDate date{*y, *m, *d};
    if (!validDate(date))
        return std::nullopt;
    return date;
}

std::string twoDigits(int v)
{
    std::string s = std::to_string(v);
    if (s.size() < 2)
        s.insert(s.begin(), '0');
    return s;
}

std::string formatDate(CivilDate d)
{
    return std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day);
}

HandEnd hand(double angle, double length)
{
    // The ends are kept in single precision, as the dial's lines hold them.
    return {static_cast<float>(kDialCentre + length * std::cos(angle)),
            static_cast<float>(kDialCentre + length * std::sin(angle))};
}

} // namespace

bool validDate(CivilDate d)
{
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int last = d.month == 2 && leap ? 29 : kDays[d.month - 1];
    return d.day <= last;
}

std::optional<std::int64_t> dayNumber(CivilDate d)
{
    if (!validDate(d))
        return std::nullopt;
    // Days from civil (Howard Hinnant's algorithm).
    const std::int64_t y = std::int64_t{d.year} - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (std::int64_t{d.month} + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int weekdayOf(CivilDate d)
{
    // 1970-01-01 was a Thursday (5).
    const std::optional<std::int64_t> n = dayNumber(d);
    return n ? mod(*n + 4, 7) + 1 : 0;
}

std::optional<TimeOfDay> parseTimeOfDay(std::string_view text)
{
    const auto parts = split(text, ':', 3);
    if (!parts)
        return std::nullopt;
    const auto h = digits((*parts)[0], 1, 2);
    const auto m = digits((*parts)[1], 2, 2);
    const auto s = digits((*parts)[2], 2, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return TimeOfDay{*h, *m, *s};
}

std::optional<ClockAnchor> parseClockAnchor(std::string_view content)
{
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        const std::size_t nl = content.find('\n');
        std::string_view line = content.substr(0, nl);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (lines.size() > 4 || nl == std::string_view::npos)
            break;
        content.remove_prefix(nl + 1);
    }
    if (lines.size() != 4)
        return std::nullopt;

    ClockAnchor a;
    for (std::size_t i = 0; i < 4; ++i)
        a.fields[i] = std::string(trimBlanks(lines[i]));

    const auto offset = digits(a.fields[0], 1, 4);
    const auto time = parseTimeOfDay(a.fields[1]);
    const auto date = parseDate(a.fields[2]);
    const auto weekday = digits(a.fields[3], 1, 1);
    if (!offset || *offset >= kGameDay || !time || !date || !weekday || *weekday < 1 || *weekday > 7)
        return std::nullopt;
    a.offset = *offset;
    a.storedSeconds = time->hour * 3600 + time->minute * 60 + time->second;
    a.storedDate = *date;
    a.storedWeekday = *weekday;
    return a;
}

std::string formatClockAnchor(const ClockAnchor& anchor)
{
    std::string out;
    for (const std::string& f : anchor.fields)
        out += f + "\r\n";
    return out;
}

std::string formatTimeOfDay(int secondsOfDay)
{
    const int s = mod(secondsOfDay, kRealDay);
    return twoDigits(s / 3600) + ":" + twoDigits(s / 60 % 60) + ":" + twoDigits(s % 60);
}

ClockAnchor synchronisedAnchor(int k, const LocalTime& now)
{
    ClockAnchor a;
    a.offset = kDoubleHour * (k < 0 ? 0 : k > 11 ? 11 : k);
    a.storedSeconds = mod(now.secondsOfDay, kRealDay);
    a.storedDate = now.date;
    a.storedWeekday = weekdayOf(now.date);
    a.fields = {std::to_string(a.offset), formatTimeOfDay(a.storedSeconds), formatDate(a.storedDate),
                std::to_string(a.storedWeekday)};
    return a;
}

StartRule maintenanceRule(const ClockAnchor& anchor, const LocalTime& now)
{
    const std::optional<std::int64_t> anchorDay = dayNumber(anchor.storedDate);
    const std::optional<std::int64_t> nowDay = dayNumber(now.date);
    if (!anchorDay || !nowDay)
        return StartRule::Maintenance; // no day to count from: synchronise again
    const std::int64_t storedDay = *anchorDay;
    const std::int64_t today = *nowDay;
    if (storedDay > today)
        return StartRule::Maintenance;
    const std::int64_t stored = storedDay * kRealDay + mod(anchor.storedSeconds, kRealDay);
    const std::int64_t current = today * kRealDay + mod(now.secondsOfDay, kRealDay);
    if (stored >= current)
        return StartRule::Start; // a same-day time set forward by hand
    // The first Tuesday 08:00:00 after the anchor.
    const int toTuesday = mod(3 - weekdayOf(anchor.storedDate), 7);
    std::int64_t maintenance = (storedDay + toTuesday) * kRealDay + 8 * 3600;
    if (maintenance <= stored)
        maintenance += 7 * static_cast<std::int64_t>(kRealDay);
    return maintenance <= current ? StartRule::Maintenance : StartRule::Start;
}

int cyclePosition(const ClockAnchor& anchor, const LocalTime& now)
{
    const int d = mod(static_cast<std::int64_t>(now.secondsOfDay) - anchor.storedSeconds, kRealDay);
    return mod(static_cast<std::int64_t>(d) + anchor.offset, kGameDay);
}

std::string formatCountdown(int minutes, int seconds)
{
    std::string out = "0";
    out += std::to_string(minutes);
    out += seconds < 10 ? ":0" : ":";
    out += std::to_string(seconds);
    return out;
}

ClockFace clockFace(int position)
{
    const int c = mod(position, kGameDay);
    ClockFace f;
    f.phase = c / kPhase;
    f.currentCaption = TradePhaseTable[static_cast<std::size_t>(f.phase)].current;
    f.nextCaption = TradePhaseTable[static_cast<std::size_t>(f.phase)].next;
    f.phaseElapsed = c % kPhase;
    const int left = (kPhase - f.phaseElapsed) % kPhase;
    f.countdown = formatCountdown(left / 60, left % 60);
    const int s = c % 60;
    f.secondsHand = hand((s / 15.0 - 0.5) * kPi, kSecondsHandLength);
    f.positionHand = hand((c / 900.0 - 0.5) * kPi, kPositionHandLength);
    return f;
}

TimeOfDay stepTime(TimeOfDay t, int button)
{
    t.hour = mod(t.hour, 24);
    t.minute = mod(t.minute, 60);
    t.second = mod(t.second, 60);
    auto hourBy = [&](int d) { t.hour = mod(t.hour + d, 24); };
    auto minuteBy = [&](int d) {
        const int m = t.minute + d;
        t.minute = mod(m, 60);
        if (m > 59)
            hourBy(1);
        else if (m < 0)
            hourBy(-1);
    };
    switch (button) {
    case 0:
        hourBy(1);
        break;
    case 1:
        hourBy(-1);
        break;
    case 2:
        minuteBy(1);
        break;
    case 3:
        minuteBy(-1);
        break;
    case 4:
    case 5: {
        const int d = button == 4 ? 1 : -1;
        const int s = t.second + d;
        t.second = mod(s, 60);
        if (s > 59 || s < 0)
            minuteBy(d);
        break;
    }
    default:
        break;
    }
    return t;
}

std::string withStoredTime(const ClockAnchor& anchor, TimeOfDay t)
{
    ClockAnchor a = anchor;
    a.fields[1] = formatTimeOfDay(mod(t.hour, 24) * 3600 + mod(t.minute, 60) * 60 + mod(t.second, 60));
    return formatClockAnchor(a);
}

void lightIncense(IncenseCountdown& c)
{
    c.minutes = 30;
    c.seconds = 0;
    c.counting = true;
    c.flashing = false;
}

void tickIncense(IncenseCountdown& c)
{
    if (!c.counting)
        return;
    if (c.seconds <= 0) {
        if (c.minutes > 0) {
            c.seconds = 59;
            --c.minutes;
        } else {
            c = IncenseCountdown{0, 0, c.flashIndex, false, false};
        }
    } else {
        --c.seconds;
    }
    if (c.minutes == 1 && c.seconds == 0)
        c.flashing = true;
}

std::uint32_t flashIncense(IncenseCountdown& c)
{
    const int i = mod(c.flashIndex, 10);
    c.flashIndex = (i + 1) % 10;
    return IncenseFlashColours[static_cast<std::size_t>(i)];
}

std::string incenseText(const IncenseCountdown& c) { return twoDigits(c.minutes) + ":" + twoDigits(c.seconds); }

} // namespace tradeclock
