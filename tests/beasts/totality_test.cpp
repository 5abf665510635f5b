// Every beast and child function over the whole range of its parameter types: the edges
// of the types, zero, negatives and ±1 around every cap. Under the sanitizers a signed
// overflow aborts; the checks add what the results must obey whatever goes in.

#include "../support/edges.h"
#include "beasts/beast_hp.h"
#include "beasts/born_baby.h"
#include "beasts/child_tables.h"
#include "beasts/growth.h"
#include "beasts/level_exp.h"
#include "beasts/pet_catalogue.h"
#include "beasts/scenes.h"

#include <gtest/gtest.h>

#include <limits>

using namespace beasts;

TEST(BeastsTotality, BornBaby)
{
    std::vector<std::optional<std::int64_t>> values = {std::nullopt};
    for (const std::int64_t v : test::edgeValues64())
        values.push_back(v);
    for (const auto& g : values)
        for (const auto& a : values) {
            BornBabyInputs in;
            in.fill(a);
            in[0] = g;
            const BornBabyResult r = bornBabyTest(in);
            if (r.verdict && !r.verdict->empty()) {
                EXPECT_TRUE(r.warning.empty());
            }
            in[6] = g;
            bornBabyTest(in);
        }
    // Attributes summing past the 64-bit range are wrong input, not a verdict.
    BornBabyInputs huge;
    huge.fill(std::numeric_limits<std::int64_t>::max());
    huge[0] = 160;
    huge[6] = 0;
    EXPECT_EQ(bornBabyTest(huge).warning, kMsgBornBabyWrong);
}

TEST(BeastsTotality, Growth)
{
    for (const int g : test::edgeValues32()) {
        const std::array<int, 5> v = newScaleGrowthValues(g);
        for (const int x : v) {
            EXPECT_GE(x, 0) << g;
            EXPECT_GE(toOldScaleThousandths(x), 0) << g;
        }
        EXPECT_GE(toOldScaleThousandths(g), 0) << g;
        for (const std::string& text : {growthText(v), ruleNewGrowthText(g), ruleOldGrowthText(g)})
            EXPECT_EQ(text.find(".-"), std::string::npos) << text;
    }
    // A negative thousandth prints with its sign in front, never "0.-02".
    EXPECT_EQ(growthText({-20, 1000, -1234, 0, std::numeric_limits<int>::min()}),
              "[-0.020] [1.000][-1.234] [0.000][-2147483.648]");
    for (const std::string& text : test::edgeTexts()) {
        convertGrowthInput(text);
        carryLevelValue(text);
        EXPECT_GE(certificationFee(text), 0);
        findPetSpecies(text);
    }
}

TEST(BeastsTotality, LevelExperience)
{
    const std::vector<std::string> texts = test::edgeTexts();
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            const PetLevelExpResult r = petLevelExperience(a, b);
            EXPECT_GE(r.total, 0);
            EXPECT_GE(r.lastStep, 0);
        }
    for (const std::string& a : texts)
        EXPECT_GE(homeTrainingMinLevel(a).level, 0);
}

TEST(BeastsTotality, TablesAndScenes)
{
    for (const int i : test::edgeValues32()) {
        sceneGridCell(i);
        sceneCaption(i);
        sceneTitle(i);
        sceneLines(i);
        childSectAt(i);
        specialBookAt(i);
        childItemAt(i);
        fullExpSceneFor(i);
    }
    for (const std::string& text : test::edgeTexts()) {
        fullExpSceneFor(text);
        legendScenesFor(text);
        EXPECT_GE(displayWidth(text), 0);
    }
}
