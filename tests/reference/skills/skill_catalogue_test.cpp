#include "reference/skills/skill_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace skills;

namespace {
int lineCount(const std::string& s)
{
    if (s.empty())
        return 0;
    int n = 1;
    for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2))
        ++n;
    return n;
}
} // namespace

// ---- the story-point counter ----

TEST(StoryPoints, WeightedSumAgainstTheBudget)
{
    struct Case {
        std::vector<std::int64_t> levels;
        std::int64_t used;
        bool over;
    } const cases[] = {
        {{}, 0, false},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, false},
        // 仙灵店铺 5, 丹元济会 5, 妙手空空 7: 15 + 25 + 21
        {{5, 0, 0, 0, 5, 0, 0, 0, 0, 7, 0}, 61, false},
        // one more level of 宝石工艺 (2 points)
        {{5, 1, 0, 0, 5, 0, 0, 0, 0, 7, 0}, 63, true},
        // one more of 妙手空空 instead (3 points)
        {{5, 0, 0, 0, 5, 0, 0, 0, 0, 8, 0}, 64, true},
        // every skill at its top level
        {{5, 5, 5, 5, 5, 5, 10, 5, 5, 10, 3}, 187, true},
        // 奇门遁甲 2 alone: 4 x 2
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}, 8, false},
        // levels beyond the pickers' lists count as the nearest level they offer
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 99}, 12, false},
        {{-7, INT64_MAX, INT64_MIN}, 10, false},
        // a twelfth level is ignored
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50}, 0, false},
    };
    for (const Case& c : cases) {
        const StoryPoints p = countStoryPoints(c.levels);
        EXPECT_EQ(p.used, c.used);
        EXPECT_EQ(p.overBudget, c.over);
    }
}

TEST(StoryPoints, WeightsAndTopLevelsFollowTheTrainerLines)
{
    const int weights[] = {3, 2, 4, 3, 5, 3, 2, 2, 3, 3, 4};
    const int tops[] = {5, 5, 5, 5, 5, 5, 10, 5, 5, 10, 3};
    for (int i = 0; i < kStorySkillCount; ++i) {
        EXPECT_EQ(storySkills()[i].weight, weights[i]);
        EXPECT_EQ(storySkills()[i].topLevel, tops[i]);
    }
}

// ---- special skills ----

TEST(SpecialSkills, TextsAndCostLines)
{
    EXPECT_EQ(specialSkillText(0), "【冰清诀】\r\n解除各种异常状态，并恢复1/4的气血（最高不超过人物等级×12）。\r\n\r\n"
                                   "消耗愤怒：100(80)");
    EXPECT_EQ(specialSkillText(40), "【太极护法】\r\n受到的法术伤害减半，效果为3回合。\r\n\r\n消耗愤怒:90(72)");
    EXPECT_EQ(specialSkillText(8), "【弱点击破】\r\n以临时提高伤害力攻击对手,适于对付防御高者。\r\n\r\n消耗愤怒：50(40)");
    // Descriptions we have no text for.
    EXPECT_EQ(specialSkillText(17), "【凝滞术】\r\n暂缺\r\n\r\n消耗愤怒：35(28)");
    EXPECT_EQ(specialSkillText(33), "【四海升平】\r\n暂缺\r\n\r\n消耗愤怒：135(108)");
    EXPECT_EQ(specialSkillText(50), "");
    EXPECT_EQ(specialSkillText(-1), "");
    for (const SpecialSkillRecord& r : specialSkills()) {
        EXPECT_EQ(r.anger % 5, 0);
        EXPECT_GE(r.anger, 30);
        EXPECT_LE(r.anger, 150);
    }
}

TEST(SpecialSkills, NamesAndLabels)
{
    EXPECT_EQ(specialSkills()[1].name, "伽罗无双");
    EXPECT_EQ(specialSkills()[29].name, "笑里藏刀");
    EXPECT_EQ(specialSkills()[49].name, "诅咒之亡");
    EXPECT_EQ(specialSkillLabel(5), " 残 月");
    EXPECT_EQ(specialSkillLabel(24), " 吸 血");
    EXPECT_EQ(specialSkillLabel(0), "冰清诀");
}

