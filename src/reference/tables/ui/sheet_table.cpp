#include "reference/tables/ui/sheet_table.h"

#include <QHeaderView>

namespace tables::ui {

QTableWidget* makeSheet(QWidget* parent, const QString& name, const SheetGrid& grid,
                        const std::vector<CellSpan>& spans)
{
    const int rows = static_cast<int>(grid.size());
    const int columns = rows == 0 ? 0 : static_cast<int>(grid.front().size());
    auto* t = new QTableWidget(rows, columns, parent);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setVisible(false);
    t->verticalHeader()->setVisible(false);
    t->setWordWrap(true);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns && c < static_cast<int>(grid[static_cast<std::size_t>(r)].size()); ++c) {
            const SheetCell& cell = grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(cell.text);
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(cell.colour);
            item->setBackground(cell.back);
            if (cell.bold) {
                QFont f = t->font();
                f.setBold(true);
                item->setFont(f);
            }
            t->setItem(r, c, item);
        }
    }
    for (const CellSpan& s : spans)
        t->setSpan(s.row, s.column, s.rows, s.columns);
    return t;
}

void setCellSizes(QTableWidget* t, const std::vector<int>& widths, int rowHeight)
{
    for (int c = 0; c < static_cast<int>(widths.size()) && c < t->columnCount(); ++c)
        t->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    t->verticalHeader()->setMinimumSectionSize(1);
    t->horizontalHeader()->setMinimumSectionSize(1);
    for (int r = 0; r < t->rowCount(); ++r)
        t->setRowHeight(r, rowHeight);
}

QSize fullSize(const QTableWidget* t)
{
    int w = 0, h = 0;
    for (int c = 0; c < t->columnCount(); ++c)
        w += t->columnWidth(c);
    for (int r = 0; r < t->rowCount(); ++r)
        h += t->rowHeight(r);
    const int frame = 2 * t->frameWidth();
    return {w + frame, h + frame};
}

} // namespace tables::ui
