#include "exam/practice_exam.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using exam::ExamFocus;
using exam::ExamPhase;
using exam::ExamQuestion;
using exam::PracticeExam;

class VectorSource : public exam::QuestionSource {
public:
    explicit VectorSource(int n)
    {
        for (int i = 0; i < n; ++i) {
            const std::string k = std::to_string(i);
            questions.push_back({k, "史", "Q" + k, {"c" + k, "w1-" + k, "w2-" + k, "w3-" + k}});
        }
    }
    std::size_t count() const override { return questions.size(); }
    ExamQuestion question(std::size_t row) const override { return questions.at(row); }
    std::vector<ExamQuestion> questions;
};

// Hands out the queued numbers, then 0 for ever (row 0, correct answer at A).
struct Script {
    std::deque<double> values;
    exam::UniformSource source()
    {
        return [this] {
            if (values.empty())
                return 0.0;
            const double v = values.front();
            values.pop_front();
            return v;
        };
    }
};

struct ExamFixture : ::testing::Test {
    VectorSource bank{5};
    Script script;
    PracticeExam exam{bank, script.source()};

    void startAnswering()
    {
        exam.start();
        for (int i = 0; i < 6; ++i)
            exam.countdownTick();
        ASSERT_EQ(exam.phase(), ExamPhase::Answering);
    }
    void right()
    {
        exam.pick(exam.correctSlot());
        exam.answer();
    }
    void wrong()
    {
        exam.pick((exam.correctSlot() + 1) % 4);
        exam.answer();
    }
    const exam::ExamView& p() const { return exam.panel(); }
};

