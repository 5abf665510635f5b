#include "reference/skills/formations.h"

namespace skills {

namespace {

constexpr std::array<FormationRecord, kFormationCount> kFormations = {{
    {"普通阵", "", {}},
    {"天覆阵", "攻击型",
     {"对敌人任何伤害结果+20%,速度-10%", "对敌人任何伤害结果+20%,速度-10%", "对敌人任何伤害结果+20%,速度-10%",
      "对敌人任何伤害结果+20%,速度-10%", "对敌人任何伤害结果+20%,速度-10%"}},
    {"地截阵", "防御型",
     {"受到的物理和法术伤害结果-15%", "受到的物理和法术伤害结果-15%", "受到的物理和法术伤害结果-15%",
      "受到的物理和法术伤害结果-15%", "受到的物理和法术伤害结果-15%"}},
    {"风扬阵", "攻速型",
     {"对敌人的任何伤害结果+20%", "对敌人的任何伤害结果+10%", "对敌人的任何伤害结果+10%", "速度+10%", "速度+10%"}},
    {"云垂阵", "防速型",
     {"受到任何伤害结果-40%,速度-30%", "受到任何伤害结果-10%", "受到任何伤害结果-10%", "速度+10%", "速度+10%"}},
    {"龙飞阵", "全能型",
     {"受到法术伤害结果-20%", "受到物理伤害结果-20%", "法术对敌伤害+30%,速度-30%", "速度+15%",
      "对敌人物理攻击伤害+20%"}},
    {"虎翼阵", "攻击型",
     {"对敌人任何伤害结果+25%", "受到的任何伤害结果-10%", "受到的任何伤害结果-10%", "对敌人任何伤害结果+10%",
      "对敌人任何伤害结果+10%"}},
    {"鸟翔阵", "全速型", {"速度+20%", "速度+20%", "速度+20%", "速度+20%", "速度+20%"}},
    {"蛇蟠阵", "灵力型",
     {"抵御敌人法术的几率+15%", "抵御敌人法术的几率+15%", "抵御敌人法术的几率+15%", "抵御敌人法术的几率+15%",
      "抵御敌人法术的几率+15%"}},
}};

constexpr std::string_view kPlainLine = "普通的一字阵形，没有什么特别效果";
constexpr std::array<std::string_view, 5> kCircled = {"①", "②", "③", "④", "⑤"};

// Row: the formation that counters; column: the one it meets.
constexpr int kCounter[kFormationCount][kFormationCount] = {
    {0, -5, 5, -5, 5, -5, 5, -5, 5},      {5, 0, 10, -10, -5, 10, -5, 5, -10},
    {-5, -10, 0, 10, 5, -5, 10, -10, 5},  {5, 10, -10, 0, -5, -5, -10, 10, 5},
    {-5, 5, -5, 5, 0, -10, -10, 10, 10},  {5, -10, 5, 5, 10, 0, -5, -5, -5},
    {-5, 5, -10, 10, 10, 5, 0, -10, -5},  {5, -5, 10, -10, -10, 5, 10, 0, -5},
    {-5, 10, -5, -5, -10, 5, 5, 5, 0},
};

constexpr std::string_view kLegend = "阵法颜色说明(右边):\r\n"
                                     "黑色即互为不克制(同一阵法)\r\n"
                                     "深蓝色为左克制右+10%\r\n"
                                     "浅蓝色为左克制右+5%\r\n"
                                     "红色为左被克制-10%\r\n"
                                     "粉红色为左被克制-5%\r\n";

constexpr std::string_view kExplanation =
    "\u3000 游戏中可以学习的阵法有8种，加上系统默认的普通阵在内，战斗时共有9种可用的阵法。灵活运用各种阵法可以在战斗中"
    "获得一定优势。除此之外，这些阵法还存在着相互牵制、生息相克的关系。\r\n\r\n"
    " \u3000上表列出了各种阵法的生克效果，其中5%、10%表示可以克制对方5%、10%的伤害效果，即受到对方的物理或法术伤害结果"
    "会减少5%、10%， 而对方受到的伤害有相应量的增加。负值表示当前阵法受到对方阵法的克制。\r\n\r\n"
    " \u3000例如，当普通阵遇到天覆阵时，克制效果为-5%，即表示受到对方的物理或法术伤害结果+5%，对方受到的伤害结果-5%；"
    "而当普通阵遇到地载阵时，克制效果为5%，情况刚好相反。\r\n";

bool valid(int i) { return i >= 0 && i < kFormationCount; }

} // namespace

const std::array<FormationRecord, kFormationCount>& formations() { return kFormations; }

std::string formationNameLabel(int index)
{
    if (!valid(index))
        return {};
    return "【" + std::string(kFormations[static_cast<std::size_t>(index)].caption) + "】";
}

std::string formationDescription(int index)
{
    if (!valid(index))
        return {};
    const FormationRecord& r = kFormations[static_cast<std::size_t>(index)];
    std::string out = formationNameLabel(index);
    if (r.kind.empty())
        return out + "\r\n" + std::string(kPlainLine);
    out += "：" + std::string(r.kind) + "阵法。";
    for (std::size_t k = 0; k < r.places.size(); ++k)
        out += "\r\n" + std::string(kCircled[k]) + std::string(r.places[k]);
    return out;
}

std::string_view formationTableName(int index)
{
    if (!valid(index))
        return {};
    return index == 2 ? std::string_view("地载阵") : kFormations[static_cast<std::size_t>(index)].caption;
}

int counterValue(int a, int b) { return valid(a) && valid(b) ? kCounter[a][b] : 0; }

std::uint32_t counterListColour(int value)
{
    switch (value) {
    case 10:
        return 0xC00000;
    case 5:
        return 0xFF5050;
    case -10:
        return 0x0000FF;
    case -5:
        return 0xFF00FF;
    default:
        return kButtonTextColour;
    }
}

std::uint32_t diagramColour(int value) { return value > 0 ? 0xFF0000 : value < 0 ? 0x0000FF : 0xFF00FF; }

std::string counterCaption(int value)
{
    if (value == 0)
        return "0";
    std::string out(value > 0 ? "+" : "");
    out += std::to_string(value);
    out += '%';
    return out;
}

CounterDiagram counterDiagram(int opponent, int own)
{
    const int v = counterValue(opponent, own);
    return {counterCaption(v), diagramColour(v), counterCaption(-v), diagramColour(-v)};
}

std::string counterTableText(int value) { return std::to_string(value) + (value == 0 ? "" : "%"); }

std::uint32_t counterTableColour(int value) { return value > 0 ? 0xFF0000 : value < 0 ? 0x0000FF : 0x008000; }

std::string_view colourLegendText() { return kLegend; }
std::string_view counterTableExplanation() { return kExplanation; }

} // namespace skills
