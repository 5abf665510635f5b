// Every table lookup and the layer-experience calculator over the whole range of their
// parameter types: type edges, zero, negatives and ±1 around every table bound. Under the
// sanitizers a read past a table or a signed overflow aborts; the checks add what the
// results must obey whatever goes in.

#include "../../support/edges.h"
#include "reference/tables/base_values.h"
#include "reference/tables/cards.h"
#include "reference/tables/furniture.h"
#include "reference/tables/story.h"
#include "reference/tables/treasures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace tables;

namespace {

// Type edges plus every bound of the tables here, with their neighbours.
std::vector<int> indexValues()
{
    std::vector<int> v = test::edgeValues32();
    for (const int bound : {kOfficialRankCount, kEquipmentKindCount, kForgeSheetCount, kForgeRows, kCardCount,
                            kCardLevelCount, kMaterialCount, kFirstFurniture, kFurnitureCount,
                            kFirstFurniture + kFurnitureCount, kFurnitureSentinel, kStoryLineCount,
                            kStoryQuestCount, kStorySectionCount, kTreasureClassCount})
        for (const int d : {-1, 0, 1})
            v.push_back(bound + d);
    return v;
}

// What a run of the layer calculator does, at level 100, for the inputs whose outcome the
// rules settle without the layer table: empty texts, plain whole layers from -1 up, and held
// experience of 0, ±1, the top entry of 特级法宝 (70625500) and one more. Its timesPerDay is
// the times per day written, or "kept"; nullopt when the case is not one of these.
CultivationUpdate expectedRun(int cls, const std::string& from, const std::string& to, const std::string& held)
{
    CultivationUpdate r;
    if (from.empty() || to.empty() || held.empty()) {
        r.clear = true;
        r.timesPerDay = "kept";
        return r;
    }
    auto plain = [](const std::string& t) -> std::optional<long long> {
        if (t.empty() || t.size() > 9 || t.find_first_not_of("-0123456789") != std::string::npos ||
            t.find('-', 1) != std::string::npos || t == "-")
            return std::nullopt;
        return std::stoll(t);
    };
    const auto a = plain(from), b = plain(to), h = plain(held);
    if (!a || !b || !h || *a < -1 || *b < 0 || cls < 0 || cls > 2)
        return r;
    if (*a > *b) {
        r.clear = true;
        r.timesPerDay = "kept";
        return r;
    }
    r.timesPerDay = cls == 2 ? "0" : "10"; // level 100 reaches 60 and 90, not 110
    const int top = cls == 0 ? 9 : cls == 1 ? 12 : 15;
    if (*a > top || *b > top) {
        r.clear = true;
        return r;
    }
    // The to-layer's own entry against the experience held: layer 0's entry is 0, every
    // other is at least 199452, and only 特级法宝's layer 15 reaches 70625500.
    bool enough = false;
    if (*h <= 0)
        enough = true;
    else if (*h == 1)
        enough = *b >= 1;
    else if (*h == 70625500)
        enough = cls == 2 && *b == 15;
    else if (*h == 70625501)
        enough = false;
    else
        return {};
    r.clear = !enough;
    if (enough)
        r.needed = "";
    return r;
}

} // namespace

TEST(TablesTotality, RankContribution)
{
    // Inside 1 … 43 a contribution is positive and never falls as the rank rises; outside, 0.
    int previous = 0;
    for (int row = 1; row <= kOfficialRankCount; ++row) {
        const int c = rankContribution(row);
        EXPECT_GE(c, previous) << row;
        EXPECT_GT(c, 0) << row;
        previous = c;
    }
    for (const int row : indexValues())
        if (row < 1 || row > kOfficialRankCount) {
            EXPECT_EQ(rankContribution(row), 0) << row;
        }
}

TEST(TablesTotality, ForgeSheets)
{
    for (const int sheet : indexValues()) {
        const ForgeSheetCells cells = forgeSheetCells(sheet);
        if (sheet < 0 || sheet >= kForgeSheetCount) {
            EXPECT_TRUE(cells[0][0].empty()) << sheet;
        }
        for (const int row : indexValues())
            for (const int attr : {std::numeric_limits<int>::min(), -1, 0, 1, 2, std::numeric_limits<int>::max()}) {
                const int plain = forgePlainValue(sheet, row, attr);
                const int strong = forgeStrengthenedValue(sheet, row, attr);
                const bool inside = sheet >= 0 && sheet < kForgeSheetCount && row >= 0 && row < kForgeRows &&
                                    attr >= 0 && attr <= 1;
                if (!inside) {
                    EXPECT_EQ(plain, 0) << sheet << ' ' << row << ' ' << attr;
                    EXPECT_EQ(strong, 0) << sheet << ' ' << row << ' ' << attr;
                }
                EXPECT_GE(plain, 0);
                EXPECT_GE(strong, plain); // strengthening adds 5 %, never takes away
            }
    }
}

