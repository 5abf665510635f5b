#include "beasts/pet_catalogue.h"

#include <cstdio>

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
    std::array<int, 5> v{};
    for (int k = 0; k < 5; ++k)
        v[static_cast<std::size_t>(k)] = growth * (98 + k) / 100;
    return v;
}

int toOldScaleThousandths(int newScale)
{
    // newScale / 0.3344 to the nearest thousandth: v·10000/3344, rounded (never a tie).
    return (newScale * 20000 + 3344) / (2 * 3344);
}

std::string growthText(const std::array<int, 5>& t)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "[%d.%03d] [%d.%03d][%d.%03d] [%d.%03d][%d.%03d]", t[0] / 1000, t[0] % 1000,
                  t[1] / 1000, t[1] % 1000, t[2] / 1000, t[2] % 1000, t[3] / 1000, t[3] % 1000, t[4] / 1000,
                  t[4] % 1000);
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
