#include "beasts/pet_prediction.h"

#include <gtest/gtest.h>

#include <string>

using namespace beasts;
using Repeat = PetSimulator::Repeat;

namespace {

constexpr int L = PetSimulator::kLeft;
constexpr int R = PetSimulator::kRight;

// The worked example's aptitudes: 攻击 1400, 防御 1300, 体力 4500, 法力 2500, 速度 1200, 躲闪 1000.
PredictionFields fields(int level, std::array<const char*, 5> points, const char* potential,
                        const char* growth = "1.2")
{
    PredictionFields f;
    f.level = level;
    for (std::size_t i = 0; i < 5; ++i)
        f.points[i] = points[i];
    f.potential = potential;
    f.growth = growth;
    f.aptitudes = {"1400", "1300", "4500", "2500", "1200", "1000"};
    return f;
}

LiveInputs live(const char* growth = "1.200") { return {{"1400", "1300", "4500", "2500", "1200"}, growth}; }

std::array<std::int64_t, 5> points(const PetSimulator& s)
{
    return {s.points(0), s.points(1), s.points(2), s.points(3), s.points(4)};
}

std::array<std::string, 6> shares(const PetSimulator& s)
{
    return {s.shareText(0), s.shareText(1), s.shareText(2), s.shareText(3), s.shareText(4), s.shareText(5)};
}

// A confirmed simulator with every point at `each`.
PetSimulator confirmed(int level, const char* each, const char* potential)
{
    PetSimulator s;
    const ConfirmResult r = s.confirm(fields(level, {each, each, each, each, each}, potential));
    EXPECT_EQ(r.warning, "");
    return s;
}

void hold(PetSimulator& s, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        s.tick(live());
}

} // namespace

TEST(PetPrediction, ConfirmRefusals)
{
    struct Case {
        const char* what;
        PredictionFields f;
        std::string_view warning;
    };
    PredictionFields emptyDodge = fields(10, {"20", "20", "20", "20", "20"}, "50");
    emptyDodge.aptitudes[5] = "";
    PredictionFields zeroAptitude = fields(10, {"20", "20", "20", "20", "20"}, "50");
    zeroAptitude.aptitudes[4] = "0";
    PredictionFields zeroDodge = fields(10, {"20", "20", "20", "20", "20"}, "0");
    zeroDodge.aptitudes[5] = "0";
    const Case cases[] = {
        {"empty potential", fields(10, {"20", "20", "20", "20", "20"}, ""), kMsgPredictEmpty},
        {"empty point", fields(10, {"20", "", "20", "20", "20"}, "50"), kMsgPredictEmpty},
        {"empty growth", fields(10, {"20", "20", "20", "20", "20"}, "50", ""), kMsgPredictEmpty},
        {"empty 躲闪资质", emptyDodge, kMsgPredictEmpty},
        {"empty before zero", fields(10, {"0", "", "20", "20", "20"}, "50"), kMsgPredictEmpty},
        {"zero point", fields(10, {"20", "20", "20", "20", "0"}, "50"), kMsgPredictZero},
        {"zero growth", fields(10, {"20", "20", "20", "20", "20"}, "50", "0."), kMsgPredictZero},
        {"zero aptitude", zeroAptitude, kMsgPredictZero},
        {"potential and 躲闪资质 may be 0", zeroDodge, ""},
    };
    for (const Case& c : cases) {
        PetSimulator s;
        EXPECT_EQ(s.confirm(c.f).warning, c.warning) << c.what;
        EXPECT_EQ(s.computed(), c.warning.empty()) << c.what;
    }
}

TEST(PetPrediction, ConfirmComputesTheWorkedExample)
{
    PetSimulator s;
    const ConfirmResult r = s.confirm(fields(100, {"220", "120", "520", "120", "120"}, "0", "1.2"));
    EXPECT_EQ(r.growthText, "1.200");
    EXPECT_EQ(r.oldGrowthText, "3.589"); // 1.2 / 0.3344 = 3.5885
    EXPECT_EQ(s.outputs(), (AttributeValues{2034, 932, 1108, 485, 144, 503}));
    EXPECT_EQ(s.committedPotential(), 0);
    EXPECT_EQ(s.level(), 100);
}

