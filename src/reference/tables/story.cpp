#include "reference/tables/story.h"

#include "reference/tables/treasures.h"

namespace tables {

const std::array<std::string_view, kStoryLineCount> kStoryLines{
    "",
    "剧情前言",
    "",
    "剧情任务一：商人的鬼魂",
    "",
    "剧情任务二：枯萎的金莲",
    "",
    "剧情任务三：玄奘的身世",
    "",
    "剧情任务四：",
    "",
    " *(分支一)：寻找四琉璃",
    "",
    " *(分支二)：大战心魔",
    "",
    "剧情任务五：含冤的小白龙",
    "",
    "剧情任务六：八戒悟空剧情",
    "",
    "剧情任务七：三打白骨精",
    "",
    "剧情任务八：真假美猴王",
    "",
    "剧情任务九：智取芭蕉扇",
    "",
    "***无名鬼城剧情***",
    "",
    "***女娲神迹剧情***",
    "",
    "***小雷音寺剧情***",
    "",
    "***飞升剧情***",
    "",
    "剧情任务十：问药朱紫国",
    "",
    "剧情任务十一：蓬莱仙岛任务",
    "  ",
};

const std::array<std::string_view, kStorySectionCount> kStorySectionButtons{"剧情简介", "剧情攻略", "剧情奖励",
                                                                             "所需物品", "注意事项"};

const std::array<StoryQuestGuide, kStoryQuestCount> kStoryQuests{{
    {3, "商人的鬼魂"},   {5, "枯萎的金莲"},   {7, "玄奘的身世"},   {11, "寻找四琉璃"},
    {13, "大战心魔"},    {15, "含冤的小白龙"}, {17, "八戒悟空剧情"}, {19, "三打白骨精"},
    {21, "真假美猴王"},  {23, "智取芭蕉扇"},  {25, "无名鬼城"},    {27, "女娲神迹"},
    {29, "小雷音寺"},    {31, "飞升"},        {33, "问药朱紫国"},  {35, "蓬莱仙岛任务"},
}};

namespace {

// The words of the section headings (section 1's heading says 剧情流程).
constexpr std::array<std::string_view, kStorySectionCount> kHeadingWords{"剧情简介", "剧情流程", "剧情奖励",
                                                                         "剧情所需物品", "剧情注意事项"};
constexpr int kAscensionQuest = 13;  // 飞升: headings without brackets
constexpr int kZhuziQuest = 14;      // 问药朱紫国
constexpr int kPenglaiQuest = 15;    // 蓬莱仙岛任务
constexpr std::string_view kCrLf = "\r\n";

bool validSection(int quest, int section)
{
    return quest >= 0 && quest < kStoryQuestCount && section >= 0 && section < kStorySectionCount;
}

} // namespace

int storyQuestOfLine(int line)
{
    for (int q = 0; q < kStoryQuestCount; ++q)
        if (kStoryQuests[static_cast<std::size_t>(q)].line == line)
            return q;
    return -1;
}

std::string storyHeading(int quest, int section)
{
    if (!validSection(quest, section))
        return {};
    const std::string name(kStoryQuests[static_cast<std::size_t>(quest)].name);
    const std::string word(kHeadingWords[static_cast<std::size_t>(section)]);
    if (section == 0 && quest == kZhuziQuest)
        return name;
    if (section == 0 && quest == kPenglaiQuest)
        return name + " ";
    if (quest == kAscensionQuest)
        return name + word + "：";
    return "<" + name + ">" + word + "：";
}

std::string storySectionText(int quest, int section)
{
    if (!validSection(quest, section))
        return {};
    std::string text = storyHeading(quest, section) + std::string(kCrLf);
    if (quest == kPenglaiQuest && section == 4)
        return text; // the notes of this quest hold only their heading
    return text + std::string(kCrLf) + std::string(kMissing) + std::string(kCrLf);
}

std::string storyPrefaceText()
{
    return "剧情前言：" + std::string(kCrLf) + std::string(kCrLf) + std::string(kMissing) + std::string(kCrLf);
}

} // namespace tables
