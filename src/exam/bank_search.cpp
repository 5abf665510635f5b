#include "exam/bank_search.h"

namespace exam {

std::vector<std::size_t> rowsWithKeyword(const QuestionBank& bank, std::string_view key)
{
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < bank.count(); ++r) {
        if (bank.record(r).question.find(key) != std::string_view::npos)
            rows.push_back(r);
    }
    return rows;
}

std::vector<std::size_t> rowsInCategory(const QuestionBank& bank, std::string_view category)
{
    std::vector<std::size_t> rows;
    rows.reserve(bank.count());
    for (std::size_t r = 0; r < bank.count(); ++r)
        if (category.empty() || bank.record(r).category == category)
            rows.push_back(r);
    return rows;
}

} // namespace exam
