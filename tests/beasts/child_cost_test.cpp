#include "beasts/child_cost.h"

#include <gtest/gtest.h>

using namespace beasts;

namespace {

// Every box of a panel to one text.
void fillAll(std::array<std::string, kCostPanelItems>& panel, const std::string& v)
{
    for (std::string& s : panel)
        s = v;
}

CostEntries zeros()
{
    const std::string zero = "0";
    CostEntries e;
    for (auto& panel : e.money)
        fillAll(panel, zero);
    for (auto& panel : e.quantity)
        fillAll(panel, zero);
    e.specialBook = zero;
    e.manuals = {zero, zero};
    return e;
}

} // namespace

TEST(ChildCost, Tallies)
{
    struct Case {
        const char* what;
        CostEntries e;
        std::vector<std::string> lines;
        const char* total;
    };
    CostEntries typed = zeros();
    typed.quantity[0][0] = "03";
    typed.quantity[1][1] = "12";
    typed.quantity[2][2] = "00";
    CostEntries moneyOnly = zeros();
    moneyOnly.money[0][0] = "1000";
    CostEntries noMoney = zeros();
    noMoney.quantity[0][0] = "2";
    CostEntries book = zeros();
    book.specialBook = "500000";
    CostEntries oneManual = zeros();
    oneManual.manuals = {"0", "30000"};
    CostEntries twoManuals = zeros();
    twoManuals.manuals = {"1", "30000"};
    // Every box at its widest: 20 money boxes of 7 nines, 3 of 8 nines.
    CostEntries full;
    for (auto& panel : full.money)
        fillAll(panel, "9999999");
    for (auto& panel : full.quantity)
        fillAll(panel, "1");
    full.specialBook = "99999999";
    full.manuals = {"99999999", "99999999"};
    std::vector<std::string> fullLines;
    for (const CostPanel& p : CostPanels)
        for (std::string_view item : p.items)
            fullLines.push_back(std::string(item) + "1" + std::string(p.unit));
    fullLines.push_back("特技书1本");
    fullLines.push_back("兽诀2本");

    const Case cases[] = {
        {"start", zeros(), {}, "0"},
        {"quantities as typed", typed, {"竹马03个", "搜神记12本"}, "0"},
        {"money without a quantity", moneyOnly, {}, "1000"},
        {"a quantity without money", noMoney, {"竹马2个"}, "0"},
        {"special book", book, {"特技书1本"}, "500000"},
        {"one manual", oneManual, {"兽诀1本"}, "30000"},
        {"two manuals", twoManuals, {"兽诀2本"}, "30001"},
        // 20·9999999 + 3·99999999 = 199999980 + 299999997.
        {"everything", full, fullLines, "499999977"},
    };
    for (const Case& c : cases) {
        const CostTally t = tallyCosts(c.e);
        EXPECT_EQ(t.lines, c.lines) << c.what;
        EXPECT_EQ(t.total, c.total) << c.what;
    }
    EXPECT_EQ(fullLines.size(), 22u);
}
