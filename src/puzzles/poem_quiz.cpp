#include "puzzles/poem_quiz.h"

#include <algorithm>
#include <array>

namespace puzzles {

// The table's text, compiled in from its UTF-8 file: the lines of each entry, an empty
// line between entries.
extern const std::string_view kPoemQuizText;

namespace {

std::vector<std::string> parseTable(std::string_view text)
{
    std::vector<std::string> out;
    std::string entry;
    bool blankBefore = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        if (line.empty()) {
            blankBefore = true;
            continue;
        }
        if (blankBefore && !entry.empty()) {
            out.push_back(std::move(entry));
            entry.clear();
        }
        blankBefore = false;
        if (!entry.empty())
            entry += "\r\n";
        entry += line;
    }
    if (!entry.empty())
        out.push_back(std::move(entry));
    // The table always has all its entries, whatever the text holds.
    out.resize(kPoemQuizSize, std::string(kPoemMissing));
    return out;
}

// The UTF-8 characters of a text (an invalid byte counts as one character).
std::vector<std::string_view> characters(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        n = std::min(n, text.size() - i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

} // namespace

const std::vector<std::string>& poemQuizTable()
{
    static const std::vector<std::string> table = parseTable(kPoemQuizText);
    return table;
}

namespace {

// What the searches look at in each entry: its text in the pieces between the "暂缺"
// placeholders. A placeholder stands for a text the table does not hold, so it is never
// found itself, and no match runs across it.
const std::vector<std::vector<std::string_view>>& searchedPieces()
{
    static const std::vector<std::vector<std::string_view>> pieces = [] {
        std::vector<std::vector<std::string_view>> out;
        for (const std::string& e : poemQuizTable()) {
            std::vector<std::string_view> entry;
            std::string_view rest = e;
            std::size_t at = 0;
            while ((at = rest.find(kPoemMissing)) != std::string_view::npos) {
                entry.push_back(rest.substr(0, at));
                rest.remove_prefix(at + kPoemMissing.size());
            }
            entry.push_back(rest);
            out.push_back(std::move(entry));
        }
        return out;
    }();
    return pieces;
}

bool entryContains(int index, std::string_view text)
{
    const std::vector<std::string_view>& pieces = searchedPieces()[static_cast<std::size_t>(index)];
    return std::any_of(pieces.begin(), pieces.end(),
                       [&](std::string_view piece) { return piece.find(text) != std::string_view::npos; });
}

} // namespace

bool isIgnoredQuery(std::string_view query)
{
    static constexpr std::array<std::string_view, 9> kIgnored{"。", "？", "，", "：", "）", "（", "】", "【", " "};
    return std::find(kIgnored.begin(), kIgnored.end(), query) != kIgnored.end();
}

std::vector<int> findConsecutive(std::string_view query)
{
    std::vector<int> out;
    if (query.empty())
        return out;
    for (int i = 0; i < kPoemQuizSize; ++i)
        if (entryContains(i, query))
            out.push_back(i);
    return out;
}

std::vector<int> findNonConsecutive(std::string_view query)
{
    std::vector<int> out;
    const std::vector<std::string_view> chars = characters(query);
    if (chars.empty() || static_cast<int>(chars.size()) > kMaxSearchCharacters)
        return out;
    for (int i = 0; i < kPoemQuizSize; ++i)
        if (std::all_of(chars.begin(), chars.end(), [&](std::string_view c) { return entryContains(i, c); }))
            out.push_back(i);
    return out;
}

PoemView PoemSearch::search(std::string_view query, bool nonConsecutive)
{
    m_pos = 0;
    m_matches.clear();
    if (query.empty() || isIgnoredQuery(query))
        return {};
    m_matches = nonConsecutive ? findNonConsecutive(query) : findConsecutive(query);
    return view();
}

PoemView PoemSearch::up()
{
    if (m_pos > 0)
        --m_pos;
    return view();
}

PoemView PoemSearch::down()
{
    if (m_pos + 1 < static_cast<int>(m_matches.size()))
        ++m_pos;
    return view();
}

PoemView PoemSearch::view() const
{
    PoemView v;
    if (m_matches.empty())
        return v;
    v.shown = poemQuizTable()[static_cast<std::size_t>(m_matches[static_cast<std::size_t>(m_pos)])];
    v.upEnabled = m_pos > 0;
    v.downEnabled = m_pos + 1 < static_cast<int>(m_matches.size());
    return v;
}

} // namespace puzzles
