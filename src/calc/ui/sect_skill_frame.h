#pragma once
// The "门派技能" frame of the 角色 panel: one to seven sect skills over the same level range,
// and the launcher of the detail window.

#include <QObject>
#include <array>

class QLabel;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class SectSkillFrame : public QObject {
    Q_OBJECT
public:
    explicit SectSkillFrame(::ui::CaptionFrame* frame);

    void button3Click(int index); // 0..6 计算 for 1..7 skills, 7 重置, 8 详细

private:
    void compute(int skills);
    std::array<::ui::NumericField*, 4> m_text3{};
    QLabel* m_count = nullptr; // Label24
};

} // namespace calc::ui
