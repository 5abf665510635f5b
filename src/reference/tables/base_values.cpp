#include "reference/tables/base_values.h"

namespace tables {

const std::array<std::string_view, kOfficialRankCount> kOfficialRanks{
    "九品将仕郎",   "九品文林郎",   "九品登仕郎",     "九品儒林郎",     "八品承务郎",   "八品承奉郎",
    "八品征事郎",   "八品给事郎",   "七品宣议郎",     "七品朝散郎",     "七品武骑尉",   "七品宣德郎",
    "七品朝请郎",   "七品云骑尉",   "六品通直郎",     "六品奉议郎",     "六品飞骑尉",   "六品承议郎",
    "六品朝议郎",   "六品晓骑尉",   "五品游击将军",   "五品游骑将军",   "五品骑都尉",   "五品怀化郎将",
    "五品宁远将军", "五品定远将军", "四品归德中郎将", "四品明威将军",   "四品宣威将军", "四品轻车都尉",
    "四品怀化中郎将", "四品忠武将", "三品归德将",     "三品云麾将军",   "三品护军",     "三品怀化大将军",
    "三品冠军大将军", "二品镇军大将军", "二品辅国大将军", "一品开府仪同三司",
    "一品膘骑大将军", // 膘 as the table has it
    "郡王",         "辅佐王",
};

namespace {

struct RankBand {
    int firstRow, lastRow, first, step;
};
constexpr std::array<RankBand, 7> kRankBands{{
    {1, 4, 300, 50},
    {5, 8, 1100, 300},
    {9, 14, 2350, 350},
    {15, 32, 4550, 450},
    {33, 41, 12750, 550},
    {42, 42, 18000, 0},
    {43, 43, 19000, 0},
}};

} // namespace

int rankContribution(int row)
{
    for (const RankBand& b : kRankBands)
        if (row >= b.firstRow && row <= b.lastRow)
            return b.first + (row - b.firstRow) * b.step;
    return 0;
}

// As drawn; 武器2 at 10级 shows 43 (not 44) for 要求命中.
const std::array<EquipmentBaseTable, kEquipmentKindCount> kEquipmentBaseTables{{
    {"武器1", {"基础命中", "基础伤害", "要求命中", "要求伤害"}, 4,
     {{{40, 28, 48, 34}, {64, 48, 77, 58}, {88, 68, 106, 82}, {112, 88, 135, 106}, {136, 108, 164, 130},
       {160, 128, 192, 154}, {184, 148, 221, 178}, {208, 168, 250, 202}}}},
    {"武器2", {"基础命中", "基础伤害", "要求命中", "要求伤害"}, 4,
     {{{36, 32, 43, 39}, {52, 56, 63, 68}, {76, 80, 92, 96}, {96, 104, 116, 125}, {116, 128, 140, 154},
       {136, 152, 164, 183}, {156, 176, 188, 212}, {196, 200, 236, 240}}}},
    {"衣服", {"基础防御", "要求防御", "", ""}, 2,
     {{{20, 24}, {29, 35}, {40, 48}, {56, 68}, {64, 77}, {80, 96}, {88, 106}, {100, 120}}}},
    {"头盔", {"基础防御", "基础魔法", "要求防御", "要求魔法"}, 4,
     {{{6, 10, 8, 12}, {10, 20, 12, 24}, {14, 30, 17, 36}, {18, 40, 22, 48}, {22, 50, 27, 60}, {26, 60, 32, 72},
       {30, 70, 36, 84}, {34, 80, 41, 96}}}},
    {"腰带", {"基础防御", "基础气血", "要求防御", "要求气血"}, 4,
     {{{6, 20, 8, 24}, {10, 40, 12, 48}, {14, 60, 17, 72}, {18, 80, 22, 96}, {22, 100, 27, 120},
       {26, 120, 32, 144}, {30, 140, 36, 168}, {34, 160, 41, 192}}}},
    {"项链", {"基础灵力", "要求灵力", "", ""}, 2,
     {{{13, 16}, {19, 23}, {27, 33}, {34, 41}, {45, 54}, {56, 68}, {65, 78}, {77, 93}}}},
    {"鞋子", {"基础防御", "基础敏捷", "要求防御", "要求敏捷"}, 4,
     {{{6, 9, 8, 11}, {10, 13, 12, 16}, {14, 17, 17, 21}, {18, 21, 22, 26}, {21, 24, 26, 29}, {24, 27, 29, 33},
       {27, 30, 33, 36}, {30, 33, 36, 40}}}},
}};

const std::array<ForgeBaseSheet, kForgeSheetCount> kForgeBaseSheets{{
    {"武器", {"命中", "伤害"}, {45, 40}, {35, 30}},
    {"衣服", {"防御", ""}, {25, 0}, {15, 0}},
    {"头盔", {"防御", "魔法"}, {10, 15}, {5, 10}},
    {"腰带", {"防御", "气血"}, {10, 30}, {5, 20}},
    {"项链", {"灵力", ""}, {17, 0}, {12, 0}},
    {"鞋子", {"防御", "敏捷"}, {10, 8}, {5, 3}},
}};

namespace {
bool validForgeCell(int sheet, int row, int attr)
{
    if (sheet < 0 || sheet >= kForgeSheetCount || row < 0 || row >= kForgeRows || attr < 0 || attr > 1)
        return false;
    return !kForgeBaseSheets[static_cast<std::size_t>(sheet)].attributes[static_cast<std::size_t>(attr)].empty();
}
} // namespace

int forgePlainValue(int sheet, int row, int attr)
{
    if (!validForgeCell(sheet, row, attr))
        return 0;
    const ForgeBaseSheet& s = kForgeBaseSheets[static_cast<std::size_t>(sheet)];
    const auto a = static_cast<std::size_t>(attr);
    return s.atLevel10[a] + row * s.step[a];
}

int forgeStrengthenedValue(int sheet, int row, int attr) { return forgePlainValue(sheet, row, attr) * 105 / 100; }

ForgeSheetCells forgeSheetCells(int sheet)
{
    ForgeSheetCells cells{};
    if (sheet < 0 || sheet >= kForgeSheetCount)
        return cells;
    const ForgeBaseSheet& s = kForgeBaseSheets[static_cast<std::size_t>(sheet)];
    cells[0][0] = s.kind;
    cells[0][2] = "非强化基础";
    cells[0][5] = "强化基础";
    cells[1][0] = "等级";
    for (std::size_t a = 0; a < 2; ++a) {
        cells[1][2 + a] = s.attributes[a];
        cells[1][5 + a] = s.attributes[a];
    }
    for (int row = 0; row < kForgeRows; ++row) {
        auto& line = cells[static_cast<std::size_t>(row) + 2];
        line[0] = std::to_string((row + 1) * 10);
        for (int a = 0; a < 2; ++a) {
            if (s.attributes[static_cast<std::size_t>(a)].empty())
                continue;
            line[static_cast<std::size_t>(2 + a)] = std::to_string(forgePlainValue(sheet, row, a));
            line[static_cast<std::size_t>(5 + a)] = std::to_string(forgeStrengthenedValue(sheet, row, a));
        }
    }
    return cells;
}

} // namespace tables
