#pragma once
// Total experience (总经验): everything a character has spent on its level, its seven sect
// skills, its thirteen auxiliary skills, potential fruits and an ascension, plus what it
// carries; and what a normal death and a PK death cost.

#include "calc/experience.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kTotalExpSectSkills = 7;
inline constexpr int kTotalExpAuxiliarySkills = 13;
inline constexpr int kMaxAuxiliarySkillLevel = 150;
inline constexpr int kMinAscensionLevel = 135;
inline constexpr int kMaxAscensionLevel = 145;
inline constexpr int kAscensionSteps = 15;

inline constexpr std::string_view kMsgTotalEmptyInput = "请输入所有数据！";
inline constexpr std::string_view kMsgTotalLevelCap = "等级最高为155级！";
inline constexpr std::string_view kMsgTotalSectCap = "门派技能等级最高为160级！";
inline constexpr std::string_view kMsgTotalAuxiliaryCap = "辅助技能等级最高为150级！";
inline constexpr std::string_view kMsgTotalFruitCap = "潜力果最多只能换取100个！";
inline constexpr std::string_view kMsgTotalAscension = "允许飞升等级最低为135级,最高为145级！";

// The boxes of the window, empty box = nullopt.
struct TotalExperienceInput {
    LevelInput level;
    LevelInput ascension; // 0: never ascended
    std::array<LevelInput, kTotalExpSectSkills> sectSkills;
    std::array<LevelInput, kTotalExpAuxiliarySkills> auxiliarySkills;
    LevelInput fruits;
    LevelInput carried;
};

struct TotalExperienceResult {
    std::string warning;          // empty when the computation went through
    std::int64_t total = 0;
    std::int64_t normalDeath = 0; // 0.2 % of the total, halves rounded up (0 up to level 15)
    std::int64_t pkDeath = 0;     // level³ + 500 (0 up to level 15)
};

TotalExperienceResult totalExperience(const TotalExperienceInput& in);

// The fruit row's preview for a fruit count (empty reads 0): the count and what that
// fruit needed, in 万; both 0 above 100 fruits.
struct FruitPreview {
    std::int64_t count = 0;
    std::int64_t lastFruitExp = 0;
};
FruitPreview fruitPreview(LevelInput fruits);

} // namespace calc
