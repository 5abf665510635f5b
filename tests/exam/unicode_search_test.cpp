// The bank browser's keyword search and the mini look-up over all of Unicode: exact
// comparison (no folding of width or case), four-byte characters as whole characters,
// and each window's own ignore list, full-width and ASCII forms one by one.
#include "exam/bank_search.h"
#include "exam/mini_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace exam;

namespace {

// One question per form, read from a file as the player keeps it; the first question
// holds an ASCII comma in a quoted field.
const std::string kBankText = " 1,其它题目,\"半角,逗号\",对,错,错,错\r\n"
                              " 2,其它题目,全角，逗号,对,错,错,错\r\n"
                              " 3,其它题目,半角:冒号,对,错,错,错\r\n"
                              " 4,其它题目,全角：冒号,对,错,错,错\r\n"
                              " 5,其它题目,半角(括号),对,错,错,错\r\n"
                              " 6,其它题目,全角（括号）,对,错,错,错\r\n"
                              " 7,其它题目,半角?问号,对,错,错,错\r\n"
                              " 8,其它题目,全角？问号,对,错,错,错\r\n"
                              " 9,其它题目,半角[方括号],对,错,错,错\r\n"
                              "10,其它题目,全角【方括号】,对,错,错,错\r\n"
                              "11,其它题目,笑😀脸𠀀字,对,错,错,错\r\n"
                              "12,其它题目,ＡＢＣ全角字母,对,错,错,错\r\n"
                              "13,其它题目,ABC半角字母,对,错,错,错\r\n"
                              "14,其它题目,abc小写字母,对,错,错,错\r\n";

QuestionBank bank()
{
    BankLoadResult r = parseQuestionBank(kBankText);
    EXPECT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    EXPECT_EQ(r.bank.count(), 14u);
    return std::move(r.bank);
}

MiniLookup mini()
{
    const QuestionBank b = bank();
    std::vector<MiniEntry> entries;
    for (std::size_t i = 0; i < b.count(); ++i)
        entries.push_back({std::string(b.record(i).category), std::string(b.record(i).question),
                           std::string(b.record(i).correct)});
    return MiniLookup(std::move(entries));
}

// The questions' numbers (1-based) a search finds.
std::vector<std::size_t> numbers(const std::vector<std::size_t>& rows)
{
    std::vector<std::size_t> out;
    for (std::size_t r : rows)
        out.push_back(r + 1);
    return out;
}

} // namespace

TEST(UnicodeSearch, KeywordsMatchExactlyWhateverTheirWidth)
{
    const QuestionBank b = bank();
    struct Case {
        const char* key;
        std::vector<std::size_t> numbers;
    } cases[] = {
        {",", {1}},  {"，", {2}},  {":", {3}},   {"：", {4}},   {"(", {5}},   {"（", {6}},
        {")", {5}},  {"）", {6}},  {"?", {7}},   {"？", {8}},   {"[", {9}},   {"【", {10}},
        {"😀", {11}}, {"𠀀", {11}}, {"笑😀", {11}}, {"😀脸𠀀", {11}}, {"脸😀", {}},   {"😁", {}},
        {"ＡＢＣ", {12}}, {"ABC", {13}}, {"abc", {14}}, {"Ａ", {12}},  {"A", {13}},   {"ａｂｃ", {}},
        {"Abc", {}}, {"角", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}}, {"全角【方括号】", {10}},
        {"全角【方括号】字", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numbers(rowsWithKeyword(b, c.key)), c.numbers) << c.key;
}

TEST(UnicodeSearch, MiniIgnoresOnlyItsFullWidthMarks)
{
    struct Case {
        const char* keyword;
        int hits;
        const char* first; // the question shown
    } cases[] = {
        {"，", 0, ""},  {",", 1, "半角,逗号"},
        {"：", 0, ""},  {":", 1, "半角:冒号"},
        {"（", 0, ""},  {"(", 1, "半角(括号)"},
        {"）", 0, ""},  {")", 1, "半角(括号)"},
        {"？", 0, ""},  {"?", 1, "半角?问号"},
        {"【", 0, ""},  {"[", 1, "半角[方括号]"},
        {"】", 0, ""},  {"]", 1, "半角[方括号]"},
        {" ", 0, ""},   {"（括号）", 1, "全角（括号）"},
        {"😀", 1, "笑😀脸𠀀字"}, {"脸𠀀", 1, "笑😀脸𠀀字"}, {"😁", 0, ""},
        {"ＡＢＣ", 1, "ＡＢＣ全角字母"}, {"ABC", 1, "ABC半角字母"}, {"ａｂｃ", 0, ""}, {"ABc", 0, ""},
    };
    for (const Case& c : cases) {
        MiniLookup m = mini();
        m.setKeyword("角"); // twelve hits before
        m.setKeyword(c.keyword);
        EXPECT_EQ(m.hitTotal(), c.hits) << c.keyword;
        EXPECT_EQ(m.shownNumber(), c.hits > 0 ? 1 : 0) << c.keyword;
        EXPECT_EQ(m.question(), c.first) << c.keyword;
        EXPECT_EQ(m.answer(), c.hits > 0 ? "对" : "") << c.keyword;
    }
}
