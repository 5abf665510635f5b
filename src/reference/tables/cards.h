#pragma once
// Transformation cards (变身卡): 65 cards in eight card levels, each with its skill
// requirement, additional skill, attribute change, number of uses and duration.

#include <array>
#include <span>
#include <string_view>

namespace tables {

struct TransformationCardRecord {
    std::string_view name;        // the list entry; unique
    int level;                    // 1 … 8
    std::string_view requirement; // 技能要求
    std::string_view skill;       // 附加技能
    std::string_view attribute;   // 属性影响
    std::string_view uses;        // 使用次数
    std::string_view duration;    // 持续时间, display text only
};

inline constexpr int kCardCount = 65;
inline constexpr int kCardLevelCount = 8;
// Level 1 first, level 8 last; within a level in list order. A card's position is also
// the Index of its picture.
extern const std::array<TransformationCardRecord, kCardCount> TransformationCardCatalogue;

struct CardLevelTab {
    std::string_view caption;      // the tab: "一级"
    std::string_view frameCaption; // the card frame: "一级变身卡"
    std::string_view numeral;      // the badge on the level's cards: "一"
};
inline constexpr std::array<CardLevelTab, kCardLevelCount> kCardLevelTabs{{
    {"一级", "一级变身卡", "一"}, {"二级", "二级变身卡", "二"}, {"三级", "三级变身卡", "三"},
    {"四级", "四级变身卡", "四"}, {"五级", "五级变身卡", "五"}, {"六级", "六级变身卡", "六"},
    {"七级", "七级变身卡", "七"}, {"八级", "八级变身卡", "八"},
}};

// The cards the level tab `tab` (0 … 7) lists, in list order; empty outside 0 … 7.
std::span<const TransformationCardRecord> cardLevelList(int tab);

// The position of the card whose name equals `name` exactly, or -1.
int findCard(std::string_view name);

} // namespace tables
