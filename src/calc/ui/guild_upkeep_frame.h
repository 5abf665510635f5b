#pragma once
// The guild upkeep calculator of the 帮派 panel ("帮派维护资金消耗"): the seven pickers of
// Combo7 share one handler; the frame also holds the launcher of the research window.

#include <QObject>
#include <array>

class QComboBox;
class QLabel;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace calc::ui {

class GuildUpkeepFrame : public QObject {
    Q_OBJECT
public:
    explicit GuildUpkeepFrame(::ui::CaptionFrame* frame);

    // Combo7(index) was picked: 0 the guild level, 1..6 a building count.
    void pickerClick(int index);

private:
    void writeFigures(int level);

    std::array<QComboBox*, 7> m_pickers{};  // Combo7(0..6)
    std::array<QLabel*, 6> m_buildings{};   // Label17(0..5)
    std::array<::ui::NumericField*, 2> m_results{}; // Text28(0..1)
};

} // namespace calc::ui
