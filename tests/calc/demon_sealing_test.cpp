#include "calc/demon_sealing.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {
using Row = std::array<std::int64_t, kDemonSealMaps>;
}

TEST(DemonSealTier, BandsOfTheFirstMap)
{
    struct Case {
        int tier, low, high; // tier on low..high (below the band) and mirrored above it
    };
    const Case cases[] = {{1, 0, 3},    {2, 4, 6},    {3, 7, 9},    {4, 10, 12},  {5, 13, 15},
                          {6, 16, 18},  {7, 19, 21},  {8, 22, 24},  {9, 25, 27},  {10, 28, 32}};
    const DemonSealMap& map = DemonSealTierTable[0];
    for (const Case& c : cases)
        for (int l = c.low; l <= c.high; ++l) {
            EXPECT_EQ(demonSealTier(map, l), c.tier) << l;
            EXPECT_EQ(demonSealTier(map, 60 - l), c.tier) << 60 - l;
        }
    for (int l = 57; l <= 155; ++l)
        EXPECT_EQ(demonSealTier(map, l), 1) << l;
}

TEST(DemonSealRewards, TableOfCases)
{
    struct Case {
        std::optional<std::int64_t> level;
        bool doubled, tripled;
        Row experience, money;
    };
    const Case cases[] = {
        {0, false, false, {600, 0, 0, 0, 0, 0, 0}, {150, 0, 0, 0, 0, 0, 0}},
        {9, true, false, {1800, 0, 0, 0, 0, 0, 0}, {450, 0, 0, 0, 0, 0, 0}},
        {9, false, true, {1800, 0, 0, 0, 0, 0, 0}, {450, 0, 0, 0, 0, 0, 0}},
        {10, false, false, {2400, 800, 1000, 1200, 1400, 1600, 1800}, {600, 200, 250, 300, 350, 400, 450}},
        {30, true, false, {12000, 11200, 8000, 2400, 2800, 3200, 3600}, {1500, 1400, 1000, 300, 350, 400, 450}},
        {90, false, true, {1800, 2400, 3000, 3600, 16800, 33600, 54000}, {150, 200, 250, 300, 1400, 2800, 4500}},
        {156, true, false, {1200, 1600, 2000, 2400, 2800, 3200, 3600}, {150, 200, 250, 300, 350, 400, 450}},
        {999, true, false, {1200, 1600, 2000, 2400, 2800, 3200, 3600}, {150, 200, 250, 300, 350, 400, 450}},
        // both ticked: "双倍" decides
        {30, true, true, {12000, 11200, 8000, 2400, 2800, 3200, 3600}, {1500, 1400, 1000, 300, 350, 400, 450}},
        {std::nullopt, true, true, {600, 0, 0, 0, 0, 0, 0}, {150, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const DemonSealRewards r = demonSealRewards(c.level, c.doubled, c.tripled);
        SCOPED_TRACE(c.level.value_or(-1));
        EXPECT_EQ(r.experience, c.experience);
        EXPECT_EQ(r.money, c.money);
    }
}

TEST(DemonSealRewards, BandEdgesOfTheThirdMap)
{
    struct Case {
        std::int64_t level;
        int tier;
    };
    const Case cases[] = {{47, 9}, {48, 10}, {52, 10}, {53, 9}, {44, 8}, {45, 9}, {23, 1}, {24, 2}, {77, 1}, {76, 2}};
    for (const Case& c : cases) {
        const DemonSealRewards r = demonSealRewards(c.level, false, false);
        EXPECT_EQ(r.experience[2], 1000 * c.tier) << c.level;
        EXPECT_EQ(r.money[2], 250 * c.tier) << c.level;
    }
}

TEST(DemonSealRewards, LevelBoxAndTicks)
{
    struct Case {
        std::optional<std::int64_t> level;
        const char* warning;
        std::optional<std::int64_t> shown;
        bool untick;
    };
    const Case cases[] = {
        {std::nullopt, "待输入项不能为空！", 0, true},
        {0, "", std::nullopt, true},
        {9, "", std::nullopt, true},
        {10, "", std::nullopt, false},
        {155, "", std::nullopt, false},
        {156, "", 155, false},
        {999, "", 155, false},
        {INT64_MAX, "", 155, false},
    };
    for (const Case& c : cases) {
        const DemonSealRewards r = demonSealRewards(c.level, true, false);
        SCOPED_TRACE(c.level.value_or(-1));
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.levelShown, c.shown);
        EXPECT_EQ(r.untickMultipliers, c.untick);
    }
}

TEST(DemonSealRewards, MoneyDoesNotDependOnTheMultiplier)
{
    for (std::int64_t level = 10; level <= 155; ++level) {
        const Row plain = demonSealRewards(level, false, false).money;
        EXPECT_EQ(demonSealRewards(level, true, false).money, plain) << level;
        EXPECT_EQ(demonSealRewards(level, false, true).money, plain) << level;
    }
}
