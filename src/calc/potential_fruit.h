#pragma once
// Potential fruits (潜力果): the k-th fruit bought costs 15k + 985 万 (10 000) experience.

#include "calc/experience.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kMaxPotentialFruits = 100;

// Experience of the k-th fruit, in 万; entry 0 is 0.
inline constexpr std::array<std::int32_t, kMaxPotentialFruits + 1> PotentialFruitExp = [] {
    std::array<std::int32_t, kMaxPotentialFruits + 1> t{};
    for (int k = 1; k <= kMaxPotentialFruits; ++k)
        t[static_cast<std::size_t>(k)] = 15 * k + 985;
    return t;
}();

inline constexpr std::string_view kMsgFruitEmptyInput = "待输入项不能为空";
inline constexpr std::string_view kMsgFruitCap = "待输入项不能大于100";
inline constexpr std::string_view kMsgFruitOrder = "前一个数不能大于后一个数";

struct FruitRangeResult {
    std::string warning;   // empty when the computation went through
    std::int64_t amount = 0; // in 万
};

// The fruits after the a-th up to the b-th together: entries a + 1 .. b.
FruitRangeResult fruitRangeExperience(LevelInput a, LevelInput b);

} // namespace calc
