#include "calc/sect_skills.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {
constexpr std::int64_t kAllExp = 197439611;  // the whole experience column
constexpr std::int64_t kAllMoney = 74040583; // the whole money column
} // namespace

TEST(SectSkillFrame, TableOfCases)
{
    struct Case {
        LevelInput from, to;
        int skills;
        const char* warning;
        std::int64_t exp, money;
        bool shown;
        const char* caption;
        bool tooltips;
        const char* expTip;
        const char* moneyTip;
    };
    const Case cases[] = {
        {0, 1, 1, "", 16, 6, true, "(X1项)", true, "16点经验", "6两"},
        {0, 10, 7, "", 10437, 3892, true, "(X7项)", true, "1万437点经验", "3892两"},
        {149, 150, 1, "", 3242400, 1215900, true, "(X1项)", true, "324万2400点经验", "121万5900两"},
        {150, 151, 1, "", 6652022, 2494508, true, "(X1项)", true, "665万2022点经验", "249万4508两"},
        {154, 155, 2, "", 2 * 7353406, 2 * 2757527, true, "(X2项)", true, "1470万6812点经验", "551万5054两"},
        {155, 156, 1, "", 11305620, 4239607, true, "(X1项)", true, "1130万5620点经验", "423万9607两"},
        {0, 160, 1, "", kAllExp, kAllMoney, true, "(X1项)", true, "1亿9743万9611点经验", "7404万583两"},
        {0, 160, 7, "", 7 * kAllExp, 7 * kAllMoney, true, "(X7项)", true, "13亿8207万7277点经验",
         "5亿1828万4081两"},
        {50, 50, 3, "", 0, 0, true, "(X3项)", true, "0点经验", "0两"},
        {160, 160, 1, "", 0, 0, true, "(X1项)", true, "0点经验", "0两"},
        {60, 50, 1, "等级1不能大于等级2！", 0, 0, false, "", true, "0点经验", "0两"},
        {161, 10, 1, "门派技能最高等级为160级！", 0, 0, false, "", false, "", ""},
        {10, 161, 1, "门派技能最高等级为160级！", 0, 0, false, "", false, "", ""},
        {999, 5, 1, "门派技能最高等级为160级！", 0, 0, false, "", false, "", ""},
        {std::nullopt, 10, 1, "待输入项不能为空！", 0, 0, false, "", false, "", ""},
        {10, std::nullopt, 1, "待输入项不能为空！", 0, 0, false, "", false, "", ""},
    };
    for (const Case& c : cases) {
        const SectSkillFrameResult r = sectSkillFrame(c.from, c.to, c.skills);
        SCOPED_TRACE(testing::Message() << c.from.value_or(-1) << "->" << c.to.value_or(-1) << " x" << c.skills);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.experience, c.exp);
        EXPECT_EQ(r.money, c.money);
        EXPECT_EQ(r.showCount, c.shown);
        if (c.shown) {
            EXPECT_EQ(r.countCaption, c.caption);
        }
        EXPECT_EQ(r.writeTooltips, c.tooltips);
        if (c.tooltips) {
            EXPECT_EQ(r.experienceTooltip, c.expTip);
            EXPECT_EQ(r.moneyTooltip, c.moneyTip);
        }
    }
}

TEST(SectSkillDetail, TableOfCases)
{
    using Rows = std::array<SectSkillRowInput, kSectSkillCount>;
    auto all = [](int from, int to) {
        Rows rows;
        for (SectSkillRowInput& r : rows)
            r = {from, to, true};
        return rows;
    };
    struct Case {
        const char* name;
        Rows rows;
        const char* warning;
        bool computed;
        std::array<std::int64_t, 7> exp;
        std::array<std::int64_t, 7> money;
        std::array<bool, 7> ticked;
        std::int64_t totalExp, totalMoney;
        int count;
    };
    Rows reversed = all(0, 10);
    reversed[6] = {10, 5, true};
    Rows tooHigh = all(0, 10);
    tooHigh[3] = {0, 200, true};
    Rows unticked = all(0, 10);
    unticked[2].ticked = false;
    unticked[4] = {5, 5, true};
    Rows empty = all(0, 10);
    empty[5].to = std::nullopt;
    Rows mixed = all(0, 0);
    mixed[0] = {149, 150, true};
    mixed[1] = {150, 151, true};
    mixed[2] = {0, 160, true};
    mixed[3] = {160, 160, false};
    mixed[4] = {161, 0, true};
    mixed[5] = {0, 10, true};
    constexpr std::int64_t r10e = 1491, r10m = 556; // one skill from 0 to 10
    const Case cases[] = {
        {"every row 0 to 10", all(0, 10), "", true,
         {r10e, r10e, r10e, r10e, r10e, r10e, r10e}, {r10m, r10m, r10m, r10m, r10m, r10m, r10m},
         {true, true, true, true, true, true, true}, 10437, 3892, 7},
        {"row 7 reversed", reversed, "", true,
         {r10e, r10e, r10e, r10e, r10e, r10e, 0}, {r10m, r10m, r10m, r10m, r10m, r10m, 0},
         {true, true, true, true, true, true, false}, 8946, 3336, 6},
        {"row 4 above 160 stops the pricing", tooHigh, "等级均不能大于160！", true,
         {r10e, r10e, r10e, 0, 0, 0, 0}, {r10m, r10m, r10m, 0, 0, 0, 0},
         {true, true, true, true, true, true, true}, 4473, 1668, 7},
        {"unticked row shows its cost but adds nothing; equal levels count", unticked, "", true,
         {r10e, r10e, r10e, r10e, 0, r10e, r10e}, {r10m, r10m, r10m, r10m, 0, r10m, r10m},
         {true, true, false, true, true, true, true}, 5 * r10e, 5 * r10m, 6},
        {"an empty box changes nothing", empty, "待输入项不能为空！", false, {}, {}, {}, 0, 0, 0},
        {"boundaries 149/150/160, then 161 stops", mixed, "等级均不能大于160！", true,
         {3242400, 6652022, kAllExp, 0, 0, 0, 0}, {1215900, 2494508, kAllMoney, 0, 0, 0, 0},
         {true, true, true, false, true, true, true}, 3242400 + 6652022 + kAllExp, 1215900 + 2494508 + kAllMoney, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SectSkillDetailResult r = sectSkillDetail(c.rows);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.computed, c.computed);
        if (!c.computed)
            continue;
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(r.rows[i].experience, c.exp[i]) << "row " << i;
            EXPECT_EQ(r.rows[i].money, c.money[i]) << "row " << i;
            EXPECT_EQ(r.ticked[i], c.ticked[i]) << "row " << i;
        }
        EXPECT_EQ(r.totalExperience, c.totalExp);
        EXPECT_EQ(r.totalMoney, c.totalMoney);
        EXPECT_EQ(r.count, c.count);
    }
}

TEST(SectSkillFrame, NoteHiddenBeforeOrAfterTheWarning)
{
    struct Case {
        LevelInput from, to;
        bool noteBeforeWarning;
    };
    const Case cases[] = {
        {0, 10, true},             // no warning: the note is shown with the results
        {60, 50, true},            // reversed levels: hidden, then the warning
        {161, 10, true},           // above 160: hidden, then the warning
        {std::nullopt, 10, false}, // empty box: the warning, then hidden
        {10, std::nullopt, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sectSkillFrame(c.from, c.to, 3).noteBeforeWarning, c.noteBeforeWarning)
            << c.from.value_or(-1) << "->" << c.to.value_or(-1);
}
