#include "beasts/child_tables.h"

#include <gtest/gtest.h>

using namespace beasts;

TEST(ChildTables, RowsByPosition)
{
    EXPECT_EQ(childSectAt(-1), nullptr);
    EXPECT_EQ(childSectAt(12), nullptr);
    EXPECT_EQ(specialBookAt(4), nullptr);
    EXPECT_EQ(childItemAt(20), nullptr);
    const ChildSectRow* dragon = childSectAt(5);
    ASSERT_NE(dragon, nullptr);
    EXPECT_EQ(dragon->sect, "龙宫");
    EXPECT_EQ(dragon->requirement, "法术≥40,体质≥30,武学<35");
    EXPECT_EQ(dragon->skills, "1.龙卷雨击 2.龙腾(≥100级)");
    EXPECT_EQ(dragon->lessons, "师门1:法术悟性 师门2:体质");
    // 方寸山 and 化生寺 share one lesson text, 大唐官府, 狮驼岭 and 阴曹地府 another.
    EXPECT_EQ(childSectAt(1)->lessons, "师门1:法术悟性 师门2:心态");
    EXPECT_EQ(childSectAt(2)->lessons, "师门1:法术悟性 师门2:心态");
    EXPECT_EQ(childSectAt(0)->lessons, "师门1:武学悟性 师门2:体质");
    EXPECT_EQ(childSectAt(8)->lessons, "师门1:武学悟性 师门2:体质");
    EXPECT_EQ(childSectAt(11)->lessons, "师门1:武学悟性 师门2:体质");
    EXPECT_EQ(specialBookAt(3)->effect, "武学-10,法术-10,心态-10,体质-10");
    EXPECT_EQ(childItemAt(0)->values[5], " 0≤总≤10");
    EXPECT_EQ(childItemAt(19)->item, "百兽图谱");
}

// Every item's six range texts follow one of the five published schedules.
TEST(ChildTables, ItemRangesFollowTheSchedules)
{
    using R = std::array<std::string_view, 6>;
    const R schedules[] = {
        {"无", "无", "无", " 0≤总≤10", "11≤总≤35", "36≤总"},
        {"无", "无", " 0≤总≤10", "11≤总≤30", "31≤总≤50", "51≤总"},
        {"无", " 0≤总≤10", "11≤总≤26", "27≤总≤43", "44≤总≤60", "61≤总"},
        {" 0≤总≤10", "11≤总≤24", "25≤总≤38", "39≤总≤52", "53≤总≤67", "68≤总"},
        {"11≤总≤22", "23≤总≤35", "36≤总≤47", "48≤总≤60", "61≤总≤72", "73≤总"},
    };
    for (const ChildItemRow& row : ChildItemEffect) {
        const R ranges{row.values[2], row.values[3], row.values[4], row.values[5], row.values[6], row.values[7]};
        bool found = false;
        for (const R& s : schedules)
            found = found || s == ranges;
        EXPECT_TRUE(found) << row.item;
    }
}

// The lists are not sorted: a list position is the row number, so the order is pinned
// whole; of the rows, the first, the last and a few between.
TEST(ChildTables, ListOrderAndTellingRows)
{
    const std::string_view sects[] = {"大唐官府", "方寸山", "化生寺", "女儿村", "天宫",   "龙宫",
                                      "普陀山",   "五庄观", "狮驼岭", "盘丝洞", "魔王寨", "阴曹地府"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(childSectAt(i)->sect, sects[i]) << i;
    const std::string_view books[] = {"蚩尤武诀", "皇帝内经", "还魂密术", "奇异果"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(specialBookAt(i)->book, books[i]) << i;
    const std::string_view items[] = {"急就章", "千字文",   "诗经",     "论语",   "道德经", "金柳露",   "超级金柳露",
                                      "糖葫芦", "玉灵果",   "瑶池蟠桃", "竹马",   "投掷沙包", "猴皮筋", "弹弓",
                                      "红木短剑", "启蒙棋谱", "搜神记", "列异传", "山海经", "百兽图谱"};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(childItemAt(i)->item, items[i]) << i;

    const ChildSectRow* first = childSectAt(0);
    EXPECT_EQ(first->requirement, "武学悟性≥30,体质≥40");
    EXPECT_EQ(first->skills, "1.后发制人 2.杀气诀(≥100级)");
    const ChildSectRow* last = childSectAt(11);
    EXPECT_EQ(last->requirement, "武学≥30,法术<25,体质<30");
    EXPECT_EQ(last->skills, "1.修罗隐身 2.幽冥鬼眼(≥100级)");
    EXPECT_EQ(childSectAt(9)->lessons, "师门1:武学悟性 师门2:法术悟性");
    EXPECT_EQ(childSectAt(3)->lessons, "师门1:心态 师门2:武学悟性");
    EXPECT_EQ(childSectAt(6)->lessons, "师门1:心态 师门2:法术悟性");

    EXPECT_EQ(specialBookAt(0)->effect, "心态-20,法术悟性-20");
    EXPECT_EQ(specialBookAt(1)->effect, "武学悟性-30");
    EXPECT_EQ(specialBookAt(2)->effect, "体质-20,武学悟性-10");

    using V = std::array<std::string_view, 8>;
    EXPECT_EQ(childItemAt(0)->values, (V{" 0≤心态< 20", "30", "无", "无", "无", " 0≤总≤10", "11≤总≤35", "36≤总"}));
    EXPECT_EQ(childItemAt(3)->values, (V{"40< 心态< 50", "60", " 0≤总≤10", "11≤总≤24", "25≤总≤38", "39≤总≤52",
                                         "53≤总≤67", "68≤总"}));
    EXPECT_EQ(childItemAt(19)->values, (V{"30< 法术< 60", "65", "11≤总≤22", "23≤总≤35", "36≤总≤47", "48≤总≤60",
                                          "61≤总≤72", "73≤总"}));
    // The single range and the amount, which no schedule covers.
    EXPECT_EQ(childItemAt(5)->values[0], " 0≤体质< 20");
    EXPECT_EQ(childItemAt(5)->values[1], "35");
    EXPECT_EQ(childItemAt(10)->values[0], " 0≤武学< 20");
    EXPECT_EQ(childItemAt(10)->values[1], "40");
    EXPECT_EQ(childItemAt(13)->values[0], "30< 武学< 50");
    EXPECT_EQ(childItemAt(13)->values[1], "65");
    EXPECT_EQ(childItemAt(6)->values[1], "50");
}
