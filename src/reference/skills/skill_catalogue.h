#pragma once
// The game's skill catalogues shown by the skill window: equipment special skills, life
// skills, story skills with the story-point counter, summoned-beast skills, the twelve
// sects' skills and the spells those skills teach. Texts are UTF-8; multi-line texts join
// their lines with CR LF. Every text the window shows is built here.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skills {

// What a description reads when we have no text of the game to show.
inline constexpr std::string_view kMissing = "暂缺";

// A cell of an icon grid.
struct GridCell {
    int column = 0;
    int row = 0;
};

// The two texts a choice writes into a page's two boxes.
struct SkillTexts {
    std::string first;
    std::string second;
};

// ---- Equipment special skills (装备特技) ----

inline constexpr int kSpecialSkillCount = 50;
inline constexpr int kSpecialGridColumns = 10;
inline constexpr int kSpecialGridRows = 6;

struct SpecialSkillRecord {
    std::string_view name;
    std::string_view description; // empty: not known
    int anger = 0;                // anger cost, a multiple of 5
    bool asciiColon = false;      // the cost line is written "消耗愤怒:" (one row)
};

const std::array<SpecialSkillRecord, kSpecialSkillCount>& specialSkills();
// "【name】", the description, an empty line, "消耗愤怒：N(M)" with M = N x 4 / 5; empty
// for an index outside 0..49.
std::string specialSkillText(int index);
// The caption of the name label (two-character names are spaced: " 残 月").
std::string specialSkillLabel(int index);
// The grid cell of the skill's icon and name label.
GridCell specialSkillCell(int index);

// ---- Life skills (生活技能) ----

inline constexpr int kLifeSkillCount = 13;

struct LifeSkillRecord {
    std::string_view name;
    std::string_view tooltip;
    std::string_view description;
    std::string_view capNote;
    std::string_view remark; // empty for most rows
};

const std::array<LifeSkillRecord, kLifeSkillCount>& lifeSkills();
// The description box ("【name】：", description) and the notes box ("特别说明：", cap note,
// remark); both empty for an index outside 0..12.
SkillTexts lifeSkillTexts(int index);
// Icon i stands in column i div 5, row i mod 5.
GridCell lifeSkillCell(int index);

// ---- Story skills (剧情技能) and the story-point counter ----

inline constexpr int kStorySkillCount = 11;
inline constexpr int kStoryPointBudget = 61;

struct StorySkillRecord {
    std::string_view name;
    std::string_view trainer;
    std::string_view total;
    std::string_view effect;
    int weight = 0;   // story points per level
    int topLevel = 0; // the last level the picker offers
};

const std::array<StorySkillRecord, kStorySkillCount>& storySkills();
// The trainer box ("【name】", "传授：", trainer line, total line) and the effect box
// ("效果：", effect); both empty for an index outside 0..10.
SkillTexts storySkillTexts(int index);
// Icon i stands in column i div 4, row i mod 4.
GridCell storySkillCell(int index);

struct StoryPoints {
    std::int64_t used = 0;
    bool overBudget = false; // shown in red
};
// The weighted sum of the planned levels, levels[i] being picker i's level. A level
// outside 0..top level of its skill counts as the nearest of the two; pickers past the
// eleventh are ignored, missing ones count 0.
StoryPoints countStoryPoints(std::span<const std::int64_t> levels);

// ---- Summoned-beast skills (召唤兽技能) ----

inline constexpr int kBeastSkillCount = 88;
inline constexpr int kBeastGridColumns = 11;
inline constexpr int kBeastGridRows = 4;

struct BeastSkillRecord {
    std::string_view name;
    std::string_view effect; // empty: not known
};

const std::array<BeastSkillRecord, kBeastSkillCount>& beastSkills();
// "【name】", effect; empty for an index outside 0..87.
std::string beastSkillText(int index);
// 0 the basic page (初级技能), 1 the advanced page (高级技能).
int beastSkillPage(int index);
GridCell beastSkillCell(int index);
// Every icon but 法术防御's carries its name as tooltip.
bool beastSkillHasTooltip(int index);

// ---- Sect skills (门派技能) and spells ----

inline constexpr int kSectCount = 12;
inline constexpr int kSectSkillCount = 84;
inline constexpr int kSpellCount = 156;

enum class IconPlace { Top, UpperLeft, UpperRight, Centre, LowerLeft, LowerRight, Bottom };

struct SectSkillRecord {
    std::string_view name;
    IconPlace place;
    std::string_view learning; // learning effect, possibly empty or several lines
};

struct SpellRecord {
    std::string_view name;      // also the icon's tooltip
    std::string_view titleName; // the name as the title writes it
    int skill = 0;              // the sect skill whose spell frame holds the icon
    int page = 1;               // 1, or 2 in the two crowded frames
    int place = 0;              // place on its page, left to right
    std::string_view formula;   // formula lines, CR LF joined; may be empty
    std::string_view effect;    // the three detail lines where known, else empty
    std::string_view condition;
    std::string_view cost;
    bool asciiCondition = false; // the condition line starts "使用条件: "
};

const std::array<std::string_view, kSectCount>& sectNames();
const std::array<SectSkillRecord, kSectSkillCount>& sectSkills();
const std::array<SpellRecord, kSpellCount>& spells();

// (left, top) in twips of an icon place inside a sect frame.
GridCell iconPlaceTwips(IconPlace place);
// "【name】" and the learning effect; both empty for an index outside 0..83.
SkillTexts sectSkillTexts(int index);
// The spells of a skill's frame in the order of their places, page 1 first.
std::vector<int> spellsOfSkill(int skill);
// The title ("【name】" and the formula lines) and the three detail lines (effect, use
// condition, cost); both empty for an index outside 0..155.
SkillTexts spellTexts(int index);

// ---- Marking the chosen entry of a catalogue ----

// The chosen entry of a catalogue: nothing at first, then the last entry chosen.
class SelectionHighlight {
public:
    struct Change {
        std::optional<int> unmark; // the entry that loses its mark
        std::optional<int> mark;   // the entry that gets it
    };
    // Choosing the current entry changes nothing.
    Change choose(int index);
    std::optional<int> current() const { return m_current; }

private:
    std::optional<int> m_current;
};

} // namespace skills
