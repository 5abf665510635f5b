// Every calculator function over the whole range of its parameter types: the edges of
// the types, zero, negatives and ±1 around every cap. Under the sanitizers a signed
// overflow or a division by zero aborts; the checks here add what the figures must obey
// whatever goes in (no negative cost, no level beyond the caps).

#include "../support/edges.h"
#include "calc/auxiliary_skills.h"
#include "calc/beast_shop.h"
#include "calc/cultivation.h"
#include "calc/demon_sealing.h"
#include "calc/experience.h"
#include "calc/forging.h"
#include "calc/gems.h"
#include "calc/guild_research.h"
#include "calc/guild_upkeep.h"
#include "calc/money_limit.h"
#include "calc/potential_fruit.h"
#include "calc/sect_skills.h"
#include "calc/sworn_title.h"
#include "calc/task_rewards.h"
#include "calc/total_experience.h"

#include <gtest/gtest.h>

#include <limits>

using namespace calc;

namespace {

constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();

std::vector<LevelInput> levelInputs()
{
    std::vector<LevelInput> out = {std::nullopt};
    for (const std::int64_t v : test::edgeValues64())
        out.push_back(v);
    return out;
}

std::vector<LevelInput> fewInputs()
{
    std::vector<LevelInput> out = {std::nullopt};
    for (const std::int64_t v : test::fewValues64())
        out.push_back(v);
    return out;
}

} // namespace

TEST(CalcTotality, Experience)
{
    for (const std::int64_t v : test::edgeValues64())
        EXPECT_FALSE(formatWanYi(v, "是", "点经验").empty());
    for (const LevelInput& a : levelInputs())
        for (const LevelInput& b : levelInputs()) {
            const LevelToExpResult r = levelToExperience(a, b);
            EXPECT_GE(r.amount, 0);
        }
    for (const std::string& text : test::edgeTexts())
        for (const LevelInput& s : levelInputs()) {
            const ExpToLevelResult r = experienceToLevel(text, s);
            EXPECT_GE(r.level, 0);
            EXPECT_LE(r.level, kMaxCharLevel);
            EXPECT_GE(r.remaining, 0);
        }
}

TEST(CalcTotality, LevelsBelowZeroCountFromZero)
{
    // A level below zero is no level: it counts from level 0, whatever its size (a value
    // cut to 32 bits would have read -4294967291 as 5).
    const std::int64_t fromZero = levelToExperience(0, 10).amount;
    for (const std::int64_t neg : {std::int64_t{-1}, std::int64_t{-4294967291}, std::numeric_limits<std::int64_t>::min()})
        EXPECT_EQ(levelToExperience(neg, 10).amount, fromZero) << neg;
}

TEST(CalcTotality, MoneyLimit)
{
    for (const LevelInput& l : levelInputs()) {
        const MoneyLimitResult r = moneyLimit(l);
        EXPECT_GE(r.limit, 0);
        EXPECT_LE(r.limit, kMoneyLimitFlat);
    }
    // Below level 0 the limit is the level-0 one, not 2000·25 + 10000 for -5.
    EXPECT_EQ(moneyLimit(-5).limit, kMoneyLimitAtLevelZero);
    EXPECT_EQ(moneyLimit(std::numeric_limits<std::int64_t>::min()).limit, kMoneyLimitAtLevelZero);
}

TEST(CalcTotality, SkillsAndFruits)
{
    for (const LevelInput& a : levelInputs())
        for (const LevelInput& b : levelInputs()) {
            for (const LearningWay way : {LearningWay::Guild, LearningWay::Npc}) {
                const AuxiliarySkillResult r = auxiliarySkillCost(way, a, b);
                EXPECT_GE(r.experience, 0);
                EXPECT_GE(r.money, 0);
                EXPECT_GE(r.points, 0);
                EXPECT_GE(r.contributionHeld, 0);
            }
            const FruitRangeResult f = fruitRangeExperience(a, b);
            EXPECT_GE(f.amount, 0);
            if (a && b) {
                const SectSkillCost c = sectSkillRangeCost(*a, *b);
                EXPECT_GE(c.experience, 0);
                EXPECT_GE(c.money, 0);
            }
        }
    for (const LevelInput& a : fewInputs())
        for (const LevelInput& b : fewInputs())
            for (const int skills : test::edgeValues32()) {
                const SectSkillFrameResult r = sectSkillFrame(a, b, skills);
                EXPECT_GE(r.experience, 0);
                EXPECT_GE(r.money, 0);
            }
    for (const LevelInput& a : levelInputs())
        for (const LevelInput& b : fewInputs()) {
            std::array<SectSkillRowInput, kSectSkillCount> rows{};
            for (auto& row : rows)
                row = {a, b, true};
            rows[3] = {b, a, true};
            const SectSkillDetailResult r = sectSkillDetail(rows);
            EXPECT_GE(r.totalExperience, 0);
            EXPECT_GE(r.totalMoney, 0);
        }
    for (const LevelInput& f : levelInputs()) {
        const FruitPreview p = fruitPreview(f);
        EXPECT_GE(p.count, 0);
        EXPECT_GE(p.lastFruitExp, 0);
    }
}

