#include "calc/auxiliary_skills.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(AuxiliarySkills, TableOfCases)
{
    constexpr auto G = LearningWay::Guild;
    constexpr auto N = LearningWay::Npc;
    struct Case {
        LearningWay way;
        LevelInput from, to;
        const char* warning;
        std::int64_t exp, money, points, held;
        bool writesHeld;
    };
    const Case cases[] = {
        {G, 0, 1, "", 16, 3, 1, 5, true},
        {G, 2, 3, "", 52, 10, 3, 15, true},      // money 19 halves up to 10
        {G, 3, 4, "", 75, 14, 4, 20, true},      // money 28 halves exactly
        {G, 149, 150, "", 3242400, 607950, 150, 750, true},
        {G, 0, 150, "", 103055891, 19323385, 11325, 11925, true},
        {G, 10, 20, "", 12762, 2393, 155, 235, true},
        {G, 0, 0, "", 0, 0, 0, 0, true},
        {G, 150, 150, "", 0, 0, 0, 0, true},
        {G, 10, 5, "等级1不能大于等级2！", 0, 0, 0, 0, true},
        {G, 151, 151, "辅助技能等级最高只能计算到150级！", 0, 0, 0, 0, true},
        {G, 0, 151, "辅助技能等级最高只能计算到150级！", 0, 0, 0, 0, true},
        {G, 160, 100, "辅助技能等级最高只能计算到150级！", 0, 0, 0, 0, true}, // cap before order
        {G, std::nullopt, 10, "待输入项不能为空！", 0, 0, 0, 0, true},
        {N, 0, 1, "", 2001, 301, 1, 0, false},
        {N, 0, 40, "", 752400, 684400, 188, 0, false},
        {N, 10, 20, "", 61075, 44075, 37, 0, false},
        {N, 39, 40, "", 64000 + 2000, 64000 + 300, 9, 0, false},
        {N, 40, 40, "", 0, 0, 0, 0, false},
        {N, 20, 10, "等级1不能大于等级2！", 0, 0, 0, 0, false},
        {N, 0, 41, "向NPC学习最高只能到40级！", 0, 0, 0, 0, false},
        {N, 41, 150, "向NPC学习最高只能到40级！", 0, 0, 0, 0, false},
        {N, 100, 50, "向NPC学习最高只能到40级！", 0, 0, 0, 0, false},
        {N, 5, std::nullopt, "待输入项不能为空！", 0, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.way == G ? "guild " : "npc ") << c.from.value_or(-1) << "->"
                                        << c.to.value_or(-1));
        const AuxiliarySkillResult r = auxiliarySkillCost(c.way, c.from, c.to);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.experience, c.exp);
        EXPECT_EQ(r.money, c.money);
        EXPECT_EQ(r.points, c.points);
        EXPECT_EQ(r.contributionHeld, c.held);
        EXPECT_EQ(r.writesHeld, c.writesHeld);
    }
}