TEST(PetPrediction, Verdicts)
{
    struct Case {
        const char* what;
        int level;
        const char* each;
        const char* potential;
        const char* growth;
        std::string_view verdict;
    };
    const Case cases[] = {
        {"100 = 5·20 + 0", 0, "20", "0", "1.2", kVerdictBaby},
        {"199 < 200", 10, "30", "49", "1.2", kVerdictWild},
        {"201 > 200", 10, "30", "51", "1.2", kVerdictFake},
        {"old scale 4.001", 10, "30", "50", "1.338", kVerdictFake},
        {"old scale 3.998", 10, "30", "50", "1.337", kVerdictBaby},
        // 5·9999 + 9999 = 59994 would wrap to -5542 in 16 bits and pass as wild.
        {"large sum", 0, "9999", "9999", "1.2", kVerdictFake},
    };
    for (const Case& c : cases) {
        PetSimulator s;
        s.confirm(fields(c.level, {c.each, c.each, c.each, c.each, c.each}, c.potential, c.growth));
        EXPECT_EQ(s.verdict(), c.verdict) << c.what;
    }
}

TEST(PetPrediction, LargeFiguresShowWhole)
{
    PetSimulator s;
    s.confirm(fields(160, {"9999", "9999", "9999", "9999", "9999"}, "9999", "1.999"));
    // 气血 = 160·4500/1000 + 1.999·9999·6 = 720 + 119928.006, past the 16-bit range.
    EXPECT_EQ(s.outputs()[Health], 120648);
}

TEST(PetSimulator, NothingActsBeforeConfirm)
{
    PetSimulator s;
    s.levelPress(1, L, live());
    s.pointPress(0, L);
    s.sharePress(0, R);
    s.clickShare(0);
    EXPECT_FALSE(s.tick(live()));
    EXPECT_EQ(s.repeat(), Repeat::None);
    EXPECT_EQ(s.level(), 0);
    EXPECT_EQ(s.shareText(0), "0");
    EXPECT_EQ(s.shareText(5), "5");
}

TEST(PetSimulator, LevelUpStopsAtItsBound)
{
    PetSimulator s = confirmed(158, "200", "0");
    s.levelPress(1, L, live());
    EXPECT_TRUE(s.tick(live()));
    EXPECT_EQ(s.level(), 159);
    EXPECT_TRUE(s.tick(live()));
    EXPECT_EQ(s.level(), 160);
    EXPECT_FALSE(s.tick(live())); // the timer switches itself off
    EXPECT_EQ(s.level(), 160);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{202, 202, 202, 202, 202}));
    EXPECT_EQ(s.committedPotential(), 10);
    EXPECT_EQ(s.freePotential(), 10);

    struct Case {
        int from;
        int expected;
    };
    for (const Case c : {Case{151, 151}, Case{150, 160}}) {
        PetSimulator t = confirmed(c.from, "200", "0");
        t.levelPress(1, R, live());
        EXPECT_EQ(t.level(), c.expected) << c.from;
        EXPECT_EQ(t.repeat(), Repeat::None);
    }
}

TEST(PetSimulator, BigLevelDownGuards)
{
    PetSimulator s = confirmed(10, "20", "50");
    s.levelPress(0, R, live());
    EXPECT_EQ(s.level(), 0);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{10, 10, 10, 10, 10}));
    EXPECT_EQ(s.committedPotential(), 0);

    PetSimulator t;
    t.confirm(fields(10, {"20", "20", "19", "20", "20"}, "50"));
    t.levelPress(0, R, live());
    EXPECT_EQ(t.level(), 10);
    EXPECT_EQ(t.points(2), 19);

    PetSimulator u = confirmed(10, "20", "45"); // potential below 50
    u.levelPress(0, R, live());
    EXPECT_EQ(u.level(), 10);
}