TEST(CalcTotality, SectSkillCountIsKeptToTheSkills)
{
    // The count note and the figures take between none and all seven skills.
    const SectSkillFrameResult seven = sectSkillFrame(0, 10, kSectSkillCount);
    const SectSkillFrameResult huge = sectSkillFrame(0, 10, std::numeric_limits<int>::max());
    EXPECT_EQ(huge.experience, seven.experience);
    EXPECT_EQ(huge.countCaption, "(X7项)");
    const SectSkillFrameResult negative = sectSkillFrame(0, 10, -3);
    EXPECT_EQ(negative.experience, 0);
    EXPECT_EQ(negative.countCaption, "(X0项)");
}

TEST(CalcTotality, Cultivation)
{
    for (const LevelInput& a : fewInputs())
        for (const LevelInput& h : fewInputs())
            for (const LevelInput& b : fewInputs())
                for (const int price : {std::numeric_limits<int>::min(), -1, 0, kAttackPrice, kDefencePrice,
                                        std::numeric_limits<int>::max()}) {
                    const CultivationCost r = cultivationCost(a, h, b, price);
                    EXPECT_GE(r.experience, 0);
                    EXPECT_GE(r.money, 0);
                    EXPECT_GE(r.resources, 0);
                    EXPECT_GE(r.contribution, 0);
                }
    for (const int level : test::edgeValues32())
        for (const int price : test::edgeValues32())
            EXPECT_GE(cultivationStepMoney(level, price), 0);
    for (const int kind : test::edgeValues32()) {
        CultivationSteps steps;
        steps.chooseKind(kind);
        for (int i = 0; i < 30; ++i)
            steps.stepUp();
        EXPECT_EQ(steps.level(), kMaxCultivationLevel);
        for (int i = 0; i < 30; ++i)
            steps.stepDown(false);
        EXPECT_EQ(steps.level(), 0);
        EXPECT_GE(steps.total(), 0);
    }
    for (const std::string& text : test::edgeTexts()) {
        CultivationSteps steps;
        steps.enterLevel(text, false);
        EXPECT_GE(steps.level(), 0);
        EXPECT_LE(steps.level(), kMaxCultivationLevel);
        EXPECT_GE(steps.total(), 0);
    }
}

TEST(CalcTotality, GuildResearch)
{
    for (const int k : test::edgeValues32()) {
        EXPECT_GE(guildResearchStep(k), 0) << k;
    }
    auto check = [](LevelInput c, LevelInput t, LevelInput e, LevelInput n) {
        const GuildResearchResult r = guildResearch(c, t, e, n);
        EXPECT_GE(r.needed, 0);
        EXPECT_GE(r.days, 0);
    };
    for (const LevelInput& c : fewInputs())
        for (const LevelInput& t : fewInputs())
            for (const LevelInput& e : fewInputs())
                for (const LevelInput& n : fewInputs())
                    check(c, t, e, n);
    for (const LevelInput& a : levelInputs())
        for (const LevelInput& b : levelInputs()) {
            check(a, b, 0, 0);
            check(10, 150, a, b);
        }
    // Fewer than no academies is no academy: 10 → 11 needs 2936, a day gathers 2000·24.
    for (const std::int64_t n : {std::int64_t{-4}, std::int64_t{-5}, std::numeric_limits<std::int64_t>::min()}) {
        const GuildResearchResult r = guildResearch(10, 11, 0, n);
        EXPECT_EQ(r.warning, "");
        EXPECT_EQ(r.needed, 2936);
        EXPECT_EQ(r.days, 1) << n;
    }
}