TEST(SpecialSkills, GridHoldsEachSkillOnce)
{
    struct Case {
        int index, column, row;
    } const cases[] = {{1, 0, 0}, {42, 9, 0}, {0, 1, 2}, {36, 9, 2}, {45, 0, 3}, {10, 9, 3}, {11, 9, 5}, {2, 3, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(specialSkillCell(c.index).column, c.column) << c.index;
        EXPECT_EQ(specialSkillCell(c.index).row, c.row) << c.index;
    }
    std::set<std::pair<int, int>> cells;
    for (int i = 0; i < kSpecialSkillCount; ++i) {
        const GridCell g = specialSkillCell(i);
        ASSERT_GE(g.column, 0) << i;
        cells.insert({g.column, g.row});
        // The buttons and the text box take columns 2..6 of rows 2 and 3.
        EXPECT_FALSE((g.row == 2 || g.row == 3) && g.column >= 2 && g.column <= 6) << i;
    }
    EXPECT_EQ(cells.size(), 50u);
}

// ---- life skills ----

TEST(LifeSkills, TextsOfARowWithARemark)
{
    const SkillTexts t = lifeSkillTexts(5);
    EXPECT_EQ(t.first, "【强身术】：\r\n强身健体是习武之人的根本，每学习一级可以提高1%的气血上限。");
    EXPECT_EQ(t.second, "特别说明：\r\n强身术研究的上限是120级。\r\n"
                        "强身术最终所加的血量值是一样的，所以早学迟学都一样。早学的好处是血量多，不容易死。");
    // Row 8's cap note has no closing full stop.
    EXPECT_NE(lifeSkillTexts(8).second.find("\r\n健身术研究的上限是140级\r\n"), std::string::npos);
    EXPECT_EQ(lifeSkillTexts(10).first.rfind("【中药医理】：\r\n", 0), 0u);
    EXPECT_EQ(lifeSkills()[10].tooltip, "中药药理");
    for (int i = 0; i < kLifeSkillCount; ++i)
        EXPECT_EQ(lineCount(lifeSkillTexts(i).second), i >= 5 && i <= 8 ? 3 : 2) << i;
    EXPECT_EQ(lifeSkillTexts(13).first, "");
}

TEST(LifeSkills, IconCells)
{
    EXPECT_EQ(lifeSkillCell(4).column, 0);
    EXPECT_EQ(lifeSkillCell(4).row, 4);
    EXPECT_EQ(lifeSkillCell(12).column, 2);
    EXPECT_EQ(lifeSkillCell(12).row, 2);
}

// ---- story skills ----

TEST(StorySkills, Texts)
{
    const SkillTexts t = storySkillTexts(1);
    EXPECT_EQ(t.first, "【宝石工艺】\r\n传授：\r\n傲来国蝴蝶妹妹，每级消耗2点技能点，最高为5级。\r\n学满共需要10点剧情点。");
    EXPECT_EQ(t.second, "效果：\r\n效果：提高合成宝石的成功率。");
    EXPECT_EQ(storySkills()[10].name, "奇门遁甲");
    EXPECT_EQ(storySkillCell(10).column, 2);
    EXPECT_EQ(storySkillCell(10).row, 2);
    EXPECT_EQ(storySkillTexts(11).first, "");
}

// ---- summoned-beast skills ----

TEST(BeastSkills, PagesAndPairs)
{
    int basic = 0;
    std::set<std::pair<int, int>> cells[2];
    for (int i = 0; i < kBeastSkillCount; ++i) {
        basic += beastSkillPage(i) == 0;
        const GridCell g = beastSkillCell(i);
        ASSERT_GE(g.column, 0);
        ASSERT_LT(g.column, 11);
        ASSERT_LT(g.row, 4);
        cells[beastSkillPage(i)].insert({g.column, g.row});
    }
    EXPECT_EQ(basic, 44);
    EXPECT_EQ(cells[0].size(), 44u);
    EXPECT_EQ(cells[1].size(), 44u);
    // Each of the first 38 basic skills faces its advanced form on the other page.
    const char* renamed[] = {"奔雷咒", "泰山压顶", "水漫金山", "地狱烈火"};
    for (int k = 0; k < 38; ++k) {
        EXPECT_EQ(beastSkillCell(k).column, beastSkillCell(43 + k).column) << k;
        EXPECT_EQ(beastSkillCell(k).row, beastSkillCell(43 + k).row) << k;
        const std::string expected =
            k >= 27 && k <= 30 ? renamed[k - 27] : "高级" + std::string(beastSkills()[k].name);
        EXPECT_EQ(beastSkills()[43 + k].name, expected);
    }
    // 法术防御 sits between 水属性吸收 and 弱点雷 and has no tooltip.
    EXPECT_EQ(beastSkillCell(87).column, 5);
    EXPECT_EQ(beastSkillCell(37).column, 4);
    EXPECT_EQ(beastSkillCell(38).column, 6);
    EXPECT_FALSE(beastSkillHasTooltip(87));
    EXPECT_TRUE(beastSkillHasTooltip(86));
}

TEST(BeastSkills, Texts)
{
    EXPECT_EQ(beastSkillText(43), "【高级反击】\r\n受到物理攻击时有30%几率自动反击，反击的伤害与正常攻击相同");
    EXPECT_EQ(beastSkillText(2), "【吸血】\r\n物理攻击时，吸取对方所掉气血的25%, 如果对方有异常状态，吸血后会中毒，"
                                 "攻击鬼魂类怪物时无效");
    EXPECT_EQ(beastSkillText(1), "【反震】\r\n暂缺");
    EXPECT_EQ(beastSkillText(88), "");
}

// ---- sect skills ----

TEST(SectSkills, SectsAndPlaces)
{
    EXPECT_EQ(sectNames()[0], "大唐官府");
    EXPECT_EQ(sectNames()[11], "盘丝洞");
    EXPECT_EQ(sectSkills()[0].place, IconPlace::Centre);
    EXPECT_EQ(sectSkills()[1].place, IconPlace::Top);
    EXPECT_EQ(sectSkills()[23].place, IconPlace::UpperLeft);
    // From 天宫 on the seven icons take the places in their order.
    EXPECT_EQ(sectSkills()[28].place, IconPlace::Top);
    EXPECT_EQ(sectSkills()[34].place, IconPlace::Bottom);
    EXPECT_EQ(sectSkills()[81].place, IconPlace::LowerLeft);
    EXPECT_EQ(iconPlaceTwips(IconPlace::LowerRight).column, 2280);
    EXPECT_EQ(iconPlaceTwips(IconPlace::LowerRight).row, 1920);
    // Each sect frame uses the seven places once.
    for (int s = 0; s < kSectCount; ++s) {
        std::set<IconPlace> used;
        for (int k = 0; k < 7; ++k)
            used.insert(sectSkills()[7 * s + k].place);
        EXPECT_EQ(used.size(), 7u) << s;
    }
}

TEST(SectSkills, LearningTexts)
{
    struct Case {
        int index;
        const char* title;
        const char* learning;
    } const cases[] = {
        {2, "【神兵鉴赏】", ""},
        {0, "【十方无敌】", "学习效果：按技能等级提高伤害力"},
        {8, "【小乘佛法】", "按技能等级提高灵力"},
        {23, "【沉鱼落雁】", "暗器:\r\n25级秒2\r\n50级秒3\r\n75级秒4\r\n100级秒5\r\n125级秒6\r\n150级秒7"},
        {28, "【傲世诀】", "按技能等级提高HP上限\r\n增加的HP上限=技能等级x0.33"},
        {42, "【周易学】", "按技能等级提高MP上限"},
        {27, "【清歌妙舞】", "按技能等级提高速度"},
        {78, "【秋波暗送】", "按技能等级提高命中"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sectSkillTexts(c.index).first, c.title);
        EXPECT_EQ(sectSkillTexts(c.index).second, c.learning);
    }
    EXPECT_EQ(sectSkillTexts(84).first, "");
}

// ---- spells ----

TEST(Spells, FramesHoldTheirSpellsInPlaceOrder)
{
    EXPECT_EQ(spellsOfSkill(81), (std::vector<int>{137, 138, 134}));          // 催情大法
    EXPECT_EQ(spellsOfSkill(30), (std::vector<int>{57, 56}));                 // 混天术
    EXPECT_EQ(spellsOfSkill(12), (std::vector<int>{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 147}));
    EXPECT_EQ(spellsOfSkill(17), (std::vector<int>{28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 148}));
    EXPECT_EQ(spells()[147].page, 2);
    EXPECT_EQ(spells()[147].place, 2);
    EXPECT_EQ(spells()[148].page, 2);
    // Seven skills teach no spell.
    std::vector<std::string_view> empty;
    std::size_t total = 0;
    for (int s = 0; s < kSectSkillCount; ++s) {
        const std::vector<int> v = spellsOfSkill(s);
        total += v.size();
        if (v.empty())
            empty.push_back(sectSkills()[s].name);
        EXPECT_LE(v.size(), s == 12 || s == 17 ? 11u : 5u) << s;
    }
    EXPECT_EQ(total, 156u);
    EXPECT_EQ(empty, (std::vector<std::string_view>{"磐龙灭法", "毒经", "混元道果", "灵性", "护法金刚", "震天诀",
                                                     "天外魔音"}));
}

TEST(Spells, TitlesAndDetails)
{
    struct Case {
        int index;
        const char* title;
        const char* detail;
    } const cases[] = {
        {3, "【反间之计】", "功效：令怪物处于混乱状态，不能用于玩家对战\r\n使用条件：文韬武略技能达到20级\r\n消耗：30点魔法"},
        {10, "【金刚护法】\r\n增加伤害=技能等级+10\r\n30级加1\r\n35级加2\r\n70级加3\r\n105级加4\r\n140级加5",
         "功效：战斗中临时提高自己或队友的伤害力，技能等级较高后可作用于多人\r\n使用条件：佛光普照技能达到30级\r\n"
         "消耗：80点魔法"},
        {29, "【兵解符】",
         "功效：在战斗中逃离战场回到自己门派\r\n使用条件: 符之术技能等级达到10级以上、MP≥10\r\n"
         "消耗MP：当前所有魔法、90%当前气血，使用失败无消耗"},
        {134, "【魔音摄魄】", "功效：令对手一定回合内无法恢复气血和疗伤\r\n使用条件：天外魔音技能达到45级\r\n消耗：40点魔法"},
        {15, "【化淤】", "功效：暂缺\r\n使用条件: 暂缺\r\n消耗：暂缺"},
        {18, "【针灸】", "功效：暂缺\r\n使用条件: 暂缺\r\n消耗：暂缺"},
        {7, "【紫气东来】", " 功效：克制普陀山弟子的必杀技，使用后需要休息一回合\r\n使用条件：暂缺\r\n消耗：暂缺"},
        {111, "【黄泉之息】", "功效：暂缺\r\n人物飞升且“幽冥术”技能达到120级\r\n消耗：暂缺"},
        {40, "【神兵护法】", "功效：暂缺\r\n使用条件：暂缺\r\n消耗: 和技能等级数相同的活力"},
        {8, "【唧唧歪歪】\r\n25级秒2\r\n50级秒3\r\n75级秒4\r\n100级秒5\r\n125级秒6\r\n150级秒7",
         "功效：暂缺\r\n使用条件：暂缺\r\n消耗：暂缺"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spellTexts(c.index).first, c.title) << c.index;
        EXPECT_EQ(spellTexts(c.index).second, c.detail) << c.index;
    }
    EXPECT_EQ(spells()[15].name, "化瘀");
    EXPECT_EQ(spellTexts(156).first, "");
}

TEST(Spells, FormulaLinesAndConditionForms)
{
    int withFormula = 0, asciiCondition = 0;
    for (int i = 0; i < kSpellCount; ++i) {
        withFormula += !spells()[i].formula.empty();
        asciiCondition += spellTexts(i).second.find("\r\n使用条件: ") != std::string::npos;
        EXPECT_EQ(lineCount(spellTexts(i).second), 3) << i;
    }
    EXPECT_EQ(withFormula, 33);
    EXPECT_EQ(asciiCondition, 31);
    EXPECT_EQ(lineCount(spellTexts(110).first), 11); // 阎罗令: name, four lines, the six of 唧唧歪歪
    EXPECT_EQ(spellTexts(65).first, sectSkillTexts(35).first); // 龙腾 bears its skill's name
}

TEST(Selection, MarksAndUnmarks)
{
    SelectionHighlight s;
    EXPECT_FALSE(s.current());
    SelectionHighlight::Change c = s.choose(3);
    EXPECT_FALSE(c.unmark);
    EXPECT_EQ(c.mark, 3);
    c = s.choose(3);
    EXPECT_FALSE(c.unmark);
    EXPECT_FALSE(c.mark);
    c = s.choose(7);
    EXPECT_EQ(c.unmark, 3);
    EXPECT_EQ(c.mark, 7);
    EXPECT_EQ(s.current(), 7);
}
