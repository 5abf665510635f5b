// The beast cores of the attribute prediction window, the simulator and the children's
// calculator over the whole range of their parameter types: doubles from NaN and the
// infinities to the type's ends, whole numbers from the 64-bit edges, indices and button
// codes from the int edges, and box texts that read as any of these. Under the sanitizers
// a signed overflow or a read past a table aborts; the checks add what the results must
// obey whatever goes in.

#include "../support/edges.h"
#include "beasts/attributes.h"
#include "beasts/child_aptitude.h"
#include "beasts/child_calculator.h"
#include "beasts/child_cost.h"
#include "beasts/pet_prediction.h"
#include "beasts/raising_plan.h"
#include "beasts/teaching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace beasts;

namespace {

using D = std::numeric_limits<double>;
constexpr std::int64_t k2p53 = std::int64_t{1} << 53;

std::vector<double> edgeDoubles()
{
    std::vector<double> v = {D::quiet_NaN(), D::infinity(), -D::infinity(), D::max(), D::lowest(),
                             D::denorm_min(), -0.0, 0.5, -0.5, 1.2, 1e300, -1e300, 9.3e18, -9.3e18};
    for (const std::int64_t x : test::fewValues64())
        v.push_back(static_cast<double>(x));
    return v;
}

std::vector<std::string> fewTexts()
{
    return {"", "0", "-1", "1", "5", "20", "100", "160", "161", "1.2", "2", "1e308", "-1e308", "1e999",
            "9223372036854775808", "-9223372036854775808", "99999999999", "-99999999999", "abc", "."};
}

bool wholeInRange(std::int64_t v) { return v >= -k2p53 - 1 && v <= k2p53; }

} // namespace

TEST(BeastsPredictionTotality, FloorWholeAndAttributes)
{
    for (const double v : edgeDoubles()) {
        const std::int64_t f = floorWhole(v);
        EXPECT_TRUE(f >= -k2p53 && f <= k2p53) << v;
        if (std::isfinite(v) && std::fabs(v) < 1e15) {
            EXPECT_EQ(static_cast<double>(f), std::floor(v)) << v;
        }
    }
    // One parameter at a time over the edges, the others at a plain figure; then all at once.
    for (const double v : edgeDoubles())
        for (int field = 0; field < 13; ++field) {
            AttributeInputs in;
            in.level = 100;
            in.aptAttack = in.aptDefense = in.aptHealth = in.aptMana = in.aptSpeed = 1200;
            in.points.fill(100);
            in.growth = 1.2;
            double* fields[] = {&in.level,     &in.aptAttack, &in.aptDefense, &in.aptHealth, &in.aptMana,
                                &in.aptSpeed,  &in.points[0], &in.points[1],  &in.points[2], &in.points[3],
                                &in.points[4], &in.growth,    nullptr};
            if (fields[field] != nullptr) {
                *fields[field] = v;
            } else {
                in.level = in.aptAttack = in.aptDefense = in.aptHealth = in.aptMana = in.aptSpeed = in.growth = v;
                in.points.fill(v);
            }
            for (const AttributeValues& r : {beastAttributes(in), childAttributes(in)})
                for (const std::int64_t x : r)
                    EXPECT_TRUE(wholeInRange(x)) << v << ' ' << field << ' ' << x;
        }
}

TEST(BeastsPredictionTotality, ChildAptitudes)
{
    std::vector<std::optional<double>> values = {std::nullopt};
    for (const double v : edgeDoubles())
        values.push_back(v);
    for (const auto& w : values)
        for (const auto& other : values) {
            const Comprehension c{w, other, w, other};
            // An empty value first, then a value above 100 (100 itself, NaN and the negatives pass).
            const std::string_view message = checkComprehension(c);
            if (!w || !other) {
                EXPECT_EQ(message, "四个悟性值不能为空！");
            } else if (*w > 100 || *other > 100) {
                EXPECT_EQ(message, "四个悟性值不能大于100！") << *w << ' ' << *other;
            } else {
                EXPECT_EQ(message, "") << *w << ' ' << *other;
            }
            for (const double grade : edgeDoubles())
                for (const int row : {std::numeric_limits<int>::min(), -1, 0, 1, 2, 3, 4, 5, 6, 7,
                                      std::numeric_limits<int>::max()}) {
                    const std::optional<std::int64_t> r = aptitudeRow(row, c, grade);
                    const bool defined = row >= 0 && row < kAptitudeRows && w && other;
                    EXPECT_EQ(r.has_value(), defined) << row;
                    if (r) {
                        EXPECT_TRUE(wholeInRange(*r)) << row << ' ' << *r;
                    }
                }
        }
}

