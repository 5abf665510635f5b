#pragma once
// Form7 "潜力果经验计算": the experience of a run of potential fruits, in 万.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class NumericField;
}

namespace calc::ui {

class PotentialFruitWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    PotentialFruitWindow();

    void dcButton1Click(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 3> m_text1{}; // from, to, result
};

} // namespace calc::ui
