#include "common/numbers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace common;

TEST(ReadLeadingNumber, FollowsTheLeadingNumberRule)
{
    struct Case {
        const char* text;
        double value;
        bool valid;
    };
    const Case cases[] = {
        {"", 0, true},
        {"abc", 0, true},
        {"123", 123, true},
        {"  42abc", 42, true},
        {"1 2", 12, true},
        {"1\t2\n3", 123, true},
        {"-7", -7, true},
        {"+8", 8, true},
        {"3.5", 3.5, true},
        {"3.5.6", 3.5, true},
        {".5", 0.5, true},
        {"1e3", 1000, true},
        {"1E+2x", 100, true},
        {"2D2", 200, true},
        {"1e", 1, true},
        {"1e-", 1, true},
        {"&H10", 16, true},
        {"&HFFFF", -1, true},
        {"&HFFFFF", 1048575, true},
        {"&O17", 15, true},
        {"&Z1", 0, true},
        {"1e999", 0, false},
        {"-1e999", 0, false},
        {"&H123456789ABCDEF01", 0, false},
        {"0050", 50, true},
        {"9999999999", 9999999999.0, true},
    };
    for (const Case& c : cases) {
        const ReadNumber r = readLeadingNumber(c.text);
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.valid, c.valid) << c.text;
    }
}

TEST(ReadWholeNumber, RoundsHalfToEvenAndSaturates)
{
    EXPECT_EQ(readWholeNumber("2.5"), 2);
    EXPECT_EQ(readWholeNumber("3.5"), 4);
    EXPECT_EQ(readWholeNumber("-2.5"), -2);
    EXPECT_EQ(readWholeNumber("1e30"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(readWholeNumber("-1e30"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(readWholeNumber("1e999"), 0);
    EXPECT_EQ(readWholeNumber(""), 0);
    EXPECT_EQ(clampWhole(500, 0, 155), 155);
    EXPECT_EQ(clampWhole(-1, 0, 155), 0);
}

TEST(FormatNumber, PlainDecimalText)
{
    EXPECT_EQ(formatNumber(std::int64_t{0}), "0");
    EXPECT_EQ(formatNumber(std::int64_t{-20236}), "-20236");
    EXPECT_EQ(formatNumber(std::int64_t{9999999999}), "9999999999");
    EXPECT_EQ(formatNumber(2.0), "2");
    EXPECT_EQ(formatNumber(2.5), "2.5");
    EXPECT_EQ(formatNumber(-0.25), "-0.25");
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatNumber(123456789012.0), "123456789012");
    EXPECT_EQ(formatNumber(1e20), "1E+20");
    EXPECT_EQ(formatNumber(0.0), "0");
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheDecimalValue)
{
    struct Case {
        double v;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {49.325, 2, "49.33"},   // the double lies just below .325
        {-34.325, 2, "-34.33"},
        {150, 2, "150.00"},
        {16, 2, "16.00"},
        {0.005, 2, "0.01"},
        {0.004, 2, "0.00"},
        {-0.004, 2, "0.00"},
        {9.995, 2, "10.00"},
        {99.9995, 3, "100.000"},
        {2.990, 3, "2.990"},
        {1.0 / 0.3344, 3, "2.990"},
        {0, 2, "0.00"},
        {1234567.125, 2, "1234567.13"},
        {2.5, 0, "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFixed(c.v, c.decimals), c.text) << c.v;
}