TEST(PetSimulator, LevelDownTickStopsAtItsGuards)
{
    PetSimulator s = confirmed(2, "100", "10");
    s.levelPress(0, L, live());
    EXPECT_TRUE(s.tick(live()));
    EXPECT_TRUE(s.tick(live()));
    EXPECT_EQ(s.level(), 0);
    EXPECT_EQ(s.committedPotential(), 0);
    EXPECT_FALSE(s.tick(live()));
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{98, 98, 98, 98, 98}));
}

TEST(PetSimulator, PointSteps)
{
    PetSimulator s = confirmed(10, "30", "30");
    s.pointPress(0, R); // free 30 < 50: refused
    EXPECT_EQ(s.points(0), 30);
    s.pointPress(2, L);
    hold(s, 40); // 30 single points, then nothing
    EXPECT_EQ(s.points(2), 60);
    EXPECT_EQ(s.freePotential(), 0);
    EXPECT_EQ(s.committedPotential(), 30);
    s.release(L);
    EXPECT_EQ(s.repeat(), Repeat::None);

    s.pointPress(7, R); // 力量 down 50: only 30 pending
    EXPECT_EQ(s.points(2), 60);
    s.pointPress(7, L);
    hold(s, 35);
    EXPECT_EQ(s.points(2), 30); // never below the committed points
    EXPECT_EQ(s.freePotential(), 30);
}

TEST(PetSimulator, BigPointStepsAndRelease)
{
    PetSimulator s = confirmed(10, "30", "120");
    s.pointPress(4, R);
    EXPECT_EQ(s.points(4), 80);
    EXPECT_EQ(s.freePotential(), 70);
    s.pointPress(9, R);
    EXPECT_EQ(s.points(4), 30);
    EXPECT_EQ(s.freePotential(), 120);
    s.pointPress(0, L);
    s.release(R); // the right button's release does not stop the left's repeat
    EXPECT_EQ(s.repeat(), Repeat::Points);
}

TEST(PetSimulator, PendingPointsReturnBeforeALevelStep)
{
    PetSimulator s = confirmed(10, "30", "50");
    s.pointPress(2, L);
    hold(s, 12);
    s.release(L);
    EXPECT_EQ(s.points(2), 42);
    s.levelPress(1, L, live());
    s.tick(live());
    EXPECT_EQ(s.level(), 11);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{31, 31, 31, 31, 31}));
    EXPECT_EQ(s.freePotential(), 55);
    EXPECT_EQ(s.committedPotential(), 55);
}

TEST(PetSimulator, ShareSteps)
{
    PetSimulator s = confirmed(10, "30", "100");
    s.sharePress(0, L);
    hold(s, 3);
    s.release(L);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.3", "0", "0", "0", "0", "4.7"}));
    s.sharePress(1, R);
    EXPECT_EQ(s.shareText(1), "0.5");
    EXPECT_EQ(s.shareText(5), "4.2");
    s.sharePress(5, R); // 0.3 < 0.5: refused
    EXPECT_EQ(s.shareText(0), "0.3");
    s.sharePress(5, L);
    hold(s, 5); // three steps down to 0, then nothing
    EXPECT_EQ(s.shareText(0), "0.0");
    EXPECT_EQ(s.shareText(5), "4.5");
    // Right presses take the whole pool, then stop.
    for (int i = 0; i < 12; ++i)
        s.sharePress(2, R);
    EXPECT_EQ(s.shareText(2), "4.5");
    EXPECT_EQ(s.shareText(5), "0.0");
    s.sharePress(3, L);
    EXPECT_TRUE(s.tick(live())); // the pool is empty: the tick changes nothing and the timer runs on
    EXPECT_EQ(s.shareText(3), "0");
}

