#pragma once
// The demon-sealing calculator "封妖任务" of the 任务 panel: one task's reward on seven maps.

#include "calc/demon_sealing.h"

#include <QObject>
#include <array>

class QCheckBox;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class DemonSealingFrame : public QObject {
    Q_OBJECT
public:
    explicit DemonSealingFrame(::ui::CaptionFrame* frame);

    void button10Click();
    void check2Click(int index);

private:
    ::ui::NumericField* m_text12 = nullptr;
    std::array<QCheckBox*, 2> m_check2{}; // 双倍, 三倍
    std::array<::ui::NumericField*, kDemonSealMaps> m_text10{}; // experience
    std::array<::ui::NumericField*, kDemonSealMaps> m_text11{}; // money
};

} // namespace calc::ui
