#include "beasts/pet_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

using namespace beasts;

namespace {
// The fee rule written out independently of the code under test.
std::int64_t expectedFee(std::string_view carry)
{
    std::int64_t l = 0;
    if (carry == "飞升")
        l = 125;
    else if (carry == "飞升+135")
        l = 135;
    else
        l = std::stoll(std::string(carry));
    return 160 * l * l + 4000 * l;
}

// The growth rule in floating point, as a cross-check of the integer arithmetic.
std::string expectedGrowth(int g, bool old)
{
    std::string out;
    for (int k = 98; k <= 102; ++k) {
        int v = static_cast<int>(std::floor(g * k / 100.0 + 1e-9));
        if (old)
            v = static_cast<int>(std::lround(v / 0.3344));
        char buf[16];
        std::snprintf(buf, sizeof buf, "[%d.%03d]", v / 1000, v % 1000);
        out += buf;
        if (k == 98 || k == 100)
            out += ' ';
    }
    return out;
}
} // namespace

TEST(PetCatalogue, SixtyFourUniqueSpeciesInPickerOrder)
{
    std::set<std::string_view> names;
    for (const PetSpeciesRecord& r : PetCatalogue)
        names.insert(r.name);
    EXPECT_EQ(names.size(), kPetSpeciesCount);
    EXPECT_EQ(PetCatalogue.front().name, "大海龟");
    EXPECT_EQ(PetCatalogue[3].name, "护卫");
    EXPECT_EQ(PetCatalogue.back().name, "龙龟");
    EXPECT_EQ(findPetSpecies("龙龟"), &PetCatalogue.back());
    EXPECT_EQ(findPetSpecies("大海龟 "), nullptr); // no trimming
    EXPECT_EQ(findPetSpecies(""), nullptr);
}

TEST(PetCatalogue, FeeRuleHoldsForEveryRecord)
{
    for (const PetSpeciesRecord& r : PetCatalogue) {
        const std::int64_t fee = expectedFee(r.carryLevel);
        EXPECT_EQ(certificationFee(r.carryLevel), fee) << r.name;
        EXPECT_EQ(displayOf(r).fee, std::to_string(fee)) << r.name;
    }
    struct Case {
        const char* carry;
        std::int32_t fee;
    };
    const Case cases[] = {{"0", 0}, {"5", 24000}, {"135", 3456000}, {"飞升", 3000000}, {"飞升+135", 3456000}};
    for (const Case& c : cases)
        EXPECT_EQ(certificationFee(c.carry), c.fee) << c.carry;
}

TEST(PetCatalogue, GrowthTextsFollowTheRuleExceptFourRecords)
{
    int exceptions = 0;
    for (const PetSpeciesRecord& r : PetCatalogue) {
        const PetSpeciesDisplay d = displayOf(r);
        const bool byRule = d.newGrowth == expectedGrowth(r.growth, false) && d.oldGrowth == expectedGrowth(r.growth, true);
        if (!byRule) {
            ++exceptions;
            EXPECT_TRUE(r.name == "山贼" || r.name == "野鬼" || r.name == "狼" || r.name == "雨师") << r.name;
        }
    }
    EXPECT_EQ(exceptions, 4);

    struct Case {
        const char* name;
        const char* newText;
        const char* oldText;
    };
    const Case cases[] = {
        {"大海龟", "[0.882] [0.891][0.900] [0.909][0.918]", "[2.638] [2.664][2.691] [2.718][2.745]"},
        {"护卫", "[0.931] [0.940][0.950] [0.959][0.969]", nullptr},
        {"野猪", "[0.999] [1.009][1.020] [1.030][1.040]", nullptr},
        {"山贼", "[0.994] [1.004][1.010] [1.025][1.035]", "[2.972] [3.002][3.020] [3.065][3.095]"},
        {"野鬼", "[0.994] [1.004][1.010] [1.025][1.035]", "[2.972] [3.002][3.020] [3.065][3.095]"},
        {"狼", "[0.999] [1.009][1.020] [1.030][1.040]", "[2.958] [2.987][3.020] [3.050][3.080]"},
        {"雨师", nullptr, "[3.457] [3.492][3.529] [3.562][3.597]"},
    };
    for (const Case& c : cases) {
        const PetSpeciesRecord* r = findPetSpecies(c.name);
        ASSERT_NE(r, nullptr) << c.name;
        const PetSpeciesDisplay d = displayOf(*r);
        if (c.newText) {
            EXPECT_EQ(d.newGrowth, c.newText) << c.name;
        }
        if (c.oldText) {
            EXPECT_EQ(d.oldGrowth, c.oldText) << c.name;
        }
    }
    // 雨师's new scale follows the rule from 1.180: 1180 × 98..102 %, cut to whole thousandths,
    // is 1156.4, 1168.2, 1180, 1191.8, 1203.6. 山贼's old scale is its new scale converted.
    EXPECT_EQ(displayOf(*findPetSpecies("雨师")).newGrowth, "[1.156] [1.168][1.180] [1.191][1.203]");
    EXPECT_EQ(toOldScaleThousandths(882), 2638);
    EXPECT_EQ(toOldScaleThousandths(918), 2745);
}

