#pragma once
// The task reward calculators of the 任务 panel: "帮派任务", "门派任务" and "任务链".

#include <QObject>
#include <array>

class QCheckBox;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

// "帮派任务": one cycle of 青龙 and 玄武 at a level.
class GuildTaskFrame : public QObject {
    Q_OBJECT
public:
    explicit GuildTaskFrame(::ui::CaptionFrame* frame);
    void button7Click(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 3> m_text7{};
};

// "门派任务": experience and money of the sect task, doubled by "双倍" and by "两轮".
class SectTaskFrame : public QObject {
    Q_OBJECT
public:
    explicit SectTaskFrame(::ui::CaptionFrame* frame);
    void button9Click(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 3> m_text9{};
    QCheckBox* m_double = nullptr;     // Check1
    QCheckBox* m_twoCycles = nullptr;  // Check3
};

// "任务链": the experience of a run of rings at a level, and half of it.
class RingQuestFrame : public QObject {
    Q_OBJECT
public:
    explicit RingQuestFrame(::ui::CaptionFrame* frame);
    void button8Click(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 5> m_text8{};
};

} // namespace calc::ui
