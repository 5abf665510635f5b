#pragma once
// Form8 "科举查询(迷你)": a small window kept above the game, in which a few characters of
// an examination question find its correct answer. It reads the bank file afresh each
// time it opens.

#include "common/ui/forms.h"
#include "exam/mini_lookup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ui {
class DcButton;
}

namespace exam::ui {

class MiniLookupWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 8;
    MiniLookupWindow();

    void queryUnload() override;
    // The corner the next click of the corner button moves the window to (1, 2 or 3).
    int cornerStep() const { return m_cornerStep; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadBank();
    void keywordChanged();
    void page(bool forward, bool moveFocus);
    void showLookup();
    void moveToCorner(int step);
    void nextCorner();
    void keepOnTopClicked();

    MiniLookup m_lookup;
    int m_cornerStep = 1;

    QLineEdit* m_keyword = nullptr;          // Text1
    QPlainTextEdit* m_question = nullptr;    // Text2
    QPlainTextEdit* m_answer = nullptr;      // Text3
    ::ui::DcButton* m_previous = nullptr;    // Button2(0) 上翻
    ::ui::DcButton* m_next = nullptr;        // Button2(1) 下翻
    QLabel* m_shown = nullptr;               // Label1(0)
    QLabel* m_total = nullptr;               // Label1(1)
    QCheckBox* m_onTop = nullptr;            // Check1
};

} // namespace exam::ui
