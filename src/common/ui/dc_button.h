#pragma once
// The push button of every window: Click carries the element's Index for arrays,
// MouseDown/MouseUp carry the button (1 left, 2 right, 4 middle), the shift state
// (1 Shift, 2 Ctrl, 4 Alt) and the position in twips; back and fore colour as the
// layouts give them.

#include <QPushButton>
#include <cstdint>

namespace ui {

class DcButton : public QPushButton {
    Q_OBJECT
public:
    DcButton(QWidget* parent, const char* baseName, const QString& caption, int index = -1);

    int index() const { return m_index; }
    std::uint32_t backColour() const { return m_back; }
    std::uint32_t foreColour() const { return m_fore; }
    void setBackColour(std::uint32_t colour);
    void setForeColour(std::uint32_t colour);
    // Whether Tab and Enter walk onto the button (the layout's TabStop).
    void setTabStop(bool on);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }

    // Clicks the button as the player does (the signal click(int) hides QAbstractButton::click).
    void press() { QAbstractButton::click(); }

    // Places the button by its layout in twips.
    DcButton* at(int left, int top, int width, int height);

    // How the caption is written: centred on the whole face; a caption wider than the
    // button wraps (on a tall narrow button, one character a line).
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    QRect captionRoom() const { return rect(); }

signals:
    void click(int index);
    void mouseDown(int index, int button, int shift, int x, int y);
    void mouseUp(int index, int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void applyPalette();
    int m_index;
    std::uint32_t m_back = 0xE6EBEC;
    std::uint32_t m_fore = 0x000000;
};

} // namespace ui
