#include "calc/task_rewards.h"

#include <algorithm>

namespace calc {

GuildTaskReward guildTaskReward(TaskInput level)
{
    GuildTaskReward r;
    if (!level)
        r.warning = kMsgTaskFieldEmpty;
    else if (*level > 155 || *level < 11)
        r.warning = kMsgGuildTaskLevel;
    else {
        r.qinglong = 215 * *level + 27750;
        r.xuanwu = 585 * *level + 5750;
    }
    return r;
}

std::int64_t ringExperience(std::int64_t level, std::int64_t ring)
{
    // Levels 0..155 and rings 1..300 are all there are.
    level = std::clamp<std::int64_t>(level, 0, 155);
    ring = std::clamp<std::int64_t>(ring, 1, 300);
    const std::int64_t base = 20 * level + 150;
    const std::int64_t q = (ring - 1) / 10;
    return (ring - 9 * q + 1) * base;
}

RingQuestReward ringQuestReward(TaskInput level, TaskInput firstRing, TaskInput lastRing)
{
    RingQuestReward r;
    if (!level || !firstRing || !lastRing) {
        r.warning = kMsgTaskFieldEmpty;
        return r;
    }
    const std::int64_t l = *level, a = *firstRing, b = *lastRing;
    if (l < 60 || l > 155)
        r.warning = kMsgRingLevel;
    else if (a > 300 || b > 300 || a < 1 || b < 1)
        r.warning = kMsgRingNumber;
    else if (a > b)
        r.warning = kMsgRingOrder;
    else {
        for (std::int64_t ring = a; ring <= b; ++ring)
            r.total += ringExperience(l, ring);
        r.half = r.total / 2;
    }
    return r;
}

namespace {

struct SectTaskBand {
    int from, to;
    int expPerLevel, expBase;
    int moneyPerLevel, moneyBase;
};

constexpr SectTaskBand kSectTaskBands[] = {
    {20, 39, 540, 4250, 50, 3600},
    {40, 69, 660, 16000, 275, 18250},
    {70, 99, 825, 37500, 275, 36500},
    {100, 155, 825, 77500, 220, 75000},
};

} // namespace

SectTaskReward sectTaskReward(TaskInput level, bool doubled, bool twoCycles)
{
    SectTaskReward r;
    if (!level) {
        r.warning = kMsgTaskFieldEmpty;
        return r;
    }
    const std::int64_t factor = (doubled ? 2 : 1) * (twoCycles ? 2 : 1);
    for (const SectTaskBand& band : kSectTaskBands) {
        if (*level >= band.from && *level <= band.to) {
            r.experience = factor * (band.expPerLevel * *level + band.expBase);
            r.money = factor * (band.moneyPerLevel * *level + band.moneyBase);
            return r;
        }
    }
    r.warning = kMsgSectTaskLevel;
    return r;
}

} // namespace calc
