#include "beasts/born_baby.h"

#include <gtest/gtest.h>

using namespace beasts;

namespace {
BornBabyInputs inputs(int g, int a, int p, int firstAttr = -1)
{
    BornBabyInputs in;
    in[0] = g;
    for (std::size_t i = 1; i <= 5; ++i)
        in[i] = a;
    if (firstAttr >= 0)
        in[1] = firstAttr;
    in[6] = p;
    return in;
}
const char* const kBaby = "点.恭喜!是天生的宝宝!";
const char* const kWild = "点.可能是合成或野生召唤兽!";
const char* const kWrong = "输入有误,导致结果出错！";

// The verdict line for a total of `total` points.
std::string baby(int total) { return "召唤兽总点数" + std::to_string(total) + kBaby; }
std::string wild(int total) { return "召唤兽总点数" + std::to_string(total) + kWild; }
} // namespace

// X is the total T of the points less ten per level; a baby has 100 ≤ X ≤ 100 + G/20 + 1,
// anything with 1 ≤ X ≤ 99 may be synthesised or wild, anything else is a wrong input.
TEST(BornBabyTest, TableOfCases)
{
    struct Case {
        BornBabyInputs in;
        const char* warning;
        std::optional<std::string> verdict; // nullopt: the line keeps its text
    };
    const Case cases[] = {
        {inputs(0, 0, 0), kWrong, std::nullopt},        // start state
        {inputs(0, 20, 0), "", baby(100)},              // X = 100
        {inputs(0, 20, 0, 21), "", baby(101)},          // X = 101 = 100 + n
        {inputs(0, 20, 0, 22), kWrong, std::nullopt},   // X = 102 > 101
        {inputs(0, 20, 1), kWrong, std::nullopt},       // unspent points at level 0
        {inputs(0, 10, 0), "", wild(50)},
        {inputs(19, 58, 2), kWrong, std::nullopt},      // X = 102, band 100..101
        {inputs(20, 60, 0, 62), "", baby(302)},         // band 100..102 at 20
        {inputs(20, 60, 0, 63), kWrong, std::nullopt},
        {inputs(160, 300, 209), "", baby(1709)},        // band 100..109 at 160
        {inputs(160, 300, 210), kWrong, std::nullopt},
        {inputs(161, 300, 0), kWrong, std::nullopt},
        {inputs(20, 30, 0), kWrong, std::nullopt},      // X = -50
        {inputs(10, 120, 0), kWrong, std::nullopt},     // 6G+60 valid but X too big
        {inputs(10, 121, 0), kWrong, std::nullopt},     // 6G+61 refused
        {inputs(10, 19, 0), kWrong, std::nullopt},      // below G+10
        // The edges of the wild band at level 10: T = 100 + P + what the first attribute has over 20.
        {inputs(10, 20, 0), kWrong, std::nullopt},      // X = 0 is below the band
        {inputs(10, 20, 1), "", wild(101)},             // X = 1
        {inputs(10, 20, 0, 119), "", wild(199)},        // X = 99
        // The upper bounds of the inputs are inclusive; the band decides.
        {inputs(10, 20, 50, 120), kWrong, std::nullopt}, // attribute 6G+60, unspent 5G: T = 250, X = 150
        {inputs(10, 20, 0, 120), "", baby(200)},        // T = 200, X = 100: the bounds themselves are valid
        {inputs(10, 20, 20, 20), "", wild(120)},        // unspent 20 ≤ 50 → T = 120, X = 20
        {inputs(10, 20, 50, 20), "", wild(150)},        // unspent exactly 5G: T = 150, X = 50
        {inputs(10, 20, 51, 20), kWrong, std::nullopt}, // one more is refused
    };
    for (const Case& c : cases) {
        const BornBabyResult r = bornBabyTest(c.in);
        SCOPED_TRACE(testing::Message() << "G " << *c.in[0] << " first " << *c.in[1] << " P " << *c.in[6]);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_FALSE(r.resetInputs);
        EXPECT_EQ(r.verdict, c.verdict);
    }
}

TEST(BornBabyTest, EmptyFieldResetsEverything)
{
    for (std::size_t i = 0; i < 7; ++i) {
        BornBabyInputs in = inputs(0, 20, 0);
        in[i] = std::nullopt;
        const BornBabyResult r = bornBabyTest(in);
        EXPECT_EQ(r.warning, "待输入项均不能为空！");
        EXPECT_TRUE(r.resetInputs);
        EXPECT_EQ(r.verdict.value_or("?"), "");
    }
}
