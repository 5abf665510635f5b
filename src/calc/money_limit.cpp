#include "calc/money_limit.h"

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
        const std::int64_t l = *level;
        r.limit = 2000 * l * l + kMoneyLimitAtLevelZero;
    }
    return r;
}

} // namespace calc
