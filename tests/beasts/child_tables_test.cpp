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

