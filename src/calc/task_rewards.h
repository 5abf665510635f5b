#pragma once
// Rewards of the guild task (帮派任务), the ring quest (任务链) and the sect task (门派任务).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::string_view kMsgTaskFieldEmpty = "待输入项不能为空！";
inline constexpr std::string_view kMsgGuildTaskLevel = "输入等级要在11和155之间！";
inline constexpr std::string_view kMsgRingLevel = "等级要在60到155之间！";
inline constexpr std::string_view kMsgRingNumber = "环数要在1到300之间！";
inline constexpr std::string_view kMsgRingOrder = "环数1不能大于环数2！";
inline constexpr std::string_view kMsgSectTaskLevel = "等级要在20到155之间！";

// An input as its box holds it: nullopt when the box is empty.
using TaskInput = std::optional<std::int64_t>;

struct GuildTaskReward {
    std::string warning;
    std::int64_t qinglong = 0; // experience of one cycle of 青龙
    std::int64_t xuanwu = 0;   // experience of one cycle of 玄武
};
// Levels 11..155.
GuildTaskReward guildTaskReward(TaskInput level);

struct RingQuestReward {
    std::string warning;
    std::int64_t total = 0; // experience of rings first..last
    std::int64_t half = 0;  // half of it
};
// Level 60..155, rings 1..300, first ring not above the last; tested in that order.
RingQuestReward ringQuestReward(TaskInput level, TaskInput firstRing, TaskInput lastRing);
// The experience of ring r at a level: (q + j + 1) × (20 × level + 150) with r = 10q + j.
std::int64_t ringExperience(std::int64_t level, std::int64_t ring);

struct SectTaskReward {
    std::string warning;
    std::int64_t experience = 0;
    std::int64_t money = 0;
};
// Levels 20..155; "双倍" and "两轮" each double both the experience and the money.
SectTaskReward sectTaskReward(TaskInput level, bool doubled, bool twoCycles);

} // namespace calc
