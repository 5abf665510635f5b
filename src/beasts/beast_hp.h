#pragma once
// The beast HP table (Form5): for each of 49 scenes the wild beasts met there, each with
// three HP values, and the texts the window shows for a scene.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace beasts {

inline constexpr int kNoHp = -1; // a value that was never published

struct BeastHpLine {
    std::string_view species; // display text only (the table has its own spellings)
    int a, b, c;              // kNoHp where missing
};

struct SceneHp {
    std::string_view scene;
    std::array<BeastHpLine, 6> lines;
    int lineCount;
};

inline constexpr int kSceneCount = 49;
extern const std::array<SceneHp, kSceneCount> SceneHpTable;

// Where a scene's label stands in the window's grid of ten rows and five columns.
struct GridCell {
    int row;    // 0 … 9
    int column; // 0 … 4
};
GridCell sceneGridCell(int index);

// Columns a text takes in the result area: a CJK character counts two, ASCII one.
int displayWidth(std::string_view utf8);

// The scene label's caption: the name between 【 and 】, short names padded with blanks
// so the grid reads evenly ("【 东海湾 】").
std::string sceneCaption(int index);
// The title line of the result area: "【东海湾】".
std::string sceneTitle(int index);
// The scene's lines, "大海龟 血量 <35> <43> <57>", with the word 血量 lined up.
std::vector<std::string> sceneLines(int index);

} // namespace beasts
