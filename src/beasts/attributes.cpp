#include "beasts/attributes.h"

#include "beasts/growth.h"

#include <cmath>

namespace beasts {

std::int64_t floorWhole(double v)
{
    constexpr double kLimit = 9007199254740992.0; // 2^53: every whole double up to here is exact
    if (std::isnan(v))
        return 0;
    const double f = std::floor(v);
    if (f >= kLimit)
        return static_cast<std::int64_t>(kLimit);
    if (f <= -kLimit)
        return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(f);
}

AttributeValues beastAttributes(const AttributeInputs& in)
{
    const double L = in.level, g = in.growth;
    const double con = in.points[0], mag = in.points[1], str = in.points[2], end = in.points[3], agi = in.points[4];
    AttributeValues r{};
    r[Health] = floorWhole(L * in.aptHealth / 1000 + g * con * 6);
    r[Mana] = floorWhole(mag * g * 3 + L * in.aptMana * 2 / 1000);
    r[Attack] = floorWhole(g * str + (g * 10 + 14) * (L * in.aptAttack) / 7500) - 1;
    r[Defense] = floorWhole(g * end * 4 / 3 + (g * 19 / 3 + 9.4) * (L * in.aptDefense) / 7500) - 1;
    r[Speed] = floorWhole(in.aptSpeed * agi / 1000);
    r[Spirit] = floorWhole(L * g * 0.2 / GrowthScaleDivisor + con * 0.3 + mag * 0.7 + str * 0.4 + end * 0.2 +
                           L * in.aptMana * 2 / 10000);
    return r;
}

AttributeValues childAttributes(const AttributeInputs& in)
{
    const double L = in.level, g = in.growth;
    const double con = in.points[0], mag = in.points[1], str = in.points[2], end = in.points[3], agi = in.points[4];
    AttributeValues r{};
    r[Health] = floorWhole(L * in.aptHealth / 1000 + g * con * 6);
    r[Mana] = floorWhole((L + L) * in.aptMana / 1000 + g * mag * 3);
    r[Attack] = floorWhole(L * in.aptAttack * (g * 10 + 14) / 7500 + g * str) - 1;
    r[Defense] = floorWhole(L * in.aptDefense * (19.0 / 3 * g + 9.4) / 7500 + g * end * 4 / 3) - 1;
    r[Speed] = floorWhole(in.aptSpeed * agi / 1000);
    r[Spirit] = floorWhole(L * g * 0.2 / GrowthScaleDivisor + con * 0.3 + mag * 0.7 + str * 0.4 + end * 0.2 +
                           in.aptMana * L * 2 / 10000);
    return r;
}

} // namespace beasts