// A right press on a share "-" moves 0.5 back while the pool is at most 4.5 and the share
// at least 0.5: the step that fills the pool to 5.0 is allowed.
TEST(PetSimulator, BigShareStepDownFillsThePoolToFive)
{
    PetSimulator s = confirmed(10, "30", "100");
    s.sharePress(0, R);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.5", "0", "0", "0", "0", "4.5"}));
    s.sharePress(5, R);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.0", "0", "0", "0", "0", "5.0"}));
    s.sharePress(5, R); // the share is 0 now, the pool full: refused
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.0", "0", "0", "0", "0", "5.0"}));

    // Reached by single steps: 0.5 and 0.5 leave 4.0; two big steps down fill it again.
    s.sharePress(1, L);
    hold(s, 5);
    s.release(L);
    s.sharePress(2, L);
    hold(s, 5);
    s.release(L);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.0", "0.5", "0.5", "0", "0", "4.0"}));
    s.sharePress(7, R);
    EXPECT_EQ(s.shareText(5), "4.5");
    s.sharePress(6, R);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.0", "0.0", "0.0", "0", "0", "5.0"}));

    // 0.9, one big step down to 0.4 with the pool at 4.6; the next would pass 5 and is
    // refused; single steps finish.
    s.sharePress(3, L);
    hold(s, 9);
    s.release(L);
    s.sharePress(8, R);
    EXPECT_EQ(s.shareText(3), "0.4");
    EXPECT_EQ(s.shareText(5), "4.6");
    s.sharePress(8, R);
    EXPECT_EQ(s.shareText(3), "0.4");
    EXPECT_EQ(s.shareText(5), "4.6");
    s.sharePress(8, L);
    hold(s, 6);
    EXPECT_EQ(s.shareText(3), "0.0");
    EXPECT_EQ(s.shareText(5), "5.0");
}

TEST(PetSimulator, Split)
{
    struct Case {
        const char* what;
        const char* potential;
        std::array<int, 5> tenthsPresses; // left ticks on each share "+"
        std::array<std::int64_t, 5> points;
        std::int64_t free;
    };
    const Case cases[] = {
        {"2.5 + 2.5, pool 0", "100", {25, 0, 25, 0, 0}, {80, 30, 80, 30, 30}, 0},
        {"three at 1.0, pool 2.0", "101", {10, 10, 10, 0, 0}, {50, 50, 50, 30, 30}, 41},
        {"all at 1.0: the rest to 体质", "99", {10, 10, 10, 10, 10}, {53, 49, 49, 49, 49}, 0},
        // 50·2.3/5 = 23 exactly; a floored floating product gave 22.
        {"share 2.3 of 50", "50", {23, 0, 0, 0, 0}, {53, 30, 30, 30, 30}, 27},
        {"0.7 of 50", "50", {7, 0, 0, 0, 0}, {37, 30, 30, 30, 30}, 43},
        {"all shares 0", "100", {0, 0, 0, 0, 0}, {30, 30, 30, 30, 30}, 100},
    };
    for (const Case& c : cases) {
        PetSimulator s = confirmed(10, "30", c.potential);
        s.pointPress(3, L); // a pending point, discarded by the split
        hold(s, 1);
        for (int i = 0; i < 5; ++i) {
            s.sharePress(i, L);
            hold(s, c.tenthsPresses[static_cast<std::size_t>(i)]);
            s.release(L);
        }
        s.sharePress(PetSimulator::kShareSplit, R); // the right button does nothing
        EXPECT_EQ(s.points(3), 31) << c.what;
        s.sharePress(PetSimulator::kShareSplit, L);
        EXPECT_EQ(points(s), c.points) << c.what;
        EXPECT_EQ(s.freePotential(), c.free) << c.what;
        EXPECT_EQ(s.basePoints(0), 30) << c.what; // pending, not committed
    }
}

