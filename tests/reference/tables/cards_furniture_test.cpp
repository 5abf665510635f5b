#include "reference/tables/cards.h"
#include "reference/tables/furniture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace tables;

TEST(TransformationCards, EveryRecordFollowsTheLevelRules)
{
    // 技能要求 and 使用次数 by card level; minutes of 持续时间 by level, but for five cards.
    const std::map<int, std::pair<std::string_view, std::string_view>> rules{
        {1, {"无", "1次"}},           {2, {"一级变化之术", "2次"}}, {3, {"二级变化之术", "3次"}},
        {4, {"三级变化之术", "4次"}}, {5, {"四级变化之术", "5次"}}, {6, {"四级变化之术", "6次"}},
        {7, {"五级变化之术", "7次"}}, {8, {"五级变化之术", "8次"}},
    };
    const std::map<std::string_view, int> longer{{"狐狸精", 40}, {"花妖", 40}, {"小龙女", 40}, {"龟丞相", 40}, {"雷鸟人", 30}};
    std::set<std::string_view> names;
    int previousLevel = 1;
    for (const TransformationCardRecord& c : TransformationCardCatalogue) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_TRUE(names.insert(c.name).second);
        ASSERT_TRUE(rules.count(c.level));
        EXPECT_GE(c.level, previousLevel);
        previousLevel = c.level;
        EXPECT_EQ(c.requirement, rules.at(c.level).first);
        EXPECT_EQ(c.uses, rules.at(c.level).second);
        const int minutes = longer.count(c.name) ? longer.at(c.name) : c.level == 1 ? 30 : c.level <= 4 ? 20 : 15;
        EXPECT_EQ(c.duration, std::to_string(minutes) + "分钟*(1+变化之术等级)");
        if (c.level == 1) {
            EXPECT_EQ(c.skill, "无");
            EXPECT_EQ(c.attribute, "无");
        }
    }
    EXPECT_EQ(names.size(), 65u);
}

TEST(TransformationCards, LevelListsAndLookUp)
{
    struct Case {
        int tab;
        std::size_t count;
        std::string_view first, last;
    };
    const Case cases[] = {
        {0, 10, "海毛虫", "树妖"}, {1, 7, "狐狸精", "羊头怪"}, {2, 6, "狼", "虾兵"},   {3, 7, "黑熊精", "蛛蛛精"},
        {4, 5, "白熊", "蝴蝶仙子"}, {5, 4, "地狱战神", "天将"}, {6, 3, "蛟龙", "雨师"}, {7, 23, "如意仙子", "红萼仙子"},
    };
    for (const Case& c : cases) {
        const auto list = cardLevelList(c.tab);
        ASSERT_EQ(list.size(), c.count) << c.tab;
        EXPECT_EQ(list.front().name, c.first);
        EXPECT_EQ(list.back().name, c.last);
        for (const auto& card : list)
            EXPECT_EQ(card.level, c.tab + 1) << card.name;
    }
    EXPECT_TRUE(cardLevelList(8).empty());
    EXPECT_TRUE(cardLevelList(-1).empty());
    EXPECT_EQ(findCard("海毛虫"), 0);
    EXPECT_EQ(findCard("狐狸精"), 10);
    EXPECT_EQ(findCard("大力金刚"), 57);
    EXPECT_EQ(findCard("红萼仙子"), 64);
    EXPECT_EQ(findCard(""), -1);
    EXPECT_EQ(findCard("狐狸"), -1);
}

TEST(TransformationCards, WrittenFormsStand)
{
    const auto card = [](std::string_view n) { return TransformationCardCatalogue[static_cast<std::size_t>(findCard(n))]; };
    EXPECT_EQ(card("马面").attribute, "伤害-5%");
    EXPECT_EQ(card("小龙女").attribute, "伤害力-5%");
    EXPECT_EQ(card("蛟龙").skill, "永恒或感知");
    EXPECT_EQ(card("雨师").skill, "无");
    EXPECT_EQ(card("雨师").attribute, "灵力+20点");
    EXPECT_EQ(card("超级泡泡").skill, "暂缺");
    EXPECT_EQ(card("超级泡泡").attribute, "暂缺");
    EXPECT_EQ(card("狐狸精").skill, "感知");
    EXPECT_EQ(card("狐狸精").attribute, "气血-5%");
}

