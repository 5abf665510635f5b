#include "reference/skills/skill_catalogue.h"

#include <algorithm>

namespace skills {

namespace {

constexpr std::string_view kCrLf = "\r\n";

template <typename Array>
bool inRange(const Array& a, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < a.size();
}

std::string orMissing(std::string_view text) { return std::string(text.empty() ? kMissing : text); }

std::string bracketed(std::string_view name) { return "【" + std::string(name) + "】"; }

// Cells of the special-skill grid; -1 marks the two mode buttons and the text box.
constexpr int kSpecialGrid[kSpecialGridRows][kSpecialGridColumns] = {
    {1, 5, 15, 26, 49, 4, 8, 19, 41, 42},     {24, 46, 32, 27, 28, 48, 44, 9, 29, 13},
    {23, 0, -1, -1, -1, -1, -1, 38, 47, 36},  {45, 6, -1, -1, -1, -1, -1, 3, 31, 10},
    {22, 39, 20, 30, 17, 14, 40, 21, 7, 12},  {25, 18, 43, 2, 16, 34, 35, 37, 33, 11},
};

constexpr int kBeastFirstAdvanced = 43;
constexpr int kSpellDefence = 87; // 法术防御: basic page, no advanced form, no tooltip

} // namespace

// ---- Equipment special skills ----

std::string specialSkillText(int index)
{
    if (!inRange(specialSkills(), index))
        return {};
    const SpecialSkillRecord& r = specialSkills()[static_cast<std::size_t>(index)];
    std::string out = bracketed(r.name);
    out += kCrLf;
    out += orMissing(r.description);
    out += kCrLf;
    out += kCrLf;
    out += r.asciiColon ? "消耗愤怒:" : "消耗愤怒：";
    out += std::to_string(r.anger) + "(" + std::to_string(r.anger * 4 / 5) + ")";
    return out;
}

std::string specialSkillLabel(int index)
{
    if (!inRange(specialSkills(), index))
        return {};
    const std::string_view name = specialSkills()[static_cast<std::size_t>(index)].name;
    if (name.size() != 6) // two CJK characters of three bytes each are spaced out
        return std::string(name);
    std::string out(" ");
    out.append(name.substr(0, 3));
    out += ' ';
    out.append(name.substr(3));
    return out;
}

GridCell specialSkillCell(int index)
{
    for (int r = 0; r < kSpecialGridRows; ++r)
        for (int c = 0; c < kSpecialGridColumns; ++c)
            if (kSpecialGrid[r][c] == index && index >= 0)
                return {c, r};
    return {-1, -1};
}

// ---- Life skills ----

SkillTexts lifeSkillTexts(int index)
{
    if (!inRange(lifeSkills(), index))
        return {};
    const LifeSkillRecord& r = lifeSkills()[static_cast<std::size_t>(index)];
    SkillTexts t;
    t.first = bracketed(r.name) + "：" + std::string(kCrLf) + std::string(r.description);
    t.second = "特别说明：" + std::string(kCrLf) + std::string(r.capNote);
    if (!r.remark.empty())
        t.second += std::string(kCrLf) + std::string(r.remark);
    return t;
}

GridCell lifeSkillCell(int index)
{
    if (!inRange(lifeSkills(), index))
        return {-1, -1};
    return {index / 5, index % 5};
}

// ---- Story skills ----

SkillTexts storySkillTexts(int index)
{
    if (!inRange(storySkills(), index))
        return {};
    const StorySkillRecord& r = storySkills()[static_cast<std::size_t>(index)];
    SkillTexts t;
    t.first = bracketed(r.name) + std::string(kCrLf) + "传授：" + std::string(kCrLf) + std::string(r.trainer) +
              std::string(kCrLf) + std::string(r.total);
    t.second = "效果：" + std::string(kCrLf) + std::string(r.effect);
    return t;
}

GridCell storySkillCell(int index)
{
    if (!inRange(storySkills(), index))
        return {-1, -1};
    return {index / 4, index % 4};
}

StoryPoints countStoryPoints(std::span<const std::int64_t> levels)
{
    StoryPoints p;
    const std::size_t n = std::min(levels.size(), storySkills().size());
    for (std::size_t i = 0; i < n; ++i) {
        const StorySkillRecord& r = storySkills()[i];
        const std::int64_t level = std::clamp<std::int64_t>(levels[i], 0, r.topLevel);
        p.used += level * r.weight;
    }
    p.overBudget = p.used > kStoryPointBudget;
    return p;
}

// ---- Summoned-beast skills ----

std::string beastSkillText(int index)
{
    if (!inRange(beastSkills(), index))
        return {};
    const BeastSkillRecord& r = beastSkills()[static_cast<std::size_t>(index)];
    return bracketed(r.name) + std::string(kCrLf) + orMissing(r.effect);
}

int beastSkillPage(int index) { return index >= kBeastFirstAdvanced && index < kSpellDefence ? 1 : 0; }

GridCell beastSkillCell(int index)
{
    if (index >= kBeastFirstAdvanced && index < kSpellDefence) {
        const int k = index - kBeastFirstAdvanced;
        return {k % kBeastGridColumns, k / kBeastGridColumns};
    }
    if (index == kSpellDefence)
        return {5, 3};
    if (index >= 0 && index <= 32)
        return {index % kBeastGridColumns, index / kBeastGridColumns};
    if (index >= 33 && index <= 37)
        return {index - 33, 3};
    if (index >= 38 && index <= 42)
        return {index - 32, 3};
    return {-1, -1};
}

bool beastSkillHasTooltip(int index) { return index != kSpellDefence; }

// ---- Sect skills and spells ----

GridCell iconPlaceTwips(IconPlace place)
{
    switch (place) {
    case IconPlace::Top:
        return {1200, 240};
    case IconPlace::UpperLeft:
        return {120, 720};
    case IconPlace::UpperRight:
        return {2280, 720};
    case IconPlace::Centre:
        return {1200, 1320};
    case IconPlace::LowerLeft:
        return {120, 1920};
    case IconPlace::LowerRight:
        return {2280, 1920};
    case IconPlace::Bottom:
        return {1200, 2400};
    }
    return {0, 0};
}

SkillTexts sectSkillTexts(int index)
{
    if (!inRange(sectSkills(), index))
        return {};
    const SectSkillRecord& r = sectSkills()[static_cast<std::size_t>(index)];
    return {bracketed(r.name), std::string(r.learning)};
}

std::vector<int> spellsOfSkill(int skill)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < spells().size(); ++i)
        if (spells()[i].skill == skill)
            out.push_back(static_cast<int>(i));
    std::sort(out.begin(), out.end(), [](int a, int b) {
        const SpellRecord& x = spells()[static_cast<std::size_t>(a)];
        const SpellRecord& y = spells()[static_cast<std::size_t>(b)];
        return x.page != y.page ? x.page < y.page : x.place < y.place;
    });
    return out;
}

SkillTexts spellTexts(int index)
{
    if (!inRange(spells(), index))
        return {};
    const SpellRecord& r = spells()[static_cast<std::size_t>(index)];
    SkillTexts t;
    t.first = bracketed(r.titleName);
    if (!r.formula.empty())
        t.first += std::string(kCrLf) + std::string(r.formula);
    const std::string missing(kMissing);
    t.second = r.effect.empty() ? "功效：" + missing : std::string(r.effect);
    t.second += kCrLf;
    if (!r.condition.empty())
        t.second += r.condition;
    else
        t.second += (r.asciiCondition ? "使用条件: " : "使用条件：") + missing;
    t.second += kCrLf;
    t.second += r.cost.empty() ? "消耗：" + missing : std::string(r.cost);
    return t;
}

// ---- Marking ----

SelectionHighlight::Change SelectionHighlight::choose(int index)
{
    if (m_current == index)
        return {};
    Change c{m_current, index};
    m_current = index;
    return c;
}

} // namespace skills
