#include "exam/bank_search.h"

#include <algorithm>
#include <functional>

namespace exam {

std::vector<std::size_t> rowsWithKeyword(const QuestionBank& bank, std::string_view key)
{
    std::vector<std::size_t> rows;
    if (key.size() < 2) {
        for (std::size_t r = 0; r < bank.count(); ++r)
            if (bank.record(r).question.find(key) != std::string_view::npos)
                rows.push_back(r);
        return rows;
    }
    // The skip table is built once for all questions; a Chinese keyword's first byte is
    // shared by most characters, so a plain scan for it stops at nearly every character.
    const std::boyer_moore_horspool_searcher searcher(key.begin(), key.end());
    for (std::size_t r = 0; r < bank.count(); ++r) {
        const std::string_view q = bank.record(r).question;
        if (q.size() >= key.size() && std::search(q.begin(), q.end(), searcher) != q.end())
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
