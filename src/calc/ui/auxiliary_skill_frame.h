#pragma once
// The "辅助技能" frame of the 帮派 panel: an auxiliary skill learned in the guild or from an NPC.

#include <QObject>
#include <array>

class QLabel;
class QRadioButton;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class AuxiliarySkillFrame : public QObject {
    Q_OBJECT
public:
    explicit AuxiliarySkillFrame(::ui::CaptionFrame* frame);

    void button5Click(int index); // 0 计算, 1 重置
    void option1Click(int index); // 0 在帮派学习, 1 向NPC学习

private:
    void clearAll();
    std::array<::ui::NumericField*, 6> m_text5{};
    std::array<QRadioButton*, 2> m_option1{};
    std::array<QLabel*, 9> m_label2{};
};

} // namespace calc::ui
