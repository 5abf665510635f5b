#pragma once
// The growth-scale converter of the 召唤兽 panel: a new-scale growth, checked as it is
// typed, converted to the old scale.

#include <string>
#include <string_view>

namespace beasts {

// old-scale growth = new-scale growth / GrowthScaleDivisor
inline constexpr double GrowthScaleDivisor = 0.3344;

struct GrowthConversion {
    enum class Action {
        ShowResult,     // the input stands; show `result` as the old-scale value
        ResetInput,     // the input becomes a selected "0" and the result "0"
        EraseLastTyped, // a point stands third or later: take back the character before the caret
    };
    Action action = Action::ShowResult;
    std::string result;
};

// What the converter does with the input box's text after a change.
GrowthConversion convertGrowthInput(std::string_view text);

} // namespace beasts
