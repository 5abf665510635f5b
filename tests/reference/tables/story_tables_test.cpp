#include "reference/tables/base_values.h"
#include "reference/tables/story.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tables;

namespace {
// Characters of a UTF-8 text (code points).
std::size_t characters(const std::string& s)
{
    std::size_t n = 0;
    for (const unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}
} // namespace

TEST(StoryGuide, ListLinesAndQuests)
{
    EXPECT_EQ(kStoryLines.size(), 37u);
    EXPECT_EQ(kStoryLines[1], "剧情前言");
    EXPECT_EQ(kStoryLines[9], "剧情任务四：");
    EXPECT_EQ(kStoryLines[11], " *(分支一)：寻找四琉璃");
    EXPECT_EQ(kStoryLines[36], "  ");
    const std::pair<int, int> lines[] = {{0, -1}, {1, -1}, {2, -1}, {3, 0},   {9, -1},  {11, 3},
                                         {13, 4}, {25, 10}, {31, 13}, {35, 15}, {36, -1}, {37, -1}};
    for (const auto& [line, quest] : lines)
        EXPECT_EQ(storyQuestOfLine(line), quest) << line;
    // Every quest line holds a caption; every other line but the preface and the
    // heading of quest four is blank.
    for (int line = 0; line < kStoryLineCount; ++line) {
        const bool blank = kStoryLines[static_cast<std::size_t>(line)].find_first_not_of(' ') == std::string_view::npos;
        EXPECT_EQ(blank, storyQuestOfLine(line) < 0 && line != 1 && line != 9) << line;
    }
}

TEST(StoryGuide, HeadingRules)
{
    struct Case {
        int quest, section;
        const char* heading;
    };
    const Case cases[] = {
        {0, 0, "<商人的鬼魂>剧情简介："},   {0, 1, "<商人的鬼魂>剧情流程："},
        {0, 2, "<商人的鬼魂>剧情奖励："},   {0, 3, "<商人的鬼魂>剧情所需物品："},
        {0, 4, "<商人的鬼魂>剧情注意事项："}, {3, 0, "<寻找四琉璃>剧情简介："},
        {13, 0, "飞升剧情简介："},           {13, 4, "飞升剧情注意事项："},
        {14, 0, "问药朱紫国"},               {14, 1, "<问药朱紫国>剧情流程："},
        {15, 0, "蓬莱仙岛任务 "},            {15, 4, "<蓬莱仙岛任务>剧情注意事项："},
        {16, 0, ""},                         {0, 5, ""},
        {-1, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storyHeading(c.quest, c.section), c.heading) << c.quest << " " << c.section;
}

TEST(StoryGuide, TextsStartWithTheirHeading)
{
    // The notes of 蓬莱仙岛任务 are their heading alone: 15 characters and CR LF.
    EXPECT_EQ(storySectionText(15, 4), "<蓬莱仙岛任务>剧情注意事项：\r\n");
    EXPECT_EQ(characters("<蓬莱仙岛任务>剧情注意事项："), 15u);
    EXPECT_EQ(storySectionText(0, 2), "<商人的鬼魂>剧情奖励：\r\n\r\n暂缺\r\n");
    EXPECT_EQ(storyPrefaceText(), "剧情前言：\r\n\r\n暂缺\r\n");
    EXPECT_EQ(storySectionText(16, 0), "");
}

TEST(OfficialRanks, ContributionsFromTheBands)
{
    const std::pair<int, int> cases[] = {
        {1, 300},   {4, 450},   {5, 1100},  {8, 2000},  {9, 2350},  {14, 4100},  {15, 4550},
        {32, 12200}, {33, 12750}, {41, 17150}, {42, 18000}, {43, 19000}, {0, 0},     {44, 0},
    };
    for (const auto& [row, contribution] : cases)
        EXPECT_EQ(rankContribution(row), contribution) << row;
    EXPECT_EQ(kOfficialRanks[0], "九品将仕郎");
    EXPECT_EQ(kOfficialRanks[40], "一品膘骑大将军");
    EXPECT_EQ(kOfficialRanks[42], "辅佐王");
}

TEST(EquipmentBase, RequiredValuesAreBaseTimesOnePointTwoUp)
{
    for (const EquipmentBaseTable& e : kEquipmentBaseTables) {
        const int half = e.columnCount / 2;
        for (std::size_t r = 0; r < 8; ++r)
            for (int c = 0; c < half; ++c) {
                const int base = e.values[r][static_cast<std::size_t>(c)];
                const int required = e.values[r][static_cast<std::size_t>(c + half)];
                // base × 1.2 rounded up, in whole numbers: ceil(base·6/5).
                const int expected = (base * 6 + 4) / 5;
                if (e.name == "武器2" && r == 0 && c == 0)
                    EXPECT_EQ(required, 43); // as drawn
                else
                    EXPECT_EQ(required, expected) << e.name << " " << (r + 1) * 10 << "级";
            }
    }
    EXPECT_EQ(kEquipmentBaseTables[0].values[7][3], 202);
    EXPECT_EQ(kEquipmentBaseTables[5].values[7][1], 93);
}

TEST(ForgeSheets, PlainAndStrengthenedValues)
{
    struct Case {
        int sheet, row, attr, plain, strengthened;
    };
    const Case cases[] = {
        {0, 14, 0, 535, 561}, {0, 14, 1, 460, 483}, {0, 0, 0, 45, 47},   {0, 0, 1, 40, 42},
        {4, 14, 0, 185, 194}, {1, 14, 0, 235, 246}, {2, 14, 1, 155, 162}, {3, 14, 1, 310, 325},
        {5, 14, 1, 50, 52},   {1, 0, 1, 0, 0},      {6, 0, 0, 0, 0},     {0, 15, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(forgePlainValue(c.sheet, c.row, c.attr), c.plain) << c.sheet << " " << c.row;
        EXPECT_EQ(forgeStrengthenedValue(c.sheet, c.row, c.attr), c.strengthened) << c.sheet << " " << c.row;
    }
}

TEST(ForgeSheets, CellsFromA1ToG17)
{
    const ForgeSheetCells weapon = forgeSheetCells(0);
    EXPECT_EQ(weapon[0][0], "武器");
    EXPECT_EQ(weapon[0][2], "非强化基础");
    EXPECT_EQ(weapon[0][5], "强化基础");
    EXPECT_EQ(weapon[1][0], "等级");
    EXPECT_EQ(weapon[1][2], "命中");
    EXPECT_EQ(weapon[1][6], "伤害");
    EXPECT_EQ(weapon[2][0], "10");
    EXPECT_EQ(weapon[16][0], "150");
    EXPECT_EQ(weapon[16][2], "535");
    EXPECT_EQ(weapon[16][6], "483");
    EXPECT_EQ(weapon[5][1], ""); // separator column
    const ForgeSheetCells necklace = forgeSheetCells(4);
    EXPECT_EQ(necklace[1][2], "灵力");
    EXPECT_EQ(necklace[1][3], "");
    EXPECT_EQ(necklace[16][2], "185");
    EXPECT_EQ(necklace[16][5], "194");
    EXPECT_EQ(necklace[16][6], "");
}
