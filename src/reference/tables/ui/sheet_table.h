#pragma once
// A sheet of fixed figures shown as a read-only table: the grid as the sheet has it,
// cell A1 at row 0, column 0, merged cells spanning their rows and columns.

#include <QString>
#include <QTableWidget>
#include <vector>

namespace tables::ui {

struct CellSpan {
    int row;
    int column;
    int rows;
    int columns;
};

struct SheetCell {
    QString text;
    bool bold = false;
    QColor colour = Qt::black;
    QColor back = Qt::white;
};

using SheetGrid = std::vector<std::vector<SheetCell>>;

// Builds the table named `name` from the grid (rows of equal length) and its merged
// cells; nothing in it can be edited.
QTableWidget* makeSheet(QWidget* parent, const QString& name, const SheetGrid& grid,
                        const std::vector<CellSpan>& spans = {});

// Sets each column's width and every row's height (pixels).
void setCellSizes(QTableWidget* t, const std::vector<int>& widths, int rowHeight);

// The size the table needs to show every cell without scrolling.
QSize fullSize(const QTableWidget* t);

} // namespace tables::ui
