#include "puzzles/chest_quest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using puzzles::ChestLayout;
using puzzles::ChestPuzzle;
using puzzles::ChestSearch;
using puzzles::ChestView;

namespace {

// The entries by index as the question table lists them.
std::string entry(ChestLayout l, int i) { return puzzles::chestQuizEntry(l, i); }

std::vector<int> hitsOf(ChestLayout l, std::string_view keyword)
{
    ChestSearch s(l);
    std::vector<int> out;
    ChestView v = s.search(keyword);
    if (v.answer.empty())
        return out;
    // No keyword has more hits than the table has entries: a ↓ that stays on past them
    // fails the comparison instead of paging forever.
    for (int shown = 0; shown <= puzzles::kChestQuizSize; ++shown) {
        for (int i = 0; i < puzzles::kChestQuizSize; ++i)
            if (entry(l, i) == v.answer)
                out.push_back(i);
        if (!v.downEnabled)
            return out;
        v = s.pageDown();
    }
    return out;
}

} // namespace

// Answer lines of a few rows in the middle of the table: each stays with its question.
TEST(ChestQuizTable, AnswersStayWithTheirQuestions)
{
    const struct {
        int index;
        const char* ending;
    } rows[] = {
        {4, "就要计算到圆内接（）形\r\n答案：16384"},
        {6, "请问利玛窦是哪国人？\r\n答案：意大利"},
        {8, "一书中精心选项编了（）个测量问题？\r\n答案：九"},
        {13, "将编号（）的小行星命名为“张衡小行星”。\r\n答案：1802"},
        {15, "发生在春秋战国时期的哪个国家？\r\n答案：齐国"},
        {16, "下列与中国古代数学家张衡相关的表述中不正确的是？\r\n答案：张衡观测并记录了五百多颗恒星"},
    };
    for (const auto& r : rows) {
        const std::string e = entry(ChestLayout::Tall, r.index);
        const std::string ending = r.ending;
        ASSERT_GE(e.size(), ending.size()) << r.index;
        EXPECT_EQ(e.substr(e.size() - ending.size()), ending) << r.index;
    }
}

TEST(ChestQuizTable, EntriesAreQuestionAndAnswerLines)
{
    EXPECT_EQ(entry(ChestLayout::Tall, 0),
              "《九章算术》章约成书于东汉之初，共有（）个问题的解法。如联立议程分数四则运算正负数运算，几何图形的体积面积计等"
              "\r\n答案：246");
    EXPECT_EQ(entry(ChestLayout::Wide, 0),
              "《九章算术》章约成书于东汉之初，共有（）个问题的解法。如联立议程分数四则运算正负数运算，几何图形的体积面积计等"
              "\r\n\r\n答案：246");
    const std::string one = "下列哪个选项不属于《九章算术》的章节\r\n\r\n答案：筑房\r\n答案：积多\r\n答案：均不剩";
    EXPECT_EQ(entry(ChestLayout::Tall, 1), one);
    EXPECT_EQ(entry(ChestLayout::Wide, 1), one);
    EXPECT_EQ(entry(ChestLayout::Tall, 17), "下列与中国古代数学家张遂相关的表述中不正确的是？\r\n答案：张遂用“浑天仪”测定了多颗恒星的位置");
    // Only entries 1, 2 and 3 of the tall layout have the empty line.
    for (int i = 0; i < puzzles::kChestQuizSize; ++i) {
        const bool blank = entry(ChestLayout::Tall, i).find("\r\n\r\n") != std::string::npos;
        EXPECT_EQ(blank, i >= 1 && i <= 3) << i;
        EXPECT_NE(entry(ChestLayout::Wide, i).find("\r\n\r\n答案："), std::string::npos) << i;
        EXPECT_NE(entry(ChestLayout::Wide, i).substr(entry(ChestLayout::Wide, i).size() - 2), "\r\n") << i;
    }
}

TEST(ChestSearch, HitsInTableOrder)
{
    struct Case {
        std::string_view keyword;
        std::vector<int> hits;
    };
    const Case cases[] = {
        {"刘徽", {4, 8, 9, 10}},
        {"张衡", {13, 16}},
        {"沈括", {2, 3}},
        {"1802", {13}},
        {"答案", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"？", {5, 6, 7, 8, 9, 10, 12, 14, 15, 16, 17}},
        {"?", {3}},
        {"m.ricci", {}},
        {"M.Ricci", {6}},
        {" ", {}},
        {"", {}},
        {"（）", {0, 4, 8, 13}},
    };
    for (const Case& c : cases)
        for (ChestLayout l : {ChestLayout::Tall, ChestLayout::Wide})
            EXPECT_EQ(hitsOf(l, c.keyword), c.hits) << c.keyword;
}

