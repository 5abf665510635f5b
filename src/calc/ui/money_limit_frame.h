#pragma once
// The "携带金钱" frame of the 角色 panel: the most money a character can carry at a level.

#include <QObject>
#include <array>

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class MoneyLimitFrame : public QObject {
    Q_OBJECT
public:
    explicit MoneyLimitFrame(::ui::CaptionFrame* frame);

    void button4Click(int index); // 0 计算, 1 重置

private:
    std::array<::ui::NumericField*, 2> m_text4{};
};

} // namespace calc::ui
