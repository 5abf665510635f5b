#pragma once
// A text box for numbers: each typed character goes through valitext, Enter moves the
// focus to the next field, and receiving the focus selects the whole text. Text that is
// pasted or dropped is cleaned to the allowed characters and the field's maximum length.
// The maximum length bounds what the player types or pastes only: a value the program
// writes always shows whole, however long.

#include <QLineEdit>
#include <cstdint>
#include <optional>
#include <string>

namespace ui {

class NumericField : public QLineEdit {
    Q_OBJECT
public:
    NumericField(QWidget* parent, const QString& name, std::u32string_view allowed, int maxLength);

    // Places the field by its layout in twips (height 270 unless given).
    NumericField* at(int left, int top, int width, int height = 270);
    // A result cell: read-only and not a tab stop.
    NumericField* asResult();
    // Enter is discarded without moving on (the colour-code field of the hot-key sender).
    void setEnterMovesFocus(bool on) { m_enterMoves = on; }
    // Whether receiving the focus selects the whole text (it does unless told otherwise).
    void setSelectOnFocus(bool on) { m_selectOnFocus = on; }
    void setTabStop(bool on);
    // A handler giving the field the focus selects its text as receiving the focus does,
    // also when the field had the focus already (then no focus event comes).
    void setFocus();
    void setFocus(Qt::FocusReason reason);
    std::u32string_view allowed() const { return m_allowed; }

    // These hide QLineEdit's own so that the length limit bounds typing only. A written
    // text longer than the limit is kept whole (QLineEdit would cut it); maxLength() reads
    // the typing limit while the text is within it, and the text's length while a longer
    // written value stands.
    void setText(const QString& text);
    void setMaxLength(int length);
    int typingLimit() const { return m_typingLimit; }

    // The text as UTF-8 and whether the box is empty, for the calculators.
    std::string utf8() const { return text().toStdString(); }
    // The box's whole number: nullopt when it is empty, else its leading number rounded
    // and saturating, so no pasted text can overflow a calculation.
    std::optional<std::int64_t> wholeNumber() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void insertFiltered(const QString& text);
    void cleanAfterEdit(const QString& text);
    // Qt's own limit: the typing limit, or the text's length while that is longer.
    void fitLimit(int textLength);
    std::u32string m_allowed;
    int m_typingLimit = 32767;
    bool m_enterMoves = true;
    bool m_selectOnFocus = true;
    bool m_selectOnRelease = false;
};

} // namespace ui