TEST(ChestSearch, PagerButtonsFollowThePosition)
{
    ChestSearch s(ChestLayout::Tall);
    ChestView v = s.search("刘徽");
    EXPECT_EQ(v.answer, entry(ChestLayout::Tall, 4));
    EXPECT_FALSE(v.upEnabled);
    EXPECT_TRUE(v.downEnabled);
    struct Step {
        bool down;
        int shown;
        bool up, downAfter;
    };
    const Step steps[] = {
        {true, 8, true, true}, {true, 9, true, true}, {true, 10, true, false}, {true, 10, true, false},
        {false, 9, true, true}, {false, 8, true, true}, {false, 4, false, true}, {false, 4, false, true},
    };
    for (const Step& st : steps) {
        v = st.down ? s.pageDown() : s.pageUp();
        EXPECT_EQ(v.answer, entry(ChestLayout::Tall, st.shown));
        EXPECT_EQ(v.upEnabled, st.up);
        EXPECT_EQ(v.downEnabled, st.downAfter);
    }
    // One hit, or a new keyword without hits: both buttons off.
    v = s.search("1802");
    EXPECT_FALSE(v.upEnabled || v.downEnabled);
    v = s.search("没有");
    EXPECT_EQ(v.answer, "");
    EXPECT_FALSE(v.upEnabled || v.downEnabled);
    EXPECT_EQ(s.pageDown().answer, "");
}

namespace {

struct PuzzleCase {
    ChestPuzzle puzzle;
    std::vector<std::string> fields;
    std::string answer;
};

std::string solve(const PuzzleCase& c) { return puzzles::solveChestPuzzle(c.puzzle, c.fields); }

} // namespace

// The phrase "我爱梦幻西游", its characters 1 to 6 in order.
TEST(ChestPuzzles, PhraseCharactersInOrder)
{
    std::string phrase;
    for (const char* n : {"1", "2", "3", "4", "5", "6"})
        phrase += solve({ChestPuzzle::PhraseCharacter, {n}, ""});
    EXPECT_EQ(phrase, "我爱梦幻西游");
}

TEST(ChestPuzzles, WorkedExamples)
{
    using P = ChestPuzzle;
    const PuzzleCase cases[] = {
        {P::SumToN, {"100"}, "5050"},
        {P::SumToN, {"2.5"}, "4.375"}, // 3.5 × 2.5 / 2
        {P::SumToN, {""}, ""},
        {P::SumToN, {"abc"}, "0"},
        {P::SquareOfSum, {"3", "1", "2"}, "16"}, // s = (3+1+2)/2 + 3 - 2 = 4
        {P::SquareOfSum, {"3", "", "2"}, ""},
        {P::PhraseCharacter, {"1"}, "我"},
        {P::PhraseCharacter, {"6"}, "游"},
        {P::PhraseCharacter, {"0"}, "游"},
        {P::PhraseCharacter, {"7"}, "我"},
        {P::PhraseCharacter, {"2.5"}, "爱"}, // rounds to 2
        {P::PhraseCharacter, {"3.5"}, "幻"}, // rounds to 4
        {P::PhraseCharacter, {"-"}, "游"},   // reads 0
        {P::TwoNumberProduct, {"1.5", "2"}, "3"},
        {P::TwoNumberProduct, {"abc", "5"}, "0"},
        {P::TwoNumberProduct, {"4", ""}, ""},
        {P::TopPairMinusBottomPair, {"5", "1", "9", "3"}, "42"},
        {P::TopPairMinusBottomPair, {"3", "9", "1", "5"}, "42"},
        {P::TopPairMinusBottomPair, {"1", "3", "5", "9"}, "42"},
        {P::OuterMinusInner, {"5", "1", "9", "3"}, "-6"},
        {P::LargestSquareMinusRest, {"2", "7", "3"}, "43"},
        {P::LargestSquareMinusRest, {"2.5", "2", "2"}, "0"}, // 2.5 rounds to 2
        {P::LargestSquareMinusRest, {"2", "7", ""}, ""},
        {P::OrchardPair, {"2", "3", "1", "5"}, "西北 果园同时结出蟠桃"}, // 5 < 6
        {P::OrchardPair, {"1", "1", "2", "2"}, "东南 果园同时结出蟠桃"}, // 4 > 1
        {P::OrchardPair, {"2", "3", "3", "2"}, ""},                       // 6 = 6
        {P::OrchardPair, {"2", "3", "", "2"}, ""},
    };
    for (const PuzzleCase& c : cases)
        EXPECT_EQ(solve(c), c.answer) << static_cast<int>(c.puzzle) << " " << c.fields[0];
}

