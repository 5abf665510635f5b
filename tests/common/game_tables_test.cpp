#include "common/game_tables.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace common;

TEST(GameTables, CharacterLevelSteps)
{
    struct Step {
        std::size_t n;
        std::int32_t exp;
    };
    const Step steps[] = {{0, 40},         {15, 20236},       {144, 21225998}, {145, 43635044},
                          {149, 48616200}, {150, 74888150}, {154, 83142834}};
    for (const Step& s : steps)
        EXPECT_EQ(CharLevelExpTable[s.n], s.exp) << s.n;

    struct Range {
        int from, to;
        std::int64_t sum;
    };
    const Range ranges[] = {
        {0, 155, 1275784934}, // every step, added up outside the program
        {10, 5, 0},
        {0, 1, 40},
    };
    for (const Range& r : ranges)
        EXPECT_EQ(sumCharLevelExp(r.from, r.to), r.sum) << r.from << "→" << r.to;
}

TEST(GameTables, SectSkillColumns)
{
    struct Step {
        int n;
        std::int32_t exp, money;
    };
    const Step steps[] = {
        {0, 16, 6},
        {149, 3242400, 1215900},
        {150, 6652022, 2494508},
        {154, 7353406, 2757527},
        {155, 11305620, 4239607},
        {159, 12459518, 4672319},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(sectSkillExp(s.n), s.exp) << s.n;
        EXPECT_EQ(sectSkillMoney(s.n), s.money) << s.n;
    }
    // Both columns added up outside the program.
    std::int64_t exp = 0, money = 0;
    for (int n = 0; n < kSectSkillSteps; ++n) {
        exp += sectSkillExp(n);
        money += sectSkillMoney(n);
    }
    EXPECT_EQ(exp, 197439611);
    EXPECT_EQ(money, 74040583);
}

TEST(GameTables, FormulaTables)
{
    EXPECT_EQ(CultivationExpTable[0], 150);
    EXPECT_EQ(CultivationExpTable[1], 210);
    EXPECT_EQ(CultivationExpTable[2], 290);
    EXPECT_EQ(CultivationExpTable[24], 7110);
    const int popularity[] = {1, 1, 1, 1, 2, 2, 2, 2, 2, 3};
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(NpcSkillPopularityTable[static_cast<std::size_t>(n)], popularity[n]) << n;
    EXPECT_EQ(NpcSkillPopularityTable[34], 8);
    EXPECT_EQ(NpcSkillPopularityTable[38], 8);
    EXPECT_EQ(NpcSkillPopularityTable[39], 9);
}

TEST(GameTables, GuildUpkeepIsNotMonotonic)
{
    EXPECT_EQ(GuildBuildingUpkeepTable[0], 0);
    EXPECT_EQ(GuildBuildingUpkeepTable[1], 1950);
    EXPECT_EQ(GuildBuildingUpkeepTable[11], 23315);
    EXPECT_EQ(GuildBuildingUpkeepTable[12], 13525);
    EXPECT_EQ(GuildBuildingUpkeepTable[20], 15869);
}
