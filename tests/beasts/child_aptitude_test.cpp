#include "beasts/child_aptitude.h"

#include <gtest/gtest.h>

using namespace beasts;

TEST(ChildAptitude, Rows)
{
    struct Case {
        const char* what;
        Comprehension c;
        std::array<double, 6> grades;
        std::array<std::int64_t, 6> expected;
    };
    const Case cases[] = {
        // The bases alone: 750, 750, 500, 700, 650, 650.
        {"all 0", {0.0, 0.0, 0.0, 0.0}, {0, 0, 0, 0, 0, 0}, {750, 750, 500, 700, 650, 650}},
        // 攻击 8·5 + 1550; 防御 1550 + 800·5/100; 体力 50·10 + 5500; 法力 25·10 + 3200;
        // 速度 8·5 + 1450; 躲闪 8·20 + 720 + 650.
        {"all 100", {100.0, 100.0, 100.0, 100.0}, {5, 5, 10, 10, 5, 20}, {1590, 1590, 6000, 3450, 1490, 1530}},
        {"all 50", {50.0, 50.0, 50.0, 50.0}, {3, 3, 7, 7, 3, 13}, {1162, 1162, 3175, 2037, 1062, 1062}},
        // 速度 and 躲闪 take 法术悟性 60 over 武学悟性 30: 8·60 + 650 = 1130; 7.2·60 + 650 = 1082.
        {"larger of two", {30.0, 60.0, 0.0, 0.0}, {0, 0, 0, 0, 0, 0}, {990, 750, 500, 2200, 1130, 1082}},
        // 150 is computed as it stands when a grade is picked: 8·150 + 750.
        {"above 100", {150.0, 0.0, 0.0, 0.0}, {0, 0, 0, 0, 0, 0}, {1950, 750, 500, 700, 1850, 1730}},
    };
    for (const Case& k : cases)
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(aptitudeRow(row, k.c, k.grades[static_cast<std::size_t>(row)]),
                      k.expected[static_cast<std::size_t>(row)])
                << k.what << " row " << row;
}

TEST(ChildAptitude, MissingValueOrRow)
{
    EXPECT_EQ(aptitudeRow(0, {0.0, std::nullopt, 0.0, 0.0}, 0), std::nullopt);
    EXPECT_EQ(aptitudeRow(6, {0.0, 0.0, 0.0, 0.0}, 0), std::nullopt);
    EXPECT_EQ(aptitudeRow(-1, {0.0, 0.0, 0.0, 0.0}, 0), std::nullopt);
}

TEST(ChildAptitude, Check)
{
    EXPECT_EQ(checkComprehension({100.0, 100.0, 100.0, 100.0}), "");
    EXPECT_EQ(checkComprehension({101.0, 0.0, 0.0, 0.0}), kMsgComprehensionHigh);
    EXPECT_EQ(checkComprehension({101.0, std::nullopt, 0.0, 0.0}), kMsgComprehensionEmpty);
    EXPECT_EQ(checkComprehension({0.0, 0.0, 0.0, 999.0}), kMsgComprehensionHigh);
}
