#pragma once
// The two experience calculators of the 角色 panel: "等级->经验" and "经验->等级".

#include <QObject>
#include <array>

namespace ui {
class CaptionFrame;
class DcButton;
class NumericField;
} // namespace ui

namespace calc::ui {

class ExperienceFrames : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside the two frames of the panel.
    ExperienceFrames(::ui::CaptionFrame* levelToExp, ::ui::CaptionFrame* expToLevel);

    void button1Click(int index); // 0 计算, 1 重置
    void button2Click(int index); // 0 计算, 1 重置, 2 nothing, 3 总经验计算

private:
    std::array<::ui::NumericField*, 3> m_text1{};
    std::array<::ui::NumericField*, 4> m_text2{};
};

} // namespace calc::ui
