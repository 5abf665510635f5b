#pragma once
// Budget of a player-run summoned-beast shop of the chamber of commerce: the price of new
// counters, and for a given run of business the base fund, income, upkeep and net profit,
// all in 万两.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::string_view kMsgShopIndexEmpty = "商业指数不能为空！";
inline constexpr std::string_view kMsgShopCountersEmpty = "商店柜台数不能为空！";
inline constexpr std::string_view kMsgShopCountersOver = "商店柜台数不能多于10！";
inline constexpr std::string_view kMsgShopOpenOverTotal = "柜台数不能大于总柜台数！";

// Number of budget fields: 0 the commerce index (copied), 1..6 the inputs, 7..10 results.
inline constexpr int kBudgetFields = 11;

// The warning for the commerce-index box, empty when its text is acceptable.
std::string_view shopIndexWarning(std::string_view indexText);
// The warning for the box of counters to build, empty when acceptable.
std::string_view shopCountersWarning(std::string_view countersText);

// New-shop cost I × 0.6 × 1.03 × n in 万两, as plain decimal text; "0" while the counter
// box holds a refused count (empty or above 10).
std::string newShopCost(std::string_view indexText, std::string_view countersText);

// The warning for budget input `index` (1..6) holding `text`, with the total counters box
// holding `totalText`; empty when it passes (and for any other index).
std::string_view budgetFieldWarning(int index, std::string_view text, std::string_view totalText);

struct BudgetResult {
    std::string warning;                                  // empty when computed
    std::array<std::string, 4> figures{"0", "0", "0", "0"}; // base fund, income, upkeep, profit
    std::int64_t days = 0;                                       // days charged (0 when refused)
};

// fields[0] = commerce index I, fields[1..6] = T, O, H, P, R, X as the boxes hold them.
// Refuses more open counters than counters in all. Figures are written "0.00", rounded
// half away from zero on the exact decimal value.
BudgetResult shopBudget(const std::array<std::string_view, 7>& fields);

// Days charged for H hours: a begun day counts as a whole one, and 0 hours as one day.
std::int64_t chargedDays(std::int64_t hours);

} // namespace calc
