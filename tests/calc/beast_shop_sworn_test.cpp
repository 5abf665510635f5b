#include "calc/beast_shop.h"
#include "calc/sworn_title.h"

#include <gtest/gtest.h>

using namespace calc;

TEST(BeastShop, NewShopCost)
{
    struct Case {
        const char* index;
        const char* counters;
        const char* cost;
    };
    const Case cases[] = {
        {"100", "1", "61.8"}, {"100", "10", "618"}, {"0", "5", "0"},      {"999", "10", "6173.82"},
        {"050", "3", "92.7"}, {"", "3", "0"},       {"100", "11", "0"},   {"100", "", "0"},
        {"100", "0", "0"},    {"7", "1", "4.326"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(newShopCost(c.index, c.counters), c.cost) << c.index << " × " << c.counters;
}

TEST(BeastShop, FieldWarnings)
{
    EXPECT_EQ(shopIndexWarning(""), kMsgShopIndexEmpty);
    EXPECT_EQ(shopIndexWarning("0"), "");
    struct Case {
        const char* text;
        std::string_view warning;
    };
    const Case counters[] = {{"", kMsgShopCountersEmpty}, {"11", kMsgShopCountersOver}, {"10", ""}, {"0", ""}};
    for (const Case& c : counters)
        EXPECT_EQ(shopCountersWarning(c.text), c.warning) << c.text;

    struct FieldCase {
        int index;
        const char* text;
        const char* total;
        std::string_view warning;
    };
    const FieldCase fields[] = {
        {1, "", "0", "总柜台数不能为空！"},
        {1, "12", "0", "总柜台数不能大于10！"},
        {1, "10", "0", ""},
        {2, "", "5", "营业中柜台数不能为空！"},
        {2, "11", "20", "营业中柜台数不能大于10！"},
        {2, "6", "5", kMsgShopOpenOverTotal},
        {2, "5", "5", ""},
        {3, "", "5", "营业总时间不能为空！"},
        {3, "9999", "5", ""},
        {4, "", "5", "平均单价不能为空！"},
        {5, "", "5", "补店次数不能为空！"},
        {6, "", "5", "额外支出不能为空！"},
        {0, "", "5", ""},
        {7, "", "5", ""},
    };
    for (const FieldCase& c : fields)
        EXPECT_EQ(budgetFieldWarning(c.index, c.text, c.total), c.warning) << c.index << ":" << c.text;
}

TEST(BeastShop, ChargedDays)
{
    const std::pair<std::int64_t, int> cases[] = {{0, 1}, {1, 1}, {24, 1}, {25, 2}, {48, 2}, {49, 3}, {9999, 417}};
    for (const auto& [hours, days] : cases)
        EXPECT_EQ(chargedDays(hours), days) << hours;
}

TEST(BeastShop, Budget)
{
    struct Case {
        std::array<std::string_view, 7> fields; // I, T, O, H, P, R, X
        std::string_view warning;
        std::array<const char*, 4> figures;
    };
    const Case cases[] = {
        {{"100", "5", "5", "24", "1000", "2", "10000"}, "", {"150.00", "16.00", "49.32", "-34.32"}},
        {{"0", "0", "0", "0", "0", "0", "0"}, "", {"0.00", "0.00", "0.00", "0.00"}},
        // one counter: rate 0.056; 1 × 16 × 100 × 0.056 / 10000 = 0.00896 → 0.01
        {{"0", "1", "1", "0", "100", "0", "0"}, "", {"0.00", "0.00", "0.01", "-0.01"}},
        // 0 hours count as one day: 1 × 500 × 1 × 1 / 10000 = 0.05
        {{"1", "1", "0", "0", "0", "0", "0"}, "", {"0.30", "0.00", "0.05", "-0.05"}},
        // half a hundredth rounds away from zero: -0.005 → -0.01
        {{"0", "0", "0", "0", "0", "0", "50"}, "", {"0.00", "0.00", "0.00", "-0.01"}},
        {{"0", "0", "0", "0", "0", "0", "49"}, "", {"0.00", "0.00", "0.00", "0.00"}},
        // the largest inputs stay exact
        {{"999", "10", "10", "9999", "99999", "99", "999999"},
         "",
         {"2997.00", "158398.42", "408103.52", "-249805.10"}},
        {{"100", "4", "5", "24", "1000", "2", "0"}, kMsgShopOpenOverTotal, {"0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        const BudgetResult r = shopBudget(c.fields);
        EXPECT_EQ(r.warning, c.warning) << c.fields[0];
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(r.figures[i], c.figures[i]) << c.fields[0] << " figure " << i;
    }
}

TEST(SwornTitle, Builds)
{
    struct Case {
        const char *a, *b, *c, *d;
        std::string_view warning;
        const char* title;
    };
    const Case cases[] = {
        {"东", "灵", "三", "西", "", "金兰之东灵三西"},
        {" ", "天", "双", " ", "", "金兰之 天双 "},
        {"东", "", "三", "西", kMsgSwornIncomplete, ""},
        {"东", "灵", "", "西", kMsgSwornIncomplete, ""},
        {"", "灵", "三", "西", kMsgSwornIncomplete, ""},
        {"东", "灵", "三", "", kMsgSwornIncomplete, ""},
    };
    for (const Case& c : cases) {
        const SwornTitle t = swornTitle(c.a, c.b, c.c, c.d);
        EXPECT_EQ(t.warning, c.warning);
        EXPECT_EQ(t.title, c.title);
    }
    // The picker's characters, in order, each a single CJK character (three bytes of UTF-8).
    std::string joined;
    for (std::string_view ch : kSwornTitleChars) {
        EXPECT_EQ(ch.size(), 3u) << ch;
        joined += ch;
    }
    EXPECT_EQ(joined, "灵天地世界宵云山神煞魔怪王星幻者童师尘风绝奇夜谷仙姝侠雄君圣精");
}
