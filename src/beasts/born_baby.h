#pragma once
// The born-baby test of the 召唤兽 panel: from a beast's level and its points (without
// equipment), was it born a baby (天生的宝宝) or is it synthesised or wild?

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace beasts {

inline constexpr std::string_view kMsgBornBabyEmpty = "待输入项均不能为空！";
inline constexpr std::string_view kMsgBornBabyWrong = "输入有误,导致结果出错！";

// The seven boxes: level G, the five attributes 体质 法力 力量 耐力 敏捷, unspent points P.
// An empty box is nullopt.
using BornBabyInputs = std::array<std::optional<std::int64_t>, 7>;

struct BornBabyResult {
    std::string warning;                // the message, empty when none
    bool resetInputs = false;           // every input back to "0" and the verdict line cleared
    std::optional<std::string> verdict; // the verdict line's new text; nullopt keeps it
};

BornBabyResult bornBabyTest(const BornBabyInputs& in);

} // namespace beasts
