#pragma once
// The summoned-beast catalogue of the 召唤兽 panel: 64 species with carry level,
// certification fee, aptitudes, skills, growth on both scales and capture scenes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace beasts {

struct PetSpeciesRecord {
    std::string_view name;       // the picker's entry
    std::string_view carryLevel; // "0" … "135", "飞升" or "飞升+135"
    std::array<std::string_view, 6> aptitudes; // 攻击 防御 体力 法力 速度 躲闪 ("1500+" allowed)
    int growth;                  // base growth on the new scale, in thousandths
    std::string_view skills;     // joined by "/"
    std::string_view scenes;     // joined by "/"
    // The few species whose growth texts were published by hand and do not follow the
    // rule; empty means the text follows the rule.
    std::string_view newGrowthText;
    std::string_view oldGrowthText;
};

inline constexpr std::size_t kPetSpeciesCount = 64;
extern const std::array<PetSpeciesRecord, kPetSpeciesCount> PetCatalogue;

// The record whose name equals `name` exactly, or nullptr.
const PetSpeciesRecord* findPetSpecies(std::string_view name);

// The carry level as a number: "飞升" counts as 125, "飞升+135" as 135; -1 for other text.
int carryLevelValue(std::string_view carryLevel);

// 160·L² + 4000·L for the carry level L (飞升 → 125, 飞升+135 → 135).
std::int32_t certificationFee(std::string_view carryLevel);

// The five growth values of base growth g (thousandths) on the new scale:
// floor(g·k/100) for k = 98 … 102.
std::array<int, 5> newScaleGrowthValues(int growth);
// A new-scale value (thousandths) on the old scale (thousandths), to the nearest.
int toOldScaleThousandths(int newScale);
// "[0.882] [0.891][0.900] [0.909][0.918]": five values in thousandths.
std::string growthText(const std::array<int, 5>& thousandths);
std::string ruleNewGrowthText(int growth);
std::string ruleOldGrowthText(int growth);

// What the catalogue fields show for a record, in display order.
struct PetSpeciesDisplay {
    std::string carryLevel;
    std::string fee;
    std::array<std::string, 6> aptitudes;
    std::string skills;
    std::string newGrowth;
    std::string oldGrowth;
    std::string scenes;
};
PetSpeciesDisplay displayOf(const PetSpeciesRecord& record);

} // namespace beasts
