#pragma once
// Cultivation (修炼): the cost of raising a level on the 帮派 panel, and the step-by-step
// money count of the "飞升降修计算" window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr int kMaxCultivationLevel = 25;

inline constexpr std::string_view kMsgFieldsEmpty = "待输入项不能为空！";
inline constexpr std::string_view kMsgCultivationCap = "等级1和2不能大于25！";
inline constexpr std::string_view kMsgCultivationOrder = "等级1不能大于等级2！";
inline constexpr std::string_view kMsgCultivationAnswer = "输入有误，请重新输入！";

// Money in 万 per 10 points of cultivation experience.
inline constexpr int kAttackPrice = 3;  // 物理攻击/法术攻击/猎术
inline constexpr int kDefencePrice = 2; // 物理防御/法术防御

struct CultivationCost {
    std::string warning;                // empty when the computation went through
    std::optional<std::int64_t> held;   // the held experience to write back, when it was normalised
    std::int64_t experience = 0;        // experience still needed
    std::int64_t money = 0;             // in 万
    std::int64_t contribution = 0;      // guild contribution to hold (not consumed)
    std::int64_t resources = 0;         // guild resources (资材) consumed
    std::int64_t minCharLevel = 0;      // lowest character level allowed
};

// From level `current` with `held` experience gathered in it up to level `target`, at
// `price` 万 per 10 experience. Empty box = nullopt. The held experience is rounded down to
// a multiple of 10 and taken as 0 when it covers the whole current step; it is reported
// back in `held` only when current < target.
CultivationCost cultivationCost(std::optional<std::int64_t> current, std::optional<std::int64_t> held,
                                std::optional<std::int64_t> target, int price);

// The money in 万 of the step that reaches `level` (0 for level 0) at `price` per 10 experience.
std::int64_t cultivationStepMoney(int level, int price);

// One panel of the steps window: a level walked up and down one step at a time with a
// running money total.
class CultivationSteps {
public:
    int level() const { return m_level; }
    std::int64_t total() const { return m_total; }
    int stepLevel() const { return m_stepLevel; }
    std::int64_t stepMoney() const { return m_stepMoney; }
    int price() const { return m_price; }
    // Kind index 0..3: 攻击修炼, 法术修炼, 物理防御, 法术防御.
    static int priceOfKind(int kind) { return kind >= 2 ? kDefencePrice : kAttackPrice; }

    // "+1": nothing at 25.
    void stepUp();
    // "-1": nothing at 0. With free steps down the total stays; otherwise the money of the
    // step given up comes off it, but never more than the total holds.
    void stepDown(bool freeStepsDown);
    // A new kind: its price, and every figure back to 0.
    void chooseKind(int kind);
    // A level can be entered only at level 0.
    bool canEnterLevel() const { return m_level == 0; }
    // Takes the answer of the input box as the level: its leading number rounded half to
    // even; an empty answer or one without a number is level 0. With free steps down the
    // total starts again at 0, otherwise the money of climbing from 0 to that level is
    // added to it. An answer outside 0..25 (however large) changes nothing and returns
    // kMsgCultivationAnswer; otherwise, and when no level can be entered, returns "".
    std::string enterLevel(std::string_view answer, bool freeStepsDown);

private:
    void showStep();
    int m_level = 0;
    std::int64_t m_total = 0;
    int m_stepLevel = 0;
    std::int64_t m_stepMoney = 0;
    int m_price = kAttackPrice;
};

} // namespace calc
