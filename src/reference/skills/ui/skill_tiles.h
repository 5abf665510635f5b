#pragma once
// Pieces the skill and formation windows share: the icon tiles we draw with the skill's
// name, labels that answer a click, and the read-only description boxes.

#include <QLabel>
#include <QWidget>
#include <cstdint>
#include <string_view>

class QPlainTextEdit;

namespace skills::ui {

// A catalogue icon: a tile painted with the skill's name. The chosen one carries a thin
// black border (the layout's BorderStyle 1).
class SkillTile : public QWidget {
    Q_OBJECT
public:
    SkillTile(QWidget* parent, const char* baseName, int index, const QString& name, std::uint32_t colour);
    int index() const { return m_index; }
    bool bordered() const { return m_border; }
    void setBordered(bool on);

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_index;
    QString m_name;
    QColor m_colour;
    bool m_border = false;
};

// A label that reports a left click with its index.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(QWidget* parent, const char* baseName, int index, const QString& text);

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_index;
};

// The layouts' 宋体 at a point size.
QFont songFont(double points, bool bold = false);

// A read-only, multi-line box with a vertical scroll bar, placed in twips, in 宋体 10.5.
QPlainTextEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height,
                            std::uint32_t textColour);

// Writes a CR LF text of the catalogues into a box.
void setBoxText(QPlainTextEdit* box, std::string_view crlfText);

} // namespace skills::ui
