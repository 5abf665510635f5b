#pragma once
// Form18 "剧情攻略": the guide list on the left; the preface or a quest's section on the
// page at the right, the five section buttons switching the chosen quest's sections.

#include "common/ui/forms.h"

#include <array>

class QListWidget;
class QPlainTextEdit;

namespace ui {
class DcButton;
}

namespace tables::ui {

class StoryWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 18;
    StoryWindow();

    void listClick();             // List1
    void sectionClick(int index); // dcButton1(index)
    int chosenEntry() const { return m_chosenEntry; }
    int shownSection() const { return m_shownSection; }

    void queryUnload() override;

private:
    QPlainTextEdit* page(int quest, int section) const;

    QListWidget* m_list = nullptr;                   // List1
    std::array<::ui::DcButton*, 5> m_sections{};     // dcButton1(0 … 4)
    QPlainTextEdit* m_preface = nullptr;             // Text1
    std::array<std::array<QPlainTextEdit*, 5>, 16> m_pages{}; // Text2 … Text17, five each
    int m_chosenEntry = 0;
    int m_shownSection = 0;
};

} // namespace tables::ui
