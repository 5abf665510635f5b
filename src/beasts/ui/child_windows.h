#pragma once
// The children's tool windows: Form24 "孩子资质档次" (aptitude grades), Form30
// "孩子物品成本统计" (item cost tally), Form9 "孩子教导" (teaching questions) and Form34
// "养育计划" (raising plan). Each brings the main window back when it closes.

#include "beasts/child_cost.h"
#include "common/ui/forms.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace ui {
class NumericField;
}

namespace beasts::ui {

class AptitudeGradeWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 24;
    AptitudeGradeWindow();
    void queryUnload() override;
    void dcButton1Click(int index); // 0 预测
    void combo1Click(int index);    // a grade chosen in row `index`

private:
    std::array<::ui::NumericField*, 4> m_values{}; // Text1
    std::array<::ui::NumericField*, 6> m_results{}; // Text3
    std::array<QComboBox*, 6> m_grades{};          // Combo1
};

class CostTallyWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 30;
    CostTallyWindow();
    void queryUnload() override;
    void dcButton1Click(int index); // 统计1 / 统计2
    void dcButton2Click();          // 重置
    void dcButton3Click(int index); // 清空 of a column

private:
    void tallyItems(int column);
    std::array<std::array<QCheckBox*, kCostPanelItems>, kCostPanels> m_ticks{};
    std::array<std::array<::ui::NumericField*, kCostPanelItems>, kCostPanels> m_money{};
    std::array<std::array<::ui::NumericField*, kCostPanelItems>, kCostPanels> m_quantity{};
    QCheckBox* m_bookTick = nullptr;               // Check5
    ::ui::NumericField* m_book = nullptr;          // Text5
    std::array<QCheckBox*, 2> m_manualTicks{};     // Check6
    std::array<::ui::NumericField*, 2> m_manuals{}; // Text6
    std::array<QLabel*, 2 * kCostColumnLines> m_lines{}; // Label2
    std::array<QLineEdit*, 2> m_totals{};          // Text7
};

class TeachingWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 9;
    TeachingWindow();
    void queryUnload() override;
    void list1Click(int row);
    void text3Change();
    void dcButton1Click(int index); // 0 清空, 1 全部

private:
    void listAll();
    void clearAnswers();
    QLineEdit* m_search = nullptr;                // Text3
    QListWidget* m_list = nullptr;                // List1
    std::array<QPlainTextEdit*, 5> m_answers{};   // Text2: the question, A … D
    std::vector<std::size_t> m_view;              // the listed questions, in list order
};

class RaisingPlanWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 34;
    RaisingPlanWindow();
    void queryUnload() override;
    int sectCode() const { return m_sectCode; }
    int speedCode() const { return m_speedCode; }
    int bookCode() const { return m_bookCode; }

private:
    int m_sectCode = 0;
    int m_speedCode = 0;
    int m_bookCode = 0;
};

} // namespace beasts::ui
