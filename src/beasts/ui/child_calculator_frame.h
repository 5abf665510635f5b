#pragma once
// The child attribute calculator in Frame14 of the 孩子 panel: a portrait that cycles on a
// click, the level, growth and aptitudes in, the points and six attributes out; 确定,
// 重设, 改点 and press-and-hold level steps.

#include "beasts/child_calculator.h"

#include <QObject>
#include <array>

class QLabel;
class QLineEdit;

namespace ui {
class CaptionFrame;
class DcButton;
class HoldRepeat;
class NumericField;
} // namespace ui

namespace beasts::ui {

class ChildCalculatorFrame : public QObject {
    Q_OBJECT
public:
    explicit ChildCalculatorFrame(::ui::CaptionFrame* frame);

    void dcButton11Click(int index); // 0 确定, 1 重设, 2 改点
    ::ui::HoldRepeat* holdRepeat() const { return m_hold; }
    int portrait() const { return m_portrait; }
    const ChildCalculator& calculator() const { return m_calc; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChildFigures figures() const;
    void growthChanged();
    void shareChanged();
    void showOutcome(const ChildOutcome& r);
    void setResultState(bool on);
    bool levelTick();

    ChildCalculator m_calc;
    QWidget* m_frame;
    std::array<QLabel*, 6> m_portraits{}; // Image1
    QLabel* m_portraitName = nullptr;     // Label26
    int m_portrait = 0;
    ::ui::NumericField* m_level = nullptr;  // Text37
    ::ui::NumericField* m_growth = nullptr; // Text31
    std::array<::ui::NumericField*, 6> m_aptitudes{}; // Text36
    std::array<::ui::NumericField*, 5> m_points{};    // Text34
    std::array<::ui::NumericField*, 5> m_shares{};    // Text35
    std::array<::ui::NumericField*, 6> m_results{};   // Text32
    std::array<::ui::DcButton*, 3> m_buttons{};       // dcButton11
    std::array<::ui::DcButton*, 2> m_steppers{};      // dcButton13: 0 "+", 1 "-"
    int m_stepDirection = 0;
    ::ui::HoldRepeat* m_hold = nullptr;               // Timer4
};

} // namespace beasts::ui
