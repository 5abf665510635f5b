// The practice exam and the small lookup over everything their callers can hand them: any
// slot index, any order of operations, a random source that returns NaN, infinities,
// negatives or values ≥ 1, and banks of any size. Under the sanitizers a read past a table
// or an overflow aborts; the checks add what the state must obey after every step.

#include "../support/edges.h"
#include "exam/mini_lookup.h"
#include "exam/practice_exam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using exam::ExamQuestion;
using exam::PracticeExam;

// A bank of any size that checks every row it is asked for.
class SizedSource : public exam::QuestionSource {
public:
    explicit SizedSource(std::size_t n) : m_n(n) {}
    std::size_t count() const override { return m_n; }
    ExamQuestion question(std::size_t row) const override
    {
        EXPECT_LT(row, m_n) << "row asked past the bank";
        const std::string k = std::to_string(row);
        return {k, "史", "Q" + k, {"c" + k, "w1", "w2", "w3"}};
    }

private:
    std::size_t m_n;
};

// What a faulty generator could return, in turn.
const std::vector<double>& faultyValues()
{
    using D = std::numeric_limits<double>;
    static const std::vector<double> v = {D::quiet_NaN(),
                                          -D::quiet_NaN(),
                                          D::infinity(),
                                          -D::infinity(),
                                          -1.0,
                                          -D::denorm_min(),
                                          -0.0,
                                          0.0,
                                          D::denorm_min(),
                                          0.5,
                                          std::nextafter(1.0, 0.0),
                                          1.0,
                                          1.5,
                                          2.0,
                                          D::max(),
                                          D::lowest(),
                                          1e300};
    return v;
}

void expectSane(const PracticeExam& e, std::size_t bankSize)
{
    EXPECT_GE(e.level(), 0);
    EXPECT_LE(e.level(), exam::kLastLevel);
    EXPECT_GE(e.correctCount(), 0);
    EXPECT_LE(e.correctCount(), 200); // each pass costs a level or a token; both run out
    EXPECT_GE(e.wrongCount(), 0);
    EXPECT_LE(e.wrongCount(), 10); // the tenth miss ends the exam
    EXPECT_GE(e.elapsedSeconds(), 0);
    EXPECT_GE(e.correctSlot(), 0);
    EXPECT_LE(e.correctSlot(), 3);
    EXPECT_GE(e.passStreak(), 0);
    EXPECT_LT(e.passStreak(), 3);
    const int ghost = e.ghostKingSeconds();
    EXPECT_TRUE(ghost == 0 || (ghost >= 20 && ghost <= 40)) << ghost;
    EXPECT_LE(e.review().size(), static_cast<std::size_t>(exam::kReviewCapacity));
    EXPECT_GE(e.reviewCursor(), -1);
    EXPECT_LT(e.reviewCursor(), static_cast<int>(e.review().size()));
    EXPECT_GE(e.panel().selectedOption, -1);
    EXPECT_LE(e.panel().selectedOption, 3);
    if (!e.panel().questionId.empty() && e.phase() == exam::ExamPhase::Answering) {
        EXPECT_LT(std::stoull(e.panel().questionId), bankSize);
    }
}

} // namespace

TEST(ExamTotality, PracticeExamWithAFaultySource)
{
    const std::vector<int> slots = test::edgeValues32();
    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    for (const std::size_t bank : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{5},
                                   std::size_t{std::numeric_limits<int>::max()},
                                   std::size_t{std::numeric_limits<int>::max()} + 1,
                                   std::size_t{1} << 53, (std::size_t{1} << 53) + 1, huge}) {
        for (std::size_t offset = 0; offset < faultyValues().size(); ++offset) {
            SizedSource source(bank);
            std::size_t k = offset;
            PracticeExam e(source, [&k] { return faultyValues()[k++ % faultyValues().size()]; });
            // Each round: start, count down, then every operation in turn with edge slots.
            for (int round = 0; round < 3; ++round) {
                e.start();
                for (int t = 0; t < 7; ++t)
                    e.countdownTick();
                expectSane(e, bank);
                for (std::size_t s = 0; s < slots.size(); ++s) {
                    e.pick(slots[s]);
                    e.pick(static_cast<int>(s % 4));
                    switch (s % 6) {
                    case 0:
                        e.answer();
                        break;
                    case 1:
                        e.heavenKing();
                        break;
                    case 2:
                        e.earthKing();
                        break;
                    case 3:
                        e.ghostKing();
                        break;
                    case 4:
                        e.clockTick();
                        break;
                    default:
                        e.reviewNext();
                        e.reviewPrevious();
                        break;
                    }
                    expectSane(e, bank);
                }
                e.stop();
                for (int r = 0; r < exam::kReviewCapacity + 2; ++r)
                    e.reviewNext();
                expectSane(e, bank);
                for (int r = 0; r < exam::kReviewCapacity + 2; ++r)
                    e.reviewPrevious();
                expectSane(e, bank);
            }
        }
    }
}

TEST(ExamTotality, PracticeExamClockRunsOut)
{
    // However long the clock ticks, the count stops at the limit and the exam closes.
    SizedSource source(3);
    PracticeExam e(source, [] { return std::numeric_limits<double>::quiet_NaN(); });
    e.start();
    for (int t = 0; t < 6; ++t)
        e.countdownTick();
    for (int t = 0; t < 5000; ++t)
        e.clockTick();
    EXPECT_EQ(e.phase(), exam::ExamPhase::Closed);
    EXPECT_EQ(e.elapsedSeconds(), exam::kTimeLimitSeconds);
}

TEST(ExamTotality, MiniLookupPaging)
{
    std::vector<exam::MiniEntry> bank;
    for (int i = 0; i < 7; ++i)
        bank.push_back({"史", "问题" + std::to_string(i) + "？", "答" + std::to_string(i)});
    std::vector<std::string> keywords = {"", "问", "问题", "？", "1", "x", "问题9", std::string(1, '\0'),
                                         "\xE9", "\xFF\xFE"};
    for (const std::string_view w : exam::kMiniSearchIgnoreList)
        keywords.emplace_back(w);
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, bank.size()}) {
        exam::MiniLookup m(std::vector<exam::MiniEntry>(bank.begin(), bank.begin() + static_cast<long>(size)));
        for (const std::string& k : keywords) {
            m.setKeyword(k);
            // Far past either end and back: the shown hit stays within 1 … total (0 without hits).
            for (const int steps : {1, 3, 20}) {
                for (int s = 0; s < steps; ++s) {
                    m.next();
                    EXPECT_GE(m.shownNumber(), m.hitTotal() == 0 ? 0 : 1) << k;
                    EXPECT_LE(m.shownNumber(), m.hitTotal()) << k;
                }
                EXPECT_FALSE(m.canNext() && m.shownNumber() == m.hitTotal()) << k;
                for (int s = 0; s < steps + 1; ++s) {
                    m.previous();
                    EXPECT_GE(m.shownNumber(), m.hitTotal() == 0 ? 0 : 1) << k;
                    EXPECT_LE(m.shownNumber(), m.hitTotal()) << k;
                }
                EXPECT_FALSE(m.canPrevious() && m.shownNumber() == 1) << k;
            }
        }
    }
}
