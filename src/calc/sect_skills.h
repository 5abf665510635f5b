#pragma once
// Sect skills (门派技能): the cost of raising one to seven skills over the same level range
// (the 角色 panel's frame), and of seven skills each over its own range (the detail window).

#include "calc/experience.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kMaxSectSkillLevel = 160;
inline constexpr int kSectSkillCount = 7;

inline constexpr std::string_view kMsgSectEmptyInput = "待输入项不能为空！";
inline constexpr std::string_view kMsgSectLevelCap = "门派技能最高等级为160级！";
inline constexpr std::string_view kMsgLevelOrder = "等级1不能大于等级2！";
inline constexpr std::string_view kMsgSectDetailLevelCap = "等级均不能大于160！";

struct SectSkillCost {
    std::int64_t experience = 0;
    std::int64_t money = 0;
};

// Experience and money to raise one skill from level `from` to level `to` (0 when from >= to;
// levels are clamped to 0..160).
SectSkillCost sectSkillRangeCost(std::int64_t from, std::int64_t to);

struct SectSkillFrameResult {
    std::string warning;          // empty when the computation went through
    std::int64_t experience = 0;  // for all the skills together
    std::int64_t money = 0;
    bool showCount = false;       // whether the "(Xn项)" note is shown
    std::string countCaption;     // "(Xn项)", set when the note is shown
    // A refused level hides the note before its warning; an empty box warns first and
    // hides the note after the player has answered the warning.
    bool noteBeforeWarning = true;
    bool writeTooltips = false;   // the tooltips are rewritten only by a computation
    std::string experienceTooltip;
    std::string moneyTooltip;
};

// The frame: `skills` (1..7) skills raised from `from` to `to`, each costing the same.
SectSkillFrameResult sectSkillFrame(LevelInput from, LevelInput to, int skills);

struct SectSkillRowInput {
    LevelInput from;
    LevelInput to;
    bool ticked = true;
};

struct SectSkillDetailResult {
    std::string warning;
    bool computed = false;  // false: an empty box, nothing on the window changes
    std::array<SectSkillCost, kSectSkillCount> rows{};
    std::array<bool, kSectSkillCount> ticked{}; // a row whose from level is above its to level is unticked
    std::int64_t totalExperience = 0;           // over the ticked rows
    std::int64_t totalMoney = 0;
    int count = 0;                              // ticked rows
};

// The detail window: seven rows, each with its own range; the totals add the ticked rows.
// The rows are priced in order; the first row with a level above 160 stops the pricing
// (it and the rows after it cost 0) with one warning, and the totals are still formed.
SectSkillDetailResult sectSkillDetail(const std::array<SectSkillRowInput, kSectSkillCount>& rows);

} // namespace calc
