#include "calc/guild_upkeep.h"

#include "common/game_tables.h"
#include "common/numbers.h"

#include <algorithm>

namespace calc {

namespace {

// Upkeep factor of each kind in tenths; the academy (10) is taken unrounded.
constexpr std::array<int, kGuildBuildingKinds> kFactorTenths = {6, 10, 4, 6, 6, 6};

int clampCount(int n) { return std::clamp(n, 0, common::kGuildBuildingSlots - 1); }

std::string num(std::int64_t v) { return common::formatNumber(v); }

} // namespace

std::int64_t buildingUpkeep(int kind, int count)
{
    if (kind < 1 || kind > kGuildBuildingKinds)
        return 0;
    const int f = kFactorTenths[static_cast<std::size_t>(kind - 1)];
    std::int64_t sum = 0;
    for (int i = 0; i <= clampCount(count); ++i) {
        const std::int64_t base = common::GuildBuildingUpkeepTable[static_cast<std::size_t>(i)];
        // Rounded half up; base × f is even, so a tenth of it never ends in exactly .5.
        sum += (base * f + 5) / 10;
    }
    return sum;
}

std::int64_t vaultRewardCap(int level, int vaults)
{
    if (level <= 0)
        return 0;
    if (level == 1)
        return 500;
    if (level == 2)
        return 1000;
    const int n = vaults;
    int a = 0;
    if (n == 1)
        a = 1;
    else if (n >= 2 && n <= 8)
        a = (n - 1) * 2;
    else if (n >= 9 && n <= 10)
        a = (n - 9) * 2 + 17;
    else if (n >= 11 && n <= 13)
        a = (n - 11) * 3 + 22;
    else if (n >= 14 && n <= 20)
        a = (n - 14) * 3 + 30;
    return a * 80 + 1000;
}

GuildUpkeep guildUpkeep(int level, const BuildingCounts& counts)
{
    GuildUpkeep u;
    BuildingCounts n{};
    for (std::size_t k = 0; k < n.size(); ++k)
        n[k] = clampCount(counts[k]);

    level = std::clamp(level, 0, kMaxGuildLevel);
    u.hourly = std::int64_t{level} * 10000 + 15200;
    for (int k = 1; k <= kGuildBuildingKinds; ++k)
        u.hourly += buildingUpkeep(k, n[static_cast<std::size_t>(k - 1)]);
    u.fund = 48 * u.hourly;

    if (level > 0)
        u.tooltips[0] = num(n[0]) + "个金库可容纳资金上限是" + num((n[0] + 2) * 1000) +
                        "万两,商人跑商有额外奖励的资金上限是" + num(vaultRewardCap(level, n[0])) + "万两.";
    u.tooltips[1] = num(n[1]) + "个书院,每小时正常维护时辅助技能可增加" + num(n[1] * 500 + 2000) + "点经验.";
    u.tooltips[2] = num(n[2]) + "个药房,每小时正常维护时每种药的刷新数量是" + num(n[2] * 5 + 10) + "个.";
    const int v = n[3] * 1000 + 3000;
    u.tooltips[3] = num(n[3]) + "个兽室,每小时正常维护时守护兽训练度是" + num(v) + "点,守护兽可增加经验" +
                    num(v / 2) + "点.";
    u.tooltips[4] = num(n[4]) + "个厢房,可容纳帮众上限为" + num(n[4] > 16 ? 200 : n[4] * 10 + 40) + "人.";
    u.tooltips[5] = num(n[5]) + "个仓库,最大资材量为" + num(n[5] * 50 + 300) + ",每小时正常维护刷资材量为" +
                    num(n[5] * 25 + 50) + ".";
    return u;
}

} // namespace calc
