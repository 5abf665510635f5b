// The shared number and table helpers over the whole range of their parameter types:
// type edges, zero, negatives and ±1 around the table ends. Under the sanitizers an
// overflow or a read past a table aborts.

#include "../support/edges.h"
#include "common/game_tables.h"
#include "common/numbers.h"
#include "common/valitext.h"

#include <gtest/gtest.h>

#include <limits>

using namespace common;

namespace {
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
} // namespace

TEST(CommonTotality, Numbers)
{
    for (const std::string& text : test::edgeTexts()) {
        const ReadNumber n = readLeadingNumber(text);
        if (!n.valid) {
            EXPECT_EQ(n.value, 0.0) << text;
        }
        readWholeNumber(text);
        formatNumber(n.value);
    }
    const std::vector<std::int64_t> edges = test::edgeValues64();
    for (const std::int64_t a : edges) {
        EXPECT_FALSE(formatNumber(a).empty());
        roundHalfEven(static_cast<double>(a));
        for (const std::int64_t b : edges) {
            const std::int64_t lo = std::min(a, b), hi = std::max(a, b);
            for (const std::int64_t v : {kMin, std::int64_t{0}, kMax}) {
                const std::int64_t c = clampWhole(v, lo, hi);
                EXPECT_GE(c, lo);
                EXPECT_LE(c, hi);
            }
            // The saturating helpers agree with exact arithmetic in 128 bits, stopped at the bounds.
            const __int128 sum = static_cast<__int128>(a) + b;
            const __int128 product = static_cast<__int128>(a) * b;
            auto bound = [](__int128 x) { return static_cast<std::int64_t>(x < kMin ? kMin : x > kMax ? kMax : x); };
            EXPECT_EQ(saturatingAdd(a, b), bound(sum)) << a << " + " << b;
            EXPECT_EQ(saturatingMul(a, b), bound(product)) << a << " * " << b;
        }
    }
    for (const int decimals : test::edgeValues32())
        for (const double v : {0.0, -0.5, 49.325, 1e308, -1e308, 5e-324}) {
            const std::string s = formatFixed(v, decimals);
            EXPECT_FALSE(s.empty());
            EXPECT_LT(s.size(), 1000u) << decimals;
        }
    // Past the last digit a double can have, more decimals only add zeros.
    EXPECT_EQ(formatFixed(0.5, std::numeric_limits<int>::max()).substr(0, 6), "0.5000");
    EXPECT_EQ(formatFixed(0.5, std::numeric_limits<int>::max()).size(), 342u); // "0." and 340 decimals
}

TEST(CommonTotality, Tables)
{
    for (const int step : test::edgeValues32()) {
        EXPECT_GE(sectSkillExp(step), 0) << step;
        EXPECT_GE(sectSkillMoney(step), 0) << step;
        for (const int to : test::edgeValues32()) {
            EXPECT_GE(sumCharLevelExp(step, to), 0);
            EXPECT_GE(rangeSum(CultivationExpTable, step, to), 0);
        }
    }
    // Outside the 160 steps there is no cost: 0.
    EXPECT_EQ(sectSkillExp(-1), 0);
    EXPECT_EQ(sectSkillExp(kSectSkillSteps), 0);
    EXPECT_EQ(sectSkillMoney(kSectSkillSteps), 0);
    EXPECT_EQ(sectSkillMoney(-kSectSkillSteps), 0);
}

TEST(CommonTotality, KeyFilter)
{
    for (const std::int64_t k : test::edgeValues64()) {
        const auto key = static_cast<char32_t>(static_cast<std::uint32_t>(k));
        for (const std::u32string_view list : {kDigits, kDigitsAndPoint, kHexDigits, std::u32string_view{}})
            for (const bool editable : {false, true})
                valitext(key, list, editable);
    }
    const std::u32string text = U"1x2y3z\U0010FFFF\U00000000";
    for (const std::size_t max : {std::size_t{0}, std::size_t{1}, std::size_t{3}, std::numeric_limits<std::size_t>::max()})
        EXPECT_LE(filterAllowed(text, kDigits, max).size(), 3u);
}
