#include "beasts/child_cost.h"

#include "common/numbers.h"

namespace beasts {

namespace {

double number(std::string_view text)
{
    const common::ReadNumber n = common::readLeadingNumber(text);
    return n.valid ? n.value : 0.0;
}

} // namespace

CostTally tallyCosts(const CostEntries& e)
{
    CostTally t;
    for (std::size_t p = 0; p < CostPanels.size(); ++p)
        for (std::size_t i = 0; i < CostPanels[p].items.size(); ++i)
            if (number(e.quantity[p][i]) != 0) // the quantity as typed: 竹马03个
                t.lines.push_back(std::string(CostPanels[p].items[i]) + e.quantity[p][i] +
                                  std::string(CostPanels[p].unit));
    if (number(e.specialBook) != 0)
        t.lines.emplace_back("特技书1本");
    const int manuals = (number(e.manuals[0]) != 0) + (number(e.manuals[1]) != 0);
    if (manuals == 2)
        t.lines.emplace_back("兽诀2本");
    else if (manuals == 1)
        t.lines.emplace_back("兽诀1本");

    double sum = 0;
    for (const auto& panel : e.money)
        for (const std::string& m : panel)
            sum += number(m);
    sum += number(e.specialBook);
    for (const std::string& m : e.manuals)
        sum += number(m);
    t.total = common::formatNumber(sum);
    return t;
}

} // namespace beasts
