#include "reference/skills/formations.h"

#include <gtest/gtest.h>

using namespace skills;

namespace {

// The counter table as the formation reference prints it: row meets column.
constexpr int kTable[9][9] = {
    {0, -5, +5, -5, +5, -5, +5, -5, +5},      {+5, 0, +10, -10, -5, +10, -5, +5, -10},
    {-5, -10, 0, +10, +5, -5, +10, -10, +5},  {+5, +10, -10, 0, -5, -5, -10, +10, +5},
    {-5, +5, -5, +5, 0, -10, -10, +10, +10},  {+5, -10, +5, +5, +10, 0, -5, -5, -5},
    {-5, +5, -10, +10, +10, +5, 0, -10, -5},  {+5, -5, +10, -10, -10, +5, +10, 0, -5},
    {-5, +10, -5, -5, -10, +5, +5, +5, 0},
};

} // namespace

TEST(Formations, EveryPairMatchesTheTableAndMirrorsIt)
{
    int fives = 0, tens = 0;
    for (int a = 0; a < 9; ++a)
        for (int b = 0; b < 9; ++b) {
            EXPECT_EQ(counterValue(a, b), kTable[a][b]) << a << "," << b;
            EXPECT_EQ(counterValue(a, b), -counterValue(b, a));
            if (a < b) {
                fives += counterValue(a, b) == 5 || counterValue(a, b) == -5;
                tens += counterValue(a, b) == 10 || counterValue(a, b) == -10;
            }
        }
    EXPECT_EQ(fives, 22);
    EXPECT_EQ(tens, 14);
}

TEST(Formations, IndexOutsideTheNineCountsNothing)
{
    for (int bad : {-1, 9, 32767, -32768}) {
        EXPECT_EQ(counterValue(bad, 0), 0);
        EXPECT_EQ(counterValue(3, bad), 0);
        EXPECT_EQ(formationDescription(bad), "");
        EXPECT_EQ(formationNameLabel(bad), "");
    }
}

TEST(Formations, Descriptions)
{
    EXPECT_EQ(formationDescription(0), "【普通阵】\r\n普通的一字阵形，没有什么特别效果");
    EXPECT_EQ(formationDescription(1), "【天覆阵】：攻击型阵法。\r\n"
                                       "①对敌人任何伤害结果+20%,速度-10%\r\n②对敌人任何伤害结果+20%,速度-10%\r\n"
                                       "③对敌人任何伤害结果+20%,速度-10%\r\n④对敌人任何伤害结果+20%,速度-10%\r\n"
                                       "⑤对敌人任何伤害结果+20%,速度-10%");
    EXPECT_EQ(formationDescription(5), "【龙飞阵】：全能型阵法。\r\n①受到法术伤害结果-20%\r\n②受到物理伤害结果-20%\r\n"
                                       "③法术对敌伤害+30%,速度-30%\r\n④速度+15%\r\n⑤对敌人物理攻击伤害+20%");
    EXPECT_EQ(formationDescription(2).substr(0, formationDescription(2).find('\r')), "【地截阵】：防御型阵法。");
    EXPECT_EQ(formationNameLabel(6), "【虎翼阵】");
    // Every description but 普通阵's has six lines.
    for (int i = 1; i < 9; ++i) {
        const std::string d = formationDescription(i);
        int lines = 1;
        for (std::size_t p = d.find("\r\n"); p != std::string::npos; p = d.find("\r\n", p + 2))
            ++lines;
        EXPECT_EQ(lines, 6) << i;
    }
}

TEST(Formations, TheTableViewWritesTheThirdOneDifferently)
{
    EXPECT_EQ(formations()[2].caption, "地截阵");
    EXPECT_EQ(formationTableName(2), "地载阵");
    EXPECT_EQ(formationTableName(8), "蛇蟠阵");
    EXPECT_NE(std::string(counterTableExplanation()).find("地载阵"), std::string::npos);
}

TEST(Formations, ListColoursOfTheWorkedExample)
{
    // 天覆阵 chosen as the opponent: the own-side list as the worked example colours it.
    const std::uint32_t expected[9] = {0xFF5050, 0x80000012, 0xC00000, 0xFF,    0xFF00FF,
                                       0xC00000, 0xFF00FF,   0xFF5050, 0xFF};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(counterListColour(counterValue(1, k)), expected[k]) << k;
}

