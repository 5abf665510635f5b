#pragma once
// Form29 "帮派技能研究所需经验": the research experience and days a guild skill still needs.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class NumericField;
}

namespace calc::ui {

class GuildResearchWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 29;
    GuildResearchWindow();

    void buttonClick(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 4> m_inputs{}; // Text1(0..3): current, target, gathered, academies
    std::array<::ui::NumericField*, 2> m_results{}; // Text2(0..1): experience needed, days
};

} // namespace calc::ui
