#include "beasts/beast_hp.h"

#include <algorithm>

namespace beasts {

namespace {

// The grid by label index: row and column of each scene.
constexpr int kGrid[10][5] = {
    {0, 6, 15, 27, 34},   {1, 7, 16, 28, 35},   {2, 8, 17, 29, 36},   {3, 9, 18, 30, 37},
    {4, 10, 24, 31, 38},  {5, 11, 25, 32, 39},  {12, 21, 26, 33, 40}, {13, 20, 42, 14, 23},
    {22, 47, 43, 19, 48}, {41, 44, 46, 45, -1},
};

std::string hpValue(int v) { return v == kNoHp ? std::string("<>") : "<" + std::to_string(v) + ">"; }

bool validIndex(int index) { return index >= 0 && index < kSceneCount; }

} // namespace

GridCell sceneGridCell(int index)
{
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 5; ++c)
            if (kGrid[r][c] == index)
                return {r, c};
    return {-1, -1};
}

int displayWidth(std::string_view s)
{
    int w = 0;
    for (unsigned char ch : s) {
        if (ch < 0x80)
            ++w; // ASCII
        else if ((ch & 0xC0) != 0x80)
            w += 2; // lead byte of a wide character
    }
    return w;
}

std::string sceneCaption(int index)
{
    if (!validIndex(index))
        return {};
    const std::string_view name = SceneHpTable[static_cast<std::size_t>(index)].scene;
    const int w = displayWidth(name);
    const std::string pad(w < 8 ? static_cast<std::size_t>((8 - w) / 2) : 0, ' ');
    return "【" + pad + std::string(name) + pad + "】";
}

std::string sceneTitle(int index)
{
    if (!validIndex(index))
        return {};
    return "【" + std::string(SceneHpTable[static_cast<std::size_t>(index)].scene) + "】";
}

std::vector<std::string> sceneLines(int index)
{
    std::vector<std::string> out;
    if (!validIndex(index))
        return out;
    const SceneHp& s = SceneHpTable[static_cast<std::size_t>(index)];
    int widest = 0;
    for (int k = 0; k < s.lineCount; ++k)
        widest = std::max(widest, displayWidth(s.lines[static_cast<std::size_t>(k)].species));
    for (int k = 0; k < s.lineCount; ++k) {
        const BeastHpLine& l = s.lines[static_cast<std::size_t>(k)];
        std::string line(l.species);
        line.append(static_cast<std::size_t>(widest - displayWidth(l.species) + 1), ' ');
        line += "血量 " + hpValue(l.a) + " " + hpValue(l.b) + " " + hpValue(l.c);
        out.push_back(std::move(line));
    }
    return out;
}

} // namespace beasts
