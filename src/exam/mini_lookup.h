#pragma once
// The mini look-up: a keyword searched in the questions of its own reading of the bank,
// one hit shown at a time with its correct answer, paged forwards and back.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace exam {

struct MiniEntry {
    std::string category;
    std::string question;
    std::string correct;
};

// Keywords that on their own would hit nearly every question: one full-width punctuation
// mark or one blank shows nothing.
inline constexpr std::array<std::string_view, 8> kMiniSearchIgnoreList = {"？", "，", "：", "）",
                                                                          "（", "】", "【", " "};

class MiniLookup {
public:
    MiniLookup() = default;
    explicit MiniLookup(std::vector<MiniEntry> bank) : m_bank(std::move(bank)) {}

    // A change of the keyword: the hits are the questions containing it, in bank order,
    // and the first one is shown.
    void setKeyword(std::string_view keyword);
    // 上翻 and 下翻; each does nothing while its button is disabled.
    void previous();
    void next();

    const std::string& question() const { return m_question; }
    const std::string& answer() const { return m_answer; }
    int shownNumber() const { return m_shown; } // 1-based, 0 without hits
    int hitTotal() const { return m_total; }
    bool canPrevious() const { return m_canPrevious; }
    bool canNext() const { return m_canNext; }
    bool pagingOn() const { return m_pagingOn; }
    std::size_t bankSize() const { return m_bank.size(); }

private:
    void show();

    std::vector<MiniEntry> m_bank;
    std::vector<std::size_t> m_hits;
    int m_cursor = 0;
    int m_total = 0;
    int m_shown = 0;
    bool m_canPrevious = false;
    bool m_canNext = false;
    bool m_pagingOn = false;
    std::string m_question;
    std::string m_answer;
};

} // namespace exam
