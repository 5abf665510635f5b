#pragma once
// The text boxes of the look-up windows: any text may be typed, receiving the focus
// selects the whole text so typing replaces it, Esc is reported, and Enter (where asked)
// moves the focus on along the window's tab order.

#include <QLineEdit>
#include <QPushButton>

namespace puzzles::ui {

class LookupField : public QLineEdit {
    Q_OBJECT
public:
    LookupField(QWidget* parent, const QString& name, int maxLength = 0);

    void setEnterMovesFocus(bool on) { m_enterMoves = on; }
    std::string utf8() const { return text().toStdString(); }

signals:
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_enterMoves = false;
    bool m_selectOnRelease = false;
};

// A push button whose caption wraps inside a narrow button, one character under the
// other where the button is too narrow for two.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(QWidget* parent, const QString& name, const QString& caption);

    // How the caption is written: centred inside a pixel of the face, wrapping between any
    // two characters.
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWrapAnywhere;
    QRect captionRoom() const { return rect().adjusted(1, 1, -1, -1); }

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace puzzles::ui
