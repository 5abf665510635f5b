#include "calc/auxiliary_skills.h"

#include "common/game_tables.h"

#include <algorithm>

namespace calc {

AuxiliarySkillResult auxiliarySkillCost(LearningWay way, LevelInput from, LevelInput to)
{
    AuxiliarySkillResult r;
    if (!from || !to) {
        r.warning = kMsgAuxEmptyInput;
        r.writesHeld = true;
        return r;
    }
    // A level below 0 is level 0.
    const std::int64_t c = std::max<std::int64_t>(*from, 0);
    const std::int64_t t = std::max<std::int64_t>(*to, 0);
    if (way == LearningWay::Guild) {
        r.writesHeld = true;
        if (c > kMaxGuildAuxiliaryLevel || t > kMaxGuildAuxiliaryLevel) {
            r.warning = kMsgAuxGuildCap;
        } else if (c > t) {
            r.warning = kMsgAuxLevelOrder;
        } else if (c < t) {
            for (int n = static_cast<int>(c); n < t; ++n) {
                r.experience += common::sectSkillExp(n);
                r.money += (common::sectSkillMoney(n) + 1) / 2; // half, rounded up
                r.points += n + 1;
            }
            r.contributionHeld = r.points + 4 * t;
        }
    } else {
        if (c > kMaxNpcAuxiliaryLevel || t > kMaxNpcAuxiliaryLevel) {
            r.warning = kMsgAuxNpcCap;
        } else if (c > t) {
            r.warning = kMsgAuxLevelOrder;
        } else if (c < t) {
            for (int n = static_cast<int>(c); n < t; ++n) {
                const std::int64_t reached = n + 1;
                const std::int64_t cube = reached * reached * reached;
                r.experience += cube + 2000;
                r.money += cube + 300;
                r.points += common::NpcSkillPopularityTable[static_cast<std::size_t>(n)];
            }
        }
    }
    return r;
}

} // namespace calc
