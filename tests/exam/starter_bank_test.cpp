#include "exam/question_bank.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// The bank shipped for new players: every line a well-formed record, numbered 1..200 in
// file order, twenty in each of the ten categories, four different answers each.
TEST(StarterBank, LoadsWholeWithTwentyQuestionsPerCategory)
{
    const exam::BankLoadResult r = exam::loadQuestionBankFile(BAIBAO_ASSETS "/starter/test.dat");
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    EXPECT_EQ(r.bank.encoding, exam::TextEncoding::Gb18030);
    ASSERT_EQ(r.bank.count(), 200u);
    std::map<std::string, int> perCategory;
    std::set<std::string> questions;
    for (std::size_t i = 0; i < r.bank.count(); ++i) {
        const exam::QuestionView q = r.bank.record(i);
        EXPECT_EQ(std::string(q.id), std::to_string(i + 1));
        ++perCategory[std::string(q.category)];
        questions.insert(std::string(q.question));
        const std::set<std::string> answers{std::string(q.correct), std::string(q.wrong1), std::string(q.wrong2),
                                            std::string(q.wrong3)};
        EXPECT_EQ(answers.size(), 4u) << q.question;
    }
    EXPECT_EQ(questions.size(), 200u);
    const std::map<std::string, int> expected{{"游戏知识", 20}, {"古代常识", 20}, {"佛道礼仪", 20}, {"历史知识", 20},
                                              {"音律棋牌", 20}, {"茶酒中药", 20}, {"古代工艺", 20}, {"书画艺术", 20},
                                              {"诗词对联", 20}, {"其它题目", 20}};
    EXPECT_EQ(perCategory, expected);
}

} // namespace
