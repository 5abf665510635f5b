#include "beasts/level_exp.h"

#include <gtest/gtest.h>

using namespace beasts;

TEST(PetLevelExpTable, IsFiftyTimesTheSquare)
{
    for (int n = 0; n < kPetMaxLevel; ++n)
        EXPECT_EQ(PetLevelExpTable[static_cast<std::size_t>(n)], 50 * (n + 1) * (n + 1)) << n;
}

TEST(PetLevelExperience, TableOfCases)
{
    struct Case {
        const char* l1;
        const char* l2;
        const char* warning;
        std::int64_t total;
        const char* echo;
        std::int64_t last;
    };
    const Case cases[] = {
        {"0", "0", "", 0, "0", 0},
        {"0", "1", "", 50, "1", 50},
        {"1", "2", "", 200, "2", 200},
        {"10", "10", "", 0, "10", 5000},
        {"0", "160", "", 68908000, "160", 1280000},
        {"160", "160", "", 0, "160", 1280000},
        {"0", "007", "", 50 + 200 + 450 + 800 + 1250 + 1800 + 2450, "007", 2450},
        {"170", "100", "输入错误！等级不能高于160级！", 0, "", 0},
        {"100", "161", "输入错误！等级不能高于160级！", 0, "", 0},
        {"100", "50", "输入错误！等级1不能高于等级2！", 0, "", 0},
        {"", "5", "请输入召唤兽等级！", 0, "", 0},
        {"5", "", "请输入召唤兽等级！", 0, "", 0},
        // Only pasting brings these; neither may read outside the table.
        {"-5", "3", "请输入召唤兽等级！", 0, "", 0},
        {"0", "abc", "请输入召唤兽等级！", 0, "", 0},
        {"0", "1e999", "请输入召唤兽等级！", 0, "", 0},
    };
    for (const Case& c : cases) {
        const PetLevelExpResult r = petLevelExperience(c.l1, c.l2);
        EXPECT_EQ(r.warning, c.warning) << c.l1 << "→" << c.l2;
        if (!r.warning.empty())
            continue;
        EXPECT_EQ(r.total, c.total) << c.l1 << "→" << c.l2;
        EXPECT_EQ(r.echo, c.echo);
        EXPECT_EQ(r.lastStep, c.last);
    }
}

TEST(HomeTraining, TableOfCases)
{
    struct Case {
        const char* answer;
        const char* warning;
        std::int64_t level;
    };
    const Case cases[] = {
        {"41", "", 0},    {"42", "", 0},   {"43", "", 1},   {"44", "", 1},     {"45", "", 2},
        {"46", "", 3},    {"47", "", 3},   {"50", "", 5},   {"60", "", 12},    {"70", "", 19},
        {"100", "", 40},  {"150", "", 75}, {"154", "", 78}, {"155", "", 79},   {"100.5", "", 41},
        {"abc", "", 0},   {"-5", "", 0},   {"0", "", 0},    {" 1 00", "", 40},
        {"156", "输入有误，请重新输入！", 0}, {"41.5", "输入有误，请重新输入！", 0},
        {"", "输入有误，请重新输入！", 0},    {"1e999", "输入有误，请重新输入！", 0},
    };
    for (const Case& c : cases) {
        const HomeTrainingResult r = homeTrainingMinLevel(c.answer);
        EXPECT_EQ(r.warning, c.warning) << c.answer;
        if (!r.warning.empty())
            continue;
        EXPECT_EQ(r.level, c.level) << c.answer;
        EXPECT_EQ(r.message, "角色等级 " + std::string(c.answer) + " 级，可在家训练的召唤兽最低等级为 " +
                                 std::to_string(c.level) + " 级");
    }
    // For every whole level the double-precision rule equals the exact ceiling.
    for (int v = 42; v <= 155; ++v) {
        const std::int64_t exact = (7 * v - 300 + 9) / 10;
        EXPECT_EQ(homeTrainingMinLevel(std::to_string(v)).level, exact) << v;
    }
}
