#include "calc/cultivation.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(CultivationCost, TableOfCases)
{
    struct Case {
        std::optional<std::int64_t> current, held, target;
        int price;
        const char* warning;
        std::optional<std::int64_t> heldShown;
        std::int64_t experience, money, contribution, resources, minLevel;
    };
    const std::nullopt_t none = std::nullopt;
    const Case cases[] = {
        {0, 0, 25, kAttackPrice, "", 0, 67750, 20325, 3750, 33875, 145},
        {0, 0, 25, kDefencePrice, "", 0, 67750, 13550, 3750, 33875, 145},
        {10, 1234, 15, kDefencePrice, "", 1230, 9820, 1964, 2250, 4910, 95},
        {5, 655, 6, kAttackPrice, "", 0, 650, 195, 900, 325, 50},
        {5, 649, 6, kAttackPrice, "", 640, 10, 3, 900, 5, 50},
        {3, 9, 4, kAttackPrice, "", 0, 390, 117, 600, 195, 40},
        {24, 9999, 25, kAttackPrice, "", 0, 7110, 2133, 3750, 3555, 145},
        {24, 7109, 25, kAttackPrice, "", 7100, 10, 3, 3750, 5, 145},
        // equal levels: silent zeros, held experience untouched
        {7, 1234, 7, kAttackPrice, "", none, 0, 0, 0, 0, 0},
        {25, 5, 25, kAttackPrice, "", none, 0, 0, 0, 0, 0},
        {26, 0, 25, kAttackPrice, "等级1和2不能大于25！", none, 0, 0, 0, 0, 0},
        {0, 0, 26, kAttackPrice, "等级1和2不能大于25！", none, 0, 0, 0, 0, 0},
        {99, 0, 3, kAttackPrice, "等级1和2不能大于25！", none, 0, 0, 0, 0, 0},
        {6, 15, 5, kAttackPrice, "等级1不能大于等级2！", none, 0, 0, 0, 0, 0},
        {none, 0, 5, kAttackPrice, "待输入项不能为空！", none, 0, 0, 0, 0, 0},
        {0, none, 5, kAttackPrice, "待输入项不能为空！", none, 0, 0, 0, 0, 0},
        {0, 0, none, kAttackPrice, "待输入项不能为空！", none, 0, 0, 0, 0, 0},
        // a saturated paste cannot overflow
        {0, INT64_MAX, 25, kAttackPrice, "", 0, 67750, 20325, 3750, 33875, 145},
    };
    for (const Case& c : cases) {
        const CultivationCost r = cultivationCost(c.current, c.held, c.target, c.price);
        SCOPED_TRACE(testing::Message() << c.current.value_or(-1) << "," << c.held.value_or(-1) << ","
                                        << c.target.value_or(-1));
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.held, c.heldShown);
        EXPECT_EQ(r.experience, c.experience);
        EXPECT_EQ(r.money, c.money);
        EXPECT_EQ(r.contribution, c.contribution);
        EXPECT_EQ(r.resources, c.resources);
        EXPECT_EQ(r.minCharLevel, c.minLevel);
    }
}

