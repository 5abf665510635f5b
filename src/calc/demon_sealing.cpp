#include "calc/demon_sealing.h"

#include <algorithm>

namespace calc {

const std::array<DemonSealMap, kDemonSealMaps> DemonSealTierTable = {{
    {"建邺城", 28, 32, 1200, 150, 0},
    {"江南野外", 38, 42, 1600, 200, 10},
    {"大唐国境", 48, 52, 2000, 250, 10},
    {"大唐境外", 58, 62, 2400, 300, 10},
    {"傲来国", 68, 72, 2800, 350, 10},
    {"长寿郊外", 78, 82, 3200, 400, 10},
    {"北俱芦洲", 88, 92, 3600, 450, 10},
}};

int demonSealTier(const DemonSealMap& map, std::int64_t level)
{
    // Every map pays tier 1 at levels 0 and 155 already, so the levels beyond change nothing.
    level = std::clamp<std::int64_t>(level, 0, 155);
    std::int64_t d = 0;
    if (level < map.peakFrom)
        d = map.peakFrom - level;
    else if (level > map.peakTo)
        d = level - map.peakTo;
    const std::int64_t tier = 10 - (d + 2) / 3;
    return static_cast<int>(std::max<std::int64_t>(tier, 1));
}

DemonSealRewards demonSealRewards(std::optional<std::int64_t> level, bool doubled, bool tripled)
{
    DemonSealRewards r;
    std::int64_t l = 0;
    if (!level) {
        r.warning = kMsgDemonSealEmpty;
        r.levelShown = 0;
        r.untickMultipliers = true;
        doubled = tripled = false;
    } else {
        l = std::max<std::int64_t>(*level, 0);
        if (l <= 9) {
            r.untickMultipliers = true;
            doubled = tripled = false;
        }
        if (l > 155) {
            l = 155;
            r.levelShown = 155;
        }
    }
    // Multiplier in halves: ×1.0 = 2, ×1.5 = 3, ×0.5 = 1; every experience step is even.
    const std::int64_t halves = doubled ? 2 : tripled ? 3 : 1;
    for (std::size_t k = 0; k < DemonSealTierTable.size(); ++k) {
        const DemonSealMap& map = DemonSealTierTable[k];
        if (l < map.lowestLevel)
            continue;
        const int tier = demonSealTier(map, l);
        r.experience[k] = halves * map.experienceStep * tier / 2;
        r.money[k] = std::int64_t{map.moneyStep} * tier;
    }
    return r;
}

} // namespace calc
