#pragma once
// Form11 "家具配方": material categories and furniture of four levels on five pages of
// name labels; a click on a label marks it and fills the recipe diagram below.

#include "common/ui/forms.h"

#include <array>

class QLabel;
class QLineEdit;

namespace ui {
class CaptionFrame;
class DcButton;
}

namespace tables::ui {

class FurnitureLabel;

class FurnitureWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 11;
    FurnitureWindow();

    void tabClick(int index);   // Button1(index); 5 closes
    void labelClick(int index); // Label(index)
    int shownTab() const { return m_tab; }
    int highlighted() const { return m_highlight; }
    int shownPicture() const { return m_picture; }

    void queryUnload() override;

private:
    void placeLabel(int index, int page, int left, int top);

    std::array<::ui::DcButton*, 6> m_tabs{};
    std::array<::ui::CaptionFrame*, 5> m_pages{};
    std::array<FurnitureLabel*, 76> m_labels{};
    std::array<QWidget*, 75> m_pictures{}; // Image1(0), Image1(18 … 74); the rest null
    std::array<QLineEdit*, 4> m_slotNames{};  // Text2(0 … 3)
    std::array<QLineEdit*, 5> m_prices{};     // Text3(0 … 4)
    QLineEdit* m_levelText = nullptr;         // Text6
    QLineEdit* m_name = nullptr;              // Text4
    int m_tab = 0;
    int m_highlight = 0;
    int m_picture = 0;
};

} // namespace tables::ui
