#pragma once
// The child attribute calculator of the 孩子 panel: a child's level, growth and aptitudes
// in; its five points (even spread, or split by shares with 改点) and six battle
// attributes out; level steps; the growth and share boxes' typing rules; the portraits.

#include "beasts/attributes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace beasts {

inline constexpr std::string_view kMsgChildEmpty = "输入项均不能为空！";
inline constexpr std::string_view kMsgChildLevel = "输入的等级不能大于160级！";
inline constexpr std::string_view kMsgShareEmpty = "输入框不能为空！";
inline constexpr std::string_view kMsgShareSum = "输入不正确,五项总和须为100或者是5!";
inline constexpr int kChildMaxLevel = 160;

inline constexpr std::array<std::string_view, 6> kChildPortraits = {"小毛头", "小丫丫", "小神灵",
                                                                    "小仙女", "小魔头", "小精灵"};
// The portrait a click on portrait `index` shows: left the next, right the previous;
// other buttons keep it.
int nextPortrait(int index, int button);

// What a box of the calculator does after a change of its text.
struct BoxCheck {
    bool undo = false;                  // take back the keystroke just typed
    std::optional<std::string> tooltip; // the growth box's new tooltip, if any
};
// The growth box: at most one point, standing second, and a value below 2.
BoxCheck checkChildGrowthBox(std::string_view text);
// A share box: a point may only stand second.
BoxCheck checkShareBox(std::string_view text);
// The tooltip all five share boxes carry: what is left of 5, or of 100 past 5.
std::string shareTooltip(const std::array<std::string, 5>& shares);

struct ChildFigures {
    std::string level;
    std::array<std::string, 6> aptitudes; // 攻击资质 … 躲闪资质
};

struct ChildOutcome {
    std::string warning;  // a refusal's message; empty when none
    bool changed = false; // the points and results below are new
    std::array<std::int64_t, kPointKinds> points{};
    AttributeValues results{};
    std::string growthText; // 确定 only: the growth box afterwards ("1.200")
    std::string levelText;  // level steps only: the level box afterwards
};

class ChildCalculator {
public:
    // 确定: checks the eight boxes, takes the growth and spreads the points evenly.
    ChildOutcome confirm(const ChildFigures& f, std::string_view growth);
    // 改点: splits the free points by the five shares (in exact tenths).
    ChildOutcome split(const ChildFigures& f, const std::array<std::string, 5>& shares) const;
    // One level step, +1 or -1; nothing at the bounds 160 and 0.
    ChildOutcome levelStep(const ChildFigures& f, int direction) const;
    // 重设: the growth goes back to 0.
    void reset() { m_growth = 0.0f; }
    float growth() const { return m_growth; }

private:
    AttributeValues compute(const ChildFigures& f, const std::array<std::int64_t, kPointKinds>& points) const;
    float m_growth = 0.0f;
};

} // namespace beasts
