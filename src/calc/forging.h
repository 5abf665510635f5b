#pragma once
// What it takes to make an item of a level by forging, tailoring or alchemy (one set of
// figures for the three crafts).

#include <array>
#include <cstdint>

namespace calc {

// The item levels of the picker, in list order.
inline constexpr std::array<int, 15> kForgeLevels = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150};
// Strengthening stones by list position.
inline constexpr std::array<int, 15> ForgeStoneTable = {1, 1, 2, 3, 5, 6, 9, 12, 16, 20, 24, 30, 30, 30, 30};

struct ForgeNeeds {
    std::int64_t proficiency = 0; // minimum proficiency
    std::int64_t stamina = 0;
    std::int64_t money = 0; // 两
    std::int64_t stones = 0;
};

// The figures of the entry at this list position (0 = level 10); position is clamped.
ForgeNeeds forgingNeeds(int position);

} // namespace calc
