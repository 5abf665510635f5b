#pragma once
// The 孩子 panel's tables (Frame15): the sect a child may join, the special books and
// the items used on a child, each behind its own list.

#include <QObject>
#include <array>

class QComboBox;
class QLabel;

namespace ui {
class CaptionFrame;
}

namespace beasts::ui {

class ChildTablesFrame : public QObject {
    Q_OBJECT
public:
    explicit ChildTablesFrame(::ui::CaptionFrame* frame15);

    void combo2Click(); // sect
    void combo3Click(); // special book
    void combo8Click(); // item

private:
    void show(int first, std::initializer_list<std::string_view> texts);

    QComboBox* m_combo2 = nullptr;
    QComboBox* m_combo3 = nullptr;
    QComboBox* m_combo8 = nullptr;
    std::array<QLabel*, 12> m_values{}; // Label28(0 … 11)
};

} // namespace beasts::ui
