#pragma once
// Form25 "总经验计算": all the experience a character has earned, and what a death costs.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class NumericField;
}

namespace calc::ui {

class TotalExperienceWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    TotalExperienceWindow();

    void dcButton1Click(int index); // 0 计算, 1 重置
    void dcButton2Click();          // 潜力果

private:
    void compute();
    void reset();
    void fruitPreview(); // Text4's change
    ::ui::NumericField* m_level = nullptr;        // Text1
    ::ui::NumericField* m_ascension = nullptr;    // Text11
    std::array<::ui::NumericField*, 7> m_sect{};  // Text2(0..6)
    std::array<::ui::NumericField*, 13> m_aux{};  // Text3(0..12)
    ::ui::NumericField* m_fruits = nullptr;       // Text4
    ::ui::NumericField* m_carried = nullptr;      // Text5
    ::ui::NumericField* m_total = nullptr;        // Text6
    ::ui::NumericField* m_normalDeath = nullptr;  // Text7
    ::ui::NumericField* m_pkDeath = nullptr;      // Text8
    ::ui::NumericField* m_fruitCount = nullptr;   // Text9
    ::ui::NumericField* m_fruitExp = nullptr;     // Text10
};

} // namespace calc::ui
