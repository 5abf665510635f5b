#pragma once
// Auxiliary skills (辅助技能): what it costs to raise one from a level to another, learned in
// the guild (experience, money, guild contribution; up to level 150) or from an NPC
// (experience, money, popularity; up to level 40).

#include "calc/experience.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

enum class LearningWay { Guild, Npc };

inline constexpr int kMaxGuildAuxiliaryLevel = 150;
inline constexpr int kMaxNpcAuxiliaryLevel = 40;

inline constexpr std::string_view kMsgAuxEmptyInput = "待输入项不能为空！";
inline constexpr std::string_view kMsgAuxGuildCap = "辅助技能等级最高只能计算到150级！";
inline constexpr std::string_view kMsgAuxNpcCap = "向NPC学习最高只能到40级！";
inline constexpr std::string_view kMsgAuxLevelOrder = "等级1不能大于等级2！";

struct AuxiliarySkillResult {
    std::string warning;            // empty when the computation went through
    std::int64_t experience = 0;
    std::int64_t money = 0;
    std::int64_t points = 0;        // guild contribution consumed, or popularity consumed
    std::int64_t contributionHeld = 0; // guild contribution that must be held
    // Whether the "must be held" box is written: always in the guild, and for an empty
    // input whichever the way; never otherwise when learning from an NPC (the box is hidden).
    bool writesHeld = false;
};

AuxiliarySkillResult auxiliarySkillCost(LearningWay way, LevelInput from, LevelInput to);

} // namespace calc
