#include "calc/total_experience.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

// Every box "0".
TotalExperienceInput zeros()
{
    TotalExperienceInput in;
    in.level = 0;
    in.ascension = 0;
    in.sectSkills.fill(0);
    in.auxiliarySkills.fill(0);
    in.fruits = 0;
    in.carried = 0;
    return in;
}

// A case's change to the all-zero boxes. The cases keep the change itself rather than the
// input it builds: GCC 12 fails with an internal error at -O2 on a table that builds its
// inputs through lambdas in the initialiser.
using Change = void (*)(TotalExperienceInput&);
void unchanged(TotalExperienceInput&) {}

} // namespace

TEST(TotalExperience, TableOfCases)
{
    using In = TotalExperienceInput&;
    struct Case {
        const char* name;
        Change change;
        const char* warning;
        std::int64_t total, normal, pk;
    };
    const Case cases[] = {
        {"all zero", unchanged, "", 0, 0, 0},
        {"level 100", [](In i) { i.level = 100; }, "", 122593634, 245187, 1000500},
        {"level 15: no death loss", [](In i) { i.level = 15; }, "", 73428, 0, 0},
        {"level 16", [](In i) { i.level = 16; }, "", 93664, 187, 4596},
        {"half rounds up", [](In i) { i.level = 16; i.carried = 86; }, "", 93750, 188, 4596},
        {"below half rounds down", [](In i) { i.level = 16; i.carried = 85; }, "", 93749, 187, 4596},
        {"level 155", [](In i) { i.level = 155; }, "", 1275784934, 2551570, 155 * 155 * 155 + 500},
        {"ascension 135 alone", [](In i) { i.ascension = 135; }, "", 194683733, 0, 0},
        {"ascension 145 alone", [](In i) { i.ascension = 145; }, "", 262764287, 0, 0},
        {"one fruit", [](In i) { i.fruits = 1; }, "", 10000000, 0, 0},
        {"100 fruits", [](In i) { i.fruits = 100; }, "", 1742500000, 0, 0},
        {"sect skill 160", [](In i) { i.sectSkills[6] = 160; }, "", 197439611, 0, 0},
        {"auxiliary skill 150", [](In i) { i.auxiliarySkills[12] = 150; }, "", 103055891, 0, 0},
        {"every box at its top, ten-digit carry",
         [](In i) {
             i.level = 155;
             i.ascension = 145;
             i.sectSkills.fill(160);
             i.auxiliarySkills.fill(150);
             i.fruits = 100;
             i.carried = 9999999999;
         },
         "", 16002853080, 32005706, 3724375},
        {"mixed",
         [](In i) {
             i.level = 120;
             i.ascension = 140;
             i.sectSkills = {100, 110, 120, 130, 140, 150, 160};
             i.auxiliarySkills = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 150};
             i.fruits = 37;
             i.carried = 123456789;
         },
         "", 1786678107, 3573356, 1728500},
        {"empty level", [](In i) { i.level = std::nullopt; }, "请输入所有数据！", 0, 0, 0},
        {"empty auxiliary", [](In i) { i.auxiliarySkills[12] = std::nullopt; }, "请输入所有数据！", 0, 0, 0},
        {"empty carried", [](In i) { i.carried = std::nullopt; }, "请输入所有数据！", 0, 0, 0},
        {"empty ascension", [](In i) { i.ascension = std::nullopt; }, "请输入所有数据！", 0, 0, 0},
        {"level 156", [](In i) { i.level = 156; }, "等级最高为155级！", 0, 0, 0},
        {"sect 161", [](In i) { i.sectSkills[3] = 161; }, "门派技能等级最高为160级！", 0, 0, 0},
        {"auxiliary 151", [](In i) { i.auxiliarySkills[7] = 151; }, "辅助技能等级最高为150级！", 0, 0, 0},
        {"101 fruits", [](In i) { i.fruits = 101; }, "潜力果最多只能换取100个！", 0, 0, 0},
        {"ascension 1", [](In i) { i.ascension = 1; }, "允许飞升等级最低为135级,最高为145级！", 0, 0, 0},
        {"ascension 134", [](In i) { i.ascension = 134; }, "允许飞升等级最低为135级,最高为145级！", 0, 0, 0},
        {"ascension 146", [](In i) { i.ascension = 146; }, "允许飞升等级最低为135级,最高为145级！", 0, 0, 0},
        // With several faults the checks speak in their order: level, sect skills, auxiliary
        // skills, fruits, ascension.
        {"first fault only", [](In i) { i.level = 200; i.sectSkills[0] = 200; }, "等级最高为155级！", 0, 0, 0},
        {"sect before auxiliary", [](In i) { i.sectSkills[6] = 161; i.auxiliarySkills[0] = 151; },
         "门派技能等级最高为160级！", 0, 0, 0},
        {"auxiliary before fruits", [](In i) { i.auxiliarySkills[12] = 151; i.fruits = 101; },
         "辅助技能等级最高为150级！", 0, 0, 0},
        {"fruits before ascension", [](In i) { i.fruits = 101; i.ascension = 146; }, "潜力果最多只能换取100个！",
         0, 0, 0},
        {"empty beats range", [](In i) { i.level = 999; i.fruits = std::nullopt; }, "请输入所有数据！", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TotalExperienceInput in = zeros();
        c.change(in);
        const TotalExperienceResult r = totalExperience(in);
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.total, c.total);
        EXPECT_EQ(r.normalDeath, c.normal);
        EXPECT_EQ(r.pkDeath, c.pk);
    }
}

TEST(TotalExperience, FruitPreview)
{
    struct Case {
        LevelInput fruits;
        std::int64_t count, exp;
    };
    const Case cases[] = {
        {std::nullopt, 0, 0}, {0, 0, 0}, {1, 1, 1000}, {5, 5, 1060}, {100, 100, 2485}, {101, 0, 0}, {999, 0, 0},
    };
    for (const Case& c : cases) {
        const FruitPreview p = fruitPreview(c.fruits);
        EXPECT_EQ(p.count, c.count) << c.fruits.value_or(-1);
        EXPECT_EQ(p.lastFruitExp, c.exp) << c.fruits.value_or(-1);
    }
}