TEST(CultivationStepMoney, ReachingALevel)
{
    struct Case {
        int level, price;
        std::int64_t money;
    };
    const Case cases[] = {{0, 3, 0}, {1, 3, 45}, {2, 3, 63}, {1, 2, 30}, {25, 3, 2133}, {25, 2, 1422}, {26, 3, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(cultivationStepMoney(c.level, c.price), c.money) << c.level;
}

TEST(CultivationSteps, UpAndDown)
{
    struct Case {
        int kind;
        std::int64_t afterOne, afterTwo;
    };
    const Case cases[] = {{0, 45, 108}, {1, 45, 108}, {2, 30, 72}, {3, 30, 72}};
    for (const Case& c : cases) {
        CultivationSteps s;
        s.chooseKind(c.kind);
        s.stepUp();
        EXPECT_EQ(s.level(), 1);
        EXPECT_EQ(s.total(), c.afterOne);
        EXPECT_EQ(s.stepLevel(), 1);
        EXPECT_EQ(s.stepMoney(), c.afterOne);
        s.stepUp();
        EXPECT_EQ(s.level(), 2);
        EXPECT_EQ(s.total(), c.afterTwo);
        EXPECT_EQ(s.stepMoney(), c.afterTwo - c.afterOne);
    }

    CultivationSteps paid;
    paid.stepUp();
    paid.stepUp();
    paid.stepDown(false);
    EXPECT_EQ(paid.level(), 1);
    EXPECT_EQ(paid.total(), 45);
    EXPECT_EQ(paid.stepLevel(), 1);
    EXPECT_EQ(paid.stepMoney(), 45);
    paid.stepDown(false);
    EXPECT_EQ(paid.level(), 0);
    EXPECT_EQ(paid.total(), 0);
    EXPECT_EQ(paid.stepMoney(), 0);
    paid.stepDown(false); // nothing below 0
    EXPECT_EQ(paid.level(), 0);
    EXPECT_EQ(paid.total(), 0);

    CultivationSteps free;
    free.stepUp();
    free.stepUp();
    free.stepDown(true);
    EXPECT_EQ(free.level(), 1);
    EXPECT_EQ(free.total(), 108);
    EXPECT_EQ(free.stepMoney(), 45);
}

TEST(CultivationSteps, StopsAt25)
{
    CultivationSteps s;
    for (int i = 0; i < 30; ++i)
        s.stepUp();
    EXPECT_EQ(s.level(), 25);
    EXPECT_EQ(s.total(), 20325);
    EXPECT_EQ(s.stepLevel(), 25);
    EXPECT_EQ(s.stepMoney(), 2133);
}

TEST(CultivationSteps, KindResetsTheFigures)
{
    CultivationSteps s;
    s.stepUp();
    s.chooseKind(1);
    EXPECT_EQ(s.price(), 3);
    EXPECT_EQ(s.level(), 0);
    EXPECT_EQ(s.total(), 0);
    EXPECT_EQ(s.stepLevel(), 0);
    EXPECT_EQ(s.stepMoney(), 0);
    s.chooseKind(2);
    EXPECT_EQ(s.price(), 2);
}

TEST(CultivationSteps, EnteringALevel)
{
    struct Case {
        const char* answer;
        bool freeDown;
        const char* warning;
        int level;
        std::int64_t total, stepMoney;
    };
    const Case cases[] = {
        {"25", false, "", 25, 20325, 2133},
        {"25", true, "", 25, 0, 2133},
        {"1", false, "", 1, 45, 45},
        {"2.5", false, "", 2, 108, 63},   // half to even
        {"3.5", false, "", 4, 312, 117},
        {" 1 0", false, "", 10, 1980, 423},
        {"0", false, "", 0, 0, 0},
        {"", false, "", 0, 0, 0},
        {"abc", false, "输入有误，请重新输入！", 0, 0, 0}, // not a number
        {"-", false, "输入有误，请重新输入！", 0, 0, 0},
        {" .5", false, "", 0, 0, 0}, // a number: 0.5 rounds to 0
        {"-0.4", false, "", 0, 0, 0},
        {"26", false, "输入有误，请重新输入！", 0, 0, 0},
        {"-1", false, "输入有误，请重新输入！", 0, 0, 0},
        {"32768", false, "输入有误，请重新输入！", 0, 0, 0},
        {"99999999999999999999", false, "输入有误，请重新输入！", 0, 0, 0},
        {"1e999", false, "输入有误，请重新输入！", 0, 0, 0},
        {"25.5", false, "输入有误，请重新输入！", 0, 0, 0},
    };
    for (const Case& c : cases) {
        CultivationSteps s;
        EXPECT_EQ(s.enterLevel(c.answer, c.freeDown), c.warning) << c.answer;
        EXPECT_EQ(s.level(), c.level) << c.answer;
        EXPECT_EQ(s.total(), c.total) << c.answer;
        EXPECT_EQ(s.stepLevel(), c.level) << c.answer;
        EXPECT_EQ(s.stepMoney(), c.stepMoney) << c.answer;
    }
}

TEST(CultivationSteps, EnteringAddsToTheTotalShown)
{
    // Free steps down to 0 keep the total; entering a level with paid steps then adds the
    // climb from 0 to it.
    CultivationSteps s;
    s.stepUp();
    s.stepUp();
    s.stepDown(true);
    s.stepDown(true);
    ASSERT_EQ(s.total(), 108);
    EXPECT_EQ(s.enterLevel("1", false), "");
    EXPECT_EQ(s.total(), 153);
    // Only at level 0.
    EXPECT_FALSE(s.canEnterLevel());
    EXPECT_EQ(s.enterLevel("5", false), "");
    EXPECT_EQ(s.level(), 1);
    EXPECT_EQ(s.total(), 153);
}

TEST(CultivationSteps, FreeEntryThenSteps)
{
    CultivationSteps s;
    ASSERT_EQ(s.enterLevel("10", true), "");
    EXPECT_EQ(s.total(), 0);
    for (int i = 0; i < 5; ++i)
        s.stepDown(true);
    EXPECT_EQ(s.level(), 5);
    EXPECT_EQ(s.total(), 0);
    for (int i = 0; i < 5; ++i)
        s.stepUp();
    // Levels 6..10 cost a tenth of 650, 810, 990, 1190 and 1410 (10n² + 50n + 150 for
    // n = 5..9) at price 3: (65 + 81 + 99 + 119 + 141) × 3 = 1515.
    EXPECT_EQ(s.level(), 10);
    EXPECT_EQ(s.total(), 1515);
}

TEST(CultivationSteps, TotalNeverBelowZero)
{
    // Entered with free steps down (total 0), then the tick is cleared and the level stepped
    // down: nothing is left to take off.
    CultivationSteps s;
    ASSERT_EQ(s.enterLevel("10", true), "");
    s.stepDown(false);
    EXPECT_EQ(s.level(), 9);
    EXPECT_EQ(s.total(), 0);
    s.stepUp();        // to 10: +423
    s.stepUp();        // to 11: +495
    s.stepDown(false); // to 10: -495
    EXPECT_EQ(s.total(), 423);
    s.stepDown(false); // to 9: -423
    s.stepDown(false); // to 8: the 357 of level 9 is not there to take off
    EXPECT_EQ(s.level(), 8);
    EXPECT_EQ(s.total(), 0);
}
