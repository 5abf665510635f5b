// The skill catalogues and the formation tables over the whole range of their parameter
// types: every index from the type's edges to ±1 around each table bound, and the
// story-point counter with levels from the 64-bit edges. Under the sanitizers a read past
// a table or a signed overflow aborts; the checks add what the results must obey.

#include "../../support/edges.h"
#include "reference/skills/formations.h"
#include "reference/skills/skill_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

using namespace skills;

namespace {

std::vector<int> indexValues()
{
    std::vector<int> v = test::edgeValues32();
    for (const int bound : {kFormationCount, kSpecialSkillCount, kLifeSkillCount, kStorySkillCount,
                            kBeastSkillCount, kSectCount, kSectSkillCount, kSpellCount, 33, 38, 43, 87})
        for (const int d : {-1, 0, 1})
            v.push_back(bound + d);
    return v;
}

bool inside(int i, int count) { return i >= 0 && i < count; }

} // namespace

TEST(SkillsTotality, CatalogueLookups)
{
    for (const int i : indexValues()) {
        EXPECT_EQ(specialSkillText(i).empty(), !inside(i, kSpecialSkillCount)) << i;
        EXPECT_EQ(specialSkillLabel(i).empty(), !inside(i, kSpecialSkillCount)) << i;
        EXPECT_EQ(lifeSkillTexts(i).first.empty(), !inside(i, kLifeSkillCount)) << i;
        EXPECT_EQ(storySkillTexts(i).first.empty(), !inside(i, kStorySkillCount)) << i;
        EXPECT_EQ(beastSkillText(i).empty(), !inside(i, kBeastSkillCount)) << i;
        EXPECT_EQ(sectSkillTexts(i).first.empty(), !inside(i, kSectSkillCount)) << i;
        EXPECT_EQ(spellTexts(i).first.empty(), !inside(i, kSpellCount)) << i;
        for (const int s : spellsOfSkill(i))
            EXPECT_TRUE(inside(s, kSpellCount)) << i;

        // A cell lies on its grid for an entry of the table, and is {-1, -1} for anything else.
        const struct {
            GridCell cell;
            int count, columns, rows;
        } grids[] = {
            {specialSkillCell(i), kSpecialSkillCount, kSpecialGridColumns, kSpecialGridRows},
            {lifeSkillCell(i), kLifeSkillCount, 3, 5},  // 13 icons, five to a column
            {storySkillCell(i), kStorySkillCount, 3, 4}, // 11 icons, four to a column
            {beastSkillCell(i), kBeastSkillCount, kBeastGridColumns, kBeastGridRows},
        };
        for (const auto& g : grids) {
            if (inside(i, g.count)) {
                EXPECT_TRUE(inside(g.cell.column, g.columns)) << i << ' ' << g.count;
                EXPECT_TRUE(inside(g.cell.row, g.rows)) << i << ' ' << g.count;
            } else {
                EXPECT_EQ(g.cell.column, -1) << i << ' ' << g.count;
                EXPECT_EQ(g.cell.row, -1) << i << ' ' << g.count;
            }
        }
        // The basic page holds 0..42 and 87, the advanced one 43..86; on the basic page rows
        // 0..2 hold 11 r + c, row 3 holds 33..37, then 87, then 38..42; on the advanced page
        // every cell holds 43 + 11 r + c.
        if (inside(i, kBeastSkillCount)) {
            const bool advanced = i >= 43 && i <= 86;
            EXPECT_EQ(beastSkillPage(i), advanced ? 1 : 0) << i;
            const GridCell cell = beastSkillCell(i);
            const int onPage = advanced ? 11 * cell.row + cell.column + 43
                               : cell.row < 3 ? 11 * cell.row + cell.column
                               : cell.column < 5  ? 33 + cell.column
                               : cell.column == 5 ? 87
                                                  : 38 + cell.column - 6;
            EXPECT_EQ(onPage, i) << i << ' ' << cell.column << ',' << cell.row;
        }
    }
}

