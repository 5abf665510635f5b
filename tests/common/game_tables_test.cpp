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

namespace {

// Each element weighted by its position (n + 1): a sum that changes when two unequal
// elements trade places.
template <typename T, std::size_t N>
std::int64_t weightedSum(const std::array<T, N>& table, std::size_t offset = 0, std::size_t count = N)
{
    std::int64_t sum = 0;
    for (std::size_t n = 0; n < count; ++n)
        sum += static_cast<std::int64_t>(n + 1) * table[offset + n];
    return sum;
}

template <typename T, std::size_t N>
bool risesThroughout(const std::array<T, N>& table, std::size_t offset = 0, std::size_t count = N)
{
    for (std::size_t n = 1; n < count; ++n)
        if (!(table[offset + n - 1] < table[offset + n]))
            return false;
    return true;
}

} // namespace

TEST(GameTables, EveryElementInItsPlace)
{
    // The position-weighted sums of the published lists, worked out outside the program.
    EXPECT_EQ(weightedSum(CharLevelExpTable), 172105246346);
    EXPECT_EQ(weightedSum(SectSkillCostTable, 0, kSectSkillSteps), 27559520136);
    EXPECT_EQ(weightedSum(SectSkillCostTable, kSectSkillSteps, kSectSkillSteps), 10334904826);
    EXPECT_EQ(weightedSum(GuildBuildingUpkeepTable), 3256758);
    // The published character and sect-skill lists rise at every step.
    EXPECT_TRUE(risesThroughout(CharLevelExpTable));
    EXPECT_TRUE(risesThroughout(SectSkillCostTable, 0, kSectSkillSteps));
    EXPECT_TRUE(risesThroughout(SectSkillCostTable, kSectSkillSteps, kSectSkillSteps));
    // The two formula tables, element by element.
    for (int n = 0; n < kCultivationSteps; ++n)
        EXPECT_EQ(CultivationExpTable[static_cast<std::size_t>(n)], 10 * n * n + 50 * n + 150) << n;
    for (int n = 0; n < kNpcSkillSteps; ++n)
        EXPECT_EQ(NpcSkillPopularityTable[static_cast<std::size_t>(n)], (n + 1) / 5 + 1) << n;
    // A few single elements beside those above.
    EXPECT_EQ(GuildBuildingUpkeepTable[2], 2535);
    EXPECT_EQ(GuildBuildingUpkeepTable[13], 13867);
    EXPECT_EQ(CharLevelExpTable[1], 110);
    EXPECT_EQ(CharLevelExpTable[99], 4803599);
    EXPECT_EQ(CharLevelExpTable[100], 4998571);
    EXPECT_EQ(sectSkillExp(1), 32);
    EXPECT_EQ(sectSkillMoney(1), 12);
}
