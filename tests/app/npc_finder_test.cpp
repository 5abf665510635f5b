#include "app/npc_directory.h"
#include "app/npc_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace app;

namespace {

std::vector<std::size_t> range(std::size_t from, std::size_t to)
{
    std::vector<std::size_t> v;
    for (std::size_t i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

} // namespace

TEST(NpcDirectory, PinnedEntries)
{
    struct Case {
        std::size_t index;
        const char* entry;
    };
    const Case cases[] = {
        {0, "长安城 5号考官(294：54)"},
        {8, "长安城 驿站老板(280：43)去酆都"},
        {16, "长安城 马副将(193：174)领双处"},
        {68, "长安城 店小二(长安酒店)"},
        {108, "大唐官府 16号考官(50：20)"},
        {136, "长安城 罗道人 (505：74)流动"},
        {148, "地府 孟婆(96：20)"},
        {171, "地府 幽冥鬼 迷宫一层"},
        {206, "普陀山 接引仙女(80：113)去国境"},
        {279, "天宫 玉皇大帝 凌霄宝殿(28,46)"},
        {383, "东海湾沉船 商人的鬼魂 内室(28：11)"},
        {402, "花果山 花果山土地(28：98)去北俱芦洲"},
        {448, "龙窟 龙神(115：32)龙二"},
        {481, "北俱芦洲 传送女娲(14：156)去女娲神迹"},
        {493, "无名鬼城 鬼将军(31：19)"},
        {506, "小雷音寺 护法金刚(169：25)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NpcDirectory[c.index], c.entry) << c.index;
}

TEST(NpcDirectory, GroupsByMapInOrder)
{
    struct Group {
        const char* map;
        std::size_t first, last;
    };
    const Group groups[] = {
        {"长安城", 0, 107},     {"大唐官府", 108, 115}, {"大雁塔", 116, 123},   {"化生寺", 124, 135},
        {"长安城", 136, 145},   {"大唐国境", 146, 146}, {"江南野外", 147, 147}, {"地府", 148, 174},
        {"大唐国境", 175, 205}, {"普陀山", 206, 212},   {"盘丝岭", 213, 219},   {"五庄观", 220, 223},
        {"狮驼岭", 224, 228},   {"魔王寨", 229, 232},   {"大唐境外", 233, 265}, {"天宫", 266, 285},
        {"月宫", 286, 288},     {"长寿村", 289, 315},   {"长寿郊外", 316, 321}, {"方寸山", 322, 326},
        {"江南野外", 327, 332}, {"建邺城", 333, 373},   {"东海湾", 374, 381},   {"建邺城", 382, 382},
        {"东海湾沉船", 383, 383}, {"龙宫", 384, 401},   {"花果山", 402, 407},   {"傲来国", 408, 428},
        {"女儿村", 429, 434},   {"北俱芦洲", 435, 447}, {"龙窟", 448, 450},     {"凤巢", 451, 452},
        {"建邺城", 453, 455},   {"长安城", 456, 469},   {"大唐境外", 470, 472}, {"长寿村", 473, 477},
        {"傲来国", 478, 480},   {"北俱芦洲", 481, 481}, {"龙窟", 482, 482},     {"凤巢", 483, 484},
        {"女娲神迹", 485, 486}, {"大唐官府", 487, 489}, {"月宫", 490, 490},     {"龙宫", 491, 491},
        {"地府", 492, 492},     {"无名鬼城", 493, 494}, {"魔王寨", 495, 495},   {"狮驼岭", 496, 496},
        {"盘丝岭", 497, 497},   {"小西天", 498, 500},   {"小雷音寺", 501, 506},
    };
    std::size_t next = 0;
    for (const Group& g : groups) {
        ASSERT_EQ(g.first, next) << g.map;
        const std::string prefix = std::string(g.map) + " ";
        for (std::size_t i = g.first; i <= g.last; ++i)
            EXPECT_TRUE(NpcDirectory[i].starts_with(prefix)) << i << " " << NpcDirectory[i];
        next = g.last + 1;
    }
    EXPECT_EQ(next, kNpcEntries);
}

TEST(NpcDirectory, QuotedVariantsStandInTheirMapGroups)
{
    struct Case {
        const char* entry;
        std::size_t first, last;
    };
    const Case cases[] = {
        {"长安城 张记布庄(服装店老板)", 0, 107},
        {"长安城 超级大熊猫使者(393, 215)", 0, 107},
        {"长安城 泡泡使者(398： 214)", 0, 107},
        {"大雁塔 超级巫医(64,31)一层", 116, 123},
        {"长寿村 鲁成 (147,146)民居内", 289, 315},
        {"建邺城 简师爷(衙门内)", 333, 373},
        {"龙宫 虾兵 迷宫4层(36：37)去花果山", 384, 401},
    };
    for (const Case& c : cases) {
        const std::vector<std::size_t> hits = findNpcs(c.entry);
        ASSERT_EQ(hits.size(), 1u) << c.entry;
        EXPECT_GE(hits[0], c.first) << c.entry;
        EXPECT_LE(hits[0], c.last) << c.entry;
    }
}

TEST(NpcFinder, DirectorySearches)
{
    std::vector<std::size_t> changan = range(0, 107);
    for (std::size_t i : range(136, 145))
        changan.push_back(i);
    for (std::size_t i : range(456, 469))
        changan.push_back(i);

    struct Case {
        const char* text;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {" ", range(0, kNpcEntries - 1)}, // every entry has a blank after its map
        {"", {}},
        {"：", {}},
        {")", {}},
        {"(", {}},
        {"（", {}},
        // The entries written with an ASCII comma: 超级大熊猫使者 (comma and blank), 超级巫医,
        // 凌霄宝殿 and 鲁成.
        {",", {100, 116, 279, 289}},
        {"长安城", changan},
        {"凌霄宝殿(28,46)", {279}},
        {"东海湾沉船", {383}},
        {"去女娲神迹", {481}},
        {"护法金刚(169：25)", {506}},
        {"5号考官(294：54)x", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findNpcs(c.text), c.expected) << c.text;
    EXPECT_EQ(findNpcs("294").front(), 0u);
}

TEST(NpcFinder, MatchesExactlyByCharacter)
{
    const std::string_view entries[] = {
        "甲城 Npc(1：2)",
        "乙城 ＮＰＣ（３：４）",
        "丙城 npc (5,6)去甲城",
        "丁城 老人",
    };
    struct Case {
        const char* text;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {"Npc", {0}},       {"npc", {2}},       {"NPC", {}},        {"ＮＰＣ", {1}},   {"3", {}},
        {"３", {1}},        {"（", {1}},        {"(", {}},          {"(1", {0}},       {"：", {}},
        {"：2", {0}},       {":", {}},          {",", {2}},         {"甲城", {0, 2}},  {"城 ", {0, 1, 2, 3}},
        {"老人家", {}},     {"人", {3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findEntries(entries, c.text), c.expected) << c.text;
}

TEST(NpcFinder, IgnoresOnlyTheSingleMarks)
{
    struct Case {
        const char* text;
        bool ignored;
    };
    const Case cases[] = {
        {"", true},     {"：", true},  {")", true},   {"(", true},  {"：：", false}, {" (", false},
        {"( ", false},  {")(", false}, {"（", false}, {"）", false}, {":", false},   {",", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(npcSearchIgnored(c.text), c.ignored) << c.text;
}
