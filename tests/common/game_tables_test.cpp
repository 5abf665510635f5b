#include "common/game_tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

using namespace common;

TEST(GameTables, CharacterLevelSteps)
{
    EXPECT_EQ(CharLevelExpTable[0], 40);
    EXPECT_EQ(CharLevelExpTable[15], 20236);
    EXPECT_EQ(CharLevelExpTable[144], 21225998);
    EXPECT_EQ(CharLevelExpTable[145], 43635044);
    EXPECT_EQ(CharLevelExpTable[149], 48616200);
    EXPECT_EQ(CharLevelExpTable[150], 74888150);
    EXPECT_EQ(CharLevelExpTable[154], 83142834);
    const std::int64_t total = sumCharLevelExp(0, 155);
    EXPECT_EQ(total, 1275784934);
    EXPECT_LT(total, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(sumCharLevelExp(10, 5), 0);
    EXPECT_EQ(sumCharLevelExp(0, 1), 40);
}

TEST(GameTables, SectSkillColumns)
{
    EXPECT_EQ(sectSkillExp(0), 16);
    EXPECT_EQ(sectSkillExp(149), 3242400);
    EXPECT_EQ(sectSkillExp(150), 6652022);
    EXPECT_EQ(sectSkillExp(154), 7353406);
    EXPECT_EQ(sectSkillExp(155), 11305620);
    EXPECT_EQ(sectSkillExp(159), 12459518);
    EXPECT_EQ(sectSkillMoney(0), 6);
    EXPECT_EQ(sectSkillMoney(149), 1215900);
    EXPECT_EQ(sectSkillMoney(150), 2494508);
    EXPECT_EQ(sectSkillMoney(154), 2757527);
    EXPECT_EQ(sectSkillMoney(155), 4239607);
    EXPECT_EQ(sectSkillMoney(159), 4672319);
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
