// The treasure catalogue and the realm sheets of the three classes.
#include "reference/tables/treasures.h"

namespace tables {

namespace {

// 名称, 法宝描述, 法宝作用, 使用效果, 类型, 门派限制, 佩带, 主被动, 五行影响, 回合限制.
// The prose of a treasure we cannot vouch for reads "暂缺".
constexpr std::array<TreasureRecord, 21> kOrdinary{{
    {"碧玉葫芦", kMissing, kMissing, kMissing, "恢复", "无", "需要", "被动", "土(+1%)木(-1%)", "无"},
    {"飞剑", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"拭剑石", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"金甲仙衣", kMissing, kMissing, kMissing, "防御", "无", "需要", "被动", "木(+1%)金(-1%)", "无"},
    {"缚妖索", kMissing, kMissing, kMissing, "辅助", "无", "需要", "主动", "水(+1%)土(-1%)", "无"},
    {"鬼脸面具", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"金钱镖", kMissing, kMissing, kMissing, "攻击", "无", "不需", "主动", "金(+1%)火(-1%)", "1回合"},
    {"惊魂铃", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "2回合"},
    {"嗜血幡", kMissing, kMissing, kMissing, "攻击", "无", "需要", "被动", "金(+1%)火(-1%)", "无"},
    {"风袋", "风婆系在腰间装风的布袋，放出风来可吹人至数里外。配上此袋可增加人物速度。", "增加人物速度。",
     "增加人物速度10点。", "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"清心咒", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "1回合"},
    {"九黎战鼓", kMissing, kMissing, kMissing, "攻击", "无", "需要", "被动", "金(+1%)火(-1%)", "无"},
    {"盘龙壁", kMissing, kMissing, kMissing, "防御", "无", "需要", "被动", "木(+1%)金(-1%)", "无"},
    {"神行飞剑", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"汇灵盏", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"五色旗盒", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "无", "无"},
    {"天师符", kMissing, kMissing, kMissing, "辅助", "方寸山", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"织女扇", kMissing, kMissing, kMissing, "辅助", "女儿村", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"雷兽", kMissing, kMissing, kMissing, "辅助", "天宫", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"迷魂灯", kMissing, kMissing, kMissing, "辅助", "盘丝洞", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"定风珠", kMissing, kMissing, kMissing, "辅助", "五庄观", "需要", "被动", "水(+1%)土(-1%)", "无"},
}};

constexpr std::array<TreasureRecord, 16> kAdvanced{{
    {"玄冰面具", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"捆仙绳", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "3回合"},
    {"现形符", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "2回合"},
    {"发瘟匣", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "5回合"},
    {"聚妖铃", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "150回合"},
    {"万鬼幡", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "150回合"},
    {"断线木偶", kMissing, kMissing, kMissing, "防御", "无", "不需", "主动", "木(+1%)金(-1%)", "无"},
    {"五彩娃娃", kMissing, kMissing, kMissing, "防御", "无", "不需", "主动", "木(+1%)金(-1%)", "3回合"},
    {"番天印", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "3回合"},
    {"七杀", kMissing, kMissing, kMissing, "诅咒", "大唐官府", "不需", "主动", "火(+1%)水(-1%)", "4回合"},
    // "花生寺" stands as the catalogue has it.
    {"罗汉珠", kMissing, kMissing, kMissing, "辅助", "花生寺", "不需", "主动", "水(+1%)土(-1%)", "无"},
    {"分水", kMissing, kMissing, kMissing, "恢复", "龙宫", "不需", "主动", "土(+1%)木(-1%)", "6回合"},
    {"赤焰", kMissing, kMissing, kMissing, "恢复", "魔王寨", "不需", "主动", "土(+1%)木(-1%)", "3回合"},
    {"金刚杵", kMissing, kMissing, kMissing, "攻击", "普陀山", "需要", "被动", "金(+1%)火(-1%)", "无"},
    {"兽王令", kMissing, kMissing, kMissing, "辅助", "狮驼岭", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"摄魂", kMissing, kMissing, kMissing, "诅咒", "阴曹地府", "不需", "主动", "火(+1%)水(-1%)", "无"},
}};

constexpr std::array<TreasureRecord, 30> kSpecial{{
    {"神木面具", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"落雨金钱", kMissing, kMissing, kMissing, "攻击", "无", "不需", "主动", "金(+1%)火(-1%)", "1回合"},
    {"缚龙索", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "3回合"},
    {"照妖镜", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "5回合"},
    {"鬼泣", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "3回合"},
    {"月光宝盒", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "无"},
    {"缩地尺", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "3回合"},
    {"影蛊", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "无"},
    {"混元伞", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "10回合"},
    {"落宝金钱", kMissing, kMissing, kMissing, "辅助", "无", "不需", "主动", "水(+1%)土(-1%)", "5回合"},
    {"无魂傀儡", kMissing, kMissing, kMissing, "防御", "无", "不需", "主动", "木(+1%)金(-1%)", "无"},
    {"苍白纸人", kMissing, kMissing, kMissing, "防御", "无", "不需", "主动", "木(+1%)金(-1%)", "3回合"},
    {"通灵宝玉", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"聚宝盆", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"乾坤玄火塔", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "10回合"},
    {"无尘扇", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "10回合"},
    {"七宝玲珑灯", kMissing, kMissing, kMissing, "辅助", "无", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"无字经", kMissing, kMissing, kMissing, "诅咒", "无", "不需", "主动", "火(+1%)水(-1%)", "5回合"},
    {"干将莫邪", kMissing, kMissing, kMissing, "攻击", "大唐官府", "不需", "主动", "金(+1%)火(-1%)", "5回合"},
    {"慈悲", kMissing, kMissing, kMissing, "恢复", "化生寺", "需要", "被动", "土(+1%)木(-1%)", "无"},
    {"曼陀罗", kMissing, kMissing, kMissing, "诅咒", "女儿村", "需要", "被动", "火(+1%)水(-1%)", "无"},
    {"救命毫毛", kMissing, kMissing, kMissing, "辅助", "方寸山", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"伏魔天书", kMissing, kMissing, kMissing, "攻击", "天宫", "需要", "被动", "金(+1%)火(-1%)", "无"},
    {"普渡", kMissing, kMissing, kMissing, "恢复", "普陀山", "需要", "被动", "土(+1%)木(-1%)", "无"},
    {"镇海珠", kMissing, kMissing, kMissing, "攻击", "龙宫", "需要", "被动", "金(+1%)火(-1%)", "无"},
    {"奇门五行令", kMissing, kMissing, kMissing, "诅咒", "五庄观", "不需", "主动", "火(+1%)水(-1%)", "5回合"},
    {"失心钹", kMissing, kMissing, kMissing, "诅咒", "狮驼岭", "不需", "主动", "火(+1%)水(-1%)", "3回合"},
    {"五火神焰印", kMissing, kMissing, kMissing, "辅助", "魔王寨", "需要", "被动", "水(+1%)土(-1%)", "无"},
    {"九幽", kMissing, kMissing, kMissing, "恢复", "阴曹地府", "需要", "被动", "土(+1%)木(-1%)", "无"},
    {"忘情", kMissing, kMissing, kMissing, "诅咒", "盘丝洞", "需要", "被动", "火(+1%)水(-1%)", "无"},
}};

constexpr std::array<std::string_view, 10> kOrdinaryRealms{"初具法力", "略晓变化", "驾轻就熟", "心领神会", "出类拔萃",
                                                           "腾云驾雾", "降龙伏虎", "神乎其技", "纵横三界", "不堕轮回"};
constexpr std::array<std::string_view, 13> kAdvancedRealms{"心法初成", "了然于胸", "妙领天机", "渐入佳境", "预知福祸",
                                                           "脱胎换骨", "出神入化", "呼风唤雨", "随心所欲", "登峰造极",
                                                           "道满根归", "不堕轮回", "法力无边"};
constexpr std::array<std::string_view, 16> kSpecialRealms{"元神初具", "一日千里", "脱胎换骨", "负海担山",
                                                          "霞举飞升", "移星换斗", "变幻莫测", "擎日挽月",
                                                          "道满根归", "不堕轮回", "举世无双", "纵横三界",
                                                          "笑傲西游", "法力无边", "反璞归真", "天人合一"};

// The scene texts exactly as the sheets hold them, stray blanks included.
constexpr std::array<SceneGroup, 3> kOrdinaryScenes{{
    {0, 3, "东海湾、沉船1层 、沉船2层、江南野外、大唐国境、大雁塔1-6层、大唐国境、大唐境外、长寿郊外"},
    {4, 6, "海底迷宫1-4层、地府迷宫1-4层、盘丝岭、花果山、魔王寨、普陀山"},
    {7, 9, "月宫、狮驼岭、北俱芦洲、麒麟山、龙窟1-3层、凤巢1-3层、无名鬼城"},
}};
constexpr std::array<SceneGroup, 3> kAdvancedScenes{{
    {0, 4, "东海湾、沉船1层 、沉船2层、江南野外、大唐国境、大雁塔1-6层、大唐国境 、大唐境外、长寿郊外"},
    {5, 8, "海底迷宫1-4层、地府迷宫1-4层、盘丝岭、花果山、魔王寨、普陀山、北俱芦洲"},
    {9, 12, "龙窟1-7层、凤巢1-7层、女娲神迹、无名鬼城、麒麟山"},
}};
constexpr std::array<SceneGroup, 3> kSpecialScenes{{
    {0, 5, "东海湾、沉船1层、沉船2层、江南野外、大唐国境、大雁塔1-6层、大唐国境、大唐境外、长寿郊外"},
    {6, 11, "海底迷宫1-4层、地府迷宫1-4层、盘丝岭、花果山、魔王寨、普陀山、北俱芦洲、麒麟山"},
    {12, 15, "龙窟1-7层、凤巢1-7层、女娲神迹、无名鬼城、小西天、小雷音、蓬莱仙岛"},
}};

} // namespace

std::span<const TreasureRecord> treasureCatalogue(int classIndex)
{
    switch (classIndex) {
    case 0:
        return kOrdinary;
    case 1:
        return kAdvanced;
    case 2:
        return kSpecial;
    default:
        return {};
    }
}

std::span<const std::string_view> realmNames(int classIndex)
{
    switch (classIndex) {
    case 0:
        return kOrdinaryRealms;
    case 1:
        return kAdvancedRealms;
    case 2:
        return kSpecialRealms;
    default:
        return {};
    }
}

std::span<const SceneGroup> sceneGroups(int classIndex)
{
    switch (classIndex) {
    case 0:
        return kOrdinaryScenes;
    case 1:
        return kAdvancedScenes;
    case 2:
        return kSpecialScenes;
    default:
        return {};
    }
}

} // namespace tables
