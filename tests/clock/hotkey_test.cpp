// The hot-key sender's line: channel, style and colour codes, custom colours, the message
// pieces, the palette and the pictures.
#include "clock/hotkey.h"

#include <gtest/gtest.h>

using namespace tradeclock;

TEST(Hotkey, EveryChannelHasItsCode)
{
    const char* expected[][2] = {{"当前", "//c"}, {"队伍", "//t"}, {"帮派", "//b"}, {"夫妻", "//f"},
                                 {"私聊", "//m"}, {"世界", "//w"}, {"门派", "//s"}, {"传闻", "//r"}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ChannelPrefixTable[static_cast<std::size_t>(i)].name, expected[i][0]);
        EXPECT_EQ(channelCode(i, "//x"), expected[i][1]);
    }
    EXPECT_EQ(channelCode(-1, "//t"), "//t");
    EXPECT_EQ(channelCode(8, "//t"), "//t");
}

TEST(Hotkey, StyleFollowsTheTickedBoxes)
{
    // Each step: the box clicked and the boxes after the click (normal, blink, underline),
    // then the boxes and the code that result.
    struct Step {
        int index;
        StyleBoxes after;
        StyleBoxes boxes;
        const char* code;
    } steps[] = {
        {1, {true, true, false}, {false, true, false}, "#b"},      // 闪烁: 正常 goes
        {2, {false, true, true}, {false, true, true}, "#u#b"},     // 下划线 too
        {1, {false, false, true}, {false, false, true}, "#u"},     // 闪烁 cleared
        {2, {false, false, false}, {false, false, false}, "#n"},   // none ticked
        {0, {false, false, false}, {false, false, false}, "#n"},   // clearing 正常 keeps the code
        {2, {false, false, true}, {false, false, true}, "#u"},
        {0, {true, false, true}, {true, false, false}, "#n"},      // 正常 clears the others
        {2, {true, false, true}, {false, false, true}, "#u"},
        {0, {false, false, true}, {false, false, true}, "#u"},     // a click clearing 正常 changes nothing
        {1, {false, true, true}, {false, true, true}, "#u#b"},     // 闪烁 ticked while 下划线 is on
        {2, {false, true, false}, {false, true, false}, "#b"},     // 下划线 cleared while 闪烁 is on
        {2, {false, true, true}, {false, true, true}, "#u#b"},
        {0, {true, true, true}, {true, false, false}, "#n"},       // 正常 clears both
        {2, {true, false, true}, {false, false, true}, "#u"},      // so 下划线 comes alone
    };
    std::string code; // "" until the first click
    for (const Step& s : steps) {
        const StyleChoice c = clickStyle(s.after, s.index, code);
        EXPECT_EQ(c.boxes, s.boxes) << s.index << " " << s.code;
        EXPECT_EQ(c.code, s.code) << s.index;
        code = c.code;
    }
}

TEST(Hotkey, CustomColours)
{
    struct Case {
        const char* digits;
        const char* code;
        std::uint32_t preview;
    } cases[] = {
        {"", "", 0x000000},
        {"8f", "#c00008f", 0x00008F},
        {"ff", "#c0000ff", 0x0000FF},      // red
        {"ff0000", "#cff0000", 0xFF0000},  // blue
        {"c000", "#c00c000", 0x00C000},    // green
        {"ABCDEF", "#cABCDEF", 0xABCDEF},  // upper case kept as typed
        {"7", "#c000007", 0x000007},
        {"12345", "#c012345", 0x012345},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(customColourCode(c.digits), c.code) << c.digits;
        EXPECT_EQ(customColourPreview(c.digits), c.preview) << c.digits;
    }
}

TEST(Hotkey, ColourChoices)
{
    const char* codes[] = {"", "#B", "#R", "#G", "#Y"};
    const std::uint32_t previews[] = {kSystemWindowText, 0xFF0000, 0x0000FF, 0x00C000, 0x00FFFF};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(ColourChoiceTable[i].code, codes[i]);
        EXPECT_EQ(ColourChoiceTable[i].preview, previews[i]);
    }
}

TEST(Hotkey, MessagePiecesAtEveryLength)
{
    struct Case {
        std::size_t length;
        std::vector<std::size_t> pieces;
    } cases[] = {
        {0, {0}}, {1, {1}}, {49, {49}}, {50, {49, 1}}, {99, {49, 50}}, {100, {49, 50, 1}},
        {149, {49, 50, 50}}, {150, {49, 50, 50, 1}}, {255, {49, 50, 50, 106}},
    };
    for (const Case& c : cases) {
        // Characters numbered from 0 so the cut points show; CJK to count characters, not bytes.
        std::u32string message;
        for (std::size_t i = 0; i < c.length; ++i)
            message += static_cast<char32_t>(U'一' + i);
        const auto pieces = messagePieces(message);
        ASSERT_EQ(pieces.size(), c.pieces.size()) << c.length;
        std::u32string joined;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].size(), c.pieces[i]) << c.length << " piece " << i;
            joined += pieces[i];
        }
        EXPECT_EQ(joined, message);
    }
}

TEST(Hotkey, MessagesLoseLineBreaksAndStopAt255)
{
    EXPECT_EQ(cleanMessage(U"ab\r\ncd\ne"), U"abcde");
    std::u32string long300(300, U'字');
    EXPECT_EQ(cleanMessage(long300).size(), 255u);
    EXPECT_EQ(cleanMessage(U"a+b~c{d(%e"), U"a+b~c{d(%e");
}

TEST(Hotkey, PaletteAndPictures)
{
    EXPECT_EQ(GlyphPalette[0], U"┌");
    EXPECT_EQ(GlyphPalette[7], U"█");
    EXPECT_EQ(GlyphPalette[39], U"⊿");
    EXPECT_EQ(GlyphPalette[65], U"\u3000");
    for (const auto& g : GlyphPalette)
        EXPECT_EQ(g.size(), 1u);
    EXPECT_EQ(paletteCell(0).row, 0);
    EXPECT_EQ(paletteCell(0).column, 0);
    EXPECT_EQ(paletteCell(65).row, 10);
    EXPECT_EQ(paletteCell(65).column, 5);
    EXPECT_EQ(paletteCell(13).row, 3);
    EXPECT_EQ(paletteCell(13).column, 2);
    EXPECT_EQ(paletteCell(66).row, -1);
    EXPECT_EQ(TextPictureTable[0].size(), 16u);
    EXPECT_EQ(TextPictureTable[1].size(), 46u);
    EXPECT_EQ(TextPictureTable[2].size(), 63u);
}
