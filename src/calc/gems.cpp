#include "calc/gems.h"

#include "common/numbers.h"

#include <algorithm>

namespace calc {

GemCosts gemCosts(int level, std::int64_t price)
{
    const int n = std::clamp(level, 1, kMaxGemLevel);
    GemCosts c;
    c.mergeGems = std::int64_t{1} << (n - 1);
    c.forgeGems = 2 * c.mergeGems - 1;
    // A price is never below 0; one beyond what a box holds saturates.
    const std::int64_t p = std::max<std::int64_t>(price, 0);
    c.mergeCost = common::saturatingMul(c.mergeGems, p);
    c.forgeCost = common::saturatingMul(c.forgeGems, p);
    return c;
}

} // namespace calc
