#include "calc/potential_fruit.h"

#include "common/game_tables.h"

#include <algorithm>

namespace calc {

FruitRangeResult fruitRangeExperience(LevelInput a, LevelInput b)
{
    FruitRangeResult r;
    if (!a || !b)
        r.warning = kMsgFruitEmptyInput;
    else if (*a > kMaxPotentialFruits || *b > kMaxPotentialFruits)
        r.warning = kMsgFruitCap;
    else if (*a > *b)
        r.warning = kMsgFruitOrder;
    else
        r.amount = common::rangeSum(PotentialFruitExp, static_cast<int>(std::max<std::int64_t>(*a, 0)) + 1,
                                    static_cast<int>(std::max<std::int64_t>(*b, 0)) + 1);
    return r;
}

} // namespace calc