TEST(BeastsPredictionTotality, ChildCalculator)
{
    for (const int i : test::edgeValues32())
        for (const int button : {std::numeric_limits<int>::min(), -1, 0, 1, 2, 3, std::numeric_limits<int>::max()}) {
            const int p = nextPortrait(i, button);
            EXPECT_GE(p, 0) << i << ' ' << button;
            EXPECT_LT(p, static_cast<int>(kChildPortraits.size())) << i << ' ' << button;
        }
    std::vector<std::string> texts = fewTexts();
    for (const std::int64_t x : test::fewValues64())
        texts.push_back(std::to_string(x));
    for (const std::string& t : test::edgeTexts()) {
        checkChildGrowthBox(t);
        checkShareBox(t);
    }
    for (const std::string& t : texts) {
        ChildCalculator calc;
        const ChildFigures plain{"100", {"1200", "1200", "1200", "1200", "1200", "1200"}};
        ChildFigures f = plain;
        f.level = t;
        calc.confirm(f, "1.2");
        f = plain;
        f.aptitudes.fill(t);
        calc.confirm(f, "1.2");
        const ChildOutcome c = calc.confirm(plain, t);
        if (c.changed) {
            EXPECT_FALSE(c.growthText.empty()) << t;
        }
        for (const int direction : {std::numeric_limits<int>::min(), -1, 0, 1, std::numeric_limits<int>::max()}) {
            f = plain;
            f.level = t;
            const ChildOutcome s = calc.levelStep(f, direction);
            if (s.changed) {
                const long long level = std::stoll(s.levelText);
                EXPECT_GE(level, 0) << t;
                EXPECT_LE(level, kChildMaxLevel) << t;
            }
        }
    }
    // Shares: any five texts, the sums 100 and 5 reached with huge shares that cancel out.
    const std::vector<std::array<std::string, 5>> shareSets = {
        {"20", "20", "20", "20", "20"},
        {"1", "1", "1", "1", "1"},
        {"99999999999", "-99999999999", "100", "0", "0"},
        {"99999999999", "-99999999899", "0", "0", "0"},
        {"-99999999999", "99999999999", "5", "0", "0"},
        {"1e308", "-1e308", "100", "0", "0"},
        {"1e999", "0", "100", "0", "0"},
        {"-5", "110", "-5", "0", "0"},
        {"0", "0", "0", "0", "0"},
        {"", "1", "1", "1", "1"},
    };
    for (const std::string& level : texts) {
        const ChildFigures f{level, {"1200", "1200", "1200", "1200", "1200", "1200"}};
        const ChildCalculator calc;
        for (const auto& shares : shareSets) {
            EXPECT_FALSE(shareTooltip(shares).empty());
            const ChildOutcome r = calc.split(f, shares);
            if (r.changed) {
                for (const std::int64_t x : r.results)
                    EXPECT_TRUE(wholeInRange(x)) << level;
            }
        }
    }
    // A plain split is unchanged: level 10, all to 体质 gives 5·10 = 50 more there.
    const ChildFigures ten{"10", {"1200", "1200", "1200", "1200", "1200", "1200"}};
    const ChildOutcome all = ChildCalculator{}.split(ten, {"100", "0", "0", "0", "0"});
    ASSERT_TRUE(all.changed);
    EXPECT_EQ(all.points[0], 80); // 50 + 10 + 20
    EXPECT_EQ(all.points[1], 30); // 10 + 20
    // Shares that cancel out: 5·10·(1e12 - 10)/1000 floors to 49999999999, its negative
    // to -50000000000, 100 % gives 50; the 1 left goes to 体质; then 10 + 20 each.
    const ChildOutcome cancel = ChildCalculator{}.split(ten, {"99999999999", "-99999999999", "100", "0", "0"});
    ASSERT_TRUE(cancel.changed);
    EXPECT_EQ(cancel.points, (std::array<std::int64_t, kPointKinds>{50000000030, -49999999970, 80, 30, 30}));
    // A step from a level outside 0 … 160 lands on the nearer end.
    const ChildOutcome down = ChildCalculator{}.levelStep({"999", ten.aptitudes}, -1);
    EXPECT_EQ(down.levelText, "160");
    EXPECT_EQ(down.points[0], 340); // 2·160 + 20
    EXPECT_EQ(ChildCalculator{}.levelStep({"-3", ten.aptitudes}, 1).levelText, "0");
}

TEST(BeastsPredictionTotality, CostTally)
{
    for (const std::string& t : test::edgeTexts()) {
        CostEntries e;
        for (auto& panel : e.money)
            panel.fill(t);
        for (auto& panel : e.quantity)
            panel.fill(t);
        e.specialBook = t;
        e.manuals = {t, t};
        const CostTally c = tallyCosts(e);
        EXPECT_LE(c.lines.size(), static_cast<std::size_t>(kCostColumnLines)) << t;
        EXPECT_FALSE(c.total.empty()) << t;
    }
}

