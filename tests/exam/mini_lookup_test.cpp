#include "exam/mini_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

exam::MiniLookup sample()
{
    return exam::MiniLookup({
        {"历史知识", "刘徽注释了哪部算书？", "九章算术"},
        {"古代常识", "“三纲五常”中的五常不包括？", "忠"},
        {"历史知识", "刘徽是哪个朝代的人？", "魏晋"},
        {"诗词对联", "(刘徽)割圆术求的是什么？", "圆周率"},
        {"其它题目", "Abc 与 abc", "大小写"},
    });
}

TEST(MiniLookup, ThreeHitsPageWithinTheirBounds)
{
    exam::MiniLookup m = sample();
    m.setKeyword("刘徽");
    EXPECT_EQ(m.hitTotal(), 3);
    EXPECT_EQ(m.shownNumber(), 1);
    EXPECT_EQ(m.question(), "刘徽注释了哪部算书？");
    EXPECT_EQ(m.answer(), "九章算术");
    EXPECT_FALSE(m.canPrevious());
    EXPECT_TRUE(m.canNext());
    m.next();
    m.next();
    EXPECT_EQ(m.shownNumber(), 3);
    EXPECT_EQ(m.answer(), "圆周率");
    EXPECT_FALSE(m.canNext());
    EXPECT_TRUE(m.canPrevious());
    m.next(); // disabled: nothing
    EXPECT_EQ(m.shownNumber(), 3);
    m.previous();
    EXPECT_EQ(m.shownNumber(), 2);
    EXPECT_TRUE(m.canNext());
    EXPECT_TRUE(m.canPrevious());
    m.previous();
    m.previous();
    EXPECT_EQ(m.shownNumber(), 1);
    EXPECT_FALSE(m.canPrevious());
}

TEST(MiniLookup, OneHitNoHitAndIgnoredKeywords)
{
    struct Case {
        const char* keyword;
        int total;
        int shown;
        const char* answer;
    } cases[] = {
        {"五常", 1, 1, "忠"},
        {"不在题库", 0, 0, ""},
        {"", 0, 0, ""},
        {"（", 0, 0, ""},  // full-width: ignored here
        {"(", 1, 1, "圆周率"}, // ASCII: searched
        {"？", 0, 0, ""},
        {" ", 0, 0, ""},
        {"Abc", 1, 1, "大小写"}, // case counts
        {"ABC", 0, 0, ""},
    };
    for (const Case& c : cases) {
        exam::MiniLookup m = sample();
        m.setKeyword("刘徽"); // a previous keyword's hits must not linger
        m.setKeyword(c.keyword);
        EXPECT_EQ(m.hitTotal(), c.total) << c.keyword;
        EXPECT_EQ(m.shownNumber(), c.shown) << c.keyword;
        EXPECT_EQ(m.answer(), c.answer) << c.keyword;
        EXPECT_FALSE(m.canPrevious()) << c.keyword;
        EXPECT_FALSE(m.canNext()) << c.keyword;
        EXPECT_FALSE(m.pagingOn()) << c.keyword;
    }
}

// The counter, the two buttons and the question shown, at no hit, one, two and many:
// 下翻 to the last hit, once more, 上翻 back to the first and once more.
TEST(MiniLookup, PagingAtZeroOneTwoAndManyHits)
{
    exam::MiniLookup m({
        {"历史知识", "甲一", "答一"},
        {"历史知识", "乙二", "答二"},
        {"历史知识", "甲三", "答三"},
        {"历史知识", "丙四", "答四"},
        {"历史知识", "甲五乙", "答五"},
        {"历史知识", "甲六", "答六"},
        {"历史知识", "甲七", "答七"},
    });
    struct Case {
        const char* keyword;
        std::vector<std::string> answers;
    } cases[] = {
        {"丁", {}},
        {"丙", {"答四"}},
        {"乙", {"答二", "答五"}},
        {"甲", {"答一", "答三", "答五", "答六", "答七"}},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.answers.size());
        const auto check = [&](int pos, const char* step) {
            EXPECT_EQ(m.hitTotal(), n) << c.keyword << step << pos;
            EXPECT_EQ(m.shownNumber(), n == 0 ? 0 : pos + 1) << c.keyword << step << pos;
            EXPECT_EQ(m.answer(), n == 0 ? "" : c.answers[static_cast<std::size_t>(pos)]) << c.keyword << step << pos;
            EXPECT_EQ(m.canPrevious(), pos > 0) << c.keyword << step << pos;
            EXPECT_EQ(m.canNext(), pos + 1 < n) << c.keyword << step << pos;
            EXPECT_EQ(m.pagingOn(), n >= 2) << c.keyword << step << pos;
        };
        m.setKeyword("甲"); // a keyword with many hits before, paged on
        m.next();
        m.setKeyword(c.keyword);
        check(0, " shown first at ");
        m.previous();
        check(0, " 上翻 at the first, at ");
        int pos = 1;
        for (; pos < n; ++pos) {
            m.next();
            check(pos, " 下翻 to ");
        }
        pos = n > 0 ? n - 1 : 0;
        m.next();
        check(pos, " 下翻 at the last, at ");
        for (--pos; pos >= 0; --pos) {
            m.previous();
            check(pos, " 上翻 to ");
        }
        m.previous();
        check(0, " 上翻 at the first again, at ");
    }
}

} // namespace
