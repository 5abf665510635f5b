#pragma once
// Beast level experience (Form13) and the home-training level (家训等级) of the
// 召唤兽 panel.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace beasts {

// Entry n: the experience from level n to n + 1, 50·(n + 1)², built step by step as the
// window builds it.
inline constexpr int kPetMaxLevel = 160;
constexpr std::array<std::int32_t, kPetMaxLevel> makePetLevelExpTable()
{
    std::array<std::int32_t, kPetMaxLevel> t{};
    t[0] = 50;
    for (int n = 1; n < kPetMaxLevel; ++n)
        t[static_cast<std::size_t>(n)] = t[static_cast<std::size_t>(n - 1)] + (100 * n - 100) + 150;
    return t;
}
inline constexpr std::array<std::int32_t, kPetMaxLevel> PetLevelExpTable = makePetLevelExpTable();

inline constexpr std::string_view kMsgPetLevelEmpty = "请输入召唤兽等级！";
inline constexpr std::string_view kMsgPetLevelCap = "输入错误！等级不能高于160级！";
inline constexpr std::string_view kMsgPetLevelOrder = "输入错误！等级1不能高于等级2！";

struct PetLevelExpResult {
    std::string warning;   // empty when computed; the boxes keep their texts otherwise
    std::int64_t total = 0; // experience from level 1 to level 2
    std::string echo;      // level 2 exactly as typed
    std::int64_t lastStep = 0; // experience of the step into level 2 (0 for level 0)
};

// 确定 of Form13: the two level boxes' texts.
PetLevelExpResult petLevelExperience(std::string_view level1, std::string_view level2);

inline constexpr std::string_view kMsgHomeTrainingWrong = "输入有误，请重新输入！";

struct HomeTrainingResult {
    std::string warning; // empty when answered
    std::string message; // the answer box's text
    std::int64_t level = 0;
};

// 家训等级: the lowest beast level a character of the typed level may train at home,
// ceil(0.7·v − 30) for 42 ≤ v ≤ 155, 0 for v ≤ 41. An empty answer (or Cancel) is refused.
HomeTrainingResult homeTrainingMinLevel(std::string_view answer);

} // namespace beasts
