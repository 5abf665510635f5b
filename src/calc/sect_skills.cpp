#include "calc/sect_skills.h"

#include "common/game_tables.h"

#include <algorithm>

namespace calc {

SectSkillCost sectSkillRangeCost(std::int64_t from, std::int64_t to)
{
    const int a = static_cast<int>(std::clamp<std::int64_t>(from, 0, kMaxSectSkillLevel));
    const int b = static_cast<int>(std::clamp<std::int64_t>(to, 0, kMaxSectSkillLevel));
    SectSkillCost c;
    c.experience = common::rangeSum(common::SectSkillCostTable, a, b, 0, common::kSectSkillSteps);
    c.money = common::rangeSum(common::SectSkillCostTable, a, b, common::kSectSkillSteps, common::kSectSkillSteps);
    return c;
}

SectSkillFrameResult sectSkillFrame(LevelInput from, LevelInput to, int skills)
{
    SectSkillFrameResult r;
    if (!from || !to) {
        r.warning = kMsgSectEmptyInput;
        r.noteBeforeWarning = false;
        return r;
    }
    if (*from > kMaxSectSkillLevel || *to > kMaxSectSkillLevel) {
        r.warning = kMsgSectLevelCap;
        return r;
    }
    if (*from > *to) {
        r.warning = kMsgLevelOrder;
    } else {
        const int n = std::clamp(skills, 0, kSectSkillCount);
        const SectSkillCost one = sectSkillRangeCost(*from, *to);
        r.experience = n * one.experience;
        r.money = n * one.money;
        r.showCount = true;
        r.countCaption = "(X" + std::to_string(n) + "项)";
    }
    r.writeTooltips = true;
    r.experienceTooltip = formatWanYi(r.experience, "", "点经验");
    r.moneyTooltip = formatWanYi(r.money, "", "两");
    return r;
}

SectSkillDetailResult sectSkillDetail(const std::array<SectSkillRowInput, kSectSkillCount>& rows)
{
    SectSkillDetailResult r;
    for (const SectSkillRowInput& row : rows)
        if (!row.from || !row.to) {
            r.warning = kMsgSectEmptyInput;
            return r;
        }
    r.computed = true;
    for (int i = 0; i < kSectSkillCount; ++i)
        r.ticked[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i)].ticked;
    for (int i = 0; i < kSectSkillCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::int64_t a = *rows[k].from;
        const std::int64_t b = *rows[k].to;
        if (a > kMaxSectSkillLevel || b > kMaxSectSkillLevel) {
            r.warning = kMsgSectDetailLevelCap;
            break;
        }
        if (a < b)
            r.rows[k] = sectSkillRangeCost(a, b);
        else if (a > b)
            r.ticked[k] = false;
    }
    for (int i = 0; i < kSectSkillCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!r.ticked[k])
            continue;
        ++r.count;
        r.totalExperience += r.rows[k].experience;
        r.totalMoney += r.rows[k].money;
    }
    return r;
}

} // namespace calc
