#include "calc/cultivation.h"

#include "common/game_tables.h"
#include "common/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace calc {

namespace {

// Whether an answer is a number: blank (as after Cancel, read as 0), or after any blanks
// a sign or point then a digit, or an &H/&O integer.
bool startsWithNumber(std::string_view text)
{
    std::string s;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    if (s.empty())
        return true;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    if (s[i] == '&')
        return s.size() > 2 && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o') &&
               (digit(s[2]) || ((s[1] == 'H' || s[1] == 'h') && std::isxdigit(static_cast<unsigned char>(s[2]))));
    if (s[i] == '+' || s[i] == '-')
        ++i;
    if (i < s.size() && s[i] == '.')
        ++i;
    return i < s.size() && digit(s[i]);
}

} // namespace

CultivationCost cultivationCost(std::optional<std::int64_t> current, std::optional<std::int64_t> held,
                                std::optional<std::int64_t> target, int price)
{
    CultivationCost r;
    if (!current || !held || !target) {
        r.warning = kMsgFieldsEmpty;
        return r;
    }
    const std::int64_t a = std::max<std::int64_t>(*current, 0);
    const std::int64_t b = std::max<std::int64_t>(*target, 0);
    std::int64_t w = std::max<std::int64_t>(*held, 0) / 10 * 10;
    if (a > kMaxCultivationLevel || b > kMaxCultivationLevel) {
        r.warning = kMsgCultivationCap;
        return r;
    }
    if (a > b) {
        r.warning = kMsgCultivationOrder;
        return r;
    }
    if (a == b)
        return r;
    const std::int64_t steps = common::rangeSum(common::CultivationExpTable, static_cast<int>(a), static_cast<int>(b));
    if (w >= common::CultivationExpTable[static_cast<std::size_t>(a)])
        w = 0;
    r.held = w;
    r.experience = steps - w;
    r.money = r.experience / 10 * std::max(price, 0);
    r.contribution = 150 * b;
    r.resources = r.experience / 10 * 5;
    r.minCharLevel = 5 * b + 20;
    return r;
}

std::int64_t cultivationStepMoney(int level, int price)
{
    if (level < 1 || level > kMaxCultivationLevel)
        return 0;
    return std::int64_t{common::CultivationExpTable[static_cast<std::size_t>(level - 1)]} / 10 * std::max(price, 0);
}

void CultivationSteps::showStep()
{
    m_stepLevel = m_level;
    m_stepMoney = cultivationStepMoney(m_level, m_price);
}

void CultivationSteps::stepUp()
{
    if (m_level >= kMaxCultivationLevel)
        return;
    ++m_level;
    m_total += cultivationStepMoney(m_level, m_price);
    showStep();
}

void CultivationSteps::stepDown(bool freeStepsDown)
{
    if (m_level <= 0)
        return;
    --m_level;
    if (!freeStepsDown)
        m_total -= std::min(cultivationStepMoney(m_level + 1, m_price), std::max<std::int64_t>(m_total, 0));
    showStep();
}

void CultivationSteps::chooseKind(int kind)
{
    m_price = priceOfKind(kind);
    m_level = 0;
    m_total = 0;
    m_stepLevel = 0;
    m_stepMoney = 0;
}

std::string CultivationSteps::enterLevel(std::string_view answer, bool freeStepsDown)
{
    if (!canEnterLevel())
        return {};
    const common::ReadNumber n = common::readLeadingNumber(answer);
    if (!n.valid || !std::isfinite(n.value) || !startsWithNumber(answer))
        return std::string(kMsgCultivationAnswer);
    const std::int64_t v = common::roundHalfEven(n.value);
    if (v < 0 || v > kMaxCultivationLevel)
        return std::string(kMsgCultivationAnswer);
    m_level = static_cast<int>(v);
    if (freeStepsDown) {
        m_total = 0;
    } else {
        for (int p = 0; p <= m_level; ++p)
            m_total += cultivationStepMoney(p, m_price);
    }
    showStep();
    return {};
}

} // namespace calc
