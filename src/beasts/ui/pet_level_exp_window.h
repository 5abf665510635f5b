#pragma once
// Form13 "召唤兽升级经验": the experience a summoned beast needs from one level to
// another, and for the step into the second level.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class NumericField;
}

namespace beasts::ui {

class PetLevelExpWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 13;
    PetLevelExpWindow();

    void dcButton1Click(int index); // 0 确定, 1 重置

private:
    std::array<::ui::NumericField*, 5> m_text1{};
};

} // namespace beasts::ui