TEST(PetCatalogue, ShownRecords)
{
    struct Case {
        const char* name;
        const char* carry;
        const char* fee;
        const char* attack;
        const char* defence;
    };
    const Case cases[] = {
        {"大海龟", "0", "0", "960", "960"},      {"巨蛙", "0", "0", "1080", "840"},
        {"树怪", "0", "0", "1320", "1320"},      {"护卫", "0", "0", "1150", "1100"},
        {"夜罗刹", "飞升", "3000000", "1500+", "1450"}, {"大力金刚", "飞升", "3000000", "1554", "1432"},
        {"龙龟", "飞升+135", "3456000", "1440", "1560"}, {"净瓶女娲", "105", "2184000", "1500+", "1500+"},
        {"鬼将", "105", "2184000", "1500+", "1400"},
    };
    for (const Case& c : cases) {
        const PetSpeciesDisplay d = displayOf(*findPetSpecies(c.name));
        EXPECT_EQ(d.carryLevel, c.carry) << c.name;
        EXPECT_EQ(d.fee, c.fee) << c.name;
        EXPECT_EQ(d.aptitudes[0], c.attack) << c.name;
        EXPECT_EQ(d.aptitudes[1], c.defence) << c.name;
    }
    const PetSpeciesDisplay guard = displayOf(*findPetSpecies("护卫"));
    EXPECT_EQ(guard.scenes, "无(只可在长安皇宫门口领取)");
    EXPECT_EQ(guard.skills, "必杀/反击/强力");
    const PetSpeciesDisplay turtle = displayOf(PetCatalogue.front());
    EXPECT_EQ(turtle.aptitudes[2], "3600");
    EXPECT_EQ(turtle.skills, "反震/慧根/幸运/防御/冥思/水属性吸收");
    EXPECT_EQ(turtle.scenes, "东海湾/沉船一层/东海岩洞");
}

// Every field holds a value of its kind: a carry level from the published set, aptitudes of
// 840 to 6000 or "1500+", "/"-joined skill and scene names without blanks or empty names.
TEST(PetCatalogue, FieldsHoldValuesOfTheirKind)
{
    const std::set<std::string_view> carryLevels = {"0",  "5",  "15", "25",  "35",  "45",  "55",   "65",
                                                    "75", "85", "95", "105", "125", "135", "飞升", "飞升+135"};
    auto joinedNames = [](std::string_view s) {
        if (s.empty() || s.front() == '/' || s.back() == '/' || s.find("//") != std::string_view::npos)
            return false;
        return s.find(' ') == std::string_view::npos;
    };
    for (const PetSpeciesRecord& r : PetCatalogue) {
        EXPECT_TRUE(carryLevels.count(r.carryLevel)) << r.name;
        for (std::string_view a : r.aptitudes) {
            if (a == "1500+")
                continue;
            ASSERT_FALSE(a.empty()) << r.name;
            ASSERT_EQ(a.find_first_not_of("0123456789"), std::string_view::npos) << r.name << " " << a;
            const int v = std::stoi(std::string(a));
            EXPECT_GE(v, 840) << r.name;
            EXPECT_LE(v, 6000) << r.name;
        }
        EXPECT_GT(r.growth, 0) << r.name;
        EXPECT_TRUE(joinedNames(r.skills)) << r.name;
        EXPECT_TRUE(joinedNames(r.scenes)) << r.name;
    }
    // "1500+" stands in three species' records, and only there: 鬼将 攻击, 净瓶女娲 攻击
    // and 防御, 夜罗刹 攻击 (aptitude 0 is 攻击, 1 防御).
    std::set<std::pair<std::string_view, std::size_t>> plus;
    for (const PetSpeciesRecord& r : PetCatalogue)
        for (std::size_t k = 0; k < r.aptitudes.size(); ++k)
            if (r.aptitudes[k] == "1500+")
                plus.insert({r.name, k});
    const std::set<std::pair<std::string_view, std::size_t>> expected = {
        {"鬼将", 0}, {"净瓶女娲", 0}, {"净瓶女娲", 1}, {"夜罗刹", 0}};
    EXPECT_EQ(plus, expected);
}
