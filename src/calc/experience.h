#pragma once
// Character experience: level ranges to experience and experience to the level it reaches.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kMaxCharLevel = 155;

inline constexpr std::string_view kMsgEmptyInput = "待输入项均不能为空！";
inline constexpr std::string_view kMsgCharLevelCap = "角色等级上限是155级！";

// Restates a whole amount with 亿 (10^8) and 万 (10^4) parts: 20236 → prefix "2万236" unit.
// Below 10000 the amount is written plain, or as plainText when the caller gives one
// (a box's own text, leading zeros and all). Parts that are zero are written "0".
std::string formatWanYi(std::int64_t amount, std::string_view prefix, std::string_view unit,
                        std::optional<std::string_view> plainText = std::nullopt);

// A level as the box holds it: nullopt when the box is empty.
using LevelInput = std::optional<std::int64_t>;

struct LevelToExpResult {
    std::string warning;     // empty when the computation went through
    std::int64_t amount = 0; // experience needed (0 after a warning)
    std::string tooltip;     // the amount restated with 亿/万
};

// Experience from level `from` up to level `to`: the sum of the steps from..to-1; 0 when
// from >= to. Empty box → kMsgEmptyInput; a level above 155 → kMsgCharLevelCap.
LevelToExpResult levelToExperience(LevelInput from, LevelInput to);

struct ExpToLevelResult {
    std::string warning;
    std::int64_t level = 0;          // level reached
    std::int64_t remaining = 0;      // experience left over
    std::string inputTooltip;        // the typed amount restated
    std::string remainingTooltip;    // the remaining experience restated
};

// How far `experienceText` carries a character from `startLevel`. The experience is taken
// from the box's text (its leading number), so the tooltip can restate the text itself.
ExpToLevelResult experienceToLevel(std::string_view experienceText, LevelInput startLevel);

} // namespace calc
