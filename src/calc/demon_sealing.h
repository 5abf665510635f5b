#pragma once
// Demon-sealing task (封妖任务): the experience and money one task pays on each of seven maps.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kDemonSealMaps = 7;
inline constexpr std::string_view kMsgDemonSealEmpty = "待输入项不能为空！";

struct DemonSealMap {
    std::string_view name;
    int peakFrom, peakTo;  // tier 10 on these levels
    int experienceStep;    // experience per tier at multiplier 1
    int moneyStep;         // money per tier
    int lowestLevel;       // below it the map pays nothing
};

// Maps in the order the frame shows them: 建邺城 … 北俱芦洲.
extern const std::array<DemonSealMap, kDemonSealMaps> DemonSealTierTable;

// Tier 1..10 of a map at a level: 10 on the peak band, one less for every further three
// levels away from it, never below 1.
int demonSealTier(const DemonSealMap& map, std::int64_t level);

struct DemonSealRewards {
    std::string warning;
    std::optional<std::int64_t> levelShown; // what the level box is to show afterwards, if it changes
    bool untickMultipliers = false;        // both "双倍" and "三倍" are to be cleared
    std::array<std::int64_t, kDemonSealMaps> experience{};
    std::array<std::int64_t, kDemonSealMaps> money{};
};

// An empty level is refused and answered with the figures of level 0 (level box "0",
// boxes cleared). A level of 9 or less clears both boxes and pays 0.5; a level above 155
// counts as 155. "双倍" (×1.0) wins over "三倍" (×1.5); neither pays ×0.5.
DemonSealRewards demonSealRewards(std::optional<std::int64_t> level, bool doubled, bool tripled);

} // namespace calc