TEST(CalcTotality, GuildUpkeepGemsForging)
{
    for (const int level : test::edgeValues32()) {
        EXPECT_GE(maxBuildingsPerKind(level), 0);
        EXPECT_LE(maxBuildingsPerKind(level), 4 * kMaxGuildLevel);
        for (const int count : test::edgeValues32()) {
            EXPECT_GE(vaultRewardCap(level, count), 0);
            EXPECT_GE(buildingUpkeep(level, count), 0);
        }
        for (const int count : test::edgeValues32()) {
            BuildingCounts counts;
            counts.fill(count);
            const GuildUpkeep u = guildUpkeep(level, counts);
            EXPECT_GT(u.hourly, 0);
            EXPECT_EQ(u.fund, 48 * u.hourly);
        }
        const ForgeNeeds f = forgingNeeds(level);
        EXPECT_GE(f.money, 0);
        for (const std::int64_t price : test::edgeValues64()) {
            const GemCosts g = gemCosts(level, price);
            EXPECT_GE(g.mergeCost, 0);
            EXPECT_GE(g.forgeCost, 0);
            EXPECT_LE(g.mergeCost, g.forgeCost);
        }
    }
    // A guild below level 0 pays what a level-0 guild pays.
    BuildingCounts none{};
    EXPECT_EQ(guildUpkeep(-1, none).hourly, guildUpkeep(0, none).hourly);
    // A price no box can hold saturates instead of wrapping: 2^19 gems at the top price.
    EXPECT_EQ(gemCosts(kMaxGemLevel, kMax64).mergeCost, kMax64);
    EXPECT_EQ(gemCosts(kMaxGemLevel, -100).mergeCost, 0);
}

TEST(CalcTotality, TasksAndDemons)
{
    for (const LevelInput& l : levelInputs()) {
        const GuildTaskReward g = guildTaskReward(l);
        EXPECT_GE(g.qinglong, 0);
        EXPECT_GE(g.xuanwu, 0);
        for (const bool d : {false, true})
            for (const bool c : {false, true}) {
                const SectTaskReward s = sectTaskReward(l, d, c);
                EXPECT_GE(s.experience, 0);
                EXPECT_GE(s.money, 0);
                const DemonSealRewards r = demonSealRewards(l, d, c);
                for (std::size_t k = 0; k < kDemonSealMaps; ++k) {
                    EXPECT_GE(r.experience[k], 0);
                    EXPECT_GE(r.money[k], 0);
                }
            }
        if (l)
            for (const DemonSealMap& map : DemonSealTierTable) {
                const int tier = demonSealTier(map, *l);
                EXPECT_GE(tier, 1);
                EXPECT_LE(tier, 10);
            }
        for (const LevelInput& a : fewInputs())
            for (const LevelInput& b : fewInputs()) {
                const RingQuestReward r = ringQuestReward(l, a, b);
                EXPECT_GE(r.total, 0);
            }
    }
    for (const std::int64_t l : test::edgeValues64())
        for (const std::int64_t ring : test::edgeValues64())
            EXPECT_GE(ringExperience(l, ring), 0);
}

TEST(CalcTotality, BeastShop)
{
    for (const std::int64_t h : test::edgeValues64())
        EXPECT_GE(chargedDays(h), 1) << h;
    // 2^40 hours are 45812984490 days and 16 hours: 45812984491 days begun.
    EXPECT_EQ(chargedDays(std::int64_t{1} << 40), 45812984491);
    EXPECT_EQ(chargedDays(kMax64), kMax64 / 24 + 1); // 2^63 − 1 = 24·q + 7
    const std::vector<std::string> texts = test::edgeTexts();
    for (const std::string& a : texts) {
        shopIndexWarning(a);
        shopCountersWarning(a);
        for (const int index : {-1, 0, 1, 2, 3, 6, 7, 11})
            budgetFieldWarning(index, a, "5");
        for (const std::string& b : std::vector<std::string>(texts.begin(), texts.begin() + 23)) {
            EXPECT_FALSE(newShopCost(a, b).empty());
            std::array<std::string_view, 7> fields{};
            fields.fill(a);
            fields[2] = b;
            const BudgetResult r = shopBudget(fields);
            EXPECT_GE(r.days, 0);
        }
    }
}

TEST(CalcTotality, TotalExperience)
{
    for (const LevelInput& a : levelInputs())
        for (const LevelInput& b : fewInputs()) {
            TotalExperienceInput in;
            in.level = a;
            in.ascension = 0;
            in.sectSkills.fill(b);
            in.auxiliarySkills.fill(a);
            in.fruits = b;
            in.carried = a;
            TotalExperienceResult r = totalExperience(in);
            EXPECT_GE(r.total, 0);
            EXPECT_GE(r.normalDeath, 0);
            EXPECT_GE(r.pkDeath, 0);
            in.ascension = b;
            in.level = 155;
            in.carried = b;
            in.auxiliarySkills.fill(b);
            in.fruits = a;
            r = totalExperience(in);
            EXPECT_GE(r.total, 0);
        }
}

TEST(CalcTotality, SwornTitle)
{
    for (const std::string& a : test::edgeTexts())
        swornTitle(a, "灵", a, "天");
}
