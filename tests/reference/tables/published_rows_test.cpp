// Rows of the reference tables as they are published: the whole order of the official
// ranks, material prices, recipes at the ends of their levels, the first and last
// transformation cards, and the treasure classes with the ends of their lists.
#include "reference/tables/base_values.h"
#include "reference/tables/cards.h"
#include "reference/tables/furniture.h"
#include "reference/tables/treasures.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace tables;

TEST(PublishedRows, OfficialRanksInOrder)
{
    const std::string_view ranks[] = {
        "九品将仕郎",     "九品文林郎",     "九品登仕郎",       "九品儒林郎",     "八品承务郎",     "八品承奉郎",
        "八品征事郎",     "八品给事郎",     "七品宣议郎",       "七品朝散郎",     "七品武骑尉",     "七品宣德郎",
        "七品朝请郎",     "七品云骑尉",     "六品通直郎",       "六品奉议郎",     "六品飞骑尉",     "六品承议郎",
        "六品朝议郎",     "六品晓骑尉",     "五品游击将军",     "五品游骑将军",   "五品骑都尉",     "五品怀化郎将",
        "五品宁远将军",   "五品定远将军",   "四品归德中郎将",   "四品明威将军",   "四品宣威将军",   "四品轻车都尉",
        "四品怀化中郎将", "四品忠武将",     "三品归德将",       "三品云麾将军",   "三品护军",       "三品怀化大将军",
        "三品冠军大将军", "二品镇军大将军", "二品辅国大将军",   "一品开府仪同三司", "一品膘骑大将军", "郡王",
        "辅佐王"};
    static_assert(std::size(ranks) == kOfficialRankCount);
    for (int r = 0; r < kOfficialRankCount; ++r)
        EXPECT_EQ(kOfficialRanks[static_cast<std::size_t>(r)], ranks[r]) << r + 1;
}

TEST(PublishedRows, MaterialPrices)
{
    const struct {
        int index;
        const char *caption, *name;
        int price;
    } rows[] = {
        {0, "[普通木料类]", "普通木材类", 300}, {1, "[贵重金属类]", "贵重金属类", 3000},
        {3, "[印花工艺]", "印花工艺", 500},     {7, "[普通手艺]", "普通手艺", 700},
        {8, "[普通金属类]", "普通金属类", 400}, {11, "[灵巧手艺]", "灵巧手艺", 5000},
        {15, "[ 宝石类 ]", "宝石类", 5000},     {17, "[  陶瓷类  ]", "陶瓷类", 1000},
    };
    for (const auto& r : rows) {
        const MaterialCategory& m = kMaterials[static_cast<std::size_t>(r.index)];
        EXPECT_EQ(m.caption, r.caption) << r.index;
        EXPECT_EQ(m.name, r.name) << r.index;
        EXPECT_EQ(m.price, r.price) << r.index;
    }
}

TEST(PublishedRows, RecipesAtTheEndsOfTheirLevels)
{
    const struct {
        int index; // label Index
        const char* name;
        int level;
        const char* levelText;
        std::array<int, 4> materials;
    } rows[] = {
        {18, "桦木圆桌", 1, "10级", {0, 7, -1, -1}},
        {19, "印花屏风", 1, "25级", {0, 4, 3, -1}},
        {33, "水仙", 1, "35级", {5, 10, 17, -1}},
        {34, "白鹤展翅帘", 2, "50级", {12, 16, 4, 5}},
        {55, "猛虎坐山图", 2, "100级", {16, 2, 11, -1}},
        {56, "黄缎锦边帘", 3, "", {-1, -1, -1, -1}},
        {70, "红杏闹春帘", 4, "", {-1, -1, -1, -1}},
        {74, "宁夜安梦", 4, "", {-1, -1, -1, -1}},
    };
    for (const auto& r : rows) {
        const FurnitureRecipe& f = kFurniture[static_cast<std::size_t>(r.index - kFirstFurniture)];
        EXPECT_EQ(f.name, r.name) << r.index;
        EXPECT_EQ(f.level, r.level) << r.index;
        EXPECT_EQ(f.levelText, r.levelText) << r.index;
        if (r.level <= 2) {
            for (std::size_t k = 0; k < 4; ++k)
                EXPECT_EQ(f.materials[k], r.materials[k]) << r.index << ' ' << k;
        }
    }
    EXPECT_EQ(recipeTotal(kFurniture[0]), 1000);
    EXPECT_EQ(recipeTotal(kFurniture[34 - kFirstFurniture]), 7300);
    EXPECT_EQ(recipeTotal(kFurniture[55 - kFirstFurniture]), 10000);
}

