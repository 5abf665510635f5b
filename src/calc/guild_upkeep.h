#pragma once
// Guild upkeep: the hourly upkeep of a guild of a level with its buildings, the fund below
// which it can no longer be maintained, and what the buildings of each kind yield.

#include <array>
#include <cstdint>
#include <string>

namespace calc {

// Building kinds in picker order: 1 金库, 2 书院, 3 药房, 4 兽室, 5 厢房, 6 仓库.
inline constexpr int kGuildBuildingKinds = 6;
inline constexpr int kMaxGuildLevel = 5;
using BuildingCounts = std::array<int, kGuildBuildingKinds>;

// The highest building count of one kind a guild of this level can have.
constexpr int maxBuildingsPerKind(int level) { return 4 * (level < 0 ? 0 : level > kMaxGuildLevel ? kMaxGuildLevel : level); }

// Upkeep of the first `count` buildings of a kind (1..6), each rounded after its factor.
std::int64_t buildingUpkeep(int kind, int count);

// Merchant reward cap of the vault, in 万两 (level 0 has none: 0).
std::int64_t vaultRewardCap(int level, int vaults);

struct GuildUpkeep {
    std::int64_t hourly = 0; // 两 per hour
    std::int64_t fund = 0;   // 48 hours of upkeep
    // Tooltip of each building label, in kind order; the vault's is empty at level 0.
    std::array<std::string, kGuildBuildingKinds> tooltips;
};

// counts are clamped to 0..20.
GuildUpkeep guildUpkeep(int level, const BuildingCounts& counts);

} // namespace calc
