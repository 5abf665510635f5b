#include "calc/guild_research.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(GuildResearchExpTable, FollowsItsFormula)
{
    struct Case {
        int k;
        std::int32_t exp;
    };
    const Case cases[] = {{0, 0}, {9, 0}, {10, 2936}, {11, 3304}, {99, 161000}, {100, 490648}, {101, 500392}, {149, 1081000}};
    for (const Case& c : cases)
        EXPECT_EQ(GuildResearchExpTable[static_cast<std::size_t>(c.k)], c.exp) << c.k;
}

TEST(GuildResearch, TableOfCases)
{
    using O = std::optional<std::int64_t>;
    struct Case {
        O c, t, e, n;
        std::string_view warning;
        std::int64_t needed, days;
    };
    const Case cases[] = {
        {10, 11, 0, 0, "", 2936, 1},
        {10, 150, 0, 20, "", 43847840, 153},
        // The days follow the experience still needed: 141000 / 48000 → 3.
        {99, 100, 20000, 0, "", 141000, 3},
        {100, 101, 0, 0, "", 490648, 11},
        {10, 11, 2936, 0, kMsgResearchGathered, 0, 0},
        {10, 11, 2935, 0, "", 1, 1},
        {10, 10, 0, 0, "", 0, 0},
        {10, 10, 2000, 5, "", 0, 0},
        {149, 149, 0, 0, "", 0, 0},
        {149, 150, 0, 20, "", 1081000, 4},
        {9, 20, 0, 0, kMsgResearchLevelRange, 0, 0},
        {150, 150, 0, 0, kMsgResearchLevelRange, 0, 0},
        {20, 19, 0, 0, kMsgResearchAboveTarget, 0, 0},
        {20, 151, 0, 0, kMsgResearchTargetCap, 0, 0},
        {10, 150, 0, 21, kMsgResearchAcademies, 0, 0},
        // Steps 10..149 need 43847840 in all: the sum of 16k² + 32k + 1016 over k = 10..99
        // plus 3·(16k² + 32k + 1016) − 2000 over k = 100..149, summed outside the program.
        // Without an academy a day gathers 48000: 913.5 days, so 914.
        {10, 150, 0, 0, "", 43847840, 914},
        {std::nullopt, 20, 0, 0, kMsgResearchEmpty, 0, 0},
        {10, std::nullopt, 0, 0, kMsgResearchEmpty, 0, 0},
        {10, 20, std::nullopt, 0, kMsgResearchEmpty, 0, 0},
        {10, 20, 0, std::nullopt, kMsgResearchEmpty, 0, 0},
        // The first failing test speaks.
        {9, 151, 99999, 99, kMsgResearchLevelRange, 0, 0},
        {20, 151, 99999, 99, kMsgResearchTargetCap, 0, 0},
        {20, 30, 99999, 99, kMsgResearchGathered, 0, 0},
    };
    for (const Case& c : cases) {
        const GuildResearchResult r = guildResearch(c.c, c.t, c.e, c.n);
        EXPECT_EQ(r.warning, c.warning) << c.c.value_or(-1) << "→" << c.t.value_or(-1);
        EXPECT_EQ(r.needed, c.needed);
        EXPECT_EQ(r.days, c.days);
    }
}

TEST(GuildResearch, ExactMultipleOfTheDailyGainAddsNoDay)
{
    // 100 → 101 needs 490648; with 10648 gathered, 480000 are left: ten days of 48000.
    const GuildResearchResult exact = guildResearch(100, 101, 10648, 0);
    EXPECT_EQ(exact.needed, 480000);
    EXPECT_EQ(exact.days, 10);
    const GuildResearchResult over = guildResearch(100, 101, 10647, 0);
    EXPECT_EQ(over.days, 11);
}
