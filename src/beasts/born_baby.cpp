#include "beasts/born_baby.h"

namespace beasts {

BornBabyResult bornBabyTest(const BornBabyInputs& in)
{
    BornBabyResult r;
    for (const auto& v : in)
        if (!v) {
            r.warning = std::string(kMsgBornBabyEmpty);
            r.resetInputs = true;
            r.verdict = std::string();
            return r;
        }
    const std::int64_t g = *in[0];
    const std::int64_t p = *in[6];
    // The level is checked first: the attribute bounds and the sum are then small.
    bool valid = g >= 0 && g <= 160 && p >= 0 && p <= 5 * g;
    std::int64_t total = p;
    for (std::size_t i = 1; i <= 5 && valid; ++i) {
        const std::int64_t a = *in[i];
        if (a < g + 10 || a > 6 * g + 60)
            valid = false;
        else
            total += a;
    }
    if (!valid) {
        r.warning = std::string(kMsgBornBabyWrong);
        return r;
    }
    const std::int64_t n = g / 20 + 1;
    const std::int64_t x = total - 10 * g;
    if (x >= 100 && x <= 100 + n)
        r.verdict = "召唤兽总点数" + std::to_string(total) + "点.恭喜!是天生的宝宝!";
    else if (x >= 1 && x <= 99)
        r.verdict = "召唤兽总点数" + std::to_string(total) + "点.可能是合成或野生召唤兽!";
    else
        r.warning = std::string(kMsgBornBabyWrong);
    return r;
}

} // namespace beasts