TEST(Formations, DiagramForAPair)
{
    struct Case {
        int opponent, own;
        const char* opponentCaption;
        std::uint32_t opponentColour;
        const char* ownCaption;
        std::uint32_t ownColour;
    } const cases[] = {
        {1, 2, "+10%", 0xFF0000, "-10%", 0xFF},   // worked example
        {1, 0, "+5%", 0xFF0000, "-5%", 0xFF},     // before any own choice
        {0, 1, "-5%", 0xFF, "+5%", 0xFF0000},     // own 天覆阵 against 普通阵
        {3, 1, "+10%", 0xFF0000, "-10%", 0xFF},   // opponent 风扬阵, own 天覆阵
        {1, 3, "-10%", 0xFF, "+10%", 0xFF0000},   // swapped
        {7, 7, "0", 0xFF00FF, "0", 0xFF00FF},     // the same formation
    };
    for (const Case& c : cases) {
        const CounterDiagram d = counterDiagram(c.opponent, c.own);
        EXPECT_EQ(d.opponentCaption, c.opponentCaption);
        EXPECT_EQ(d.opponentColour, c.opponentColour);
        EXPECT_EQ(d.ownCaption, c.ownCaption);
        EXPECT_EQ(d.ownColour, c.ownColour);
    }
}

TEST(Formations, LegendText)
{
    EXPECT_EQ(colourLegendText(), "阵法颜色说明(右边):\r\n黑色即互为不克制(同一阵法)\r\n深蓝色为左克制右+10%\r\n"
                                  "浅蓝色为左克制右+5%\r\n红色为左被克制-10%\r\n粉红色为左被克制-5%\r\n");
}

TEST(Formations, TableViewCells)
{
    struct Case {
        int value;
        const char* text;
        std::uint32_t colour;
    } const cases[] = {{10, "10%", 0xFF0000}, {5, "5%", 0xFF0000}, {0, "0", 0x008000}, {-5, "-5%", 0xFF}, {-10, "-10%", 0xFF}};
    for (const Case& c : cases) {
        EXPECT_EQ(counterTableText(c.value), c.text);
        EXPECT_EQ(counterTableColour(c.value), c.colour);
    }
}

// The bonuses of the formations not written out above: the last one whole, and the
// places whose figures differ inside one formation.
TEST(Formations, BonusesOfTheOtherFormations)
{
    EXPECT_EQ(formationDescription(8), "【蛇蟠阵】：灵力型阵法。\r\n①抵御敌人法术的几率+15%\r\n②抵御敌人法术的几率+15%\r\n"
                                       "③抵御敌人法术的几率+15%\r\n④抵御敌人法术的几率+15%\r\n⑤抵御敌人法术的几率+15%");
    EXPECT_EQ(formationDescription(3), "【风扬阵】：攻速型阵法。\r\n①对敌人的任何伤害结果+20%\r\n②对敌人的任何伤害结果+10%\r\n"
                                       "③对敌人的任何伤害结果+10%\r\n④速度+10%\r\n⑤速度+10%");
    EXPECT_EQ(formationDescription(4), "【云垂阵】：防速型阵法。\r\n①受到任何伤害结果-40%,速度-30%\r\n②受到任何伤害结果-10%\r\n"
                                       "③受到任何伤害结果-10%\r\n④速度+10%\r\n⑤速度+10%");
    EXPECT_EQ(formationDescription(6), "【虎翼阵】：攻击型阵法。\r\n①对敌人任何伤害结果+25%\r\n②受到的任何伤害结果-10%\r\n"
                                       "③受到的任何伤害结果-10%\r\n④对敌人任何伤害结果+10%\r\n⑤对敌人任何伤害结果+10%");
    EXPECT_EQ(formationDescription(7), "【鸟翔阵】：全速型阵法。\r\n①速度+20%\r\n②速度+20%\r\n③速度+20%\r\n④速度+20%\r\n⑤速度+20%");
}
