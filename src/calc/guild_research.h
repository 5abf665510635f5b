#pragma once
// Guild skill research: the experience a guild still needs to raise one of its auxiliary
// skills from the current research level to a target level, and the days that takes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kGuildResearchSteps = 150; // research levels 0..150

// Research experience of the step from level k to k + 1.
constexpr std::int32_t guildResearchStep(int k)
{
    if (k < 10 || k >= kGuildResearchSteps)
        return 0; // no step below level 10 or beyond the last level
    const std::int32_t base = 16 * k * k + 32 * k + 1016;
    return k < 100 ? base : 3 * base - 2000;
}

inline constexpr std::array<std::int32_t, kGuildResearchSteps> GuildResearchExpTable = [] {
    std::array<std::int32_t, kGuildResearchSteps> t{};
    for (int k = 0; k < kGuildResearchSteps; ++k)
        t[static_cast<std::size_t>(k)] = guildResearchStep(k);
    return t;
}();

inline constexpr std::string_view kMsgResearchEmpty = "待输入项不能为空！";
inline constexpr std::string_view kMsgResearchLevelRange = "当前技能等级最低是10级,最高是149级！";
inline constexpr std::string_view kMsgResearchAboveTarget = "当前等级不能高于目标等级！";
inline constexpr std::string_view kMsgResearchTargetCap = "目标等级不能高于150级！";
inline constexpr std::string_view kMsgResearchGathered = "当前经验不能高于升级经验！";
inline constexpr std::string_view kMsgResearchAcademies = "书院数不能多于20个！";

struct GuildResearchResult {
    std::string warning;     // empty when the computation went through
    std::int64_t needed = 0; // experience still needed
    std::int64_t days = 0;   // whole days, a begun day counting as one
};

// current c, target t, gathered e, academies n (nullopt = empty box). A refused input
// gives the warning and no figures. The days follow the experience still needed, at
// (500·n + 2000)·24 a day; equal levels need nothing and take no day.
GuildResearchResult guildResearch(std::optional<std::int64_t> current, std::optional<std::int64_t> target,
                                  std::optional<std::int64_t> gathered, std::optional<std::int64_t> academies);

} // namespace calc
