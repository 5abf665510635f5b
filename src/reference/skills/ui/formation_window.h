#pragma once
// Form23 "阵法介绍": the nine battle formations set against each other. The diagram view
// takes the opponent's formation on the left and one's own on the right and shows both
// descriptions, their names and how strongly each counters the other; the table view
// shows the whole counter table; a legend explains the colours of the right-hand list.

#include "common/ui/forms.h"
#include "reference/skills/formations.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

namespace ui {
class CaptionFrame;
} // namespace ui

namespace skills::ui {

// A straight line of the diagram (the layout's Line control), end points in twips.
class LineShape : public QObject {
    Q_OBJECT
public:
    LineShape(QObject* parent, int index, QPoint from, QPoint to);
    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colour) { m_colour = colour; }
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

private:
    QPoint m_from;
    QPoint m_to;
    std::uint32_t m_colour = 0xFF00FF;
};

class FormationPicture;
class ArrowLayer;

class FormationWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 23;

    FormationWindow();

    void viewClick(int index);     // dcButton1(0..2)
    void opponentClick(int index); // Option1(0..8), the left column 对方
    void ownClick(int index);      // Option2(0..8), the right column 己方

    int opponentFormation() const { return m_opponent; }
    int ownFormation() const { return m_own; }

    void queryUnload() override;

private:
    void buildDiagramView(QWidget* view);
    void buildTableView(QWidget* view);
    void drawDiagram();

    int m_opponent = 0;        // OpponentFormation
    int m_own = 0;             // OwnFormation
    int m_opponentPicture = 0; // OpponentPicture
    int m_ownPicture = 0;      // OwnPicture

    std::array<::ui::CaptionFrame*, 2> m_views{};                 // Frame1(0..1)
    std::array<QRadioButton*, kFormationCount> m_opponentList{};  // Option1
    std::array<QRadioButton*, kFormationCount> m_ownList{};       // Option2
    std::array<FormationPicture*, kFormationCount> m_opponentPictures{}; // Image1
    std::array<FormationPicture*, kFormationCount> m_ownPictures{};      // Image2
    std::array<QLabel*, 2> m_names{};       // Label3(0) own, Label3(1) opponent
    std::array<QLabel*, 2> m_values{};      // Label2(0) own, Label2(1) opponent
    std::array<LineShape*, 4> m_lines{};    // Line1(0..3)
    ArrowLayer* m_arrows = nullptr;
    std::array<QPlainTextEdit*, 3> m_texts{}; // Text1(0) opponent, Text1(1) own, Text1(2) legend
};

} // namespace skills::ui
