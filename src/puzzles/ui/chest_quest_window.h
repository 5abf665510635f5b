#pragma once
// Form14 and Form27 "战神箱任务查询": the 战神箱 quest's question search and its ten number
// puzzles, in a tall layout (Form14) and a wide one (Form27). "切换" shows the other
// layout and hides this one; each layout keeps its own keyword, hits, fields and answer.

#include "common/ui/forms.h"
#include "puzzles/chest_quest.h"

#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace puzzles::ui {

class LookupField;

class ChestQuestWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kTall = 14;
    static constexpr int kWide = 27;
    explicit ChestQuestWindow(ChestLayout layout);

    ChestLayout layout() const { return m_layout; }

private:
    void build();
    void buildFrame(int frame, const std::array<int, 4>& geometry);
    void setTabOrder();
    void placeOnScreen();

    void keywordChanged();
    void page(int index);
    void puzzleChanged(int puzzle);
    void escapeInPuzzle(int puzzle);
    void clearAll();
    void keepOnTopClicked(bool checked);
    void switchLayout();

    void showAnswer(const std::string& utf8);
    void pagingOff();

    ChestLayout m_layout;
    ChestSearch m_search;
    LookupField* m_keyword = nullptr; // Text1
    QPlainTextEdit* m_answer = nullptr; // Text2
    QPushButton* m_clear = nullptr;   // Command1
    std::array<QPushButton*, 2> m_pager{}; // Command2(0) 上翻, (1) 下翻
    QPushButton* m_switch = nullptr;  // Command3
    QCheckBox* m_keepOnTop = nullptr; // Check1
    std::array<std::vector<LookupField*>, kChestPuzzleCount> m_fields; // Text3 … Text12
};

} // namespace puzzles::ui
