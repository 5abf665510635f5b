#pragma once
// The scene look-ups of the 其它 panel: where a summoned beast of a level reaches full
// experience, and where a character of a level can 传说.

#include <array>
#include <optional>
#include <string_view>

namespace beasts {

struct FullExpSceneRow {
    int lowest;  // inclusive
    int highest; // inclusive
    std::string_view scene;
    int doubleExp; // 双倍, five in a team
    int tripleExp; // 三倍
};
inline constexpr int kFullExpMaxLevel = 139;
extern const std::array<FullExpSceneRow, 44> FullExpSceneTable;

// The row of a beast level 0 … 139, or nullopt.
std::optional<FullExpSceneRow> fullExpSceneFor(int level);
// The same for the picker's text: a whole decimal number, else nullopt (empty, "1.5").
std::optional<FullExpSceneRow> fullExpSceneFor(std::string_view levelText);

struct LegendSceneRow {
    int lowest;
    int highest;
    std::string_view places; // joined by "/"
};
inline constexpr int kLegendMinLevel = 60;
inline constexpr int kLegendMaxLevel = 138;
extern const std::array<LegendSceneRow, 29> LegendSceneTable;

// The places for a character level typed into the box; empty for an empty text, a
// level without places, or text that is not a whole number of digits.
std::string_view legendScenesFor(std::string_view levelText);

} // namespace beasts
