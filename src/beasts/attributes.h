#pragma once
// The six battle attributes of a summoned beast (气血, 魔法, 攻击, 防御, 速度, 灵力) from its
// level, five aptitudes, five attribute points and growth; and the child calculator's
// variant of the same formulas.

#include <array>
#include <cstdint>

namespace beasts {

enum Attribute { Health, Mana, Attack, Defense, Speed, Spirit };
inline constexpr int kAttributeCount = 6;
// The five attribute points: 体质, 法力, 力量, 耐力, 敏捷.
inline constexpr int kPointKinds = 5;

struct AttributeInputs {
    double level = 0;
    // 攻击资质, 防御资质, 体力资质, 法力资质, 速度资质 (躲闪资质 enters no formula).
    double aptAttack = 0, aptDefense = 0, aptHealth = 0, aptMana = 0, aptSpeed = 0;
    std::array<double, kPointKinds> points{};
    double growth = 0; // new scale
};

// Whole results in 64 bits: no input of the boxes can overflow them.
using AttributeValues = std::array<std::int64_t, kAttributeCount>;

// The beast formulas, in double precision and in the order the game's figures follow.
AttributeValues beastAttributes(const AttributeInputs& in);

// The child calculator's formulas: the same six, with the sums written in its own order
// and the 防御 coefficient formed as 19 / 3 × g + 9.4. Pass the growth it holds.
AttributeValues childAttributes(const AttributeInputs& in);

// The largest whole number not above v, held within ±2^53 (NaN gives 0).
std::int64_t floorWhole(double v);

} // namespace beasts
