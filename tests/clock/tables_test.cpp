// The clock's fixed tables against the published rows: the double hours in dial order,
// the trade phases, the towns' buy limits, and the ready-made pictures of the sender.
#include "clock/game_clock.h"
#include "clock/hotkey.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace tradeclock;

TEST(ClockTables, DoubleHoursInDialOrder)
{
    const std::string_view order[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戍", "亥"};
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(DoubleHourTable[k], order[k]) << k;
}

TEST(ClockTables, TradePhases)
{
    const std::string_view current[] = {"子", "辰", "申"};
    const std::string_view next[] = {"辰", "申", "子"};
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(TradePhaseTable[p].current, current[p]) << p;
        EXPECT_EQ(TradePhaseTable[p].next, next[p]) << p;
    }
}

TEST(ClockTables, BuyLimits)
{
    const std::string_view towns[] = {"地府", "傲来", "北俱", "长寿", "长安"};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(BuyLimitTable[i].town, towns[i]) << i;
    using L = std::array<std::string_view, 3>;
    EXPECT_EQ(BuyLimitTable[0].lines, (L{"首饰  <= 4300  可进", "纸钱  <= 3000  可进", "夜明珠<= 8000  可进"}));
    EXPECT_EQ(BuyLimitTable[4].lines, (L{"佛珠  <= 7000  可进", "扇子  <= 3800  可进", "武器  <= 4000  可进"}));
    EXPECT_EQ(BuyLimitTable[1].lines[1], "酒    <= 3500  可进");
    EXPECT_EQ(BuyLimitTable[1].lines[2], "蜡烛  <= 1800  可进");
    EXPECT_EQ(BuyLimitTable[2].lines[0], "人参  <= 7500  可进");
    EXPECT_EQ(BuyLimitTable[3].lines[2], "符    <= 5000  可进");
}

TEST(ClockTables, ReadyMadePictures)
{
    EXPECT_EQ(TextPictureTable[0], U"\u3000\u3000╭LOVE╮\u3000\u3000∑-╲╳╱→");
    EXPECT_EQ(TextPictureTable[1], U"▅█▅▅▅█▅▅█▅  ▅█▅█▅█  █▅█▅█▅▅▅█▅▅█▅  ▅█▅█▅█  █▅█");
    EXPECT_EQ(TextPictureTable[2],
              U"┌──┬──┐│文字│文字│├──┼──┤│文字│文字│├──┼──┤│文字│文字│├──┼──┤│文字│文字│└──┴──┘");
}
