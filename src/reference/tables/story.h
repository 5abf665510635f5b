#pragma once
// Story quest guides (剧情攻略): the 37 lines of the guide list, the sixteen quests with
// five sections each, and the preface.

#include <array>
#include <string>
#include <string_view>

namespace tables {

inline constexpr int kStoryLineCount = 37;
inline constexpr int kStoryPrefaceLine = 1;
inline constexpr int kStoryQuestCount = 16;
inline constexpr int kStorySectionCount = 5;

// The list's lines, empty ones included.
extern const std::array<std::string_view, kStoryLineCount> kStoryLines;

// The section buttons: 剧情简介, 剧情攻略, 剧情奖励, 所需物品, 注意事项.
extern const std::array<std::string_view, kStorySectionCount> kStorySectionButtons;

struct StoryQuestGuide {
    int line;               // the quest's line in the list
    std::string_view name;  // the name its section headings carry
};
extern const std::array<StoryQuestGuide, kStoryQuestCount> kStoryQuests;

// The quest (0 … 15) whose line this is, or -1 for the preface, an empty line, the
// heading of quest four's branches and the last line.
int storyQuestOfLine(int line);

// The first line of a section text: "<商人的鬼魂>剧情简介：", "飞升剧情奖励：", or the
// quest's name alone at the start of some synopses. Empty for a quest or section out of range.
std::string storyHeading(int quest, int section);

// The whole text of a section, or of the preface: its heading, an empty line and its
// body, each line ending in CR LF. Bodies we cannot vouch for read "暂缺".
std::string storySectionText(int quest, int section);
std::string storyPrefaceText();

} // namespace tables
