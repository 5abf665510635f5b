#include "reference/tables/treasures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace tables;

namespace {

// The element effect each type of treasure carries.
const std::map<std::string_view, std::string_view> kElementOfType{
    {"攻击", "金(+1%)火(-1%)"}, {"防御", "木(+1%)金(-1%)"}, {"辅助", "水(+1%)土(-1%)"},
    {"恢复", "土(+1%)木(-1%)"}, {"诅咒", "火(+1%)水(-1%)"},
};
const std::set<std::string_view> kSects{"大唐官府", "化生寺", "女儿村", "方寸山", "天宫",   "普陀山",
                                        "龙宫",     "五庄观", "魔王寨", "狮驼岭", "盘丝洞", "阴曹地府"};
const std::set<std::string_view> kTurns{"无", "1回合", "2回合", "3回合", "4回合", "5回合", "6回合", "10回合", "150回合"};

} // namespace

TEST(TreasureCatalogue, SizesAndFirstTreasures)
{
    EXPECT_EQ(treasureCatalogue(0).size(), 21u);
    EXPECT_EQ(treasureCatalogue(1).size(), 16u);
    EXPECT_EQ(treasureCatalogue(2).size(), 30u);
    EXPECT_EQ(treasureCatalogue(0)[0].name, "碧玉葫芦");
    EXPECT_EQ(treasureCatalogue(1)[0].name, "玄冰面具");
    EXPECT_EQ(treasureCatalogue(2)[0].name, "神木面具");
    EXPECT_EQ(treasureCatalogue(2)[29].name, "忘情");
    EXPECT_TRUE(treasureCatalogue(3).empty());
    EXPECT_TRUE(treasureCatalogue(-1).empty());
}

TEST(TreasureCatalogue, RulesHoldForAllRecords)
{
    std::map<std::string_view, int> typeCount;
    std::set<std::string_view> names;
    for (int c = 0; c < kTreasureClassCount; ++c) {
        for (const TreasureRecord& r : treasureCatalogue(c)) {
            SCOPED_TRACE(std::string(r.name));
            EXPECT_TRUE(names.insert(r.name).second) << "name twice";
            ++typeCount[r.type];
            ASSERT_TRUE(kElementOfType.count(r.type));
            const std::string_view element = r.name == "五色旗盒" ? "无" : kElementOfType.at(r.type);
            EXPECT_EQ(r.element, element);
            if (r.name == "缚妖索") {
                EXPECT_EQ(r.wear, "需要");
                EXPECT_EQ(r.mode, "主动");
            } else {
                EXPECT_EQ(r.wear == "需要", r.mode == "被动");
            }
            EXPECT_TRUE(r.mode == "主动" || r.mode == "被动");
            if (r.mode == "被动") {
                EXPECT_EQ(r.turns, "无");
            }
            EXPECT_TRUE(kTurns.count(r.turns));
            EXPECT_FALSE(r.description.empty());
            EXPECT_FALSE(r.use.empty());
            EXPECT_FALSE(r.effect.empty());
        }
    }
    EXPECT_EQ(names.size(), 67u);
    EXPECT_EQ(typeCount["辅助"], 34);
    EXPECT_EQ(typeCount["诅咒"], 13);
    EXPECT_EQ(typeCount["攻击"], 8);
    EXPECT_EQ(typeCount["恢复"], 6);
    EXPECT_EQ(typeCount["防御"], 6);
}

TEST(TreasureCatalogue, EachSectOncePerGroup)
{
    // Among 特级 each sect once; among 普通 and 高级 together each sect once, 罗汉珠
    // reading "花生寺" for 化生寺.
    std::map<std::string_view, int> special, lower;
    for (const TreasureRecord& r : treasureCatalogue(2))
        if (r.sect != "无")
            ++special[r.sect];
    for (int c : {0, 1})
        for (const TreasureRecord& r : treasureCatalogue(c))
            if (r.sect != "无")
                ++lower[r.sect == "花生寺" ? std::string_view("化生寺") : r.sect];
    for (std::string_view s : kSects) {
        EXPECT_EQ(special[s], 1) << s;
        EXPECT_EQ(lower[s], 1) << s;
    }
    EXPECT_EQ(special.size(), 12u);
    EXPECT_EQ(lower.size(), 12u);
    EXPECT_EQ(treasureCatalogue(1)[10].sect, "花生寺");
}

TEST(TreasureCatalogue, SampleTexts)
{
    const TreasureRecord& wind = treasureCatalogue(0)[9];
    EXPECT_EQ(wind.name, "风袋");
    EXPECT_EQ(wind.use, "增加人物速度。");
    EXPECT_EQ(wind.effect, "增加人物速度10点。");
    EXPECT_EQ(treasureCatalogue(1)[10].description, "暂缺"); // 罗汉珠
    EXPECT_EQ(treasureCatalogue(1)[14].description, "暂缺"); // 兽王令
    EXPECT_EQ(treasureCatalogue(1)[4].turns, "150回合");     // 聚妖铃
    EXPECT_EQ(treasureCatalogue(1)[5].turns, "150回合");     // 万鬼幡
}

