#pragma once
// Form3 "密道": finds a poem, a verse, a literature question or a quiz answer from a few
// typed characters, either as one piece of text or as single characters in any order;
// the arrows step through the matches.

#include "common/ui/forms.h"
#include "puzzles/poem_quiz.h"

#include <array>

class QCheckBox;
class QKeyEvent;
class QPlainTextEdit;

namespace ui {
class DcButton;
}

namespace puzzles::ui {

class LookupField;

class PoemWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 3;
    PoemWindow();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void queryChanged();
    void browse(int index);
    void checkClicked(int index, bool checked);
    void display(const PoemView& v);
    void focusQuery();
    static bool typesIntoQuery(const QKeyEvent& k);

    PoemSearch m_search;
    LookupField* m_query = nullptr;       // Text1
    QPlainTextEdit* m_result = nullptr;   // Text2
    ::ui::DcButton* m_clear = nullptr;    // Command1
    std::array<::ui::DcButton*, 2> m_arrows{}; // Command2(0) ↑, (1) ↓
    QCheckBox* m_keepOnTop = nullptr;     // Check1(0)
    QCheckBox* m_nonConsecutive = nullptr; // Check1(2)
};

} // namespace puzzles::ui