TEST(TablesTotality, CardsFurnitureStory)
{
    for (const int i : indexValues()) {
        const auto list = cardLevelList(i);
        if (i < 0 || i >= kCardLevelCount) {
            EXPECT_TRUE(list.empty()) << i;
        }
        for (const TransformationCardRecord& c : list)
            EXPECT_EQ(c.level, i + 1) << i;

        const FurnitureDiagram d = furnitureDiagram(i);
        const std::string_view caption = furnitureCaption(i);
        if (i < 0 || i >= kFirstFurniture + kFurnitureCount) {
            EXPECT_EQ(d.kind, FurnitureDiagram::Kind::Nothing) << i;
            EXPECT_TRUE(caption.empty()) << i;
        } else {
            EXPECT_FALSE(caption.empty()) << i;
        }

        const int quest = storyQuestOfLine(i);
        EXPECT_GE(quest, -1) << i;
        EXPECT_LT(quest, kStoryQuestCount) << i;
        if (quest >= 0) {
            EXPECT_EQ(kStoryQuests[static_cast<std::size_t>(quest)].line, i);
        }
        for (const int section : indexValues()) {
            const bool inside = i >= 0 && i < kStoryQuestCount && section >= 0 && section < kStorySectionCount;
            EXPECT_EQ(storyHeading(i, section).empty(), !inside) << i << ' ' << section;
            EXPECT_EQ(storySectionText(i, section).empty(), !inside) << i << ' ' << section;
        }

        const bool treasure = i >= 0 && i < kTreasureClassCount;
        EXPECT_EQ(treasureCatalogue(i).empty(), !treasure) << i;
        EXPECT_EQ(realmNames(i).empty(), !treasure) << i;
        EXPECT_EQ(sceneGroups(i).empty(), !treasure) << i;
        EXPECT_EQ(treasureLayerExpTable(i).empty(), !treasure) << i;
        if (treasure) {
            const int top = kTreasureClasses[static_cast<std::size_t>(i)].topLayer;
            EXPECT_EQ(treasureLayerExpTable(i).size(), static_cast<std::size_t>(top) + 1) << i;
            EXPECT_EQ(realmNames(i).size(), static_cast<std::size_t>(top) + 1) << i;
        }
    }
    // A recipe with slots outside the material table counts only the slots inside it.
    FurnitureRecipe odd = kFurniture[0];
    odd.materials = {std::numeric_limits<std::int8_t>::min(), kMaterialCount, 0,
                     std::numeric_limits<std::int8_t>::max()};
    EXPECT_EQ(recipeTotal(odd), kMaterials[0].price);
}

TEST(TablesTotality, CultivationRun)
{
    // Layer texts: every edge, the class tops ±1, fractions that round across a bound.
    std::vector<std::string> layers = {"", "-0.5", "-0.6", "0.5", "8.5", "9.4", "9.5", "12.5", "15.4", "15.5",
                                       "1e999", "-1e999", "1e308", "-1e308", "&HFFFFFFFFFFFFFFFF", "abc"};
    for (const std::int64_t v : test::fewValues64())
        layers.push_back(std::to_string(v));
    for (const int v : {-2, -1, 2, 8, 9, 11, 12, 13, 14, 15, 16})
        layers.push_back(std::to_string(v));
    const std::vector<std::string> held = {"", "0", "-1", "1", "1e308", "-1e308", "1e999", "70625500",
                                           "70625501", "9223372036854775808"};
    const std::vector<std::string> levels = {"", "0", "-1", "59", "60", "155", "156", "1e308", "-1e308", "1e999"};
    for (const int cls : {std::numeric_limits<int>::min(), -1, 0, 1, 2, 3, std::numeric_limits<int>::max()})
        for (const std::string& from : layers)
            for (const std::string& to : layers)
                for (const std::string& h : held) {
                    const CultivationUpdate u = cultivationRun(cls, from, to, h, "100");
                    EXPECT_EQ(u.clear, !u.needed.has_value()) << cls << ' ' << from << ' ' << to << ' ' << h;
                    const CultivationUpdate want = expectedRun(cls, from, to, h);
                    if (want.timesPerDay) { // the case is one the rules settle
                        EXPECT_EQ(u.clear, want.clear) << cls << ' ' << from << ' ' << to << ' ' << h;
                        EXPECT_EQ(u.needed.has_value(), want.needed.has_value())
                            << cls << ' ' << from << ' ' << to << ' ' << h;
                        EXPECT_EQ(u.timesPerDay.value_or("kept"), *want.timesPerDay)
                            << cls << ' ' << from << ' ' << to << ' ' << h;
                    }
                    if (u.needed) {
                        // Below nothing only by experience held on a layer raised to itself
                        // (the held amount is never more than the to-layer's own entry, so
                        // a real climb stays at 0 or above); never more than the whole ladder.
                        if (u.needed->front() == '-') {
                            EXPECT_GT(std::strtod(h.c_str(), nullptr), 0.0) << from << ' ' << to << ' ' << h;
                        }
                        const auto table = treasureLayerExpTable(cls);
                        std::int64_t all = 0;
                        for (const std::int32_t e : table)
                            all += e;
                        if (h != "-1e308" && h != "-1") {
                            EXPECT_LE(std::stod(*u.needed), static_cast<double>(all)) << from << ' ' << to;
                        }
                    }
                }
    for (const int cls : {-1, 0, 1, 2, 3})
        for (const std::string& level : levels) {
            const CultivationUpdate u = cultivationRun(cls, "0", "1", "0", level);
            if (u.timesPerDay) {
                const double times = std::stod(*u.timesPerDay);
                EXPECT_GE(times, 0) << level;
                EXPECT_LE(times, 15) << level; // at most level 155 / 10
            }
        }
}
