#pragma once
// Form32 "变身卡片介绍": the transformation cards, one card level at a time; choosing a
// card shows its five facts beside its picture.

#include "common/ui/forms.h"

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ui {
class CaptionFrame;
}

namespace tables::ui {

class CardWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 32;
    CardWindow();

    void levelTabClick(int index); // dcButton1(index)
    void cardPicked();             // Combo1
    int currentLevelTab() const { return m_levelTab; }
    int shownCardPicture() const { return m_shownPicture; }

    void queryUnload() override;

private:
    void writeFields(const std::array<QString, 5>& texts);

    ::ui::CaptionFrame* m_frame = nullptr; // Frame1
    QComboBox* m_list = nullptr;           // Combo1
    std::vector<QWidget*> m_pictures;      // Image1(0 … 64)
    std::array<QLineEdit*, 4> m_lines{};   // Text1(0 … 3)
    QPlainTextEdit* m_duration = nullptr;  // Text1(4)
    int m_levelTab = 0;
    int m_shownPicture = 0;
};

} // namespace tables::ui
