#include "calc/forging.h"
#include "calc/gems.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(GemCosts, TableOfCases)
{
    struct Case {
        int level;
        std::int64_t price, mergeGems, mergeCost, forgeGems, forgeCost;
    };
    const Case cases[] = {
        {1, 100, 1, 100, 1, 100},
        {3, 100, 4, 400, 7, 700},
        {2, 0, 2, 0, 3, 0},
        {20, 999999, 524288, 524288LL * 999999, 1048575, 1048575LL * 999999},
        {20, 12, 524288, 6291456, 1048575, 12582900},
    };
    for (const Case& c : cases) {
        const GemCosts g = gemCosts(c.level, c.price);
        EXPECT_EQ(g.mergeGems, c.mergeGems) << c.level;
        EXPECT_EQ(g.mergeCost, c.mergeCost) << c.level;
        EXPECT_EQ(g.forgeGems, c.forgeGems) << c.level;
        EXPECT_EQ(g.forgeCost, c.forgeCost) << c.level;
    }
    EXPECT_EQ(gemCosts(20, 999999).forgeCost, 1048573951425LL);
}

TEST(ForgingNeeds, TableOfCases)
{
    struct Case {
        int level;
        std::int64_t proficiency, stamina, money, stones;
    };
    const Case cases[] = {
        {10, 0, 50, 1000, 1},    {30, 0, 90, 3000, 2},        {40, 160, 110, 4000, 3},
        {100, 1000, 230, 10000, 20}, {110, 1210, 250, 11000, 24}, {120, 1440, 270, 12000, 30},
        {130, 1690, 290, 13000, 30}, {140, 1960, 310, 14000, 30}, {150, 2250, 330, 15000, 30},
    };
    for (const Case& c : cases) {
        const auto pos = std::find(kForgeLevels.begin(), kForgeLevels.end(), c.level) - kForgeLevels.begin();
        const ForgeNeeds f = forgingNeeds(static_cast<int>(pos));
        EXPECT_EQ(f.proficiency, c.proficiency) << c.level;
        EXPECT_EQ(f.stamina, c.stamina) << c.level;
        EXPECT_EQ(f.money, c.money) << c.level;
        EXPECT_EQ(f.stones, c.stones) << c.level;
    }
}

// The strengthening stones of every list position, the published row in order.
TEST(ForgingNeeds, StonesByListPosition)
{
    const std::int64_t stones[] = {1, 1, 2, 3, 5, 6, 9, 12, 16, 20, 24, 30, 30, 30, 30};
    for (int pos = 0; pos < 15; ++pos)
        EXPECT_EQ(forgingNeeds(pos).stones, stones[pos]) << (pos + 1) * 10;
}
