#pragma once
// Form19 "商会系统(召唤兽店)": budget of a player-run summoned-beast shop. While it is loaded
// the program-wide PetShopOpen flag is set, so the beast-HP window returns here.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class NumericField;
}

namespace calc::ui {

class BeastShopWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 19;
    BeastShopWindow();

    void queryUnload() override;
    void buttonClick(int index); // 0 计算, 1 清空, 2 血量表

private:
    void indexChanged();
    void countersChanged();
    void budgetFieldChanged(int index);
    // A warning raised from a change handler; one already on screen is not repeated.
    void changeWarning(std::string_view text);

    ::ui::NumericField* m_index = nullptr;    // Text1
    ::ui::NumericField* m_counters = nullptr; // Text2
    ::ui::NumericField* m_newShop = nullptr;  // Text3
    std::array<::ui::NumericField*, 11> m_budget{}; // Text4(0..10)
    bool m_warning = false;
};

} // namespace calc::ui
