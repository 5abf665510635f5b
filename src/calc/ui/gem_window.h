#pragma once
// Form31 "宝石计算": the level-1 gems in a gem of a level, and in forging up to that level,
// with their cost at a unit price. The results follow the picker and the price as they change.

#include "common/ui/forms.h"

#include <array>

class QComboBox;
class QLabel;

namespace ui {
class NumericField;
}

namespace calc::ui {

class GemWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 31;
    GemWindow();

private:
    void levelPicked();
    void priceChanged(const QString& text);
    void recompute();

    QComboBox* m_level = nullptr;          // Combo1
    ::ui::NumericField* m_price = nullptr; // Text1
    std::array<QLabel*, 6> m_results{};    // Label2(0..5)
};

} // namespace calc::ui
