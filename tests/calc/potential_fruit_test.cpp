#include "calc/potential_fruit.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(PotentialFruit, Table)
{
    EXPECT_EQ(PotentialFruitExp[0], 0);
    EXPECT_EQ(PotentialFruitExp[1], 1000);
    EXPECT_EQ(PotentialFruitExp[2], 1015);
    EXPECT_EQ(PotentialFruitExp[5], 1060);
    EXPECT_EQ(PotentialFruitExp[100], 2485);
}

TEST(PotentialFruit, RangeTableOfCases)
{
    struct Case {
        LevelInput a, b;
        const char* warning;
        std::int64_t amount;
    };
    const Case cases[] = {
        {0, 10, "", 10 * 985 + 15 * 55},
        {0, 100, "", 174250},
        {5, 10, "", 5525},
        {0, 1, "", 1000},
        {99, 100, "", 2485},
        {10, 10, "", 0},
        {100, 100, "", 0},
        {10, 5, "前一个数不能大于后一个数", 0},
        {101, 5, "待输入项不能大于100", 0},
        {0, 101, "待输入项不能大于100", 0},
        {std::nullopt, 5, "待输入项不能为空", 0},
        {999, std::nullopt, "待输入项不能为空", 0},
    };
    for (const Case& c : cases) {
        const FruitRangeResult r = fruitRangeExperience(c.a, c.b);
        EXPECT_EQ(r.warning, c.warning) << c.a.value_or(-1) << "," << c.b.value_or(-1);
        EXPECT_EQ(r.amount, c.amount) << c.a.value_or(-1) << "," << c.b.value_or(-1);
    }
}
