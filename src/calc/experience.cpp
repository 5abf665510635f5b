#include "calc/experience.h"

#include "common/game_tables.h"
#include "common/numbers.h"

#include <algorithm>

namespace calc {

std::string formatWanYi(std::int64_t v, std::string_view prefix, std::string_view unit,
                        std::optional<std::string_view> plainText)
{
    std::string out(prefix);
    if (v < 10000) {
        out += plainText ? std::string(*plainText) : common::formatNumber(v);
    } else if (v < 100000000) {
        out += common::formatNumber(v / 10000) + "万" + common::formatNumber(v % 10000);
    } else {
        out += common::formatNumber(v / 100000000) + "亿" + common::formatNumber((v / 10000) % 10000) + "万" +
               common::formatNumber(v % 10000);
    }
    out += unit;
    return out;
}

LevelToExpResult levelToExperience(LevelInput from, LevelInput to)
{
    LevelToExpResult r;
    if (!from || !to)
        r.warning = kMsgEmptyInput;
    else if (*from > kMaxCharLevel || *to > kMaxCharLevel)
        r.warning = kMsgCharLevelCap;
    else if (*from < *to)
        r.amount = common::sumCharLevelExp(static_cast<int>(std::max<std::int64_t>(*from, 0)), static_cast<int>(*to));
    r.tooltip = formatWanYi(r.amount, "是", "点经验");
    return r;
}

ExpToLevelResult experienceToLevel(std::string_view experienceText, LevelInput startLevel)
{
    ExpToLevelResult r;
    const std::int64_t typed = std::max<std::int64_t>(common::readWholeNumber(experienceText), 0);
    if (experienceText.empty() || !startLevel) {
        r.warning = kMsgEmptyInput;
    } else if (*startLevel > kMaxCharLevel) {
        r.warning = kMsgCharLevelCap;
    } else {
        std::int64_t level = std::max<std::int64_t>(*startLevel, 0);
        std::int64_t e = typed;
        while (level < kMaxCharLevel && e >= common::CharLevelExpTable[static_cast<std::size_t>(level)]) {
            e -= common::CharLevelExpTable[static_cast<std::size_t>(level)];
            ++level;
        }
        r.level = level;
        r.remaining = e;
    }
    r.inputTooltip = formatWanYi(typed, "是", "点经验", experienceText);
    r.remainingTooltip = formatWanYi(r.remaining, "是", "点经验");
    return r;
}

} // namespace calc
