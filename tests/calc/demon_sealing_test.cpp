#include "calc/demon_sealing.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {
using Row = std::array<std::int64_t, kDemonSealMaps>;
}

// The tier of a map over a run of levels, read both from the tier table and from the rewards,
// which pay the map's base (experience, money) times the tier: 600 and 150 on the first map,
// 1000 and 250 on the third.
TEST(DemonSealTier, BandsOfTheFirstAndThirdMaps)
{
    struct Case {
        std::size_t map;
        std::int64_t low, high; // every level of low..high
        int tier;
    };
    const Case cases[] = {
        // First map: bands below 30 and mirrored above it, tier 1 from 57 on.
        {0, 0, 3, 1},     {0, 4, 6, 2},     {0, 7, 9, 3},     {0, 10, 12, 4},   {0, 13, 15, 5},
        {0, 16, 18, 6},   {0, 19, 21, 7},   {0, 22, 24, 8},   {0, 25, 27, 9},   {0, 28, 32, 10},
        {0, 57, 60, 1},   {0, 54, 56, 2},   {0, 51, 53, 3},   {0, 48, 50, 4},   {0, 45, 47, 5},
        {0, 42, 44, 6},   {0, 39, 41, 7},   {0, 36, 38, 8},   {0, 33, 35, 9},   {0, 61, 155, 1},
        // Third map: the edges of its bands.
        {2, 47, 47, 9},   {2, 48, 48, 10},  {2, 52, 52, 10},  {2, 53, 53, 9},   {2, 44, 44, 8},
        {2, 45, 45, 9},   {2, 23, 23, 1},   {2, 24, 24, 2},   {2, 77, 77, 1},   {2, 76, 76, 2},
    };
    const std::int64_t expBase[] = {600, 0, 1000};
    const std::int64_t moneyBase[] = {150, 0, 250};
    for (const Case& c : cases)
        for (std::int64_t l = c.low; l <= c.high; ++l) {
            SCOPED_TRACE(testing::Message() << "map " << c.map << " level " << l);
            EXPECT_EQ(demonSealTier(DemonSealTierTable[c.map], l), c.tier);
            const DemonSealRewards r = demonSealRewards(l, false, false);
            EXPECT_EQ(r.experience[c.map], expBase[c.map] * c.tier);
            EXPECT_EQ(r.money[c.map], moneyBase[c.map] * c.tier);
        }
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
