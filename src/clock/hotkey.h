#pragma once
// The hot-key sender's chat line: channel, style and colour codes, then the message in up
// to four pieces, typed into the game on F12.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tradeclock {

struct Channel {
    std::string_view name;
    std::string_view code;
};
// The chat channels in list order.
inline constexpr std::array<Channel, 8> ChannelPrefixTable = {
    Channel{"当前", "//c"}, Channel{"队伍", "//t"}, Channel{"帮派", "//b"}, Channel{"夫妻", "//f"},
    Channel{"私聊", "//m"}, Channel{"世界", "//w"}, Channel{"门派", "//s"}, Channel{"传闻", "//r"}};
// The code of list index i; an index outside the list keeps `current`.
std::string_view channelCode(int index, std::string_view current);

// The three style boxes: 0 "正常(#n)", 1 "闪烁(#b)", 2 "下划线(#u)".
struct StyleBoxes {
    bool normal = true;
    bool blink = false;
    bool underline = false;
    friend bool operator==(const StyleBoxes&, const StyleBoxes&) = default;
};
struct StyleChoice {
    StyleBoxes boxes;
    std::string code;
};
// A click on style box `index`; `boxes` hold the values after the click. "正常" clears
// the others; the code follows the ticked boxes.
StyleChoice clickStyle(StyleBoxes boxes, int index, std::string_view currentCode);

// The colour choices 0..4: code and preview colour (&HBBGGRR). 0 "原色(#n)" types no code
// and previews in the window text colour (kSystemWindowText).
struct ColourChoice {
    std::string_view caption;
    std::string_view code;
    std::uint32_t preview;
};
inline constexpr std::uint32_t kSystemWindowText = 0x80000008;
inline constexpr std::array<ColourChoice, 5> ColourChoiceTable = {
    ColourChoice{"原色(#n)", "", kSystemWindowText}, ColourChoice{"蓝色(#B)", "#B", 0xFF0000},
    ColourChoice{"红色(#R)", "#R", 0x0000FF}, ColourChoice{"绿色(#G)", "#G", 0x00C000},
    ColourChoice{"黄色(#Y)", "#Y", 0x00FFFF}};

// The custom colour box holds up to six hexadecimal digits.
// Its code: "" when empty, else "#c" and the digits left-padded with "0" to six.
std::string customColourCode(std::string_view digits);
// Its preview (&HBBGGRR, so "ff" is red): black when empty.
std::uint32_t customColourPreview(std::string_view digits);

// The message as the sender holds it: line breaks taken out, at most 255 characters.
inline constexpr std::size_t kMessageLimit = 255;
std::u32string cleanMessage(std::u32string_view text);

// The message pieces typed after the prefix, cut at characters 50, 100 and 150:
// 1 piece up to 49 characters, 2 up to 99, 3 up to 149, 4 beyond.
std::vector<std::u32string> messagePieces(std::u32string_view message);

// The ready-made pictures "1" to "3".
inline constexpr std::array<std::u32string_view, 3> TextPictureTable = {
    U"\u3000\u3000╭LOVE╮\u3000\u3000∑-╲╳╱→",
    U"▅█▅▅▅█▅▅█▅  ▅█▅█▅█  █▅█▅█▅▅▅█▅▅█▅  ▅█▅█▅█  █▅█",
    U"┌──┬──┐│文字│文字│├──┼──┤│文字│文字│├──┼──┤│文字│文字│├──┼──┤│文字│文字│└──┴──┘"};

// The 66 glyphs of the palette by button index, and where each stands (row, column from 0).
struct PaletteCell {
    int row;
    int column;
};
extern const std::array<std::u32string_view, 66> GlyphPalette;
PaletteCell paletteCell(int index);

} // namespace tradeclock
