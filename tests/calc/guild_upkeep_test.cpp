#include "calc/guild_upkeep.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(GuildUpkeep, HourlyAndFund)
{
    // The fund is two days of upkeep: 48 hours of the hourly figure, multiplied out by hand.
    struct Case {
        int level;
        BuildingCounts counts;
        std::int64_t hourly, fund;
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0, 0, 0}, 15200, 729600},
        {1, {0, 0, 0, 0, 0, 0}, 25200, 1209600},
        {2, {0, 0, 0, 0, 0, 0}, 35200, 1689600},
        {5, {0, 0, 0, 0, 0, 0}, 65200, 3129600},
        {1, {1, 0, 0, 0, 0, 0}, 25200 + 1170, 1265760},
        {3, {2, 1, 1, 1, 1, 1}, 45200 + (1170 + 1521) + 1950 + 780 + 1170 + 1170 + 1170, 2598288},
        {5, {20, 20, 20, 20, 20, 20}, 974169, 46760112},
    };
    for (const Case& c : cases) {
        const GuildUpkeep u = guildUpkeep(c.level, c.counts);
        EXPECT_EQ(u.hourly, c.hourly) << c.level;
        EXPECT_EQ(u.fund, c.fund) << c.level;
    }
}

TEST(GuildUpkeep, SingleBuildingsAreRoundedAfterTheirFactor)
{
    struct Case {
        int kind, count;
        std::int64_t sum;
    };
    const Case cases[] = {
        {1, 0, 0}, {1, 1, 1170}, {1, 2, 1170 + 1521}, {3, 1, 780}, {2, 1, 1950}, {2, 2, 1950 + 2535},
        // Every kind's factor: 厢房 and 仓库 0.6 like 金库 and 兽室, 药房 0.4.
        {3, 2, 780 + 1014}, {4, 1, 1170}, {5, 1, 1170}, {5, 3, 1170 + 1521 + 1977}, {6, 1, 1170}, {6, 2, 1170 + 1521},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildingUpkeep(c.kind, c.count), c.sum) << c.kind << "/" << c.count;
    // The table drops at the twelfth building: 13525 × 0.6 = 8115 after 23315 × 0.6 = 13989.
    EXPECT_EQ(buildingUpkeep(4, 12) - buildingUpkeep(4, 11), 8115);
    EXPECT_EQ(buildingUpkeep(4, 11) - buildingUpkeep(4, 10), 13989);
}

TEST(GuildUpkeep, VaultRewardCap)
{
    struct Case {
        int level, vaults;
        std::int64_t cap;
    };
    const Case cases[] = {
        {1, 0, 500},   {1, 4, 500},   {2, 0, 1000},  {2, 8, 1000},  {3, 0, 1000},  {3, 1, 1080},  {3, 2, 1160},
        {3, 3, 1320},  {3, 8, 2120},  {4, 9, 2360},  {4, 10, 2520}, {4, 11, 2760}, {4, 12, 3000}, {4, 13, 3240},
        {4, 14, 3400}, {5, 20, 4840},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vaultRewardCap(c.level, c.vaults), c.cap) << c.level << "/" << c.vaults;
}

TEST(GuildUpkeep, Tooltips)
{
    struct Case {
        int level;
        BuildingCounts counts;
        std::size_t label;
        const char* tooltip;
    };
    const Case cases[] = {
        {1, {0, 0, 0, 0, 0, 0}, 0, "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是500万两."},
        {2, {0, 0, 0, 0, 0, 0}, 0, "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是1000万两."},
        {3, {2, 1, 1, 1, 1, 1}, 0, "2个金库可容纳资金上限是4000万两,商人跑商有额外奖励的资金上限是1160万两."},
        {0, {0, 0, 0, 0, 0, 0}, 0, ""},
        {0, {3, 0, 0, 0, 0, 0}, 0, ""},
        {0, {0, 0, 0, 0, 0, 0}, 1, "0个书院,每小时正常维护时辅助技能可增加2000点经验."},
        {2, {0, 3, 0, 0, 0, 0}, 1, "3个书院,每小时正常维护时辅助技能可增加3500点经验."},
        {2, {0, 0, 4, 0, 0, 0}, 2, "4个药房,每小时正常维护时每种药的刷新数量是30个."},
        {1, {0, 0, 0, 2, 0, 0}, 3, "2个兽室,每小时正常维护时守护兽训练度是5000点,守护兽可增加经验2500点."},
        {4, {0, 0, 0, 0, 15, 0}, 4, "15个厢房,可容纳帮众上限为190人."},
        {4, {0, 0, 0, 0, 16, 0}, 4, "16个厢房,可容纳帮众上限为200人."},
        {5, {0, 0, 0, 0, 17, 0}, 4, "17个厢房,可容纳帮众上限为200人."},
        {5, {0, 0, 0, 0, 20, 0}, 4, "20个厢房,可容纳帮众上限为200人."},
        {1, {0, 0, 0, 0, 0, 3}, 5, "3个仓库,最大资材量为450,每小时正常维护刷资材量为125."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(guildUpkeep(c.level, c.counts).tooltips[c.label], c.tooltip) << c.level << "/" << c.label;
}
