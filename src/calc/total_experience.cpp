#include "calc/total_experience.h"

#include "calc/potential_fruit.h"
#include "calc/sect_skills.h"
#include "common/game_tables.h"

#include <algorithm>

namespace calc {

namespace {

bool anyEmpty(const TotalExperienceInput& in)
{
    auto empty = [](const LevelInput& v) { return !v.has_value(); };
    return empty(in.level) || empty(in.ascension) || empty(in.fruits) || empty(in.carried) ||
           std::any_of(in.sectSkills.begin(), in.sectSkills.end(), empty) ||
           std::any_of(in.auxiliarySkills.begin(), in.auxiliarySkills.end(), empty);
}

bool anyAbove(const auto& levels, std::int64_t cap)
{
    return std::any_of(levels.begin(), levels.end(), [cap](const LevelInput& v) { return *v > cap; });
}

int asIndex(std::int64_t v) { return static_cast<int>(std::max<std::int64_t>(v, 0)); }

} // namespace

TotalExperienceResult totalExperience(const TotalExperienceInput& in)
{
    TotalExperienceResult r;
    if (anyEmpty(in)) {
        r.warning = kMsgTotalEmptyInput;
        return r;
    }
    const std::int64_t level = *in.level;
    const std::int64_t ascension = *in.ascension;
    if (level > kMaxCharLevel)
        r.warning = kMsgTotalLevelCap;
    else if (anyAbove(in.sectSkills, kMaxSectSkillLevel))
        r.warning = kMsgTotalSectCap;
    else if (anyAbove(in.auxiliarySkills, kMaxAuxiliarySkillLevel))
        r.warning = kMsgTotalAuxiliaryCap;
    else if (*in.fruits > kMaxPotentialFruits)
        r.warning = kMsgTotalFruitCap;
    else if (ascension != 0 && (ascension < kMinAscensionLevel || ascension > kMaxAscensionLevel))
        r.warning = kMsgTotalAscension;
    if (!r.warning.empty())
        return r;

    const int l = asIndex(level);
    const std::int64_t levelPart = common::sumCharLevelExp(0, l);
    const std::int64_t ascensionPart =
        ascension == 0 ? 0 : common::sumCharLevelExp(asIndex(ascension) - kAscensionSteps, asIndex(ascension));
    std::int64_t sectPart = 0;
    for (const LevelInput& s : in.sectSkills)
        sectPart += common::rangeSum(common::SectSkillCostTable, 0, asIndex(*s), 0, common::kSectSkillSteps);
    std::int64_t auxiliaryPart = 0;
    for (const LevelInput& a : in.auxiliarySkills)
        auxiliaryPart += common::rangeSum(common::SectSkillCostTable, 0, asIndex(*a), 0, common::kSectSkillSteps);
    const std::int64_t fruitPart = common::rangeSum(PotentialFruitExp, 0, asIndex(*in.fruits) + 1);
    // The carried amount has only its ten digits as a bound; the box's reading saturates,
    // so clamp it to keep the sum far from the edge of the range.
    const std::int64_t carried = std::clamp<std::int64_t>(*in.carried, 0, 999'999'999'999'999);

    r.total = ascensionPart + levelPart + sectPart + auxiliaryPart + fruitPart * 10000 + carried;
    if (level > 15) {
        r.normalDeath = (r.total + 250) / 500; // whole part of total × 0.002 + 0.5
        r.pkDeath = level * level * level + 500;
    }
    return r;
}

FruitPreview fruitPreview(LevelInput fruits)
{
    const std::int64_t v = fruits.value_or(0);
    if (v > kMaxPotentialFruits || v < 0)
        return {};
    return {v, PotentialFruitExp[static_cast<std::size_t>(v)]};
}

} // namespace calc
