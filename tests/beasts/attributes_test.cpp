#include "beasts/attributes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace beasts;

namespace {

AttributeInputs inputs(double level, std::array<double, 5> apt, std::array<double, 5> points, double growth)
{
    AttributeInputs in;
    in.level = level;
    in.aptAttack = apt[0];
    in.aptDefense = apt[1];
    in.aptHealth = apt[2];
    in.aptMana = apt[3];
    in.aptSpeed = apt[4];
    in.points = points;
    in.growth = growth;
    return in;
}

} // namespace

TEST(BeastAttributes, WorkedExamples)
{
    struct Case {
        const char* what;
        AttributeInputs in;
        AttributeValues expected;
    };
    const Case cases[] = {
        // 气血 450 + 1584; 魔法 432 + 500; 攻击 624 + 485.33 → 1109 - 1; 防御 192 + 294.67 → 486 - 1;
        // 速度 1200·120/1000; 灵力 71.77 + 66 + 84 + 208 + 24 + 50 = 503.77.
        {"level 100", inputs(100, {1400, 1300, 4500, 2500, 1200}, {220, 120, 520, 120, 120}, 1.2),
         {2034, 932, 1108, 485, 144, 503}},
        // Level 0: the aptitude terms vanish; 攻击 and 防御 are -1 with no points.
        {"nothing", inputs(0, {1400, 1300, 4500, 2500, 1200}, {0, 0, 0, 0, 0}, 1.2), {0, 0, -1, -1, 0, 0}},
        // 速度 does not depend on level or growth: 1200·120/1000 = 144; 灵力 160·1.9·0.2/0.3344 = 181.7.
        {"speed at 160", inputs(160, {0, 0, 0, 0, 1200}, {0, 0, 0, 0, 120}, 1.9), {0, 0, -1, -1, 144, 181}},
        // 1.234·500·6 = 3702 exactly in decimal; the double lands on it.
        {"growth 1.234", inputs(0, {1, 1, 1, 1, 1}, {500, 0, 0, 0, 0}, 1.234), {3702, 0, -1, -1, 0, 150}},
        // Four-digit figures near growth 2, far past 16 bits: 气血 1599.84 + 119928.006; 魔法 59964.003 +
        // 3199.68; 攻击 19988.001 + 33.99·213.312 - 1; 防御 26650.67 + 22.0603·213.312 - 1; 灵力 191.27 +
        // 9999·1.6 + 319.97.
        {"large", inputs(160, {9999, 9999, 9999, 9999, 9999}, {9999, 9999, 9999, 9999, 9999}, 1.999),
         {121527, 63163, 27237, 31355, 99980, 16509}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(beastAttributes(c.in), c.expected) << c.what;
}

TEST(BeastAttributes, NeverOverflows)
{
    const double big = std::numeric_limits<double>::max();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const AttributeValues huge = beastAttributes(inputs(big, {big, big, big, big, big}, {big, big, big, big, big}, big));
    for (std::int64_t v : huge)
        EXPECT_LE(v, std::int64_t{1} << 53);
    const AttributeValues low = beastAttributes(inputs(1, {1, 1, 1, 1, 1}, {-big, -big, -big, -big, big}, big));
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(low[static_cast<std::size_t>(i)], -(std::int64_t{1} << 53) - 1);
    EXPECT_EQ(beastAttributes(inputs(nan, {nan, nan, nan, nan, nan}, {nan, nan, nan, nan, nan}, nan)),
              (AttributeValues{0, 0, -1, -1, 0, 0}));
}

TEST(ChildAttributes, WorkedExamples)
{
    const float g12 = 1.2f;
    const float g1234 = 1.234f;
    struct Case {
        const char* what;
        AttributeInputs in;
        AttributeValues expected;
    };
    const Case cases[] = {
        // Level 10, even spread 40 each, growth 1.2 held in single precision.
        {"even spread", inputs(10, {1200, 1200, 3000, 2000, 1200}, {40, 40, 40, 40, 40}, g12),
         {318, 184, 88, 90, 48, 75}},
        // After 改点 with shares 33/33/34/0/0: points 47, 46, 47, 30, 30.
        {"after split", inputs(10, {1200, 1200, 3000, 2000, 1200}, {47, 46, 47, 30, 30}, g12),
         {368, 205, 97, 74, 36, 82}},
        // 115 + 1.2339999675750732·250·6 = 1965.99995: the single-precision growth loses the 1966.
        {"single precision", inputs(115, {0, 0, 1000, 0, 0}, {250, 0, 0, 0, 0}, g1234),
         {1965, 0, -1, -1, 0, 159}},
        // Level 0, 体质 500: 3701.99990 in single precision.
        {"level 0", inputs(0, {0, 0, 0, 0, 0}, {500, 0, 0, 0, 0}, g1234), {3701, 0, -1, -1, 0, 150}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(childAttributes(c.in), c.expected) << c.what;
}

TEST(FloorWhole, Limits)
{
    struct Case {
        double v;
        std::int64_t expected;
    };
    const Case cases[] = {{2.9999, 2}, {-0.5, -1}, {3.0, 3}, {1e300, std::int64_t{1} << 53},
                          {-1e300, -(std::int64_t{1} << 53)}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const Case& c : cases)
        EXPECT_EQ(floorWhole(c.v), c.expected) << c.v;
}