TEST(Furniture, RecipeTotals)
{
    // The totals as the recipe list states them.
    const std::pair<int, int> totals[] = {
        {18, 1000},  {19, 1100}, {20, 900},   {21, 1800},  {22, 1300}, {23, 6000},  {24, 2700}, {25, 2700},
        {26, 6700},  {27, 1800}, {28, 2300},  {29, 3000},  {30, 1500}, {31, 1100},  {32, 3000}, {33, 2700},
        {34, 7300},  {35, 11000}, {36, 6700}, {37, 4000},  {38, 6300}, {39, 6000},  {40, 6700}, {41, 4000},
        {42, 8700},  {43, 6700}, {44, 6300},  {45, 6300},  {46, 10700}, {47, 7400}, {48, 7700}, {49, 10000},
        {50, 10300}, {51, 6700}, {52, 13400}, {53, 9500},  {54, 8300}, {55, 10000},
    };
    int largest = 0;
    for (const auto& [index, total] : totals) {
        const FurnitureDiagram d = furnitureDiagram(index);
        EXPECT_EQ(d.kind, FurnitureDiagram::Kind::Recipe) << index;
        EXPECT_EQ(d.total, std::to_string(total)) << index;
        largest = std::max(largest, recipeTotal(kFurniture[static_cast<std::size_t>(index - kFirstFurniture)]));
        // Slots fill from slot 0 without gaps, two to four of them.
        int filled = 0;
        bool gap = false;
        for (const std::string& s : d.slotNames) {
            if (s.empty())
                gap = true;
            else {
                EXPECT_FALSE(gap) << index;
                ++filled;
            }
        }
        EXPECT_GE(filled, 2) << index;
    }
    EXPECT_EQ(largest, 13400);
}

TEST(Furniture, LevelTextsComeInPairs)
{
    std::map<std::string_view, int> level1, level2;
    for (const FurnitureRecipe& r : kFurniture) {
        if (r.level == 1)
            ++level1[r.levelText];
        else if (r.level == 2)
            ++level2[r.levelText];
        else
            EXPECT_TRUE(r.levelText.empty()) << r.name;
    }
    for (int l = 10; l <= 45; l += 5)
        EXPECT_EQ(level1[std::to_string(l) + "级"], 2) << l;
    for (int l = 50; l <= 100; l += 5)
        EXPECT_EQ(level2[std::to_string(l) + "级"], 2) << l;
    EXPECT_EQ(level1.size(), 8u);
    EXPECT_EQ(level2.size(), 11u);
}

TEST(Furniture, DiagramOfEachKind)
{
    const FurnitureDiagram table = furnitureDiagram(18);
    EXPECT_EQ(table.slotNames, (std::array<std::string, 4>{"普通木材类", "普通手艺", "", ""}));
    EXPECT_EQ(table.slotPrices, (std::array<std::string, 4>{"300", "700", "", ""}));
    EXPECT_EQ(table.levelText, "10级");
    EXPECT_EQ(table.name, "桦木圆桌");
    EXPECT_EQ(table.total, "1000");

    const FurnitureDiagram wood = furnitureDiagram(0);
    EXPECT_EQ(wood.kind, FurnitureDiagram::Kind::Material);
    EXPECT_EQ(wood.name, "普通木材类");
    EXPECT_EQ(wood.total, "300");
    EXPECT_EQ(furnitureCaption(0), "[普通木料类]");
    EXPECT_EQ(furnitureDiagram(17).name, "陶瓷类");
    EXPECT_EQ(furnitureCaption(17), "[  陶瓷类  ]");

    const FurnitureDiagram river = furnitureDiagram(59);
    EXPECT_EQ(river.kind, FurnitureDiagram::Kind::NameOnly);
    EXPECT_EQ(river.name, "壮丽河山");
    EXPECT_EQ(furnitureCaption(59), "[壮丽山河]");
    EXPECT_EQ(furnitureDiagram(74).name, "宁夜安梦");
    EXPECT_EQ(furnitureCaption(74), "[ 宁夜安梦 ]");

    for (int i : {-1, 75, 76, 1000})
        EXPECT_EQ(furnitureDiagram(i).kind, FurnitureDiagram::Kind::Nothing) << i;
    EXPECT_EQ(furnitureCaption(75), "");
}