// The integer puzzles compute exactly: no 16-bit wrap, and a value outside the field's
// range, or one that is no finite number, gives no answer instead of a wrapped figure.
TEST(ChestPuzzles, IntegerPuzzlesAreExactAndRangeChecked)
{
    using P = ChestPuzzle;
    const PuzzleCase cases[] = {
        {P::TopPairMinusBottomPair, {"256", "256", "1", "1"}, "65535"},          // 65536 - 1
        {P::OuterMinusInner, {"256", "256", "256", "1"}, "-65280"},              // 256·1 - 256·256
        {P::LargestSquareMinusRest, {"256", "1", "1"}, "65535"},                 // 65536 - 1
        {P::LargestSquareMinusRest, {"32767", "0", "-32768"}, "1073676289"}, // 32767² - 0·(-32768)
        {P::TopPairMinusBottomPair, {"32767", "32767", "-32768", "-32768"}, "-65535"}, // 1073676289 - 1073741824
        {P::TopPairMinusBottomPair, {"32768", "1", "1", "1"}, ""},
        {P::OuterMinusInner, {"1", "1", "-32769", "1"}, ""},
        {P::LargestSquareMinusRest, {"32767.5", "1", "1"}, ""},                  // rounds to 32768
        {P::LargestSquareMinusRest, {"-32768.5", "1", "1"}, "32769"}, // -32768 after rounding: 1·1 - 1·(-32768)
        {P::LargestSquareMinusRest, {"1e5", "1", "1"}, ""},
        {P::LargestSquareMinusRest, {"1e999", "1", "1"}, ""},
        {P::PhraseCharacter, {"-7"}, ""},
        {P::PhraseCharacter, {"-6"}, ""},
        {P::PhraseCharacter, {"1e10"}, ""},
        {P::PhraseCharacter, {"1e999"}, ""},
        {P::PhraseCharacter, {"2147483647"}, "我"},  // 2147483647 = 6·357913941 + 1
        {P::PhraseCharacter, {"2147483648"}, ""},
        {P::SumToN, {"1e999"}, ""},
        {P::TwoNumberProduct, {"1e200", "1e200"}, ""}, // beyond the double range
    };
    for (const PuzzleCase& c : cases)
        EXPECT_EQ(solve(c), c.answer) << static_cast<int>(c.puzzle) << " " << c.fields[0];
}

TEST(ChestPuzzles, CircleNamesTheFirstPointNotInside)
{
    using P = ChestPuzzle;
    const PuzzleCase cases[] = {
        // Centre (0,0), diameter 10: (3,4) lies on the circle (25 = 25) and comes first.
        {P::CircleOutsideTest, {"0", "0", "10", "1", "1", "3", "4", "6", "0", "0", "0"}, "(3,4)不在圆内"},
        {P::CircleOutsideTest, {"0", "0", "10", "1", "1", "03", "4", "6", "0", "0", "0"}, "(03,4)不在圆内"},
        {P::CircleOutsideTest, {"0", "0", "10", "1", "1", "2", "2", "0", "4", "-4", "1"}, ""},
        // Diameter 8 instead: (1,1) is inside, (3,4) the first outside.
        {P::CircleOutsideTest, {"0", "0", "8", "1", "1", "3", "4", "6", "0", "0", "0"}, "(3,4)不在圆内"},
        // Diameter 2: P1 (1,1) at distance² 2 ≥ 1.
        {P::CircleOutsideTest, {"0", "0", "2", "1", "1", "3", "4", "6", "0", "0", "0"}, "(1,1)不在圆内"},
        // A centre or diameter still empty: no answer, no point "( , )".
        {P::CircleOutsideTest, {"0", "0", "", "1", "1", "3", "4", "6", "0", "0", "0"}, ""},
        {P::CircleOutsideTest, {"", "", "", "", "", "", "", "", "", "", ""}, ""},
        {P::CircleOutsideTest, {"0", "0", "10", "1", "1", "3", "4", "6", "0", "0", ""}, ""},
        {P::NearestPoint, {"0", "0", "3", "4", "4", "3", "1", "1", "1", "1"}, "(1,1)距离最近"},
        {P::NearestPoint, {"0", "0", "3", "4", "4", "3", "1", "1", "1", "01"}, "(1,1)距离最近"},
        {P::NearestPoint, {"0", "0", "3", "4", "4", "3", "2", "1", "1", "01"}, "(1,01)距离最近"},
        {P::NearestPoint, {"10", "10", "3", "4", "4", "3", "1", "1", "9", "9"}, "(9,9)距离最近"},
        {P::NearestPoint, {"1", "", "", "", "", "", "", "", "", ""}, ""},
    };
    for (const PuzzleCase& c : cases)
        EXPECT_EQ(solve(c), c.answer) << c.fields[2] << " " << c.fields[3];
}

// Squared distances are compared in single precision: P1 (2038,3553) lies at 16777253 and
// P2 (6,4096) at 16777252; both round to the single 16777252, so the tie goes to P1,
// although P2 is nearer in double precision.
TEST(ChestPuzzles, NearestPointComparesInSinglePrecision)
{
    const std::vector<std::string> f{"0", "0", "2038", "3553", "6", "4096", "9999", "9999", "9999", "9999"};
    EXPECT_EQ(puzzles::solveChestPuzzle(ChestPuzzle::NearestPoint, f), "(2038,3553)距离最近");
}
