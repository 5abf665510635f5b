#pragma once
// Gems: how many level-1 gems a gem of level n is merged from (2^(n-1)), how many forging
// up to level n consumes in all (2^n - 1), and their cost at a unit price, failures left out.

#include <cstdint>

namespace calc {

inline constexpr int kMaxGemLevel = 20;

struct GemCosts {
    std::int64_t mergeGems = 0; // level-1 gems in one gem of the level
    std::int64_t mergeCost = 0;
    std::int64_t forgeGems = 0; // level-1 gems for forging up to the level
    std::int64_t forgeCost = 0;
};

// level 1..20 (clamped), price in 两 (at most 999999 in the window's box).
GemCosts gemCosts(int level, std::int64_t price);

} // namespace calc
