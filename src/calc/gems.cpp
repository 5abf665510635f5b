#include "calc/gems.h"

#include <algorithm>

namespace calc {

GemCosts gemCosts(int level, std::int64_t price)
{
    const int n = std::clamp(level, 1, kMaxGemLevel);
    GemCosts c;
    c.mergeGems = std::int64_t{1} << (n - 1);
    c.forgeGems = 2 * c.mergeGems - 1;
    c.mergeCost = c.mergeGems * price;
    c.forgeCost = c.forgeGems * price;
    return c;
}

} // namespace calc
