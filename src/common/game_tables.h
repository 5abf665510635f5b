#pragma once
// Game tables shared by the calculators: one copy for the whole program.
// Element n of a step table is the cost of going from level n to level n + 1,
// so the cost from level a to level b is the sum of elements a .. b - 1.

#include <algorithm>
#include <array>
#include <cstdint>

namespace common {

inline constexpr int kCharLevelSteps = 155;    // levels 0..155
inline constexpr int kSectSkillSteps = 160;    // sect skill levels 0..160
inline constexpr int kCultivationSteps = 25;   // cultivation levels 0..25
inline constexpr int kNpcSkillSteps = 40;      // auxiliary skill levels 0..40 learned from an NPC
inline constexpr int kGuildBuildingSlots = 21; // element 0 and buildings 1..20

// Experience to raise a character from level n to n + 1.
extern const std::array<std::int32_t, kCharLevelSteps> CharLevelExpTable;
// Sect skill cost: experience of step n at n, money of step n at kSectSkillSteps + n.
extern const std::array<std::int32_t, 2 * kSectSkillSteps> SectSkillCostTable;
// Experience to raise a cultivation level from n to n + 1 (10n² + 50n + 150).
extern const std::array<std::int32_t, kCultivationSteps> CultivationExpTable;
// Popularity to raise an auxiliary skill learned from an NPC from n to n + 1.
extern const std::array<std::int16_t, kNpcSkillSteps> NpcSkillPopularityTable;
// Upkeep figure of a guild's i-th building of one kind; element 0 is 0.
extern const std::array<std::int16_t, kGuildBuildingSlots> GuildBuildingUpkeepTable;

// Outside steps 0..159 there is no cost: 0.
inline std::int32_t sectSkillExp(int step)
{
    return step < 0 || step >= kSectSkillSteps ? 0 : SectSkillCostTable[static_cast<std::size_t>(step)];
}
inline std::int32_t sectSkillMoney(int step)
{
    return step < 0 || step >= kSectSkillSteps ? 0
                                               : SectSkillCostTable[static_cast<std::size_t>(kSectSkillSteps + step)];
}

// Sum of elements [from, to) of a table, clamped to its bounds; 0 when from >= to.
template <typename T, std::size_t N>
std::int64_t rangeSum(const std::array<T, N>& table, int from, int to, std::size_t offset = 0,
                      std::size_t count = N)
{
    const int lo = std::max(from, 0);
    const int hi = std::min(to, static_cast<int>(count));
    std::int64_t sum = 0;
    for (int i = lo; i < hi; ++i)
        sum += table[offset + static_cast<std::size_t>(i)];
    return sum;
}

std::int64_t sumCharLevelExp(int from, int to);

} // namespace common
