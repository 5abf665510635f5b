#pragma once
// Small building blocks every window uses: captioned frames, labels placed in twips,
// and control names for arrays ("Text1_3").

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>

namespace ui {

// objectName of a control: "Text5", or "Text1_3" for element 3 of the array Text1.
QString controlName(const char* base, int index = -1);

// A frame with an optional caption in its top border, painted in its back colour.
class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    explicit CaptionFrame(QWidget* parent, const QString& caption = {},
                          std::uint32_t backColour = 0xFFF0C0, std::uint32_t captionColour = 0xFF0000);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Where the caption is written into the top border, with a gap of the back colour on
    // either side; empty without a caption.
    QRect captionRect() const;
    void setBorder(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_back;
    QColor m_captionColour;
    bool m_border = true;
};

// A borderless frame of the panel colour over the whole of `window` as it is sized now,
// the back of windows whose controls stand on one.
CaptionFrame* makeBackdrop(QWidget* window, const QString& name);

// UTF-8 text of the cores as a QString.
QString qs(std::string_view utf8);

// A thin horizontal rule of one colour at a pixel rectangle (the layouts' Line controls).
QWidget* makeRule(QWidget* parent, const QString& name, std::uint32_t colour, const QRect& pixels);

// A label at (left, top) twips, sized to its text unless a width is given.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width = 0, int height = 0);

// Fills a widget's background with a colour of the layout.
void setBackColour(QWidget* w, std::uint32_t colour);
void setForeColour(QWidget* w, std::uint32_t colour);

// Sets a picker to the entry with this text and runs its handler exactly as a player's
// pick does (handlers listen to QComboBox::activated). Returns false when no entry has
// that text.
bool pickEntry(QComboBox* picker, const QString& text);

} // namespace ui