TEST(BeastsPredictionTotality, BabyVerdict)
{
    using F = std::numeric_limits<float>;
    for (const float g : {F::quiet_NaN(), F::infinity(), -F::infinity(), F::max(), F::lowest(), -0.0f, 0.0f,
                          F::denorm_min(), 1.0f, 3.999f, 4.0f})
        for (const std::int64_t points : test::fewValues64())
            for (const int level : test::edgeValues32()) {
                const std::string_view v = babyVerdict(g, points, level);
                if (!(g > 0.0f && g < 4.0f)) {
                    // No growth outside (0, 4), and no growth at all, belongs to a real beast.
                    EXPECT_EQ(v, "怀疑假图") << g;
                } else {
                    // Points and potential against 10 × level + 100, the level's whole int range.
                    const std::int64_t expected = 10 * static_cast<std::int64_t>(level) + 100;
                    const std::string_view want = points == expected ? "可能宝宝"
                                                  : points < expected ? "野生/合成"
                                                                      : "怀疑假图";
                    EXPECT_EQ(v, want) << g << ' ' << points << ' ' << level;
                    // One point either side of the expected sum.
                    EXPECT_EQ(babyVerdict(g, expected, level), "可能宝宝") << level;
                    EXPECT_EQ(babyVerdict(g, expected - 1, level), "野生/合成") << level;
                    EXPECT_EQ(babyVerdict(g, expected + 1, level), "怀疑假图") << level;
                }
            }
}

TEST(BeastsPredictionTotality, Simulator)
{
    const std::vector<int> indices = {std::numeric_limits<int>::min(), -1, 0, 1, 4, 5, 9, 10, 11,
                                      std::numeric_limits<int>::max()};
    const std::vector<int> buttons = {std::numeric_limits<int>::min(), -1, 0, PetSimulator::kLeft,
                                      PetSimulator::kRight, 3, std::numeric_limits<int>::max()};
    std::vector<std::string> texts = fewTexts();
    for (const std::int64_t x : test::fewValues64())
        texts.push_back(std::to_string(x));
    for (const std::string& t : texts)
        for (const int level : {std::numeric_limits<int>::min(), -1, 0, 1, 150, 160, 161,
                                std::numeric_limits<int>::max()}) {
            PredictionFields f;
            f.level = level;
            f.points = {t, t, t, t, "1"};
            f.potential = t;
            f.growth = "1.2";
            f.aptitudes = {"1200", "1200", "1200", "1200", "1200", "0"};
            LiveInputs live{{"1200", "1200", "1200", "1200", "1200"}, "1.2"};
            PetSimulator sim;
            sim.confirm(f);
            // Growth and aptitudes at the edges too, in a second simulator.
            PredictionFields g = f;
            g.points = {"10", "10", "10", "10", "10"};
            g.growth = t;
            g.aptitudes.fill(t);
            PetSimulator other;
            const ConfirmResult rg = other.confirm(g);
            if (rg.warning.empty()) {
                EXPECT_FALSE(rg.growthText.empty()) << t;
            }

            for (int round = 0; round < 2; ++round) {
                for (const int i : indices)
                    for (const int b : buttons) {
                        sim.levelPress(i, b, live);
                        sim.pointPress(i, b);
                        sim.sharePress(i, b);
                        sim.tick(live);
                        sim.release(b);
                        sim.clickPoint(i);
                        sim.clickShare(i);
                        sim.tick(live);
                    }
                // Hold a level button far past the bound; it stops itself.
                sim.levelPress(1, PetSimulator::kLeft, live);
                for (int k = 0; k < 200; ++k)
                    sim.tick(live);
                sim.save();
                sim.commit(live);
                sim.levelPress(0, PetSimulator::kLeft, live);
                for (int k = 0; k < 200; ++k)
                    sim.tick(live);
                sim.clickPotential();
                sim.restore();
                sim.cancel(live);
                live.growth = t;
                live.aptitudes.fill(t);
            }
            if (sim.computed()) {
                EXPECT_GE(sim.level(), 0) << t;
                EXPECT_LE(sim.level(), kSimMaxLevel) << t;
                int shares = 0;
                for (int i = 0; i < 6; ++i) {
                    EXPECT_GE(sim.shareTenths(i), 0);
                    shares += sim.shareTenths(i);
                }
                EXPECT_EQ(shares, 50) << t; // the shares and the pool always hold 5 in all
            }
            for (const std::int64_t x : sim.outputs())
                EXPECT_TRUE(wholeInRange(x)) << t;
            sim.reset();
        }
}

TEST(BeastsPredictionTotality, PlanAndTeaching)
{
    EXPECT_FALSE(raisingPlanLines().empty());
    EXPECT_EQ(predictionSpeciesList().size(), 2 * kPredictionSpecies.size() + kPredictionExtraSpecies.size());
    for (const std::string& t : test::edgeTexts())
        for (const std::size_t i : searchTeaching(t))
            EXPECT_LT(i, kTeachingQuestions) << t;
    for (const std::string& t : std::vector<std::string>{"", "(", "\xE9", "\xFF", std::string(1, '\0')})
        for (const std::size_t i : searchTeaching(t))
            EXPECT_LT(i, kTeachingQuestions) << t;
}
