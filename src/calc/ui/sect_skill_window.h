#pragma once
// Form2 "门派技能详细计算": seven sect skills, each over its own level range, and the total
// of the ticked rows.

#include "common/ui/forms.h"

#include <array>

class QCheckBox;

namespace ui {
class NumericField;
}

namespace calc::ui {

class SectSkillDetailWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    SectSkillDetailWindow();

    void button1Click(int index); // 0 计算, 1 重设, 2 关闭
    void queryUnload() override;

private:
    void compute();
    void reset();
    std::array<QCheckBox*, 7> m_check1{};
    std::array<::ui::NumericField*, 7> m_text1{}; // from levels
    std::array<::ui::NumericField*, 7> m_text2{}; // to levels
    std::array<::ui::NumericField*, 7> m_text3{}; // row experience
    std::array<::ui::NumericField*, 7> m_text4{}; // row money
    ::ui::NumericField* m_text5 = nullptr;        // total experience
    ::ui::NumericField* m_text6 = nullptr;        // total money
    ::ui::NumericField* m_text7 = nullptr;        // ticked rows
};

} // namespace calc::ui
