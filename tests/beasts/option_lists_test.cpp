// The fixed option lists of the children's windows, in the order their buttons and lists
// show them: the portraits, the aptitude rows with their top grades, and the raising plan's
// sects (an order of its own, not the 孩子 panel's), speeds and special books.
#include "beasts/child_aptitude.h"
#include "beasts/child_calculator.h"
#include "beasts/raising_plan.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace beasts;

TEST(OptionLists, PortraitsInClickOrder)
{
    const std::string_view portraits[] = {"小毛头", "小丫丫", "小神灵", "小仙女", "小魔头", "小精灵"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(kChildPortraits[i], portraits[i]) << i;
}

TEST(OptionLists, AptitudeRowsAndTheirTopGrades)
{
    const std::string_view names[] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质"};
    const int top[] = {5, 5, 10, 10, 5, 20};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(kAptitudeNames[i], names[i]) << i;
        EXPECT_EQ(kAptitudeTopGrade[i], top[i]) << i;
    }
}

TEST(OptionLists, RaisingPlanChoices)
{
    const std::string_view sects[] = {"大唐官府", "化生寺", "方寸山", "女儿村", "五庄观",   "龙宫",
                                      "天宫",     "普陀山", "狮驼岭", "魔王寨", "阴曹地府", "盘丝洞"};
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(kPlanSects[i], sects[i]) << i;
    const std::string_view speeds[] = {"不限", "高速", "普速", "低速"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(kPlanSpeeds[i], speeds[i]) << i;
    const std::string_view books[] = {"无", "蚩尤武诀", "还魂密术", "皇帝内经", "奇异果"};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(kPlanBooks[i], books[i]) << i;
    EXPECT_EQ(kSectCodeBase, 100);
    EXPECT_EQ(kSpeedCodeBase, 20);
    EXPECT_EQ(kBookCodeBase, 30);
    EXPECT_EQ(kPlanTitle, "蚩尤高速孩子计划");
    const std::string_view heads[] = {"天数", "武学悟性", "法术悟性", "心态", "体质", "总属性", "计划"};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(kPlanHeads[i], heads[i]) << i;
}
