#include "calc/guild_research.h"

#include "common/game_tables.h"

#include <algorithm>

namespace calc {

GuildResearchResult guildResearch(std::optional<std::int64_t> current, std::optional<std::int64_t> target,
                                  std::optional<std::int64_t> gathered, std::optional<std::int64_t> academies)
{
    GuildResearchResult r;
    if (!current || !target || !gathered || !academies) {
        r.warning = kMsgResearchEmpty;
        return r;
    }
    const std::int64_t c = *current, t = *target;
    // Nothing gathered yet and no academy are the least there can be.
    const std::int64_t e = std::max<std::int64_t>(*gathered, 0);
    const std::int64_t n = std::max<std::int64_t>(*academies, 0);
    if (c < 10 || c > 149)
        r.warning = kMsgResearchLevelRange;
    else if (c > t)
        r.warning = kMsgResearchAboveTarget;
    else if (t > kGuildResearchSteps)
        r.warning = kMsgResearchTargetCap;
    else if (e >= GuildResearchExpTable[static_cast<std::size_t>(c)])
        r.warning = kMsgResearchGathered;
    else if (n > 20)
        r.warning = kMsgResearchAcademies;
    if (!r.warning.empty())
        return r;

    const std::int64_t sum = common::rangeSum(GuildResearchExpTable, static_cast<int>(c), static_cast<int>(t));
    if (sum == 0)
        return r; // same level: nothing left to gather
    r.needed = sum - e;
    const std::int64_t daily = (500 * n + 2000) * 24;
    r.days = (r.needed + daily - 1) / daily;
    return r;
}

} // namespace calc
