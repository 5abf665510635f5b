#include "calc/money_limit.h"

#include <algorithm>

namespace calc {

MoneyLimitResult moneyLimit(LevelInput level)
{
    MoneyLimitResult r;
    if (!level) {
        r.warning = kMsgMoneyEmptyInput;
    } else if (*level > kMaxCharLevel) {
        r.warning = kMsgMoneyLevelCap;
    } else if (*level >= 100) {
        r.limit = kMoneyLimitFlat;
    } else {
        const std::int64_t l = std::max<std::int64_t>(*level, 0); // below 0: the level-0 limit
        r.limit = 2000 * l * l + kMoneyLimitAtLevelZero;
    }
    return r;
}

} // namespace calc
