#include "reference/tables/treasures.h"

#include "common/numbers.h"

#include <cmath>

namespace tables {

namespace {

constexpr std::array<std::int32_t, 10> kOrdinaryExp{0,       220375,   553000,   1355125,  2884000,
                                                    5396875, 9151000, 14403625, 21412000, 30433376};
constexpr std::array<std::int32_t, 13> kAdvancedExp{0,        210268,   472144,   1082236,  2237152,
                                                    4133500,  6967888,  10936924, 16237216, 23065372,
                                                    31618000, 42091708, 54683104};
constexpr std::array<std::int32_t, 16> kSpecialExp{0,        199452,   385616,   790204,   1544928,  2781500,
                                                   4631632,  7227036,  10699424, 15180508, 20802000, 27695612,
                                                   35993056, 45826044, 57326288, 70625500};

bool validClass(int c) { return c >= 0 && c < kTreasureClassCount; }

} // namespace

std::span<const std::int32_t> treasureLayerExpTable(int classIndex)
{
    switch (classIndex) {
    case 0:
        return kOrdinaryExp;
    case 1:
        return kAdvancedExp;
    case 2:
        return kSpecialExp;
    default:
        return {};
    }
}

CultivationUpdate cultivationRun(int classIndex, std::string_view from, std::string_view to, std::string_view held,
                                 std::string_view level)
{
    CultivationUpdate u;
    if (!validClass(classIndex) || from.empty() || to.empty() || held.empty() || level.empty()) {
        u.clear = true;
        return u;
    }
    const TreasureClass& cls = kTreasureClasses[static_cast<std::size_t>(classIndex)];
    const common::ReadNumber a = common::readLeadingNumber(from);
    const common::ReadNumber b = common::readLeadingNumber(to);
    const common::ReadNumber h = common::readLeadingNumber(held);
    if (a.valid && b.valid && a.value > b.value) {
        u.clear = true;
        return u;
    }

    const std::span<const std::int32_t> t = treasureLayerExpTable(classIndex);
    const auto computeLayers = [&]() -> std::optional<std::string> {
        // A number out of range, a layer above the top or one that rounds below layer 0
        // gives no result.
        if (!a.valid || !b.valid || !h.valid || a.value > cls.topLayer || b.value > cls.topLayer)
            return std::nullopt;
        const std::int64_t first = common::roundHalfEven(a.value + 1);
        const std::int64_t last = common::roundHalfEven(b.value);
        if (first < 0 || last < 0)
            return std::nullopt;
        if (static_cast<double>(t[static_cast<std::size_t>(last)]) < h.value)
            return std::nullopt; // more experience held than the to-layer's own entry
        std::int64_t sum = 0;
        for (std::int64_t p = first; p <= last; ++p)
            sum += t[static_cast<std::size_t>(p)];
        // From a layer to itself the sum is 0, so what is held shows as a negative amount.
        return common::formatNumber(static_cast<double>(sum) - h.value);
    };
    u.needed = computeLayers();
    u.clear = !u.needed.has_value();

    const common::ReadNumber l = common::readLeadingNumber(level);
    const double lv = l.valid ? l.value : 0.0;
    const bool cultivates = lv >= cls.levelRequirement && lv <= 155;
    u.timesPerDay = common::formatNumber(cultivates ? std::floor(lv / 10) : 0.0);
    return u;
}

} // namespace tables
