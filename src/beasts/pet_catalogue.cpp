#include "beasts/pet_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace beasts {

const PetSpeciesRecord* findPetSpecies(std::string_view name)
{
    for (const PetSpeciesRecord& r : PetCatalogue)
        if (r.name == name)
            return &r;
    return nullptr;
}

int carryLevelValue(std::string_view carryLevel)
{
    if (carryLevel == "飞升")
        return 125;
    if (carryLevel == "飞升+135")
        return 135;
    if (carryLevel.empty() || carryLevel.size() > 3)
        return -1;
    int v = 0;
    for (char c : carryLevel) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::int32_t certificationFee(std::string_view carryLevel)
{
    const int l = carryLevelValue(carryLevel);
    if (l < 0)
        return 0;
    return 160 * l * l + 4000 * l;
}

std::array<int, 5> newScaleGrowthValues(int growth)
{
    // A growth is never below 0; 102 % of the largest int stops at the largest int.
    const std::int64_t g = std::max(growth, 0);
    std::array<int, 5> v{};
    for (int k = 0; k < 5; ++k)
        v[static_cast<std::size_t>(k)] = static_cast<int>(std::min<std::int64_t>(
            g * (98 + k) / 100, std::numeric_limits<int>::max()));
    return v;
}

int toOldScaleThousandths(int newScale)
{
    // newScale / 0.3344 to the nearest thousandth: v·10000/3344, rounded (never a tie).
    const std::int64_t v = std::max(newScale, 0);
    return static_cast<int>(std::min<std::int64_t>((v * 20000 + 3344) / (2 * 3344), std::numeric_limits<int>::max()));
}

std::string growthText(const std::array<int, 5>& t)
{
    // Each value as units and thousandths, the sign in front of both.
    std::array<std::array<char, 24>, 5> parts{};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::int64_t v = t[k];
        const std::int64_t a = v < 0 ? -v : v;
        std::snprintf(parts[k].data(), parts[k].size(), "%s%lld.%03lld", v < 0 ? "-" : "",
                      static_cast<long long>(a / 1000), static_cast<long long>(a % 1000));
    }
    char buf[160];
    std::snprintf(buf, sizeof buf, "[%s] [%s][%s] [%s][%s]", parts[0].data(), parts[1].data(), parts[2].data(),
                  parts[3].data(), parts[4].data());
    return buf;
}

std::string ruleNewGrowthText(int growth) { return growthText(newScaleGrowthValues(growth)); }

std::string ruleOldGrowthText(int growth)
{
    std::array<int, 5> v = newScaleGrowthValues(growth);
    for (int& x : v)
        x = toOldScaleThousandths(x);
    return growthText(v);
}

PetSpeciesDisplay displayOf(const PetSpeciesRecord& r)
{
    PetSpeciesDisplay d;
    d.carryLevel = std::string(r.carryLevel);
    d.fee = std::to_string(certificationFee(r.carryLevel));
    for (std::size_t i = 0; i < 6; ++i)
        d.aptitudes[i] = std::string(r.aptitudes[i]);
    d.skills = std::string(r.skills);
    d.newGrowth = r.newGrowthText.empty() ? ruleNewGrowthText(r.growth) : std::string(r.newGrowthText);
    d.oldGrowth = r.oldGrowthText.empty() ? ruleOldGrowthText(r.growth) : std::string(r.oldGrowthText);
    d.scenes = std::string(r.scenes);
    return d;
}

} // namespace beasts
