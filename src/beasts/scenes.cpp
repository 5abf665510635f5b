#include "beasts/scenes.h"

namespace beasts {

// lowest, highest, scene, double, triple. The 魔王寨 row's triple value (4933) is the
// published figure, not 1.5 × double.
const std::array<FullExpSceneRow, 44> FullExpSceneTable = {{
    {0, 1, "东海湾", 414, 621},
    {2, 3, "东海海底", 724, 1086},
    {4, 5, "沉船二层/东海岩洞", 931, 1396},
    {6, 7, "江南野外", 1138, 1707},
    {8, 10, "大雁塔一层", 1345, 2017},
    {11, 11, "大唐国境", 1656, 2484},
    {12, 15, "大雁塔二层", 1759, 2638},
    {16, 19, "大雁塔三层", 2173, 3259},
    {20, 23, "大雁塔四层/大唐境外", 2587, 3880},
    {24, 25, "大雁塔五层", 3001, 4501},
    {26, 27, "长寿郊外", 3208, 4812},
    {28, 28, "大雁塔六层", 3415, 5122},
    {29, 31, "花果山", 3519, 5278},
    {32, 32, "魔王寨", 3829, 4933},
    {33, 34, "海底迷宫一", 3933, 5899},
    {35, 35, "海底迷宫二", 4140, 6210},
    {36, 36, "普陀山", 4243, 6364},
    {37, 37, "海底迷宫三/地府迷宫二", 4347, 6520},
    {38, 39, "盘丝岭", 4450, 6675},
    {40, 42, "海底迷宫四/地府迷宫一", 4657, 6985},
    {43, 45, "地府迷宫四", 4968, 7452},
    {46, 47, "地府迷宫三", 5278, 7917},
    {48, 49, "月宫", 5485, 8227},
    {50, 53, "狮陀岭", 5692, 8538},
    {54, 57, "北俱芦洲", 6106, 9159},
    {58, 61, "龙窟一层", 6520, 9780},
    {62, 65, "龙窟二层/凤巢一层", 6934, 10401},
    {66, 67, "凤巢二层", 7348, 11022},
    {68, 69, "龙窟三层", 7567, 11350},
    {70, 71, "凤巢三层", 7762, 11643},
    {72, 73, "龙窟四层", 7969, 11953},
    {74, 75, "凤巢四层", 8176, 12264},
    {76, 77, "龙窟五层", 8383, 12574},
    {78, 79, "凤巢五层", 8590, 12885},
    {80, 82, "龙窟六层", 8797, 13195},
    {83, 83, "凤巢六层", 9108, 13662},
    {84, 87, "龙窟七层", 9211, 13816},
    {88, 92, "凤巢七层", 9625, 14437},
    {93, 95, "麒麟山", 10038, 15057},
    {96, 103, "无名鬼城", 10453, 15679},
    {104, 111, "女娲神迹", 11281, 16921},
    {112, 120, "小西天", 12108, 18162},
    {121, 128, "小雷音寺", 13104, 19656},
    {129, 139, "蓬莱仙岛", 14304, 21456},
}};

// lowest, highest, places
const std::array<LegendSceneRow, 29> LegendSceneTable = {{
    {60, 61, "北俱芦洲/龙窟一层"},
    {62, 63, "北俱芦洲/龙一/龙二/凤一"},
    {64, 65, "龙一/龙二/凤一"},
    {66, 67, "龙一/龙二/凤一/凤二"},
    {68, 69, "龙二/龙三/凤一/凤二"},
    {70, 71, "龙二/龙三/凤一/凤二/凤三"},
    {72, 73, "龙三/龙四/凤二/凤三"},
    {74, 75, "龙三/龙四/凤二/凤三/凤四"},
    {76, 77, "龙三/龙四/龙五/凤三/凤四"},
    {78, 79, "龙四/龙五/凤三/凤四/凤五"},
    {80, 81, "龙四/龙五/龙六/凤四/凤五"},
    {82, 82, "龙五/龙六/凤四/凤五"},
    {83, 83, "龙五/龙六/凤四/凤五/凤六"},
    {84, 85, "龙五/龙六/龙七/凤五/凤六"},
    {86, 87, "龙六/龙七/凤五/凤六"},
    {88, 89, "龙六/龙七/凤六/凤七"},
    {90, 92, "龙七/凤六/凤七"},
    {93, 93, "龙七/凤七"},
    {94, 95, "凤七/麒麟山"},
    {96, 97, "凤七/无名鬼城/麒麟山"},
    {98, 102, "无名鬼城/麒麟山"},
    {103, 103, "无名鬼城"},
    {104, 105, "无名鬼城/女娲神迹"},
    {106, 112, "女娲神迹"},
    {113, 113, "女娲神迹/小西天"},
    {114, 120, "小西天"},
    {121, 121, "小西天/小雷音寺"},
    {122, 130, "小雷音寺"},
    {131, 138, "蓬莱仙岛"},
}};

namespace {

// A text made only of decimal digits (leading zeros allowed), as a level; nullopt
// otherwise or when it is absurdly long.
std::optional<int> wholeLevel(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (v > 100000)
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<FullExpSceneRow> fullExpSceneFor(int level)
{
    for (const FullExpSceneRow& r : FullExpSceneTable)
        if (level >= r.lowest && level <= r.highest)
            return r;
    return std::nullopt;
}

std::optional<FullExpSceneRow> fullExpSceneFor(std::string_view levelText)
{
    const std::optional<int> level = wholeLevel(levelText);
    if (!level)
        return std::nullopt;
    return fullExpSceneFor(*level);
}

std::string_view legendScenesFor(std::string_view levelText)
{
    const std::optional<int> level = wholeLevel(levelText);
    if (!level)
        return {};
    for (const LegendSceneRow& r : LegendSceneTable)
        if (*level >= r.lowest && *level <= r.highest)
            return r.places;
    return {};
}

} // namespace beasts
