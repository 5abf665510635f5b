#pragma once
// The most money (两) a character can carry at a level.

#include "calc/experience.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::int64_t kMoneyLimitAtLevelZero = 10000;
inline constexpr std::int64_t kMoneyLimitFlat = 20000000; // levels 100..155

inline constexpr std::string_view kMsgMoneyEmptyInput = "待输入项不能为空！";
inline constexpr std::string_view kMsgMoneyLevelCap = "角色等级最高为155级！";

struct MoneyLimitResult {
    std::string warning;   // empty when the computation went through
    std::int64_t limit = 0; // 0 after a warning
};

// 2000·L² + 10000 up to level 99, 20000000 from 100 to 155.
MoneyLimitResult moneyLimit(LevelInput level);

} // namespace calc
