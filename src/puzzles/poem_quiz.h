#pragma once
// The poem and riddle table of the 密道 window: 750 texts (poems with title, author and
// verses, verse quotations, literature questions with their answers, one-line quiz items)
// and its two searches, by consecutive text or by single characters in any order.

#include <string>
#include <string_view>
#include <vector>

namespace puzzles {

inline constexpr int kPoemQuizSize = 750;
// The text of an entry, a verse or an answer that the program does not hold. It is a
// placeholder, not content: no search finds it, so an entry that has one is found by its
// title, author or question alone.
inline constexpr std::string_view kPoemMissing = "暂缺";

// PoemQuizTable: entry i, its lines joined by CR LF.
const std::vector<std::string>& poemQuizTable();

// A query that is only one of these marks, or one blank, finds nothing.
bool isIgnoredQuery(std::string_view query);

// The non-consecutive search looks at up to this many characters; a longer query finds
// nothing.
inline constexpr int kMaxSearchCharacters = 5;

// Entries, in table order, that contain the query as one piece of text outside their
// placeholders.
std::vector<int> findConsecutive(std::string_view query);
// Entries, in table order, that contain each character of the query somewhere outside
// their placeholders, in any order; nothing for a query of more than
// kMaxSearchCharacters characters.
std::vector<int> findNonConsecutive(std::string_view query);

// What the result box and the two arrows show.
struct PoemView {
    std::string shown;
    bool upEnabled = false;   // "↑"
    bool downEnabled = false; // "↓"
};

// The window's search: each change of the query searches afresh from the query alone;
// the arrows browse the list of the last search, without wrapping.
class PoemSearch {
public:
    PoemView search(std::string_view query, bool nonConsecutive);
    PoemView up();
    PoemView down();

    const std::vector<int>& matches() const { return m_matches; }
    int position() const { return m_pos; }

private:
    PoemView view() const;
    std::vector<int> m_matches;
    int m_pos = 0;
};

} // namespace puzzles
