#include "beasts/beast_hp.h"
#include "beasts/pet_catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace beasts;

TEST(SceneHpTable, ShapeOfTheTable)
{
    int lines = 0;
    for (const SceneHp& s : SceneHpTable) {
        EXPECT_GE(s.lineCount, 1) << s.scene;
        EXPECT_LE(s.lineCount, 6) << s.scene;
        lines += s.lineCount;
        for (int k = 0; k < s.lineCount; ++k) {
            const BeastHpLine& l = s.lines[static_cast<std::size_t>(k)];
            if (l.a != kNoHp && l.b != kNoHp && l.c != kNoHp) {
                EXPECT_LE(l.a, l.b) << s.scene << l.species;
                EXPECT_LE(l.b, l.c) << s.scene << l.species;
            }
        }
    }
    EXPECT_EQ(lines, 127);
    // Every scene has exactly one place in the ten-by-five grid.
    std::set<std::pair<int, int>> cells;
    for (int i = 0; i < kSceneCount; ++i) {
        const GridCell c = sceneGridCell(i);
        EXPECT_GE(c.row, 0) << i;
        cells.insert({c.row, c.column});
    }
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(kSceneCount));
    EXPECT_EQ(sceneGridCell(49).row, -1);
}

TEST(SceneHpTable, ScenesAsShown)
{
    struct Case {
        int index;
        const char* title;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {0, "【东海湾】", {"大海龟 血量 <35> <43> <57>"}},
        {1, "【沉船一层】", {"大海龟 血量 <66> <79> <88>", "巨蛙   血量 <63> <75> <83>"}},
        {13, "【长寿郊外】", {"狼     血量 <353> <362> <377>", "小龙女 血量 <369> <379> <396>"}},
        {33,
         "【龙窟7层】",
         {"星灵仙子 血量 <1246> <1258> <1265>", "地狱战神 血量 <1180> <1197> <>", "巡游天神 血量 <1302> <1313> <1332>",
          "蛟龙     血量 <1226> <1237> <1255>"}},
        {43, "【无名鬼城】", {"幽灵   血量 <1390> <1401> <1420>", "吸血鬼 血量 <1341> <1352> <1370>", "鬼将   血量 <> <> <>"}},
        {45, "【小西天】", {"夜罗刹 血量 <> <> <>", "炎魔神 血量 <> <> <>", "噬天虎 血量 <> <> <>"}},
        {22, "【北俱芦洲】",
         {"天将     血量 <801> <812> <830>", "白熊     血量 <803> <814> <932>", "古代瑞兽 血量 <740> <750> <767>"}},
        {21, "【盘丝岭】",
         {"蛛蛛精 血量 <564> <575> <586>", "狐狸精 血量 <476> <485> <494>", "花妖   血量 <509> <519> <528>"}},
        {49, "", {}},
        {-1, "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sceneTitle(c.index), c.title);
        EXPECT_EQ(sceneLines(c.index), c.lines) << c.index;
    }
    EXPECT_EQ(sceneLines(6).size(), 6u); // 大雁塔1层 fills every line
    EXPECT_EQ(sceneLines(47)[1], "绿萼仙子 血量 <1999> <2011> <2030>");
}

TEST(SceneHpTable, Captions)
{
    struct Caption {
        int index;
        const char* text;
    };
    const Caption captions[] = {{0, "【 东海湾 】"}, {23, "【  月宫  】"}, {22, "【北俱芦洲】"}, {15, "【海底迷宫1层】"}};
    for (const Caption& c : captions)
        EXPECT_EQ(sceneCaption(c.index), c.text) << c.index;

    struct Width {
        const char* text;
        int width; // two per CJK character, one per ASCII character
    };
    const Width widths[] = {{"大海龟", 6}, {"龙窟7层", 7}};
    for (const Width& w : widths)
        EXPECT_EQ(displayWidth(w.text), w.width) << w.text;
}

// The HP table keeps its own spellings: every species it names is a catalogue species,
// except 蛛蛛精 and 绿萼仙子 where the catalogue has 蜘蛛精 and 红萼仙子.
TEST(SceneHpTable, SpeciesAreCatalogueSpeciesExceptTwoSpellings)
{
    std::set<std::string_view> unknown;
    for (const SceneHp& s : SceneHpTable)
        for (int k = 0; k < s.lineCount; ++k) {
            const std::string_view species = s.lines[static_cast<std::size_t>(k)].species;
            if (!findPetSpecies(species))
                unknown.insert(species);
        }
    EXPECT_EQ(unknown, (std::set<std::string_view>{"蛛蛛精", "绿萼仙子"}));
    EXPECT_NE(findPetSpecies("蜘蛛精"), nullptr);
    EXPECT_NE(findPetSpecies("红萼仙子"), nullptr);
}