TEST(SkillsTotality, StoryPoints)
{
    // The most a full set of levels can use: each skill at its top level.
    std::int64_t most = 0;
    for (const StorySkillRecord& r : storySkills())
        most += static_cast<std::int64_t>(r.topLevel) * r.weight;
    const std::vector<std::int64_t> values = test::edgeValues64();
    for (const std::int64_t v : values) {
        for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{kStorySkillCount},
                              std::size_t{kStorySkillCount + 3}}) {
            const std::vector<std::int64_t> levels(n, v);
            const StoryPoints p = countStoryPoints(levels);
            EXPECT_GE(p.used, 0) << v;
            EXPECT_LE(p.used, most) << v;
            EXPECT_EQ(p.overBudget, p.used > kStoryPointBudget) << v;
        }
        // One skill swept, the others at 0: the count never falls as that level rises.
        std::vector<std::int64_t> one(kStorySkillCount, 0);
        one[3] = v;
        const std::int64_t used = countStoryPoints(one).used;
        one[3] = v == std::numeric_limits<std::int64_t>::max() ? v : v + 1;
        EXPECT_GE(countStoryPoints(one).used, used) << v;
    }
}

TEST(SkillsTotality, Formations)
{
    for (const int a : indexValues()) {
        EXPECT_EQ(formationNameLabel(a).empty(), !inside(a, kFormationCount)) << a;
        EXPECT_EQ(formationDescription(a).empty(), !inside(a, kFormationCount)) << a;
        EXPECT_EQ(formationTableName(a).empty(), !inside(a, kFormationCount)) << a;
        for (const int b : indexValues()) {
            const int v = counterValue(a, b);
            if (!inside(a, kFormationCount) || !inside(b, kFormationCount)) {
                EXPECT_EQ(v, 0) << a << ' ' << b;
            }
            // Each side of the diagram, from the value of the pair: the positive side blue, the
            // negative one red, both magenta for 0.
            static const struct {
                int v;
                const char *opponent, *own;
                std::uint32_t opponentColour, ownColour;
            } sides[] = {
                {10, "+10%", "-10%", 0xFF0000, 0xFF},  {5, "+5%", "-5%", 0xFF0000, 0xFF},
                {0, "0", "0", 0xFF00FF, 0xFF00FF},     {-5, "-5%", "+5%", 0xFF, 0xFF0000},
                {-10, "-10%", "+10%", 0xFF, 0xFF0000},
            };
            const auto side = std::find_if(std::begin(sides), std::end(sides), [v](const auto& e) { return e.v == v; });
            ASSERT_NE(side, std::end(sides)) << a << ' ' << b << ' ' << v;
            const CounterDiagram d = counterDiagram(a, b);
            EXPECT_EQ(d.opponentCaption, side->opponent) << a << ' ' << b;
            EXPECT_EQ(d.ownCaption, side->own) << a << ' ' << b;
            EXPECT_EQ(d.opponentColour, side->opponentColour) << a << ' ' << b;
            EXPECT_EQ(d.ownColour, side->ownColour) << a << ' ' << b;
            // The own side's value is the table read the other way round.
            EXPECT_EQ(counterValue(b, a), -v) << a << ' ' << b;
        }
        // Captions, texts and colours take any int, the type's ends included.
        EXPECT_FALSE(counterCaption(a).empty());
        EXPECT_FALSE(counterTableText(a).empty());
        counterListColour(a);
        diagramColour(a);
        counterTableColour(a);
    }
    EXPECT_EQ(counterCaption(std::numeric_limits<int>::min()), "-2147483648%");
    EXPECT_EQ(counterCaption(std::numeric_limits<int>::max()), "+2147483647%");

    SelectionHighlight h;
    for (const int i : indexValues()) {
        const std::optional<int> before = h.current();
        const SelectionHighlight::Change c = h.choose(i);
        EXPECT_EQ(h.current(), i);
        if (before != i) {
            EXPECT_EQ(c.unmark, before);
            EXPECT_EQ(c.mark, i);
        }
    }
}
