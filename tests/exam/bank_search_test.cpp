#include "exam/bank_search.h"

#include <gtest/gtest.h>

using namespace exam;

namespace {

QuestionBank bankOf(std::initializer_list<std::pair<const char*, const char*>> records)
{
    QuestionBank bank;
    int id = 0;
    for (const auto& [category, question] : records)
        bank.append(QuestionRecord{std::to_string(++id), category, question, "对", "错", "错", "错"});
    return bank;
}

} // namespace

TEST(BankSearch, KeywordFindsQuestionsHoldingIt)
{
    const QuestionBank bank = bankOf({{"历史知识", "秦始皇的名字叫什么？"},
                                      {"其它题目", "中国最长的河流是哪一条？"},
                                      {"历史知识", "唐朝的开国皇帝是谁？"},
                                      {"自编", "河流 abc 的名字？"},
                                      {"其它题目", "对"}});
    const struct {
        const char* key;
        std::vector<std::size_t> rows;
    } cases[] = {
        {"河流", {1, 3}}, {"皇", {0, 2}},    {"ABC", {}},   {"abc", {3}},   {" a", {3}},
        {"？", {0, 1, 2, 3}}, {"对", {4}}, {"名字叫", {0}}, {"名字叫什么？！", {}}, {"c", {3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowsWithKeyword(bank, c.key), c.rows) << c.key;
    EXPECT_EQ(rowsInCategory(bank, "历史知识"), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(rowsInCategory(bank, "").size(), 5u);
    EXPECT_TRUE(rowsInCategory(bank, "历史").empty());
}
