#include "calc/experience.h"

#include "common/game_tables.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(FormatWanYi, SplitsIntoYiAndWan)
{
    struct Case {
        std::int64_t v;
        const char* text;
    };
    const Case cases[] = {
        {0, "是0点经验"},
        {40, "是40点经验"},
        {9999, "是9999点经验"},
        {10000, "是1万0点经验"},
        {20236, "是2万236点经验"},
        {21225998, "是2122万5998点经验"},
        {99999999, "是9999万9999点经验"},
        {100000000, "是1亿0万0点经验"},
        {999999999, "是9亿9999万9999点经验"},
        {9999999999, "是99亿9999万9999点经验"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatWanYi(c.v, "是", "点经验"), c.text) << c.v;
    EXPECT_EQ(formatWanYi(50, "是", "点经验", "0050"), "是0050点经验");
    EXPECT_EQ(formatWanYi(0, "是", "点经验", ""), "是点经验");
    EXPECT_EQ(formatWanYi(1215900, "", "两"), "121万5900两");
}

TEST(LevelToExperience, TableOfCases)
{
    struct Case {
        LevelInput from, to;
        const char* warning;
        std::int64_t amount;
        const char* tooltip;
    };
    const std::int64_t all = common::sumCharLevelExp(0, 155);
    const Case cases[] = {
        {0, 1, "", 40, "是40点经验"},
        {15, 16, "", 20236, "是2万236点经验"},
        {144, 145, "", 21225998, "是2122万5998点经验"},
        {10, 5, "", 0, "是0点经验"},
        {7, 7, "", 0, "是0点经验"},
        {155, 155, "", 0, "是0点经验"},
        {156, 10, "角色等级上限是155级！", 0, "是0点经验"},
        {10, 156, "角色等级上限是155级！", 0, "是0点经验"},
        {std::nullopt, 5, "待输入项均不能为空！", 0, "是0点经验"},
        {5, std::nullopt, "待输入项均不能为空！", 0, "是0点经验"},
        {std::nullopt, 999, "待输入项均不能为空！", 0, "是0点经验"},
    };
    for (const Case& c : cases) {
        const LevelToExpResult r = levelToExperience(c.from, c.to);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.amount, c.amount);
        EXPECT_EQ(r.tooltip, c.tooltip);
    }
    const LevelToExpResult full = levelToExperience(0, 155);
    EXPECT_EQ(full.amount, all);
    EXPECT_EQ(full.tooltip, "是12亿7578万4934点经验");
}

TEST(ExperienceToLevel, TableOfCases)
{
    struct Case {
        const char* exp;
        LevelInput level;
        const char* warning;
        std::int64_t reached, left;
    };
    const Case cases[] = {
        {"40", 0, "", 1, 0},
        {"39", 0, "", 0, 39},
        {"150", 0, "", 2, 0},
        {"999999999", 0, "", 151, 999999999 - common::sumCharLevelExp(0, 151)},
        {"123456789", 0, "", 100, 123456789 - common::sumCharLevelExp(0, 100)},
        {"500", 155, "", 155, 500},
        {"0", 154, "", 154, 0},
        {"999999999", 154, "", 155, 999999999 - 83142834},
        {"100", 156, "角色等级上限是155级！", 0, 0},
        {"", 10, "待输入项均不能为空！", 0, 0},
        {"100", std::nullopt, "待输入项均不能为空！", 0, 0},
    };
    for (const Case& c : cases) {
        const ExpToLevelResult r = experienceToLevel(c.exp, c.level);
        EXPECT_EQ(r.warning, c.warning) << c.exp;
        EXPECT_EQ(r.level, c.reached) << c.exp;
        EXPECT_EQ(r.remaining, c.left) << c.exp;
    }
    EXPECT_EQ(experienceToLevel("999999999", 0).inputTooltip, "是9亿9999万9999点经验");
    EXPECT_EQ(experienceToLevel("0050", 0).inputTooltip, "是0050点经验");
    EXPECT_EQ(experienceToLevel("", 3).inputTooltip, "是点经验");
    const ExpToLevelResult capped = experienceToLevel("1234", 156);
    EXPECT_EQ(capped.inputTooltip, "是1234点经验");
    EXPECT_EQ(capped.remainingTooltip, "是0点经验");
}