TEST(TreasureRealmSheets, LayersNamesAndScenes)
{
    for (int c = 0; c < kTreasureClassCount; ++c) {
        const std::size_t rows = static_cast<std::size_t>(kTreasureClasses[static_cast<std::size_t>(c)].topLayer) + 1;
        EXPECT_EQ(realmNames(c).size(), rows);
        EXPECT_EQ(treasureLayerExpTable(c).size(), rows);
        EXPECT_EQ(treasureLayerExpTable(c)[0], 0);
        // The scene groups cover every layer once, in order.
        int next = 0;
        for (const SceneGroup& g : sceneGroups(c)) {
            EXPECT_EQ(g.firstLayer, next);
            next = g.lastLayer + 1;
        }
        EXPECT_EQ(next, static_cast<int>(rows));
    }
    EXPECT_EQ(realmNames(0)[9], "不堕轮回");
    EXPECT_EQ(realmNames(2)[15], "天人合一");
    EXPECT_EQ(treasureLayerExpTable(0)[9], 30433376); // one above the rule, kept
}

TEST(TreasureLayerExp, EntriesFollowTheRuleButOne)
{
    // k³·n³ - 22500·n² + 100000·n + 100000 with k = 35, 32, 28.
    const std::int64_t k[] = {35, 32, 28};
    for (int c = 0; c < 3; ++c) {
        const auto t = treasureLayerExpTable(c);
        for (std::int64_t n = 1; n < static_cast<std::int64_t>(t.size()); ++n) {
            const std::int64_t rule = k[c] * k[c] * k[c] * n * n * n - 22500 * n * n + 100000 * n + 100000;
            EXPECT_EQ(t[static_cast<std::size_t>(n)], c == 0 && n == 9 ? rule + 1 : rule) << c << " " << n;
        }
    }
}

struct CalcCase {
    int cls;
    const char *from, *to, *held, *level;
    bool clear;
    const char* needed; // nullptr: no figure written
    const char* times;  // nullptr: times per day untouched
};

TEST(CultivationCalculator, Cases)
{
    const CalcCase cases[] = {
        // Start state.
        {0, "0", "0", "0", "60", false, "0", "6"},
        // Sums of whole classes (hand sums of the layer tables).
        {0, "0", "9", "0", "60", false, "85809376", "6"},
        {1, "0", "12", "0", "90", false, "193735512", "9"},
        {2, "0", "15", "0", "110", false, "301708800", "11"},
        // 2884000 + 5396875 - 1000.
        {0, "3", "5", "1000", "60", false, "8279875", "6"},
        // From a layer to itself nothing is needed; experience held shows as its negative.
        {0, "5", "5", "100", "60", false, "-100", "6"},
        {0, "5", "5", "0", "60", false, "0", "6"},
        // More held than the to-layer's own entry (220375).
        {0, "0", "1", "220376", "60", true, nullptr, "6"},
        {0, "0", "1", "220375", "60", false, "0", "6"},
        // Layers above the class's top.
        {0, "0", "10", "0", "60", true, nullptr, "6"},
        // 210268+472144+1082236+2237152+4133500+6967888+10936924+16237216+23065372+31618000.
        {1, "0", "10", "0", "90", false, "96960700", "9"},
        {1, "0", "13", "0", "90", true, nullptr, "9"},
        // Layers 1-13 of 特级, summed by hand.
        {2, "0", "13", "0", "110", false, "173757012", "11"},
        // From above to: results cleared, times per day untouched.
        {0, "6", "5", "0", "60", true, nullptr, nullptr},
        // Empty fields likewise.
        {0, "", "5", "0", "60", true, nullptr, nullptr},
        {0, "0", "5", "0", "", true, nullptr, nullptr},
        // Letters read 0 (not empty); a digit then a letter reads the digit.
        {0, "ab", "1", "0", "60", false, "220375", "6"},
        {0, "0", "1x", "0", "60", false, "220375", "6"},
        // -1 works as 0; halves round to even: .5 + 1 → layer 2, to .5 → layer 0.
        {0, "-1", "1", "0", "60", false, "220375", "6"},
        {0, ".5", "2", "0", "60", false, "553000", "6"},
        {0, "0", ".5", "0", "60", false, "0", "6"},
        // A fraction held gives a fraction.
        {0, "0", "1", "0.5", "60", false, "220374.5", "6"},
        // Layers that round below 0 clear the results but still count the times per day.
        {0, "-3", "1", "0", "60", true, nullptr, "6"},
        {0, "-2", "-1", "0", "60", true, nullptr, "6"},
        // A held amount out of range clears, and the times per day still follow.
        {0, "0", "1", "1E999", "99", true, nullptr, "9"},
        // Times-per-day bands.
        {0, "0", "0", "0", "59", false, "0", "0"},
        {0, "0", "0", "0", "99", false, "0", "9"},
        {0, "0", "0", "0", "155", false, "0", "15"},
        {0, "0", "0", "0", "156", false, "0", "0"},
        {1, "0", "0", "0", "89", false, "0", "0"},
        {1, "0", "0", "0", "90", false, "0", "9"},
        {2, "0", "0", "0", "109", false, "0", "0"},
        {2, "0", "0", "0", "110", false, "0", "11"},
    };
    for (const CalcCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cls << " " << c.from << "→" << c.to << " held " << c.held << " lv "
                                          << c.level);
        const CultivationUpdate u = cultivationRun(c.cls, c.from, c.to, c.held, c.level);
        EXPECT_EQ(u.clear, c.clear);
        EXPECT_EQ(u.needed.value_or("none"), c.needed ? c.needed : "none");
        EXPECT_EQ(u.timesPerDay.value_or("untouched"), c.times ? c.times : "untouched");
    }
}

TEST(CultivationCalculator, SixteenIsAboveEveryClass)
{
    EXPECT_TRUE(cultivationRun(2, "0", "16", "0", "110").clear);
}

TEST(CultivationCalculator, NoClassNoFigures)
{
    const CultivationUpdate u = cultivationRun(3, "0", "1", "0", "60");
    EXPECT_TRUE(u.clear);
    EXPECT_FALSE(u.needed.has_value());
}
