#pragma once
// The child item cost tally: the items bought (name, quantity and unit per line) and the
// money spent on them, for one result column.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace beasts {

inline constexpr int kCostPanels = 4;   // 武学悟性, 法术悟性, 心态, 体质
inline constexpr int kCostPanelItems = 5;
inline constexpr int kCostColumnLines = 22;

struct CostPanel {
    std::string_view caption;
    std::array<std::string_view, kCostPanelItems> items;
    std::string_view unit;
};
inline constexpr std::array<CostPanel, kCostPanels> CostPanels = {{
    {"武学悟性", {"竹马", "投掷沙包", "猴皮筋", "弹弓", "红木短剑"}, "个"},
    {"法术悟性", {"启蒙棋谱", "搜神记", "列异传", "山海经", "百兽图谱"}, "本"},
    {"心态", {"急就章", "千字文", "诗经", "论语", "道德经"}, "本"},
    {"体质", {"金柳露", "超级金柳露", "糖葫芦", "玉灵果", "瑶池蟠桃"}, "个"},
}};

// The boxes of the window as they read.
struct CostEntries {
    // Per panel and item: the money spent and the quantity bought.
    std::array<std::array<std::string, kCostPanelItems>, kCostPanels> money;
    std::array<std::array<std::string, kCostPanelItems>, kCostPanels> quantity;
    std::string specialBook;          // 特技书: money
    std::array<std::string, 2> manuals; // 兽诀1, 兽诀2: money
};

struct CostTally {
    std::vector<std::string> lines; // at most 22, in column order
    std::string total;              // the sum of all money, plain digits
};

CostTally tallyCosts(const CostEntries& e);

} // namespace beasts
