#pragma once
// Form28 "法宝传奇": the treasures of three classes, one class page at a time with its
// realm sheet, and a layer-experience calculator written as a sentence.

#include "common/ui/forms.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace ui {
class CaptionFrame;
}

namespace tables::ui {

class TreasureWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 28;
    TreasureWindow();

    void classTabClick(int index);   // dcButton1(index)
    void treasurePicked(int cls);    // Combo1 … Combo3
    void recompute();                // any change of Text4(0 … 8)
    void resetClick();               // dcButton2 "重置"

    int shownClass() const { return m_shownClass; }
    int calcClass() const { return m_calcClass; }
    int shownPicture(int cls) const { return m_pages[static_cast<std::size_t>(cls)].shownPicture; }

    void queryUnload() override;

private:
    struct Page {
        ::ui::CaptionFrame* frame = nullptr;
        QComboBox* list = nullptr;
        std::vector<QWidget*> pictures;
        std::array<QPlainTextEdit*, 3> prose{}; // fields 0 … 2
        std::array<QLineEdit*, 8> values{};     // fields 3 … 10
        int shownPicture = 0;
    };
    void buildPage(QWidget* parent, int cls);
    void buildCalculator(QWidget* parent);
    void setInputs(int cls);
    void setCalcText(int field, const QString& text);

    std::array<Page, 3> m_pages;
    std::array<QTableWidget*, 3> m_sheets{};
    std::array<QLineEdit*, 9> m_calc{}; // Text4(0 … 8)
    QLabel* m_opening = nullptr;        // Label1(30)
    QLabel* m_middle = nullptr;         // Label1(37)
    int m_shownClass = 0;
    int m_calcClass = 0;
    bool m_writingResults = false;
};

} // namespace tables::ui
