#pragma once
// Form26 "飞升降修计算": two panels that walk a cultivation level up and down one step at a
// time and keep the money the steps cost.

#include "calc/cultivation.h"
#include "common/ui/forms.h"

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace ui {
class DcButton;
class NumericField;
} // namespace ui

namespace calc::ui {

class CultivationStepsWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    CultivationStepsWindow();

    // panel 0 is the upper panel (Option1, dcButton1, Text1, Check1, Label1),
    // panel 1 the lower one (Option2, dcButton2, Text2, Check2, Label2).
    void stepClick(int panel, int index); // 0 "+1", 1 "-1"
    void optionClick(int panel, int index);
    void textDblClick(int panel, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Panel {
        std::array<QRadioButton*, 4> options{};
        std::array<::ui::NumericField*, 4> texts{}; // level, total, step level, step money
        QCheckBox* freeDown = nullptr;
        QLabel* priceNote = nullptr;
        CultivationSteps steps;
    };
    void buildPanel(int panel, int top);
    void display(Panel& p);
    std::array<Panel, 2> m_panels;
};

} // namespace calc::ui
