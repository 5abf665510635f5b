#include "beasts/scenes.h"

#include <gtest/gtest.h>

#include <string>

using namespace beasts;

TEST(FullExpSceneTable, CoversLevelsZeroTo139WithoutGapOrOverlap)
{
    int next = 0;
    for (const FullExpSceneRow& r : FullExpSceneTable) {
        EXPECT_EQ(r.lowest, next) << r.scene;
        EXPECT_LE(r.lowest, r.highest) << r.scene;
        next = r.highest + 1;
    }
    EXPECT_EQ(next, kFullExpMaxLevel + 1);
    // Triple is 1.5 × double rounded down, except the published 魔王寨 figure.
    int odd = 0;
    for (const FullExpSceneRow& r : FullExpSceneTable)
        if (r.tripleExp != r.doubleExp * 3 / 2) {
            ++odd;
            EXPECT_EQ(r.scene, "魔王寨");
            EXPECT_EQ(r.tripleExp, 4933);
        }
    EXPECT_EQ(odd, 1);
}

TEST(FullExpSceneTable, Picks)
{
    struct Case {
        const char* level;
        const char* scene; // nullptr: no row
        int dbl, tpl;
    };
    const Case cases[] = {
        {"0", "东海湾", 414, 621},        {"1", "东海湾", 414, 621},
        {"2", "东海海底", 724, 1086},     {"10", "大雁塔一层", 1345, 2017},
        {"11", "大唐国境", 1656, 2484},   {"12", "大雁塔二层", 1759, 2638},
        {"31", "花果山", 3519, 5278},     {"32", "魔王寨", 3829, 4933},
        {"33", "海底迷宫一", 3933, 5899}, {"35", "海底迷宫二", 4140, 6210},
        {"36", "普陀山", 4243, 6364},     {"37", "海底迷宫三/地府迷宫二", 4347, 6520},
        {"82", "龙窟六层", 8797, 13195},  {"83", "凤巢六层", 9108, 13662},
        {"84", "龙窟七层", 9211, 13816},  {"139", "蓬莱仙岛", 14304, 21456},
        {"140", nullptr, 0, 0},           {"-1", nullptr, 0, 0},
        {"1.5", nullptr, 0, 0},           {"", nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        const auto r = fullExpSceneFor(std::string_view(c.level));
        if (!c.scene) {
            EXPECT_FALSE(r.has_value()) << c.level;
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.level;
        EXPECT_EQ(r->scene, c.scene);
        EXPECT_EQ(r->doubleExp, c.dbl);
        EXPECT_EQ(r->tripleExp, c.tpl);
    }
}

TEST(LegendSceneTable, CoversLevels60To138WithoutGapOrOverlap)
{
    int next = kLegendMinLevel;
    for (const LegendSceneRow& r : LegendSceneTable) {
        EXPECT_EQ(r.lowest, next) << r.places;
        EXPECT_LE(r.lowest, r.highest);
        next = r.highest + 1;
    }
    EXPECT_EQ(next, kLegendMaxLevel + 1);
}

TEST(LegendSceneTable, Lookups)
{
    struct Case {
        const char* level;
        const char* places;
    };
    const Case cases[] = {
        {"6", ""},
        {"60", "北俱芦洲/龙窟一层"},
        {"060", "北俱芦洲/龙窟一层"},
        {"59", ""},
        {"139", ""},
        {"138", "蓬莱仙岛"},
        {"93", "龙七/凤七"},
        {"94", "凤七/麒麟山"},
        {"97", "凤七/无名鬼城/麒麟山"},
        {"98", "无名鬼城/麒麟山"},
        {"102", "无名鬼城/麒麟山"},
        {"103", "无名鬼城"},
        {"104", "无名鬼城/女娲神迹"},
        {"112", "女娲神迹"},
        {"113", "女娲神迹/小西天"},
        {"114", "小西天"},
        {"120", "小西天"},
        {"121", "小西天/小雷音寺"},
        {"122", "小雷音寺"},
        {"0", ""},
        {"999", ""},
        {"", ""},
        {"abc", ""},
        {"6 0", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(legendScenesFor(c.level), c.places) << c.level;
}

// Every row's first level against the level before it: the row starts exactly there.
TEST(FullExpSceneTable, RowBoundaries)
{
    struct Start {
        int level;
        const char* scene;
    };
    const Start starts[] = {
        {0, "东海湾"},         {2, "东海海底"},   {4, "沉船二层/东海岩洞"}, {6, "江南野外"},
        {8, "大雁塔一层"},     {11, "大唐国境"},  {12, "大雁塔二层"},       {16, "大雁塔三层"},
        {20, "大雁塔四层/大唐境外"}, {24, "大雁塔五层"}, {26, "长寿郊外"},  {28, "大雁塔六层"},
        {29, "花果山"},        {32, "魔王寨"},    {33, "海底迷宫一"},       {35, "海底迷宫二"},
        {36, "普陀山"},        {37, "海底迷宫三/地府迷宫二"}, {38, "盘丝岭"}, {40, "海底迷宫四/地府迷宫一"},
        {43, "地府迷宫四"},    {46, "地府迷宫三"}, {48, "月宫"},            {50, "狮陀岭"},
        {54, "北俱芦洲"},      {58, "龙窟一层"},  {62, "龙窟二层/凤巢一层"}, {66, "凤巢二层"},
        {68, "龙窟三层"},      {70, "凤巢三层"},  {72, "龙窟四层"},         {74, "凤巢四层"},
        {76, "龙窟五层"},      {78, "凤巢五层"},  {80, "龙窟六层"},         {83, "凤巢六层"},
        {84, "龙窟七层"},      {88, "凤巢七层"},  {93, "麒麟山"},           {96, "无名鬼城"},
        {104, "女娲神迹"},     {112, "小西天"},   {121, "小雷音寺"},        {129, "蓬莱仙岛"},
    };
    const char* before = nullptr;
    for (const Start& s : starts) {
        const auto at = fullExpSceneFor(s.level);
        ASSERT_TRUE(at.has_value()) << s.level;
        EXPECT_EQ(at->scene, s.scene) << s.level;
        const auto previous = fullExpSceneFor(s.level - 1);
        if (before) {
            ASSERT_TRUE(previous.has_value()) << s.level - 1;
            EXPECT_EQ(previous->scene, before) << s.level - 1;
        } else {
            EXPECT_FALSE(previous.has_value());
        }
        before = s.scene;
    }
    ASSERT_TRUE(fullExpSceneFor(139).has_value());
    EXPECT_EQ(fullExpSceneFor(139)->scene, "蓬莱仙岛");
    EXPECT_FALSE(fullExpSceneFor(140).has_value());
}

TEST(LegendSceneTable, RowBoundaries)
{
    struct Start {
        const char* level;
        const char* places;
    };
    const Start starts[] = {
        {"60", "北俱芦洲/龙窟一层"},
        {"62", "北俱芦洲/龙一/龙二/凤一"},
        {"64", "龙一/龙二/凤一"},
        {"66", "龙一/龙二/凤一/凤二"},
        {"68", "龙二/龙三/凤一/凤二"},
        {"70", "龙二/龙三/凤一/凤二/凤三"},
        {"72", "龙三/龙四/凤二/凤三"},
        {"74", "龙三/龙四/凤二/凤三/凤四"},
        {"76", "龙三/龙四/龙五/凤三/凤四"},
        {"78", "龙四/龙五/凤三/凤四/凤五"},
        {"80", "龙四/龙五/龙六/凤四/凤五"},
        {"82", "龙五/龙六/凤四/凤五"},
        {"83", "龙五/龙六/凤四/凤五/凤六"},
        {"84", "龙五/龙六/龙七/凤五/凤六"},
        {"86", "龙六/龙七/凤五/凤六"},
        {"88", "龙六/龙七/凤六/凤七"},
        {"90", "龙七/凤六/凤七"},
        {"93", "龙七/凤七"},
        {"94", "凤七/麒麟山"},
        {"96", "凤七/无名鬼城/麒麟山"},
        {"98", "无名鬼城/麒麟山"},
        {"103", "无名鬼城"},
        {"104", "无名鬼城/女娲神迹"},
        {"106", "女娲神迹"},
        {"113", "女娲神迹/小西天"},
        {"114", "小西天"},
        {"121", "小西天/小雷音寺"},
        {"122", "小雷音寺"},
        {"131", "蓬莱仙岛"},
    };
    std::string_view before = "";
    for (const Start& s : starts) {
        EXPECT_EQ(legendScenesFor(s.level), s.places) << s.level;
        const std::string previous = std::to_string(std::stoi(s.level) - 1);
        EXPECT_EQ(legendScenesFor(previous), before) << previous;
        before = s.places;
    }
    EXPECT_EQ(legendScenesFor("138"), "蓬莱仙岛");
    EXPECT_EQ(legendScenesFor("139"), "");
}
