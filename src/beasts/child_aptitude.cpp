#include "beasts/child_aptitude.h"

#include "beasts/attributes.h"
#include "common/numbers.h"

namespace beasts {

std::string_view checkComprehension(const Comprehension& c)
{
    for (const auto& v : c)
        if (!v)
            return kMsgComprehensionEmpty;
    for (const auto& v : c)
        if (*v > 100)
            return kMsgComprehensionHigh;
    return {};
}

std::optional<std::int64_t> aptitudeRow(int row, const Comprehension& c, double grade)
{
    for (const auto& v : c)
        if (!v)
            return std::nullopt;
    const double W = *c[0], F = *c[1], X = *c[2], T = *c[3], G = grade;
    // The larger of 武学 and 法术悟性 as a whole number (halves to even; 武学 on a tie).
    const double M = static_cast<double>(common::roundHalfEven(W >= F ? W : F));
    switch (row) {
    case 0:
        return floorWhole(((W / 100) * 8) * G + ((W * 8) + 750));
    case 1:
        return floorWhole((((X * 2.4) + (T * 5.6)) + 750) + ((((T * 5.6) + (X * 2.4)) * G) / 100));
    case 2:
        return floorWhole(((T / 100) * 50) * G + ((T * 50) + 500));
    case 3:
        return floorWhole(((F / 100) * 25) * G + ((F * 25) + 700));
    case 4:
        return floorWhole(((M / 100) * 8) * G + (M * 8 + 650));
    case 5:
        return floorWhole(((M / 100) * 8) * G + ((M * 7.2) + 650));
    default:
        return std::nullopt;
    }
}

} // namespace beasts