TEST(PublishedRows, FirstAndLastCards)
{
    const TransformationCardRecord& first = TransformationCardCatalogue.front();
    EXPECT_EQ(first.name, "海毛虫");
    EXPECT_EQ(first.level, 1);
    EXPECT_EQ(first.requirement, "无");
    EXPECT_EQ(first.skill, "无");
    EXPECT_EQ(first.attribute, "无");
    EXPECT_EQ(first.uses, "1次");
    EXPECT_EQ(first.duration, "30分钟*(1+变化之术等级)");
    EXPECT_EQ(TransformationCardCatalogue[1].name, "大蝙蝠");
    const TransformationCardRecord& last = TransformationCardCatalogue.back();
    EXPECT_EQ(last.name, "红萼仙子");
    EXPECT_EQ(last.level, 8);
    EXPECT_EQ(last.requirement, "五级变化之术");
    EXPECT_EQ(last.skill, "高级冥思");
    EXPECT_EQ(last.attribute, "灵力+15点");
    EXPECT_EQ(last.duration, "15分钟*(1+变化之术等级)");
}

TEST(PublishedRows, TreasureClassesAndTheirEnds)
{
    const struct {
        const char* name;
        int level;
        const char* aura;
        int top;
        const char* first;
        const char* last;
    } classes[] = {
        {"普通法宝", 60, "200", 9, "碧玉葫芦", "定风珠"},
        {"高级法宝", 90, "300", 12, "玄冰面具", "摄魂"},
        {"特级法宝", 110, "500", 15, "神木面具", "忘情"},
    };
    for (int c = 0; c < kTreasureClassCount; ++c) {
        const auto& want = classes[c];
        const TreasureClass& k = kTreasureClasses[static_cast<std::size_t>(c)];
        EXPECT_EQ(k.name, want.name) << c;
        EXPECT_EQ(k.levelRequirement, want.level) << c;
        EXPECT_EQ(k.auraCap, want.aura) << c;
        EXPECT_EQ(k.topLayer, want.top) << c;
        EXPECT_EQ(treasureCatalogue(c).front().name, want.first) << c;
        EXPECT_EQ(treasureCatalogue(c).back().name, want.last) << c;
    }
    // A row in the middle of each list, with its fields.
    const TreasureRecord& flags = treasureCatalogue(0)[15];
    EXPECT_EQ(flags.name, "五色旗盒");
    EXPECT_EQ(flags.mode, "主动");
    EXPECT_EQ(flags.turns, "无");
    const TreasureRecord& fan = treasureCatalogue(2)[15];
    EXPECT_EQ(fan.name, "无尘扇");
    EXPECT_EQ(fan.type, "诅咒");
    EXPECT_EQ(fan.element, "火(+1%)水(-1%)");
    EXPECT_EQ(fan.turns, "10回合");
    EXPECT_EQ(treasureCatalogue(1).back().sect, "阴曹地府");
    EXPECT_EQ(treasureCatalogue(0).back().sect, "五庄观");

    // Realm names: the first rows of each class and the ones the classes share.
    const char* firstRealms[3][3] = {{"初具法力", "略晓变化", "驾轻就熟"},
                                     {"心法初成", "了然于胸", "妙领天机"},
                                     {"元神初具", "一日千里", "脱胎换骨"}};
    for (int c = 0; c < 3; ++c)
        for (int layer = 0; layer < 3; ++layer)
            EXPECT_EQ(realmNames(c)[static_cast<std::size_t>(layer)], firstRealms[c][layer]) << c << ' ' << layer;
    EXPECT_EQ(realmNames(1)[12], "法力无边");
    EXPECT_EQ(realmNames(1)[5], "脱胎换骨");
    EXPECT_EQ(realmNames(2)[11], "纵横三界");
    EXPECT_EQ(realmNames(2)[14], "反璞归真");
}