TEST(PetSimulator, BoxClicks)
{
    PetSimulator s = confirmed(10, "30", "50");
    s.pointPress(1, L);
    hold(s, 8);
    s.release(L);
    s.sharePress(0, R);
    s.clickPoint(4); // the free rest to 敏捷, shares reset
    EXPECT_EQ(s.points(4), 72);
    EXPECT_EQ(s.freePotential(), 0);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));

    s.clickPotential(); // back to the committed points, all potential free
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{30, 30, 30, 30, 30}));
    EXPECT_EQ(s.freePotential(), 50);
    s.pointPress(5, L);
    EXPECT_TRUE(s.tick(live()));
    EXPECT_EQ(s.points(0), 30);

    s.sharePress(1, R);
    s.clickShare(3); // share 3 takes the pool, written as a plain number
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0", "0.5", "0", "4.5", "0", "0"}));
    s.clickShare(2); // pool empty: nothing
    EXPECT_EQ(s.shareText(2), "0");
    s.clickShare(5);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
}

TEST(PetSimulator, CommitThenCancel)
{
    PetSimulator s = confirmed(10, "30", "50");
    const AttributeValues atConfirm = s.outputs();
    s.pointPress(2, R);
    s.commit(live());
    EXPECT_EQ(s.points(2), 80);
    EXPECT_EQ(s.committedPotential(), 0);
    EXPECT_NE(s.outputs(), atConfirm);
    s.pointPress(7, L);
    EXPECT_TRUE(s.tick(live()));
    EXPECT_EQ(s.points(2), 80); // committed points are the new floor

    s.levelPress(1, R, live()); // level 20: each point +10, potential +50
    s.cancel(live());
    EXPECT_EQ(s.level(), 20);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{40, 40, 40, 40, 40}));
    EXPECT_EQ(s.committedPotential(), 100);
    EXPECT_EQ(s.freePotential(), 100);
}

TEST(PetSimulator, ResetRestoresTheConfirmedFigures)
{
    PetSimulator s = confirmed(10, "30", "50");
    const AttributeValues atConfirm = s.outputs();
    s.levelPress(1, R, live());
    s.pointPress(0, R);
    s.save();
    s.reset();
    EXPECT_FALSE(s.computed());
    EXPECT_EQ(s.level(), 10);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{30, 30, 30, 30, 30}));
    EXPECT_EQ(s.committedPotential(), 50);
    EXPECT_EQ(s.freePotential(), 50);
    EXPECT_EQ(s.outputs(), atConfirm);
    EXPECT_FALSE(s.canRestore()); // a snapshot taken before a reset is never restored
    s.confirm(fields(10, {"30", "30", "30", "30", "30"}, "50"));
    EXPECT_FALSE(s.canRestore());
}

TEST(PetSimulator, SaveAndRestore)
{
    PetSimulator s = confirmed(10, "30", "100");
    EXPECT_FALSE(s.canRestore());
    s.pointPress(2, R); // pending +50 on 力量
    s.sharePress(0, L);
    hold(s, 2);
    s.release(L);
    s.clickShare(1); // share 1 takes the pool as a plain number
    const AttributeValues before = s.outputs();
    s.save();
    EXPECT_TRUE(s.canRestore());
    s.levelPress(1, R, live());
    s.restore();
    EXPECT_EQ(s.level(), 10);
    EXPECT_EQ(s.outputs(), before);
    EXPECT_EQ(points(s), (std::array<std::int64_t, 5>{30, 30, 80, 30, 30}));
    EXPECT_EQ(s.basePoints(2), 80); // the shown points come back committed
    EXPECT_EQ(s.committedPotential(), 100);
    EXPECT_EQ(s.freePotential(), 50);
    EXPECT_EQ(shares(s), (std::array<std::string, 6>{"0.2", "4.8", "0.0", "0.0", "0.0", "0.0"}));
}

TEST(PetPrediction, SpeciesList)
{
    const std::vector<std::string> list = predictionSpeciesList();
    ASSERT_EQ(list.size(), 121u); // 58 names, each with its variant, and five more
    EXPECT_EQ(list[0], "大海龟");
    EXPECT_EQ(list[1], "变异大海龟");
    EXPECT_EQ(list[3], "变异巨蛙");
    EXPECT_EQ(list[115], "变异大力金刚");
    EXPECT_EQ(list[116], "泡泡");
    EXPECT_EQ(list[117], "超级泡泡");
    EXPECT_EQ(list[120], "超级大象");
}
