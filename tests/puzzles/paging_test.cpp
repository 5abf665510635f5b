// The pagers of the chest-quest and the 密道 windows at their edges: no hit, one hit, two
// hits and many, each walked to the end and back, with the presses of a disabled button.
#include "puzzles/chest_quest.h"
#include "puzzles/poem_quiz.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a pager shows: the text and whether each button is enabled.
struct Shown {
    std::string text;
    bool up = false;
    bool down = false;
};

// Walks a pager over `expected` (the texts of the hits, in order): first shown, then each
// press of "down" to the last, one press more, each press of "up" back to the first and
// one press more. A button that is disabled changes nothing.
template <typename Down, typename Up>
void walk(const Shown& first, Down down, Up up, const std::vector<std::string>& expected, const std::string& what)
{
    const int n = static_cast<int>(expected.size());
    const auto check = [&](const Shown& v, int pos, const char* step) {
        EXPECT_EQ(v.text, n == 0 ? std::string() : expected[static_cast<std::size_t>(pos)]) << what << step << pos;
        EXPECT_EQ(v.up, pos > 0) << what << step << pos;
        EXPECT_EQ(v.down, pos + 1 < n) << what << step << pos;
    };
    check(first, 0, " shown first at ");
    int pos = 0;
    check(up(), pos, " up at the first, at ");
    for (pos = 1; pos < n; ++pos)
        check(down(), pos, " down to ");
    pos = n > 0 ? n - 1 : 0;
    check(down(), pos, " down at the last, at ");
    for (--pos; pos >= 0; --pos)
        check(up(), pos, " up to ");
    check(up(), 0, " up at the first again, at ");
}

Shown fromChest(const puzzles::ChestView& v) { return {v.answer, v.upEnabled, v.downEnabled}; }
Shown fromPoem(const puzzles::PoemView& v) { return {v.shown, v.upEnabled, v.downEnabled}; }

} // namespace

TEST(Paging, ChestQuestAtZeroOneTwoAndManyHits)
{
    using puzzles::ChestLayout;
    struct Case {
        const char* keyword;
        std::vector<int> hits;
    } cases[] = {
        {"没有这一题", {}},
        {"1802", {13}},
        {"张衡", {13, 16}},
        {"沈括", {2, 3}},
        {"刘徽", {4, 8, 9, 10}},
        {"答案", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
    };
    for (ChestLayout layout : {ChestLayout::Tall, ChestLayout::Wide})
        for (const Case& c : cases) {
            std::vector<std::string> expected;
            for (int i : c.hits)
                expected.push_back(puzzles::chestQuizEntry(layout, i));
            puzzles::ChestSearch s(layout);
            s.search("答案"); // a search with many hits before
            s.pageDown();
            const Shown first = fromChest(s.search(c.keyword));
            walk(first, [&] { return fromChest(s.pageDown()); }, [&] { return fromChest(s.pageUp()); }, expected,
                 c.keyword);
        }
}

TEST(Paging, PoemSearchAtZeroOneTwoAndManyHits)
{
    struct Case {
        const char* query;
        bool nonConsecutive;
        std::vector<int> hits;
    } cases[] = {
        {"没有这样的字句", false, {}},
        {"漱玉", true, {28}},
        {"漱玉集", false, {28}},
        {"渔瓮", false, {356, 368}},
        {"瓮渔", true, {356, 368}},
        {"《长恨歌》", false, {176, 199, 203, 217, 276, 295, 306, 345, 366, 450}},
        {"歌恨长", true, {176, 199, 203, 217, 276, 295, 306, 345, 366, 450}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> expected;
        for (int i : c.hits)
            expected.push_back(puzzles::poemQuizTable()[static_cast<std::size_t>(i)]);
        puzzles::PoemSearch s;
        s.search("春", c.nonConsecutive); // a search with many hits before
        s.down();
        const Shown first = fromPoem(s.search(c.query, c.nonConsecutive));
        walk(first, [&] { return fromPoem(s.down()); }, [&] { return fromPoem(s.up()); }, expected, c.query);
        EXPECT_EQ(s.matches(), c.hits) << c.query;
    }
}
