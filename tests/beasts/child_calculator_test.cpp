#include "beasts/child_calculator.h"

#include <gtest/gtest.h>

using namespace beasts;

namespace {

using Points = std::array<std::int64_t, kPointKinds>;

ChildFigures example(const char* level = "10")
{
    return {level, {"1200", "1200", "3000", "2000", "1200", "1200"}};
}

} // namespace

TEST(ChildCalculator, WorkedExample)
{
    ChildCalculator c;
    const ChildOutcome r = c.confirm(example(), "1.2");
    EXPECT_EQ(r.warning, "");
    EXPECT_EQ(r.growthText, "1.200");
    EXPECT_EQ(r.points, (Points{40, 40, 40, 40, 40}));
    EXPECT_EQ(r.results, (AttributeValues{318, 184, 88, 90, 48, 75}));

    // 改点 33/33/34/0/0: portions 16, 16, 17, 0, 0 and the rest 1 to 体质.
    const ChildOutcome s = c.split(example(), {"33", "33", "34", "0", "0"});
    EXPECT_EQ(s.warning, "");
    EXPECT_EQ(s.points, (Points{47, 46, 47, 30, 30}));
    EXPECT_EQ(s.results, (AttributeValues{368, 205, 97, 74, 36, 82}));
}

TEST(ChildCalculator, ConfirmRefusals)
{
    struct Case {
        const char* what;
        ChildFigures f;
        const char* growth;
        std::string_view warning;
        Points points;
    };
    ChildFigures noAttack = example();
    noAttack.aptitudes[0] = "";
    const Case cases[] = {
        {"empty aptitude", noAttack, "1.2", kMsgChildEmpty, {}},
        {"empty growth", example(), "", kMsgChildEmpty, {}},
        {"empty level", example(""), "1.2", kMsgChildEmpty, {}},
        {"empty before too high", {"161", noAttack.aptitudes}, "1.2", kMsgChildEmpty, {}},
        {"level 161", example("161"), "1.2", kMsgChildLevel, {}},
        {"level 160", example("160"), "1.2", "", {340, 340, 340, 340, 340}},
        {"level 0", example("0"), "1.2", "", {20, 20, 20, 20, 20}},
    };
    for (const Case& k : cases) {
        ChildCalculator c;
        const ChildOutcome r = c.confirm(k.f, k.growth);
        EXPECT_EQ(r.warning, k.warning) << k.what;
        EXPECT_EQ(r.changed, k.warning.empty()) << k.what;
        if (r.changed) {
            EXPECT_EQ(r.points, k.points) << k.what;
        } else {
            EXPECT_EQ(c.growth(), 0.0f) << k.what;
        }
    }
}

TEST(ChildCalculator, SingleAndDoubleGrowth)
{
    // Level 115, 体力资质 1000, growth 1.234 held in single precision: 115 + 1.2339999676·250·6
    // = 1965.99995, so 1965.
    ChildCalculator c;
    const ChildOutcome r = c.confirm({"115", {"0", "0", "1000", "0", "0", "0"}}, "1.234");
    EXPECT_EQ(r.results[Health], 1965);
}

TEST(ChildCalculator, Splits)
{
    struct Case {
        const char* what;
        std::array<std::string, 5> shares;
        std::string_view warning;
        bool changed;
        Points points;
    };
    const Case cases[] = {
        {"five ones", {"1", "1", "1", "1", "1"}, "", true, {40, 40, 40, 40, 40}},
        {"all to 体质", {"100", "0", "0", "0", "0"}, "", true, {80, 30, 30, 30, 30}},
        // 50·0.1/5, 50·4.2/5, 50·0.7/5 = 1, 42, 7 exactly; a single-precision 0.7 gave 6.
        {"tenths to 5", {"0", "0", "0.1", "4.2", "0.7"}, "", true, {30, 30, 31, 72, 37}},
        {"1.1 ×4 + 0.6", {"1.1", "1.1", "1.1", "1.1", "0.6"}, "", true, {41, 41, 41, 41, 36}},
        {"sum 5.1", {"0", "0", "0.1", "4.2", "0.8"}, kMsgShareSum, false, {}},
        {"sum 90", {"30", "30", "30", "0", "0"}, kMsgShareSum, false, {}},
        {"all zero", {"0", "0", "0", "0", "0"}, "", false, {}},
        {"an empty box", {"100", "", "0", "0", "0"}, kMsgShareEmpty, false, {}},
    };
    ChildCalculator c;
    c.confirm(example(), "1.2");
    for (const Case& k : cases) {
        const ChildOutcome r = c.split(example(), k.shares);
        EXPECT_EQ(r.warning, k.warning) << k.what;
        EXPECT_EQ(r.changed, k.changed) << k.what;
        if (k.changed) {
            EXPECT_EQ(r.points, k.points) << k.what;
        }
    }
}

