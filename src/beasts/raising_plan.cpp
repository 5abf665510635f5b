#include "beasts/raising_plan.h"

namespace beasts {

namespace {

std::string rightAligned(int v, std::size_t width)
{
    std::string s = std::to_string(v);
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

constexpr std::array<std::string_view, 7> kPlanFooter = {
    "=========================单项总属性===============================",
    "           武学       法术       心态       体质",
    "            19          0         34         20",
    "========================所用道具清单==============================",
    "          * 千字文      8本          * 诗经        8本          * 论语        2本",
    "          * 金柳露      3个          * 超级金柳露  5个          * 竹马        2个",
    "          * 投掷沙包    6个          * 弹弓        4个          * 红木短剑    5个",
};

} // namespace

std::vector<std::string> raisingPlanLines()
{
    std::vector<std::string> lines;
    for (const PlanDay& d : RaisingPlanDays) {
        std::string l = "第" + rightAligned(d.day, 2) + "天";
        l += rightAligned(d.martial, 5) + "(100)";
        l += rightAligned(d.magic, 6) + "(100)";
        l += rightAligned(d.mind, 6) + "(100)";
        l += rightAligned(d.body, 6) + "(100)";
        l += rightAligned(d.total, 5);
        l += d.entries.empty() ? "    " : "     " + std::string(d.entries);
        lines.push_back(std::move(l));
    }
    for (std::string_view f : kPlanFooter)
        lines.emplace_back(f);
    return lines;
}

} // namespace beasts
