#include "calc/task_rewards.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {
const std::nullopt_t none = std::nullopt;
}

TEST(GuildTaskReward, TableOfCases)
{
    struct Case {
        TaskInput level;
        const char* warning;
        std::int64_t qinglong, xuanwu;
    };
    const Case cases[] = {
        {11, "", 215 * 11 + 27750, 585 * 11 + 5750},
        {20, "", 32050, 17450},
        {155, "", 215 * 155 + 27750, 585 * 155 + 5750},
        {10, "输入等级要在11和155之间！", 0, 0},
        {0, "输入等级要在11和155之间！", 0, 0},
        {156, "输入等级要在11和155之间！", 0, 0},
        {999, "输入等级要在11和155之间！", 0, 0},
        {INT64_MAX, "输入等级要在11和155之间！", 0, 0},
        {none, "待输入项不能为空！", 0, 0},
    };
    for (const Case& c : cases) {
        const GuildTaskReward r = guildTaskReward(c.level);
        EXPECT_EQ(r.warning, c.warning) << c.level.value_or(-1);
        EXPECT_EQ(r.qinglong, c.qinglong) << c.level.value_or(-1);
        EXPECT_EQ(r.xuanwu, c.xuanwu) << c.level.value_or(-1);
    }
}

TEST(RingQuestReward, RingValues)
{
    struct Case {
        std::int64_t ring, timesBase;
    };
    const Case cases[] = {{1, 2}, {10, 11}, {11, 3}, {20, 12}, {21, 4}, {291, 31}, {300, 40}};
    for (const Case& c : cases)
        EXPECT_EQ(ringExperience(60, c.ring), c.timesBase * 1350) << c.ring;
}

TEST(RingQuestReward, TableOfCases)
{
    struct Case {
        TaskInput level, first, last;
        const char* warning;
        std::int64_t total, half; // half: the total halved by hand
    };
    const Case cases[] = {
        {60, 1, 1, "", 2700, 1350},
        {60, 1, 10, "", 65 * 1350, 43875},
        {60, 11, 11, "", 3 * 1350, 2025},
        {60, 1, 300, "", 6300 * 1350, 4252500},
        {155, 1, 300, "", 20475000, 10237500},
        {155, 300, 300, "", 40 * 3250, 65000},
        {100, 7, 7, "", 8 * 2150, 8600},
        {59, 1, 300, "等级要在60到155之间！", 0, 0},
        {156, 1, 300, "等级要在60到155之间！", 0, 0},
        {59, 5, 3, "等级要在60到155之间！", 0, 0},
        {60, 0, 300, "环数要在1到300之间！", 0, 0},
        {60, 1, 301, "环数要在1到300之间！", 0, 0},
        {60, 301, 1, "环数要在1到300之间！", 0, 0},
        {60, 1, 0, "环数要在1到300之间！", 0, 0},
        {60, 5, 3, "环数1不能大于环数2！", 0, 0},
        {INT64_MAX, INT64_MAX, INT64_MAX, "等级要在60到155之间！", 0, 0},
        {none, 1, 300, "待输入项不能为空！", 0, 0},
        {60, none, 300, "待输入项不能为空！", 0, 0},
        {60, 1, none, "待输入项不能为空！", 0, 0},
    };
    for (const Case& c : cases) {
        const RingQuestReward r = ringQuestReward(c.level, c.first, c.last);
        SCOPED_TRACE(testing::Message() << c.level.value_or(-1) << " " << c.first.value_or(-1) << "-"
                                        << c.last.value_or(-1));
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.total, c.total);
        EXPECT_EQ(r.half, c.half);
    }
}

TEST(SectTaskReward, TableOfCases)
{
    struct Case {
        TaskInput level;
        bool doubled, twoCycles;
        const char* warning;
        std::int64_t experience, money;
    };
    const Case cases[] = {
        // The bands without a factor.
        {20, false, false, "", 540 * 20 + 4250, 50 * 20 + 3600},
        {39, false, false, "", 540 * 39 + 4250, 50 * 39 + 3600},
        {40, false, false, "", 660 * 40 + 16000, 275 * 40 + 18250},
        {69, false, false, "", 660 * 69 + 16000, 275 * 69 + 18250},
        {70, false, false, "", 825 * 70 + 37500, 275 * 70 + 36500},
        {99, false, false, "", 825 * 99 + 37500, 275 * 99 + 36500},
        {100, false, false, "", 825 * 100 + 77500, 220 * 100 + 75000},
        {155, false, false, "", 825 * 155 + 77500, 220 * 155 + 75000},
        // The factors.
        {155, true, true, "", 4 * (825 * 155 + 77500), 4 * (220 * 155 + 75000)},
        {50, true, false, "", 2 * (660 * 50 + 16000), 2 * (275 * 50 + 18250)},
        {50, false, true, "", 2 * (660 * 50 + 16000), 2 * (275 * 50 + 18250)},
        // Refusals.
        {19, true, true, "等级要在20到155之间！", 0, 0},
        {156, false, false, "等级要在20到155之间！", 0, 0},
        {0, false, false, "等级要在20到155之间！", 0, 0},
        {INT64_MAX, true, true, "等级要在20到155之间！", 0, 0},
        {none, true, true, "待输入项不能为空！", 0, 0},
    };
    for (const Case& c : cases) {
        const SectTaskReward r = sectTaskReward(c.level, c.doubled, c.twoCycles);
        EXPECT_EQ(r.warning, c.warning) << c.level.value_or(-1);
        EXPECT_EQ(r.experience, c.experience) << c.level.value_or(-1);
        EXPECT_EQ(r.money, c.money) << c.level.value_or(-1);
    }
}
