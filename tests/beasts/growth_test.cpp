#include "beasts/growth.h"

#include <gtest/gtest.h>

using namespace beasts;
using Action = GrowthConversion::Action;

TEST(GrowthConverter, TableOfCases)
{
    struct Case {
        const char* text;
        Action action;
        const char* result;
    };
    const Case cases[] = {
        {"1", Action::ShowResult, "2.990"},
        {"0.5", Action::ShowResult, "1.495"},
        {"1.5", Action::ShowResult, "4.486"},
        {"1.999", Action::ShowResult, "5.978"},
        {"0.001", Action::ShowResult, "0.003"},
        {"1.", Action::ShowResult, "2.990"},
        {"0.", Action::ShowResult, "0"},
        {"0", Action::ShowResult, "0"},
        {"00000", Action::ShowResult, "0"},
        {"", Action::ShowResult, "0"},
        {".", Action::ResetInput, "0"},
        {".5", Action::ResetInput, "0"},
        {"2", Action::ResetInput, "0"},
        {"12", Action::ResetInput, "0"},
        {"15", Action::ResetInput, "0"},
        {"99999", Action::ResetInput, "0"},
        {"1..", Action::EraseLastTyped, ""},
        {"21.5", Action::EraseLastTyped, ""},
        {"11.", Action::EraseLastTyped, ""},
        {"1.5.", Action::EraseLastTyped, ""},
    };
    for (const Case& c : cases) {
        const GrowthConversion r = convertGrowthInput(c.text);
        EXPECT_EQ(r.action, c.action) << c.text;
        if (c.action != Action::EraseLastTyped) {
            EXPECT_EQ(r.result, c.result) << c.text;
        }
    }
}
