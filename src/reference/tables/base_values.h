#pragma once
// The fixed tables of three windows: the contribution each official rank requires, the
// base values of non-forged equipment, and the plain and strengthened base values of
// forged, tailored and alchemy equipment.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tables {

// Official ranks, row 1 … 43.
inline constexpr int kOfficialRankCount = 43;
extern const std::array<std::string_view, kOfficialRankCount> kOfficialRanks; // row r at [r - 1]
// The contribution row r requires, from its band; 0 outside 1 … 43.
int rankContribution(int row);

// Non-forged equipment, one picture per kind: its columns after the level and its values
// for levels 10, 20, … 80 as drawn.
struct EquipmentBaseTable {
    std::string_view name;                       // the picture's name and its button
    std::array<std::string_view, 4> columns;     // two or four; unused ones empty
    int columnCount;
    std::array<std::array<int, 4>, 8> values;    // row = level / 10 - 1
};
inline constexpr int kEquipmentKindCount = 7;
extern const std::array<EquipmentBaseTable, kEquipmentKindCount> kEquipmentBaseTables;

// Forged equipment sheets, A1:G17 each.
struct ForgeBaseSheet {
    std::string_view kind;                   // A1, the sheet's button
    std::array<std::string_view, 2> attributes; // the second empty for a kind with one
    std::array<int, 2> atLevel10;
    std::array<int, 2> step;                 // per 10 levels
};
inline constexpr int kForgeSheetCount = 6;
inline constexpr int kForgeRows = 15; // levels 10 … 150
extern const std::array<ForgeBaseSheet, kForgeSheetCount> kForgeBaseSheets;

// The plain value of attribute `attr` on row `row` (0 = level 10 … 14 = level 150), and
// its strengthened value, plain × 105 / 100 rounded down; 0 out of range.
int forgePlainValue(int sheet, int row, int attr);
int forgeStrengthenedValue(int sheet, int row, int attr);

// The cell texts of a sheet, [row][column] from A1 to G17.
using ForgeSheetCells = std::array<std::array<std::string, 7>, 17>;
ForgeSheetCells forgeSheetCells(int sheet);

} // namespace tables
