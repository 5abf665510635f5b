#include "calc/money_limit.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(MoneyLimit, TableOfCases)
{
    struct Case {
        LevelInput level;
        const char* warning;
        std::int64_t limit;
    };
    const Case cases[] = {
        {0, "", 10000},
        {1, "", 12000},
        {10, "", 210000},
        {2, "", 18000},
        {50, "", 5010000},
        {98, "", 19218000},
        {99, "", 19612000}, // just below the flat amount
        {100, "", 20000000},
        {155, "", 20000000},
        {156, "角色等级最高为155级！", 0},
        {999, "角色等级最高为155级！", 0},
        {std::nullopt, "待输入项不能为空！", 0},
    };
    for (const Case& c : cases) {
        const MoneyLimitResult r = moneyLimit(c.level);
        EXPECT_EQ(r.warning, c.warning) << c.level.value_or(-1);
        EXPECT_EQ(r.limit, c.limit) << c.level.value_or(-1);
    }
}
