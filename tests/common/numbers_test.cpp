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
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"1e30", kMax}, {"-1e30", kMin}, {"1e999", 0}, {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readWholeNumber(c.text), c.value) << c.text;

    struct Clamp {
        std::int64_t v, lo, hi, result;
    };
    const Clamp clamps[] = {{500, 0, 155, 155}, {-1, 0, 155, 0}};
    for (const Clamp& c : clamps)
        EXPECT_EQ(clampWhole(c.v, c.lo, c.hi), c.result) << c.v;
}

TEST(FormatNumber, PlainDecimalText)
{
    struct Whole {
        std::int64_t v;
        const char* text;
    };
    const Whole wholes[] = {{0, "0"}, {-20236, "-20236"}, {9999999999, "9999999999"}};
    for (const Whole& c : wholes)
        EXPECT_EQ(formatNumber(c.v), c.text) << c.v;

    struct Real {
        double v;
        const char* text;
    };
    const Real reals[] = {
        {2.0, "2"},
        {2.5, "2.5"},
        {-0.25, "-0.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012.0, "123456789012"},
        {1e20, "1E+20"},
        {0.0, "0"},
    };
    for (const Real& c : reals)
        EXPECT_EQ(formatNumber(c.v), c.text) << c.v;
}

// Exponent form starts at a magnitude of 1E15 (after rounding to 15 significant digits)
// and below it every number is plain digits again; either text reads back as the number.
TEST(FormatNumber, ExponentFormFromOneE15)
{
    struct Case {
        double v;
        const char* text;
        bool exact; // the text holds the whole value, so reading it gives the value back
    };
    const Case cases[] = {
        {999999999999999.0, "999999999999999", true},
        {-999999999999999.0, "-999999999999999", true},
        {999999999999999.4, "999999999999999", false},
        {999999999999999.5, "1E+15", false}, // rounds up to 1E15 at 15 digits
        {1e15, "1E+15", true},
        {-1e15, "-1E+15", true},
        {1e15 + 1, "1E+15", false},
        {1.5e15, "1.5E+15", true},
        {1000000008280875.0, "1.00000000828088E+15", false},
        {123456789012345678.0, "1.23456789012346E+17", false},
        {1e16, "1E+16", true},
        {-2.5e20, "-2.5E+20", true},
        {1e100, "1E+100", true},
        {100000000000000.0, "100000000000000", true},
        {123456789012345.0, "123456789012345", true},
        {99999999999999.9, "99999999999999.9", true},
        {100008280875.0, "100008280875", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.v), c.text) << c.text;
        const ReadNumber back = readLeadingNumber(c.text);
        EXPECT_TRUE(back.valid) << c.text;
        if (c.exact) {
            EXPECT_EQ(back.value, c.v) << c.text;
        } else {
            EXPECT_EQ(formatNumber(back.value), c.text) << c.text;
        }
    }
    // The largest double rounds up past itself at 15 digits.
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::max()), "1.79769313486232E+308");
    // Whole numbers held as integers are written out in full.
    EXPECT_EQ(formatNumber(std::int64_t{1000000000000000}), "1000000000000000");
    EXPECT_EQ(formatNumber(std::int64_t{-999999999999999999}), "-999999999999999999");
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
