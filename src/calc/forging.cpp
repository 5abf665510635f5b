#include "calc/forging.h"

#include <algorithm>

namespace calc {

ForgeNeeds forgingNeeds(int position)
{
    const auto p = static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(kForgeLevels.size()) - 1));
    const std::int64_t n = kForgeLevels[p];
    ForgeNeeds f;
    f.proficiency = n <= 30 ? 0 : n * n / 10;
    f.stamina = n + n + 30;
    f.money = n * 100;
    f.stones = ForgeStoneTable[p];
    return f;
}

} // namespace calc
