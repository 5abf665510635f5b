#include "reference/tables/ui/table_windows.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "reference/tables/base_values.h"
#include "reference/tables/ui/sheet_table.h"

#include <QLabel>
#include <QTableWidget>

namespace tables::ui {

namespace colours = ::ui::colours;
using ::ui::qs;

namespace {

const QColor kHeadingBlue(0, 0, 0xFF);
const QColor kPaleYellow(0xFF, 0xFF, 0xCC);

void fillBack(QWidget* w)
{
    auto* frame1 = new ::ui::CaptionFrame(w, {}, colours::PanelBack);
    frame1->setObjectName("Frame1");
    frame1->setBorder(false);
    frame1->setGeometry(w->rect());
}

void normalState(QWidget* w) { w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); }

// The rank table: two blocks side by side, rows 1-22 on the left and 23-43 on the right.
QTableWidget* rankTable(QWidget* parent)
{
    constexpr int kLeftRows = 22;
    SheetGrid grid;
    std::vector<SheetCell> head;
    for (int block = 0; block < 2; ++block)
        for (const char* h : {"", "官职名称", "所需贡献"})
            head.push_back({QString::fromUtf8(h), true, kHeadingBlue});
    grid.push_back(head);
    for (int r = 1; r <= kLeftRows; ++r) {
        std::vector<SheetCell> line;
        for (const int row : {r, r + kLeftRows}) {
            if (row > kOfficialRankCount) {
                line.insert(line.end(), 3, SheetCell{});
                continue;
            }
            line.push_back({QString::number(row)});
            line.push_back({qs(kOfficialRanks[static_cast<std::size_t>(row) - 1])});
            line.push_back({QString::number(rankContribution(row))});
        }
        grid.push_back(line);
    }
    QTableWidget* t = makeSheet(parent, QStringLiteral("Picture1"), grid);
    setCellSizes(t, {26, 115, 75, 26, 115, 75}, 17);
    return t;
}

QTableWidget* equipmentTable(QWidget* parent, int kind)
{
    const EquipmentBaseTable& e = kEquipmentBaseTables[static_cast<std::size_t>(kind)];
    SheetGrid grid;
    std::vector<SheetCell> head{{qs(e.name), true, Qt::red}};
    for (int c = 0; c < e.columnCount; ++c)
        head.push_back({qs(e.columns[static_cast<std::size_t>(c)]), false, kHeadingBlue});
    grid.push_back(head);
    for (int r = 0; r < 8; ++r) {
        const QColor back = r % 2 == 0 ? kPaleYellow : QColor(Qt::white);
        std::vector<SheetCell> line{{QStringLiteral("%1级").arg((r + 1) * 10), false, kHeadingBlue, back}};
        for (int c = 0; c < e.columnCount; ++c)
            line.push_back({QString::number(e.values[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]), true,
                            Qt::black, back});
        grid.push_back(line);
    }
    QTableWidget* t = makeSheet(parent, ::ui::controlName("Image1", kind), grid);
    const int valueWidth = 296 / e.columnCount;
    setCellSizes(t, std::vector<int>{63}, 24);
    for (int c = 1; c <= e.columnCount; ++c)
        t->setColumnWidth(c, valueWidth);
    return t;
}

QTableWidget* forgeTable(QWidget* parent, int sheet)
{
    const ForgeSheetCells cells = forgeSheetCells(sheet);
    SheetGrid grid;
    for (std::size_t r = 0; r < cells.size(); ++r) {
        std::vector<SheetCell> line;
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            line.push_back({qs(cells[r][c]), r < 2});
        grid.push_back(line);
    }
    // Merged: the two headings of row 1, the narrow separator columns, and for a kind
    // with one attribute each row's pair of cells.
    std::vector<CellSpan> spans{{0, 2, 1, 2}, {0, 5, 1, 2}, {0, 1, 17, 1}, {0, 4, 17, 1}};
    if (kForgeBaseSheets[static_cast<std::size_t>(sheet)].attributes[1].empty())
        for (int r = 1; r < 17; ++r) {
            spans.push_back({r, 2, 1, 2});
            spans.push_back({r, 5, 1, 2});
        }
    QTableWidget* t = makeSheet(parent, ::ui::controlName("OLE1", sheet), grid, spans);
    setCellSizes(t, {40, 8, 47, 47, 8, 47, 47}, 16);
    return t;
}

} // namespace

RankWindow::RankWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("各官职所需贡献"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(6810, 6630);
    fillBack(this);
    QLabel* title = ::ui::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("官职所需贡献一览"), 2040, 240, 2400, 285);
    QFont f = title->font();
    f.setPointSizeF(14.25);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    ::ui::setForeColour(title, colours::Blue);
    QTableWidget* t = rankTable(this);
    t->move(::ui::tw(120), ::ui::tw(600));
    t->resize(fullSize(t));
}

void RankWindow::queryUnload()
{
    normalState(this);
    ::ui::forms().setMainVisible();
}

void TableStackWindow::buttonClick(int index)
{
    if (index < 0 || index >= static_cast<int>(m_tables.size()) || index == m_shown)
        return;
    m_tables[static_cast<std::size_t>(index)]->setVisible(true);
    m_tables[static_cast<std::size_t>(m_shown)]->setVisible(false);
    m_shown = index;
}

EquipmentWindow::EquipmentWindow() : TableStackWindow(kNumber)
{
    setWindowTitle(QStringLiteral("非打造装备基础属性"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(5655, 3840);
    fillBack(this);
    for (int i = 0; i < kEquipmentKindCount; ++i) {
        auto* b = (new ::ui::DcButton(this, "dcButton1", qs(kEquipmentBaseTables[static_cast<std::size_t>(i)].name), i))
                      ->at(120 + 720 * i, 120, 735, 255);
        b->setBackColour(0x12BCFF);
        connect(b, &::ui::DcButton::click, this, &TableStackWindow::buttonClick);
        QTableWidget* t = equipmentTable(this, i);
        t->move(::ui::tw(120), ::ui::tw(480));
        t->resize(fullSize(t));
        t->setVisible(i == 0);
        m_tables.push_back(t);
    }
    m_shown = 0;
}

void EquipmentWindow::queryUnload() { ::ui::forms().setMainVisible(); }

ForgeWindow::ForgeWindow() : TableStackWindow(kNumber)
{
    setWindowTitle(QStringLiteral("打造裁缝炼金基础数值"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(4050, 4695);
    fillBack(this);
    constexpr std::array<int, 6> left{120, 760, 1420, 2070, 2720, 3360};
    for (int i = 0; i < kForgeSheetCount; ++i) {
        auto* b = (new ::ui::DcButton(this, "dcButton1", qs(kForgeBaseSheets[static_cast<std::size_t>(i)].kind), i))
                      ->at(left[static_cast<std::size_t>(i)], 120, 615, 255);
        b->setBackColour(0xE4D1D2);
        connect(b, &::ui::DcButton::click, this, &TableStackWindow::buttonClick);
        QTableWidget* t = forgeTable(this, i);
        t->move(::ui::tw(120), ::ui::tw(480));
        t->resize(fullSize(t));
        t->setVisible(i == 0);
        m_tables.push_back(t);
    }
    m_shown = 0;
}

void ForgeWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace tables::ui
