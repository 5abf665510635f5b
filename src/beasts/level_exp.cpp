#include "beasts/level_exp.h"

#include "common/numbers.h"

#include <cmath>
#include <optional>

namespace beasts {

namespace {

// A level box's text: its leading number, or nullopt when the text is not a number at
// all or is negative (only pasting can bring either).
std::optional<double> levelValue(std::string_view text)
{
    bool digit = false;
    for (char c : text)
        if (c >= '0' && c <= '9')
            digit = true;
    const common::ReadNumber n = common::readLeadingNumber(text);
    if (!digit || !n.valid || n.value < 0)
        return std::nullopt;
    return n.value;
}

} // namespace

PetLevelExpResult petLevelExperience(std::string_view level1, std::string_view level2)
{
    PetLevelExpResult r;
    const std::optional<double> l1 = levelValue(level1);
    const std::optional<double> l2 = levelValue(level2);
    if (level1.empty() || level2.empty() || !l1 || !l2) {
        r.warning = std::string(kMsgPetLevelEmpty);
        return r;
    }
    if (*l1 > kPetMaxLevel || *l2 > kPetMaxLevel) {
        r.warning = std::string(kMsgPetLevelCap);
        return r;
    }
    if (*l1 > *l2) {
        r.warning = std::string(kMsgPetLevelOrder);
        return r;
    }
    const std::int64_t from = common::roundHalfEven(*l1);
    const std::int64_t to = common::roundHalfEven(*l2);
    for (std::int64_t i = from; i < to; ++i)
        r.total += PetLevelExpTable[static_cast<std::size_t>(i)];
    r.echo = std::string(level2);
    if (to > 0)
        r.lastStep = PetLevelExpTable[static_cast<std::size_t>(to - 1)];
    return r;
}

HomeTrainingResult homeTrainingMinLevel(std::string_view answer)
{
    HomeTrainingResult r;
    const common::ReadNumber n = common::readLeadingNumber(answer);
    if (answer.empty() || !n.valid) {
        r.warning = std::string(kMsgHomeTrainingWrong);
        return r;
    }
    const double v = n.value;
    if (v > 41) {
        if (v < 42 || v > 155) {
            r.warning = std::string(kMsgHomeTrainingWrong);
            return r;
        }
        const double x = v * 0.7 - 30;
        r.level = static_cast<std::int64_t>(x == std::floor(x) ? x : std::floor(x) + 1);
    }
    r.message = "角色等级 " + std::string(answer) + " 级，可在家训练的召唤兽最低等级为 " +
                std::to_string(r.level) + " 级";
    return r;
}

} // namespace beasts