TEST_F(ExamFixture, CountdownShowsItsStepsThenTheFirstQuestionOnTheSixthTick)
{
    EXPECT_EQ(p().results[3], exam::kExamWelcome);
    exam.start();
    EXPECT_EQ(p().controlEnabled, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(p().focus, ExamFocus::Stop);
    const char* steps[] = {"3", "2", "1", "准备！", "开始！"};
    for (const char* s : steps) {
        exam.countdownTick();
        EXPECT_EQ(p().notice, s);
        EXPECT_TRUE(p().noticeVisible);
        EXPECT_EQ(exam.phase(), ExamPhase::Countdown);
        EXPECT_TRUE(p().questionText.empty());
    }
    exam.countdownTick();
    EXPECT_EQ(exam.phase(), ExamPhase::Answering);
    EXPECT_FALSE(p().noticeVisible);
    EXPECT_EQ(p().results[3], "答题开始！！！！！");
    EXPECT_EQ(p().counters[0], "1");
    EXPECT_EQ(p().helpEnabled, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(p().optionVisible, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(p().questionId, "0");
    EXPECT_EQ(p().questionText, "[史] Q0");
    EXPECT_EQ(p().focus, ExamFocus::Answer);
}

TEST_F(ExamFixture, StopDuringTheCountdownAndStartAgainCountsFromThree)
{
    exam.start();
    exam.countdownTick();
    exam.countdownTick();
    exam.stop();
    EXPECT_EQ(exam.phase(), ExamPhase::Closed);
    EXPECT_EQ(p().notice, "停止答题!");
    EXPECT_EQ(p().controlEnabled, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(p().reviewEnabled, (std::array<bool, 2>{true, true}));
    exam.countdownTick(); // a late tick of a stopped countdown does nothing
    EXPECT_EQ(p().notice, "停止答题!");
    exam.start();
    exam.countdownTick();
    EXPECT_EQ(p().notice, "3");
}

TEST(PracticeExamDraw, AnswersFollowTheFourLayouts)
{
    // The correct answer c and the wrong ones w1..w3 at A..D, by the option that holds c.
    struct Case {
        double slotDraw;
        std::array<const char*, 4> shown;
    } cases[] = {
        {0.00, {"c0", "w2-0", "w3-0", "w1-0"}},
        {0.30, {"w1-0", "c0", "w3-0", "w2-0"}},
        {0.55, {"w3-0", "w2-0", "c0", "w1-0"}},
        {0.99, {"w2-0", "w1-0", "w3-0", "c0"}},
    };
    for (const Case& c : cases) {
        VectorSource bank(1);
        Script script{{0.0, c.slotDraw}};
        PracticeExam exam(bank, script.source());
        exam.start();
        for (int i = 0; i < 6; ++i)
            exam.countdownTick();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(exam.panel().answers[i], c.shown[i]) << c.slotDraw << " option " << i;
    }
}

TEST(PracticeExamDraw, RowIsUniformOverTheWholeBankAndNeverPastItsEnd)
{
    struct Case {
        double draw;
        const char* id;
    } cases[] = {{0.0, "0"}, {0.2, "1"}, {0.59, "2"}, {0.9999, "4"}, {1.0, "4"}, {-0.5, "0"}};
    for (const Case& c : cases) {
        VectorSource bank(5);
        Script script{{c.draw, 0.0}};
        PracticeExam exam(bank, script.source());
        exam.start();
        for (int i = 0; i < 6; ++i)
            exam.countdownTick();
        EXPECT_EQ(exam.panel().questionId, c.id) << c.draw;
    }
}

TEST(PracticeExamDraw, EmptyBankSaysSoAndStartsNothing)
{
    VectorSource bank(0);
    PracticeExam exam(bank, {});
    exam.start();
    EXPECT_EQ(exam.phase(), ExamPhase::Ready);
    EXPECT_EQ(exam.panel().results[3], "题库中没有题目，无法开始考试！");
    EXPECT_EQ(exam.panel().controlEnabled, (std::array<bool, 3>{true, false, true}));
}

TEST_F(ExamFixture, AnswerWithNothingPickedChangesNothing)
{
    startAnswering();
    const exam::ExamView before = p();
    exam.answer();
    EXPECT_EQ(p().results, before.results);
    EXPECT_EQ(p().counters, before.counters);
    EXPECT_EQ(p().verdict, before.verdict);
}

TEST_F(ExamFixture, FirstMissKeepsTheLevelSecondMovesOnAndEachCostsTwentySeconds)
{
    startAnswering();
    for (int i = 0; i < 4; ++i)
        right(); // level 5; the third pass earned a token, the fourth restarts the streak
    ASSERT_EQ(p().counters[0], "5");
    wrong();
    EXPECT_EQ(p().counters[0], "5");
    EXPECT_EQ(p().results[3], "回答错误!答题时间增加20秒,并补答一题!");
    EXPECT_EQ(p().verdict, "错误！");
    EXPECT_EQ(p().results[2], "错误！");
    wrong();
    EXPECT_EQ(p().counters[0], "6");
    EXPECT_EQ(p().results[3], "回答错误!答题时间增加时20秒,自动进入下一关!");
    EXPECT_EQ(p().counters[2], "2");
    EXPECT_EQ(p().counters[3], "40");
    // A pass after a first miss clears the second try: the next miss is a first miss again.
    wrong();
    right();
    wrong();
    EXPECT_EQ(p().results[3], "回答错误!答题时间增加20秒,并补答一题!");
}

TEST_F(ExamFixture, LettersOfTheCorrectAndChosenOptions)
{
    script.values = {0.0, 0.0, 0.0, 0.6}; // first question: correct at A; second at C
    startAnswering();
    exam.pick(1);
    exam.answer();
    EXPECT_EQ(p().results[0], "A");
    EXPECT_EQ(p().results[1], "B");
    exam.pick(2);
    exam.answer();
    EXPECT_EQ(p().results[0], "C");
    EXPECT_EQ(p().results[1], "C");
    EXPECT_EQ(p().results[2], "正确！");
}

TEST_F(ExamFixture, ThreePassesInARowEarnAGhostTokenTwoThenAMissEarnNothing)
{
    startAnswering();
    right();
    right();
    EXPECT_EQ(p().results[3], "回答正确!现自动进入下一关!");
    wrong();
    right();
    EXPECT_EQ(p().helpCaptions[3], "鬼王令3个");
    right();
    right();
    EXPECT_EQ(p().helpCaptions[3], "鬼王令4个");
    EXPECT_EQ(p().results[3], "回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!");
}

TEST_F(ExamFixture, AwardEnablesAGhostTokenButtonThatHadRunOut)
{
    startAnswering();
    for (int i = 0; i < 3; ++i) {
        script.values = {0.0}; // the time cost draw: 20 s
        exam.ghostKing();
    }
    // The third use was also the third pass in a row: one token back at once.
    EXPECT_EQ(p().helpCaptions[3], "鬼王令1个");
    EXPECT_TRUE(p().helpEnabled[3]);
    EXPECT_EQ(p().results[3], "你使用了鬼王令,闯关成功,耗时20秒!连续答对3题,奖励鬼王令1个!自动进入下一关!");
    exam.ghostKing();
    EXPECT_EQ(p().helpCaptions[3], "鬼王令0个");
    EXPECT_FALSE(p().helpEnabled[3]);
    exam.ghostKing(); // disabled: nothing
    EXPECT_EQ(p().counters[0], "5");
}

TEST_F(ExamFixture, GhostTokenCostsTwentyToFortySeconds)
{
    struct Case {
        double draw;
        int seconds;
    } cases[] = {{0.0, 20}, {0.5, 30}, {0.9999, 40}};
    for (const Case& c : cases) {
        startAnswering();
        script.values = {c.draw};
        exam.ghostKing();
        EXPECT_EQ(exam.ghostKingSeconds(), c.seconds);
        EXPECT_EQ(p().counters[3], std::to_string(c.seconds));
        EXPECT_EQ(p().results[3], "你使用了鬼王令!闯关成功,用时" + std::to_string(c.seconds) + "秒!自动进入下一关!");
        EXPECT_TRUE(p().results[0].empty());
        EXPECT_TRUE(p().results[1].empty());
        exam.stop();
    }
}

TEST_F(ExamFixture, HeavenTokenOncePerExam)
{
    startAnswering();
    exam.heavenKing();
    EXPECT_EQ(p().helpCaptions[1], "天王令0个");
    EXPECT_FALSE(p().helpEnabled[1]);
    EXPECT_EQ(p().results[3], "你使用了天王令!回答正确!现自动进入下一关!");
    exam.heavenKing();
    EXPECT_EQ(p().counters[0], "2");
    exam.stop();
    startAnswering();
    EXPECT_EQ(p().helpCaptions[1], "天王令1个");
    EXPECT_TRUE(p().helpEnabled[1]);
}

TEST_F(ExamFixture, EarthTokenPassesOnAnUpperHalfDrawAndCountsAsAMissOtherwise)
{
    startAnswering();
    script.values = {0.5};
    exam.earthKing();
    EXPECT_EQ(p().counters[0], "2");
    EXPECT_EQ(p().results[3], "你使用了地王令!回答正确!现自动进入下一关!");
    script.values = {0.49};
    exam.earthKing();
    EXPECT_EQ(p().counters[0], "2");
    EXPECT_EQ(p().counters[2], "1");
    EXPECT_EQ(p().counters[3], "20");
    EXPECT_EQ(p().results[3], "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!");
    EXPECT_EQ(p().helpCaptions[2], "地王令0个");
    EXPECT_FALSE(p().helpEnabled[2]);
}

TEST_F(ExamFixture, LevelTwentyIsLeftOnlyByAPassThatEndsTheExam)
{
    startAnswering();
    for (int i = 0; i < 19; ++i)
        right();
    ASSERT_EQ(p().counters[0], "20");
    const std::string ghosts = p().helpCaptions[3];
    wrong();
    wrong();
    wrong();
    EXPECT_EQ(p().counters[0], "20");
    EXPECT_EQ(p().results[3], "回答错误,答题时间增加时20秒,并补答一题!");
    right();
    EXPECT_EQ(exam.phase(), ExamPhase::Closed);
    EXPECT_EQ(p().notice, "答题完毕!");
    EXPECT_EQ(p().results[3], "回答正确!恭喜你成功闯过二十关!");
    EXPECT_EQ(p().counters, (std::array<std::string, 4>{"20", "20", "3", "60"}));
    EXPECT_EQ(p().helpCaptions[3], ghosts); // no award on level 20
    EXPECT_TRUE(p().verdict.empty());
    EXPECT_TRUE(p().questionText.empty());
    EXPECT_EQ(p().optionVisible, (std::array<bool, 4>{}));
}

// Each token on level 20 ends the exam with its own message; the level stays at 20.
TEST_F(ExamFixture, LevelTwentyEndsWithEachTokenInItsOwnWords)
{
    struct Case {
        const char* token;
        void (PracticeExam::*use)();
        double draw; // 地王令: its success; 鬼王令: its time cost (0.5: 30 seconds)
        const char* message;
        const char* seconds;
    };
    const Case cases[] = {
        {"天王令", &PracticeExam::heavenKing, 0.0, "你使用了天王令!回答正确!恭喜你成功闯过二十关!", "0"},
        {"地王令", &PracticeExam::earthKing, 0.5, "你使用了地王令!回答正确!恭喜你成功闯过二十关!", "0"},
        {"鬼王令", &PracticeExam::ghostKing, 0.5, "你使用了鬼王令!闯关成功,用时30秒!恭喜你成功闯过了二十关!", "30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        startAnswering();
        for (int i = 0; i < 19; ++i)
            right();
        ASSERT_EQ(p().counters[0], "20");
        script.values = {c.draw};
        (exam.*c.use)();
        EXPECT_EQ(exam.phase(), ExamPhase::Closed);
        EXPECT_EQ(p().notice, "答题完毕!");
        EXPECT_EQ(p().results[3], c.message);
        EXPECT_EQ(p().counters, (std::array<std::string, 4>{"20", "20", "0", c.seconds}));
        EXPECT_TRUE(p().verdict.empty());
    }
}

// A failed 地王令 on level 20: first and later misses ask for another question there.
TEST_F(ExamFixture, LevelTwentyMissesByTheEarthToken)
{
    startAnswering();
    for (int i = 0; i < 19; ++i)
        right();
    script.values = {0.0};
    exam.earthKing();
    EXPECT_EQ(p().results[3], "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!");
    script.values = {0.49};
    exam.earthKing();
    EXPECT_EQ(p().results[3], "你使用了地王令!回答错误,答题时间增加20秒,并补答一题!");
    EXPECT_EQ(p().counters, (std::array<std::string, 4>{"20", "19", "2", "40"}));
    EXPECT_EQ(exam.phase(), ExamPhase::Answering);
}

TEST_F(ExamFixture, TenthMissEndsTheExamWithoutAddingTime)
{
    startAnswering();
    for (int i = 0; i < 9; ++i)
        wrong();
    EXPECT_EQ(p().counters[3], "180");
    wrong();
    EXPECT_EQ(exam.phase(), ExamPhase::Closed);
    EXPECT_EQ(p().counters[2], "10");
    EXPECT_EQ(p().counters[3], "180");
    EXPECT_EQ(p().results[3], "你答错题数累计到10题,取消答题资格!请继续努力!");
    EXPECT_EQ(exam.review().size(), 10u);
}

TEST_F(ExamFixture, TimeOutComesOnTheTickAfterNineHundredNinetyNineAndKeepsTheVerdict)
{
    startAnswering();
    wrong(); // 20 s and the verdict 错误！
    for (int i = 0; i < 979; ++i)
        exam.clockTick();
    EXPECT_EQ(p().counters[3], "999");
    EXPECT_EQ(exam.phase(), ExamPhase::Answering);
    exam.clockTick();
    EXPECT_EQ(exam.phase(), ExamPhase::Closed);
    EXPECT_EQ(p().notice, "答题超时！");
    EXPECT_EQ(p().verdict, "错误！");
    EXPECT_TRUE(p().results[3].empty());
}

TEST_F(ExamFixture, PenaltyPastTheLimitShowsUntilTheNextTickEndsTheExam)
{
    startAnswering();
    for (int i = 0; i < 990; ++i)
        exam.clockTick();
    wrong();
    EXPECT_EQ(p().counters[3], "1010");
    exam.clockTick();
    EXPECT_EQ(exam.phase(), ExamPhase::Closed);
}

TEST_F(ExamFixture, ReviewHoldsMissesAndTokenUsesWithTheCorrectAnswerAtA)
{
    script.values = {0.2, 0.6}; // question 1 with its correct answer at C
    startAnswering();
    wrong();   // recorded: question 1
    right();   // not recorded
    exam.heavenKing(); // recorded
    exam.stop();
    ASSERT_EQ(exam.review().size(), 2u);

    exam.reviewPrevious(); // before the first >>>>: nothing
    EXPECT_TRUE(p().questionText.empty());
    exam.reviewNext();
    EXPECT_EQ(p().questionText, "[史] Q1");
    EXPECT_EQ(p().answers, (std::array<std::string, 4>{"c1", "w1-1", "w2-1", "w3-1"}));
    EXPECT_EQ(p().results[0], "A");
    EXPECT_TRUE(p().results[1].empty());
    EXPECT_EQ(p().selectedOption, 0);
    EXPECT_FALSE(p().noticeVisible);
    exam.reviewPrevious(); // on the first entry: nothing
    EXPECT_EQ(exam.reviewCursor(), 0);
    exam.reviewNext();
    EXPECT_EQ(exam.reviewCursor(), 1);
    exam.reviewNext(); // on the last: no wrap
    EXPECT_EQ(exam.reviewCursor(), 1);
    exam.reviewPrevious();
    EXPECT_EQ(exam.reviewCursor(), 0);

    exam.emptyReview(); // what 考试 does on showing the panel again
    exam.reviewNext();
    EXPECT_EQ(exam.reviewCursor(), -1);
}

TEST(PracticeExamReview, TheLongestExamRecordsTwentyTwoEntries)
{
    // Every token, nine ghost tokens (three plus six awards) on the way to level 20, then ten
    // misses there.
    VectorSource bank(3);
    Script script;
    PracticeExam exam(bank, script.source());
    exam.start();
    for (int i = 0; i < 6; ++i)
        exam.countdownTick();
    exam.heavenKing();
    script.values = {0.9};
    exam.earthKing();
    script.values = {0.9};
    exam.earthKing();
    int ghostUses = 0;
    while (exam.level() < 20) { // a ghost token whenever there is one, else a right answer
        if (exam.panel().helpEnabled[3]) {
            script.values = {0.0};
            exam.ghostKing();
            ++ghostUses;
        } else {
            exam.pick(exam.correctSlot());
            exam.answer();
        }
    }
    EXPECT_EQ(ghostUses, 9);
    while (exam.phase() == ExamPhase::Answering) {
        exam.pick((exam.correctSlot() + 1) % 4);
        exam.answer();
    }
    EXPECT_EQ(exam.review().size(), 22u);
}

} // namespace
