#include "calc/beast_shop.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

// A box's whole number, kept inside what its maximum length allows.
std::int64_t value(std::string_view text, std::int64_t max)
{
    return std::clamp<std::int64_t>(common::readWholeNumber(text), 0, max);
}

// Text of num / den with two decimals; den is a power of ten, so the quotient's decimal
// form has few enough digits to come back exactly from the double.
std::string fixed2(std::int64_t num, double den)
{
    return common::formatFixed(static_cast<double>(num) / den, 2);
}

// A "0.00" text back in hundredths.
std::int64_t hundredths(const std::string& text)
{
    return std::llround(common::readLeadingNumber(text).value * 100.0);
}

} // namespace

std::string_view shopIndexWarning(std::string_view indexText)
{
    return indexText.empty() ? kMsgShopIndexEmpty : std::string_view{};
}

std::string_view shopCountersWarning(std::string_view countersText)
{
    if (countersText.empty())
        return kMsgShopCountersEmpty;
    if (common::readLeadingNumber(countersText).value > 10)
        return kMsgShopCountersOver;
    return {};
}

std::string newShopCost(std::string_view indexText, std::string_view countersText)
{
    if (!shopCountersWarning(countersText).empty())
        return "0";
    // I × 0.6 × 1.03 × n = I × n × 618 / 1000, taken exactly.
    const std::int64_t thousandths = value(indexText, 999) * value(countersText, 99) * 618;
    return common::formatNumber(static_cast<double>(thousandths) / 1000.0);
}

std::string_view budgetFieldWarning(int index, std::string_view text, std::string_view totalText)
{
    const double v = common::readLeadingNumber(text).value;
    switch (index) {
    case 1:
        if (text.empty())
            return "总柜台数不能为空！";
        if (v > 10)
            return "总柜台数不能大于10！";
        return {};
    case 2:
        if (text.empty())
            return "营业中柜台数不能为空！";
        if (v > 10)
            return "营业中柜台数不能大于10！";
        if (v > common::readLeadingNumber(totalText).value)
            return kMsgShopOpenOverTotal;
        return {};
    case 3:
        return text.empty() ? "营业总时间不能为空！" : std::string_view{};
    case 4:
        return text.empty() ? "平均单价不能为空！" : std::string_view{};
    case 5:
        return text.empty() ? "补店次数不能为空！" : std::string_view{};
    case 6:
        return text.empty() ? "额外支出不能为空！" : std::string_view{};
    default:
        return {};
    }
}

std::int64_t chargedDays(std::int64_t hours)
{
    if (hours <= 0)
        return 1;
    return hours / 24 + (hours % 24 != 0 ? 1 : 0);
}

BudgetResult shopBudget(const std::array<std::string_view, 7>& fields)
{
    BudgetResult r;
    const std::int64_t I = value(fields[0], 999);
    const std::int64_t T = value(fields[1], 99);
    const std::int64_t O = value(fields[2], 99);
    const std::int64_t H = value(fields[3], 9999);
    const std::int64_t P = value(fields[4], 99999);
    const std::int64_t R = value(fields[5], 99);
    const std::int64_t X = value(fields[6], 999999);
    if (O > T) {
        r.warning = kMsgShopOpenOverTotal;
        return r;
    }
    r.days = chargedDays(H);
    // Base fund I × 0.3 × T.
    r.figures[0] = fixed2(I * 3 * T, 10.0);
    // Income O × 16 × P × R / 10000.
    r.figures[1] = fixed2(O * 16 * P * R, 10000.0);
    // Upkeep (I·500·T·days + I·20·O·H + (0.056 − (T−1)·0.004)·P·16·O) / 10000; the rate is
    // (60 − 4T) / 1000, so the whole is counted in units of 10^-7 万两.
    const std::int64_t upkeep = 1000 * (I * 500 * T * r.days + I * 20 * O * H) + (60 - 4 * T) * P * 16 * O;
    r.figures[2] = fixed2(upkeep, 1e7);
    // Profit from the two texts just written, less the extra expenses, in 10^-4 万两.
    const std::int64_t profit = (hundredths(r.figures[1]) - hundredths(r.figures[2])) * 100 - X;
    r.figures[3] = fixed2(profit, 1e4);
    return r;
}

} // namespace calc
