// The 密道 poem search and the chest-quest search over all of Unicode: the ignore list
// holds full-width marks only, every comparison is exact (no folding of width or case),
// and characters outside the Basic Multilingual Plane are whole characters.
#include "puzzles/chest_quest.h"
#include "puzzles/poem_quiz.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The 44 quiz items whose question ends with an ASCII "?".
const std::vector<int> kAsciiQuestionMark = {460, 464, 469, 470, 471, 473, 478, 479, 480, 484, 509,
                                             517, 518, 519, 529, 534, 538, 539, 547, 552, 572, 582,
                                             583, 584, 590, 592, 594, 602, 606, 607, 609, 610, 612,
                                             613, 615, 623, 626, 641, 642, 674, 678, 684, 699, 747};

std::vector<int> browsed(puzzles::PoemSearch& s, std::string_view query, bool nonConsecutive)
{
    s.search(query, nonConsecutive);
    return s.matches();
}

} // namespace

TEST(PoemSearchUnicode, FullWidthMarksAreIgnoredAndTheirAsciiFormsSearched)
{
    struct Case {
        const char* query;
        bool ignored;
        std::vector<int> hits; // in either mode
    } cases[] = {
        {"，", true, {}},  {",", false, {}},
        {"：", true, {}},  {":", false, {}},
        {"（", true, {}},  {"(", false, {394, 611}}, // 《苏幕遮》(范仲淹) and 孙悟空…？(答案：菩提祖师）
        {"）", true, {}},  {")", false, {394}},
        {"？", true, {}},  {"?", false, kAsciiQuestionMark},
        {"【", true, {}},  {"[", false, {}},
        {"】", true, {}},  {"]", false, {}},
        {"。", true, {}},  {".", false, {}},
        {" ", true, {}},   {"　", false, {}}, // the ideographic blank is no ASCII blank
    };
    puzzles::PoemSearch s;
    for (const Case& c : cases) {
        EXPECT_EQ(puzzles::isIgnoredQuery(c.query), c.ignored) << c.query;
        for (bool nonConsecutive : {false, true}) {
            s.search("围棋", nonConsecutive); // a search with hits before
            EXPECT_EQ(browsed(s, c.query, nonConsecutive), c.hits) << c.query << " " << nonConsecutive;
        }
    }
}

TEST(PoemSearchUnicode, WidthAndCaseAreNeverFolded)
{
    struct Case {
        const char* query;
        std::vector<int> consecutive;
        std::vector<int> nonConsecutive;
    } cases[] = {
        {"PrintScreen", {453}, {}}, // eleven characters: too many for the other mode
        {"printscreen", {}, {}},
        {"ＰｒｉｎｔＳｃｒｅｅｎ", {}, {}},
        {"Alt+e", {664}, {664}},
        {"ALT+E", {}, {}},
        {"Ａｌｔ＋ｅ", {}, {}},
        {"e键", {}, {453, 664}},
        {"ｅ键", {}, {}},
        {"E键", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(puzzles::findConsecutive(c.query), c.consecutive) << c.query;
        EXPECT_EQ(puzzles::findNonConsecutive(c.query), c.nonConsecutive) << c.query;
    }
}

TEST(PoemSearchUnicode, AstralCharactersAreWholeCharacters)
{
    // No entry holds a character beyond U+FFFF, so a query with one finds nothing, in
    // either mode and wherever it stands; its bytes never match parts of other characters.
    for (const char* query : {"😀", "𠀀", "李白😀", "😀李白", "汪😀伦", "𠀀汪伦李白", "汪伦李白𠀀"}) {
        EXPECT_TRUE(puzzles::findConsecutive(query).empty()) << query;
        EXPECT_TRUE(puzzles::findNonConsecutive(query).empty()) << query;
    }
    // Four-byte characters count one each: five characters with the astral one removed
    // again find what the four alone find.
    puzzles::PoemSearch s;
    EXPECT_EQ(browsed(s, "汪伦李白", true), std::vector<int>{0});
    EXPECT_TRUE(browsed(s, "汪伦李白😀", true).empty());
    EXPECT_EQ(browsed(s, "汪伦李白", true), std::vector<int>{0});
}

TEST(ChestSearchUnicode, EveryCharacterIsSearchedAsItIs)
{
    struct Case {
        const char* keyword;
        std::vector<int> hits;
    } cases[] = {
        {"（", {0, 4, 6, 8, 13}}, // no ignore list in this window: full-width marks are searched
        {"(", {}},
        {"，", {0, 4, 6, 7, 9, 12, 13, 15}},
        {",", {}},
        {"：", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {":", {}},
        {"M.Ricci", {6}},
        {"Ｍ.Ｒｉｃｃｉ", {}},
        {"ｍ", {}},
        {"246", {0}},
        {"２４６", {}},
        {"😀", {}},
        {"刘徽😀", {}},
    };
    for (const Case& c : cases) {
        puzzles::ChestSearch s(puzzles::ChestLayout::Wide);
        puzzles::ChestView v = s.search(c.keyword);
        std::vector<int> hits;
        // Bounded by the table's size, so a ↓ that never turns off fails instead of hanging.
        for (int shown = 0; !v.answer.empty() && shown <= puzzles::kChestQuizSize; ++shown) {
            for (int i = 0; i < puzzles::kChestQuizSize; ++i)
                if (puzzles::chestQuizEntry(puzzles::ChestLayout::Wide, i) == v.answer)
                    hits.push_back(i);
            if (!v.downEnabled)
                break;
            v = s.pageDown();
        }
        EXPECT_EQ(hits, c.hits) << c.keyword;
    }
}
