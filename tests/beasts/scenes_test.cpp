#include "beasts/scenes.h"

#include <gtest/gtest.h>

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
