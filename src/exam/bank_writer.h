#pragma once
// The three writers of test.dat: append a question, rewrite the bank after a change,
// delete a question. Each builds the file's new bytes and the bank they read back as; the
// caller writes the bytes in one transaction and only then takes the new bank.

#include "exam/question_bank.h"

#include <array>
#include <string>
#include <string_view>

namespace exam {

// The ten category names, in the order of the category options 1 to 10.
inline constexpr std::array<std::string_view, 10> kQuestionCategories = {
    "游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
    "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目"};

inline constexpr std::string_view kNoCommaMessage = "不能带有逗号或分号！";
inline constexpr std::string_view kEmptyFieldMessage = "待输入框不能为空！";

// What the player typed for a question: category, question and the four answers (UTF-8).
struct QuestionFields {
    std::string category;
    std::string question;
    std::string correct;
    std::string wrong1;
    std::string wrong2;
    std::string wrong3;
};

struct BankWrite {
    bool ok = false;
    std::string message; // why the write was refused (UTF-8), empty when ok
    std::string bytes;   // the file's new content, in the encoding and line ends it was read in
    QuestionBank bank;   // the bank the new content reads back as
};

// `fileBytes` is the file as it was read into `bank`; `skippedLines` the number of lines the
// load left out (the writers refuse while there are any).

// Appends one line " n,category,question,…" with n = count + 1, the fields as typed; a file
// whose last line lacks its line end gets it first. The other lines stay byte for byte.
BankWrite appendQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                         const QuestionFields& fields);

// Stores the fields into `row` and writes every record "id,category,…" (the number as held,
// trailing blanks of each field removed).
BankWrite rewriteQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                          std::size_t row, const QuestionFields& fields);

// Moves the last record into `row`, drops the last row and writes every record
// " i,category,…" numbered 1 to n. The only record is never deleted.
BankWrite deleteQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                         std::size_t row);

} // namespace exam
