#include "beasts/child_calculator.h"

#include "beasts/growth.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace beasts {

namespace {

constexpr std::int64_t kLevelLimit = 1'000'000'000;

double number(std::string_view text)
{
    const common::ReadNumber n = common::readLeadingNumber(text);
    return n.valid ? n.value : 0.0;
}

std::int64_t level(std::string_view text)
{
    return common::clampWhole(common::readWholeNumber(text), -kLevelLimit, kLevelLimit);
}

// A share in whole tenths: the boxes hold at most one digit after the point.
std::int64_t tenths(std::string_view text)
{
    const double v = number(text) * 10;
    if (!(v > -1e12 && v < 1e12))
        return 0;
    return static_cast<std::int64_t>(std::llround(v));
}

// A point anywhere but second: first, or third and later.
bool misplacedPoint(std::string_view text)
{
    return text.front() == '.' || (text.size() > 2 && text.find('.', 2) != std::string_view::npos);
}

std::array<std::int64_t, kPointKinds> evenSpread(std::int64_t L)
{
    std::array<std::int64_t, kPointKinds> p{};
    p.fill(L + L + 20);
    return p;
}

} // namespace

int nextPortrait(int index, int button)
{
    const int n = static_cast<int>(kChildPortraits.size());
    index = ((index % n) + n) % n;
    if (button == 1)
        return (index + 1) % n;
    if (button == 2)
        return (index + n - 1) % n;
    return index;
}

BoxCheck checkChildGrowthBox(std::string_view text)
{
    BoxCheck c;
    if (text.empty())
        return c;
    c.undo = misplacedPoint(text) || number(text) >= 2;
    c.tooltip = "旧的成长为:" + common::formatFixed(number(text) / GrowthScaleDivisor, 3);
    return c;
}

BoxCheck checkShareBox(std::string_view text)
{
    BoxCheck c;
    c.undo = !text.empty() && misplacedPoint(text);
    return c;
}

std::string shareTooltip(const std::array<std::string, 5>& shares)
{
    std::int64_t sum = 0; // in tenths, so 0.1 + 4.2 + 0.7 is exactly 5
    for (const std::string& s : shares)
        sum += tenths(s);
    const std::int64_t left = sum <= 50 ? 50 - sum : 1000 - sum;
    return "剩余" + common::formatNumber(static_cast<double>(left) / 10);
}

AttributeValues ChildCalculator::compute(const ChildFigures& f, const std::array<std::int64_t, kPointKinds>& points) const
{
    AttributeInputs in;
    in.level = number(f.level);
    in.aptAttack = number(f.aptitudes[0]);
    in.aptDefense = number(f.aptitudes[1]);
    in.aptHealth = number(f.aptitudes[2]);
    in.aptMana = number(f.aptitudes[3]);
    in.aptSpeed = number(f.aptitudes[4]);
    for (std::size_t i = 0; i < points.size(); ++i)
        in.points[i] = static_cast<double>(points[i]);
    in.growth = static_cast<double>(m_growth);
    return childAttributes(in);
}

ChildOutcome ChildCalculator::confirm(const ChildFigures& f, std::string_view growth)
{
    ChildOutcome r;
    if (f.level.empty() || growth.empty() ||
        std::any_of(f.aptitudes.begin(), f.aptitudes.end(), [](const std::string& s) { return s.empty(); })) {
        r.warning = kMsgChildEmpty;
        return r;
    }
    const std::int64_t L = level(f.level);
    if (L > kChildMaxLevel) {
        r.warning = kMsgChildLevel;
        return r;
    }
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    m_growth = static_cast<float>(std::clamp(number(growth), -kFloatMax, kFloatMax));
    r.growthText = common::formatFixed(m_growth, 3);
    r.points = evenSpread(L);
    r.results = compute(f, r.points);
    r.changed = true;
    return r;
}

ChildOutcome ChildCalculator::split(const ChildFigures& f, const std::array<std::string, 5>& shares) const
{
    ChildOutcome r;
    if (std::any_of(shares.begin(), shares.end(), [](const std::string& s) { return s.empty(); })) {
        r.warning = kMsgShareEmpty;
        return r;
    }
    std::array<std::int64_t, kPointKinds> s{};
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = tenths(shares[i]);
        sum += s[i];
    }
    if (sum == 0)
        return r;
    if (sum != 1000 && sum != 50) {
        r.warning = kMsgShareSum;
        return r;
    }
    // Exact whole points: 5·L·share / sum, floored; the rest goes to 体质.
    // Worked in 128 bits: huge shares that cancel out (1e11 and -1e11) still sum right;
    // points past the 64-bit range stop at its bounds.
    const std::int64_t L = level(f.level);
    std::array<__int128, kPointKinds> points{};
    __int128 given = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const __int128 num = __int128{5} * L * s[i];
        __int128 portion = num / sum;
        if (num % sum != 0 && num < 0)
            --portion;
        points[i] = portion;
        given += portion;
    }
    points[0] += __int128{5} * L - given;
    for (std::size_t i = 0; i < points.size(); ++i)
        r.points[i] = static_cast<std::int64_t>(
            std::clamp<__int128>(points[i] + L + 20, std::numeric_limits<std::int64_t>::min(),
                                 std::numeric_limits<std::int64_t>::max()));
    r.results = compute(f, r.points);
    r.changed = true;
    return r;
}

ChildOutcome ChildCalculator::levelStep(const ChildFigures& f, int direction) const
{
    ChildOutcome r;
    const std::int64_t L = level(f.level);
    if ((direction > 0 && L >= kChildMaxLevel) || (direction < 0 && L <= 0) || direction == 0)
        return r;
    // A level outside 0 … 160 steps to the nearest end of that range.
    const std::int64_t next = std::clamp<std::int64_t>(L + (direction > 0 ? 1 : -1), 0, kChildMaxLevel);
    ChildFigures stepped = f;
    stepped.level = std::to_string(next);
    r.levelText = stepped.level;
    r.points = evenSpread(next);
    r.results = compute(stepped, r.points);
    r.changed = true;
    return r;
}

} // namespace beasts
