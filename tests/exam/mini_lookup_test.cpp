#include "exam/mini_lookup.h"

#include <gtest/gtest.h>

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

} // namespace
