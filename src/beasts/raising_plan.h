#pragma once
// The raising plan "蚩尤高速孩子计划": a fixed 31-day plan for a child, with the sect, speed
// and book choices of its window.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace beasts {

inline constexpr std::size_t kPlanDays = 31;

struct PlanDay {
    int day;
    int martial, magic, mind, body; // 武学悟性, 法术悟性, 心态, 体质
    int total;                      // 总属性
    std::string_view entries;       // the items and lessons of the day, blank-separated
};
extern const std::array<PlanDay, kPlanDays> RaisingPlanDays;

inline constexpr std::string_view kPlanTitle = "蚩尤高速孩子计划";
inline constexpr std::array<std::string_view, 7> kPlanHeads = {"天数", "武学悟性", "法术悟性", "心态",
                                                               "体质", "总属性", "计划"};
inline constexpr std::array<std::string_view, 12> kPlanSects = {
    "大唐官府", "化生寺", "方寸山", "女儿村", "五庄观", "龙宫", "天宫", "普陀山", "狮驼岭", "魔王寨", "阴曹地府", "盘丝洞"};
inline constexpr std::array<std::string_view, 4> kPlanSpeeds = {"不限", "高速", "普速", "低速"};
inline constexpr std::array<std::string_view, 5> kPlanBooks = {"无", "蚩尤武诀", "还魂密术", "皇帝内经", "奇异果"};
inline constexpr int kSectCodeBase = 100;
inline constexpr int kSpeedCodeBase = 20;
inline constexpr int kBookCodeBase = 30;

// The plan's 38 lines: one per day, then the attribute totals and the shopping list.
std::vector<std::string> raisingPlanLines();

} // namespace beasts
