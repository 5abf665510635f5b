#include "calc/experience.h"

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
    const Case cases[] = {
        {0, 1, "", 40, "是40点经验"},
        {15, 16, "", 20236, "是2万236点经验"},
        {144, 145, "", 21225998, "是2122万5998点经验"},
        {10, 5, "", 0, "是0点经验"},
        {7, 7, "", 0, "是0点经验"},
        {155, 155, "", 0, "是0点经验"},
        // Every step of the level table, 40 + 110 + ... + 83142834, added up outside the program.
        {0, 155, "", 1275784934, "是12亿7578万4934点经验"},
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
        // Levels 0..150 take 955797899 in all (the table's steps added up outside the program),
        // so 999999999 reaches 151 with 44202100 left over.
        {"999999999", 0, "", 151, 44202100},
        // Levels 0..99 take 122593634: 863155 is left over at 100.
        {"123456789", 0, "", 100, 863155},
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
}

TEST(ExperienceToLevel, Tooltips)
{
    struct Case {
        const char* exp;
        LevelInput level;
        const char* input;
        const char* remaining; // nullptr: not checked
    };
    const Case cases[] = {
        {"999999999", 0, "是9亿9999万9999点经验", "是4420万2100点经验"},
        {"0050", 0, "是0050点经验", nullptr},
        {"", 3, "是点经验", nullptr},
        {"1234", 156, "是1234点经验", "是0点经验"},
    };
    for (const Case& c : cases) {
        const ExpToLevelResult r = experienceToLevel(c.exp, c.level);
        EXPECT_EQ(r.inputTooltip, c.input) << c.exp;
        if (c.remaining) {
            EXPECT_EQ(r.remainingTooltip, c.remaining) << c.exp;
        }
    }
}