TEST(ChildCalculator, LevelSteps)
{
    ChildCalculator c;
    c.confirm(example("159"), "1.2");
    ChildOutcome up = c.levelStep(example("159"), 1);
    EXPECT_TRUE(up.changed);
    EXPECT_EQ(up.levelText, "160");
    EXPECT_EQ(up.points, (Points{340, 340, 340, 340, 340}));
    EXPECT_FALSE(c.levelStep(example("160"), 1).changed);
    EXPECT_FALSE(c.levelStep(example("0"), -1).changed);
    const ChildOutcome down = c.levelStep(example("11"), -1);
    EXPECT_EQ(down.levelText, "10");
    EXPECT_EQ(down.results, (AttributeValues{318, 184, 88, 90, 48, 75}));
}

TEST(ChildCalculator, GrowthBoxRules)
{
    struct Case {
        const char* text;
        bool undo;
        const char* tooltip; // nullptr: none
    };
    const Case cases[] = {
        {"", false, nullptr},
        {"1.2", false, "旧的成长为:3.589"},
        {"1.234", false, "旧的成长为:3.690"},
        {"0.5", false, "旧的成长为:1.495"},
        {"1.", false, "旧的成长为:2.990"},
        {"0", false, "旧的成长为:0.000"},
        {"2", true, "旧的成长为:5.981"},
        {"10", true, "旧的成长为:29.904"},
        {".5", true, "旧的成长为:1.495"},
        {"1.2.", true, "旧的成长为:3.589"},
    };
    for (const Case& k : cases) {
        const BoxCheck b = checkChildGrowthBox(k.text);
        EXPECT_EQ(b.undo, k.undo) << k.text;
        EXPECT_EQ(b.tooltip.has_value(), k.tooltip != nullptr) << k.text;
        if (k.tooltip) {
            EXPECT_EQ(*b.tooltip, k.tooltip) << k.text;
        }
    }
}

TEST(ChildCalculator, ShareBoxRules)
{
    EXPECT_FALSE(checkShareBox("").undo);
    EXPECT_FALSE(checkShareBox("2.5").undo);
    EXPECT_FALSE(checkShareBox("100").undo);
    EXPECT_TRUE(checkShareBox(".5").undo);
    EXPECT_TRUE(checkShareBox("25.").undo);

    struct Case {
        std::array<std::string, 5> shares;
        const char* tooltip;
    };
    const Case cases[] = {
        {{"0", "0", "0", "0", "0"}, "剩余5"},
        {{"2.5", "0", "0", "0", "0"}, "剩余2.5"},
        {{"20", "20", "20", "20", "0"}, "剩余20"},
        {{"50", "50", "20", "0", "0"}, "剩余-20"},
        {{"5", "0.5", "0", "0", "0"}, "剩余94.5"},
        {{"0", "0", "0.1", "4.2", "0.7"}, "剩余0"},
        {{"", "1", "", "", ""}, "剩余4"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(shareTooltip(k.shares), k.tooltip) << k.tooltip;
}

TEST(ChildCalculator, Portraits)
{
    EXPECT_EQ(nextPortrait(5, 1), 0); // 小精灵 → 小毛头
    EXPECT_EQ(nextPortrait(0, 2), 5); // 小毛头 → 小精灵
    EXPECT_EQ(nextPortrait(2, 1), 3);
    EXPECT_EQ(nextPortrait(2, 2), 1);
    EXPECT_EQ(nextPortrait(3, 4), 3); // a middle click changes nothing
    EXPECT_EQ(kChildPortraits[0], "小毛头");
}
