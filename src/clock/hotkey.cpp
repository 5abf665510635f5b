#include "clock/hotkey.h"

namespace tradeclock {

namespace {

struct GridEntry {
    int index;
    std::u32string_view glyph;
};

// The palette as it stands: eleven rows of six buttons, each with its button index.
constexpr GridEntry kPaletteGrid[11][6] = {
    {{0, U"┌"}, {36, U"╔"}, {14, U"↑"}, {22, U"╱"}, {48, U"▎"}, {61, U"■"}},
    {{2, U"└"}, {34, U"╚"}, {15, U"↓"}, {28, U"╲"}, {47, U"▍"}, {62, U"□"}},
    {{3, U"┘"}, {33, U"╝"}, {16, U"←"}, {21, U"╳"}, {46, U"▌"}, {49, U"▽"}},
    {{1, U"┐"}, {35, U"╗"}, {13, U"→"}, {23, U"╰"}, {45, U"▋"}, {50, U"▼"}},
    {{12, U"┼"}, {27, U"╬"}, {43, U"↖"}, {24, U"╯"}, {44, U"▊"}, {39, U"⊿"}},
    {{8, U"├"}, {32, U"╠"}, {42, U"↗"}, {25, U"╮"}, {7, U"█"}, {56, U"★"}},
    {{9, U"┤"}, {31, U"╣"}, {40, U"↙"}, {26, U"╭"}, {6, U"▅"}, {57, U"☆"}},
    {{10, U"┬"}, {30, U"╦"}, {41, U"↘"}, {52, U"◣"}, {20, U"▄"}, {60, U"○"}},
    {{11, U"┴"}, {29, U"╩"}, {63, U"◆"}, {53, U"◤"}, {19, U"▃"}, {58, U"△"}},
    {{5, U"│"}, {37, U"║"}, {64, U"◇"}, {51, U"◢"}, {18, U"▂"}, {55, U"▲"}},
    {{4, U"─"}, {38, U"═"}, {59, U"●"}, {54, U"◥"}, {17, U"▁"}, {65, U"\u3000"}},
};

constexpr std::array<std::u32string_view, 66> byIndex()
{
    std::array<std::u32string_view, 66> out{};
    for (const auto& row : kPaletteGrid)
        for (const GridEntry& e : row)
            out[static_cast<std::size_t>(e.index)] = e.glyph;
    return out;
}

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The box's digits as they count: hexadecimal digits only, at most six.
std::string hexDigits(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (isHexDigit(c) && out.size() < 6)
            out += c;
    return out;
}

} // namespace

const std::array<std::u32string_view, 66> GlyphPalette = byIndex();

PaletteCell paletteCell(int index)
{
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 6; ++c)
            if (kPaletteGrid[r][c].index == index)
                return {r, c};
    return {-1, -1};
}

std::string_view channelCode(int index, std::string_view current)
{
    if (index < 0 || index >= static_cast<int>(ChannelPrefixTable.size()))
        return current;
    return ChannelPrefixTable[static_cast<std::size_t>(index)].code;
}

StyleChoice clickStyle(StyleBoxes b, int index, std::string_view currentCode)
{
    StyleChoice out{b, std::string(currentCode)};
    switch (index) {
    case 0:
        if (b.normal) {
            out.code = "#n";
            out.boxes.blink = false;
            out.boxes.underline = false;
        }
        break;
    case 1:
        if (b.blink) {
            out.boxes.normal = false;
            out.code = b.underline ? "#u#b" : "#b";
        } else {
            out.code = b.underline ? "#u" : "#n";
        }
        break;
    case 2:
        if (b.underline) {
            out.boxes.normal = false;
            out.code = b.blink ? "#u#b" : "#u";
        } else {
            out.code = b.blink ? "#b" : "#n";
        }
        break;
    default:
        break;
    }
    return out;
}

std::string customColourCode(std::string_view digits)
{
    const std::string d = hexDigits(digits);
    if (d.empty())
        return {};
    return "#c" + std::string(6 - d.size(), '0') + d;
}

std::uint32_t customColourPreview(std::string_view digits)
{
    std::uint32_t v = 0;
    for (char c : hexDigits(digits)) {
        const std::uint32_t n = c <= '9' ? static_cast<std::uint32_t>(c - '0')
                                         : static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
        v = v * 16 + n;
    }
    return v;
}

std::u32string cleanMessage(std::u32string_view text)
{
    std::u32string out;
    for (char32_t c : text) {
        if (c == U'\r' || c == U'\n' || c == U'\u2028' || c == U'\u2029')
            continue;
        if (out.size() == kMessageLimit)
            break;
        out += c;
    }
    return out;
}

std::vector<std::u32string> messagePieces(std::u32string_view message)
{
    const std::size_t n = message.size();
    std::vector<std::u32string> out;
    out.emplace_back(message.substr(0, 49));
    if (n >= 50)
        out.emplace_back(message.substr(49, n >= 100 ? 50 : std::u32string_view::npos));
    if (n >= 100)
        out.emplace_back(message.substr(99, n >= 150 ? 50 : std::u32string_view::npos));
    if (n >= 150)
        out.emplace_back(message.substr(149));
    return out;
}

} // namespace tradeclock
