#include "common/valitext.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Valitext, LetsThroughOnlyListedCharacters)
{
    struct Case {
        char32_t key;
        std::u32string_view list;
        char32_t expected;
    };
    const Case cases[] = {
        {U'5', kDigits, U'5'},
        {U'.', kDigits, 0},
        {U'.', kDigitsAndPoint, U'.'},
        {8, kDigits, 8},           // Backspace passes in an editable box
        {13, kDigits, 0},          // Enter is never typed
        {3, kDigits, 0},           // Ctrl+C
        {22, kDigits, 0},          // Ctrl+V
        {24, kDigits, 0},          // Ctrl+X
        {U' ', kDigits, 0},
        {U'-', kDigits, 0},
        {U'a', kDigits, 0},
        {U'五', kDigits, 0},
        {U'５', kDigits, 0},       // full-width digit
        {U'a', kHexDigits, U'a'},
        {U'A', kHexDigits, U'A'},  // keeps the case it was typed in
        {U'F', kHexDigits, U'F'},
        {U'g', kHexDigits, 0},
        {0, kDigits, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valitext(c.key, c.list, true), c.expected) << static_cast<unsigned>(c.key);
    EXPECT_EQ(valitext(8, kDigits, false), 0u);
}

TEST(FilterAllowed, CleansPastedText)
{
    struct Case {
        std::u32string_view text;
        std::u32string_view list;
        std::size_t maxLength; // 0: no limit
        std::u32string_view cleaned;
    };
    const Case cases[] = {
        {U"a1b2c3", kDigits, 0, U"123"},
        {U"-12.5e3", kDigitsAndPoint, 0, U"12.53"},
        {U"9876543", kDigits, 3, U"987"},
        {U"x1y2z3w4", kDigits, 3, U"123"},
        {U"一二三", kDigits, 0, U""},
        {U"\b12", kDigits, 0, U"12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterAllowed(c.text, c.list, c.maxLength), c.cleaned) << c.cleaned.size();
}
