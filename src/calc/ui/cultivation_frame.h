#pragma once
// The cultivation calculator "角色修炼" of the 帮派 panel.

#include <QObject>
#include <array>

class QRadioButton;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class CultivationFrame : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside the panel's frame.
    explicit CultivationFrame(::ui::CaptionFrame* frame);

    void button6Click(int index); // 0 计算, 1 重置, 2 飞升降修
    void option2Click(int index);

private:
    std::array<QRadioButton*, 2> m_option2{};
    std::array<::ui::NumericField*, 8> m_text6{};
};

} // namespace calc::ui
