#pragma once
// The bank browser's two ways to pick rows: by category and by a keyword in the question.

#include "exam/question_bank.h"

#include <string_view>
#include <vector>

namespace exam {

// The rows whose question holds `key` (exact bytes, case-sensitive), in bank order.
std::vector<std::size_t> rowsWithKeyword(const QuestionBank& bank, std::string_view key);
// The rows whose category is exactly `category`, in bank order; all rows for an empty one.
std::vector<std::size_t> rowsInCategory(const QuestionBank& bank, std::string_view category);

} // namespace exam
