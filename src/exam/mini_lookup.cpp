#include "exam/mini_lookup.h"

#include <algorithm>

namespace exam {

void MiniLookup::setKeyword(std::string_view keyword)
{
    m_canPrevious = m_canNext = m_pagingOn = false;
    m_shown = m_total = m_cursor = 0;
    m_hits.clear();
    m_question.clear();
    m_answer.clear();
    if (keyword.empty())
        return;
    if (std::find(kMiniSearchIgnoreList.begin(), kMiniSearchIgnoreList.end(), keyword) !=
        kMiniSearchIgnoreList.end())
        return;
    // UTF-8 throughout, so a byte-wise search matches whole characters only.
    for (std::size_t i = 0; i < m_bank.size(); ++i)
        if (m_bank[i].question.find(keyword) != std::string::npos)
            m_hits.push_back(i);
    m_total = static_cast<int>(m_hits.size());
    if (m_total == 0)
        return;
    show();
    if (m_total >= 2) {
        m_canNext = true;
        m_pagingOn = true;
    }
}

void MiniLookup::next()
{
    if (!m_pagingOn || !m_canNext)
        return;
    m_canPrevious = true;
    ++m_cursor;
    if (m_cursor >= m_total - 1)
        m_canNext = false;
    show();
}

void MiniLookup::previous()
{
    if (!m_pagingOn || !m_canPrevious)
        return;
    m_canNext = true;
    --m_cursor;
    if (m_cursor <= 0)
        m_canPrevious = false;
    show();
}

void MiniLookup::show()
{
    const MiniEntry& e = m_bank[m_hits[static_cast<std::size_t>(m_cursor)]];
    m_question = e.question;
    m_answer = e.correct;
    m_shown = m_cursor + 1;
}

} // namespace exam
