#include "calc/potential_fruit.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(PotentialFruit, Table)
{
    struct Case {
        std::size_t fruit;
        std::int64_t exp;
    };
    const Case cases[] = {{0, 0}, {1, 1000}, {2, 1015}, {5, 1060}, {100, 2485}};
    for (const Case& c : cases)
        EXPECT_EQ(PotentialFruitExp[c.fruit], c.exp) << c.fruit;
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
