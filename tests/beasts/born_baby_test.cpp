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
} // namespace

TEST(BornBabyTest, TableOfCases)
{
    struct Case {
        BornBabyInputs in;
        const char* warning;
        const char* verdict; // nullptr: the line keeps its text
    };
    const std::string baby100 = std::string("召唤兽总点数100") + kBaby;
    const std::string baby101 = std::string("召唤兽总点数101") + kBaby;
    const std::string wild50 = std::string("召唤兽总点数50") + kWild;
    const std::string baby302 = std::string("召唤兽总点数302") + kBaby;
    const std::string baby1709 = std::string("召唤兽总点数1709") + kBaby;
    const Case cases[] = {
        {inputs(0, 0, 0), "输入有误,导致结果出错！", nullptr},         // start state
        {inputs(0, 20, 0), "", baby100.c_str()},                     // X = 100
        {inputs(0, 20, 0, 21), "", baby101.c_str()},                 // X = 101 = 100 + n
        {inputs(0, 20, 0, 22), "输入有误,导致结果出错！", nullptr},   // X = 102 > 101
        {inputs(0, 20, 1), "输入有误,导致结果出错！", nullptr},       // unspent points at level 0
        {inputs(0, 10, 0), "", wild50.c_str()},
        {inputs(19, 58, 2), "输入有误,导致结果出错！", nullptr},      // X = 102, band 100..101
        {inputs(20, 60, 0, 62), "", baby302.c_str()},                // band 100..102 at 20
        {inputs(20, 60, 0, 63), "输入有误,导致结果出错！", nullptr},
        {inputs(160, 300, 209), "", baby1709.c_str()},               // band 100..109 at 160
        {inputs(160, 300, 210), "输入有误,导致结果出错！", nullptr},
        {inputs(161, 300, 0), "输入有误,导致结果出错！", nullptr},
        {inputs(20, 30, 0), "输入有误,导致结果出错！", nullptr},      // X = -50
        {inputs(10, 120, 0), "输入有误,导致结果出错！", nullptr},     // 6G+60 valid but X too big
        {inputs(10, 121, 0), "输入有误,导致结果出错！", nullptr},     // 6G+61 refused
        {inputs(10, 19, 0), "输入有误,导致结果出错！", nullptr},      // below G+10
    };
    for (const Case& c : cases) {
        const BornBabyResult r = bornBabyTest(c.in);
        EXPECT_EQ(r.warning, c.warning) << *c.in[0] << " " << *c.in[1];
        EXPECT_FALSE(r.resetInputs);
        if (c.verdict) {
            EXPECT_EQ(r.verdict.value_or("?"), c.verdict);
        } else {
            EXPECT_FALSE(r.verdict.has_value());
        }
    }
}

TEST(BornBabyTest, UpperBoundsAreInclusive)
{
    // Attribute exactly 6G+60 and unspent exactly 5G pass validation; the band decides.
    BornBabyInputs in = inputs(10, 20, 50, 120); // T = 120+80+50 = 250, X = 150
    EXPECT_EQ(bornBabyTest(in).warning, "输入有误,导致结果出错！");
    in = inputs(10, 20, 0, 120); // T = 200, X = 100: the bounds themselves are valid
    EXPECT_EQ(bornBabyTest(in).verdict.value_or(""), std::string("召唤兽总点数200") + kBaby);
    in = inputs(10, 20, 20, 20); // unspent 20 ≤ 50 → T = 120, X = 20
    EXPECT_EQ(bornBabyTest(in).verdict.value_or(""), std::string("召唤兽总点数120") + kWild);
    in = inputs(10, 20, 50, 20); // unspent exactly 5G: T = 150, X = 50
    EXPECT_EQ(bornBabyTest(in).verdict.value_or(""), std::string("召唤兽总点数150") + kWild);
    in = inputs(10, 20, 51, 20); // one more is refused
    EXPECT_EQ(bornBabyTest(in).warning, "输入有误,导致结果出错！");
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
