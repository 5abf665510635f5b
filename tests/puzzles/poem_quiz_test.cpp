#include "puzzles/poem_quiz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using puzzles::kPoemMissing;
using puzzles::kPoemQuizSize;
using puzzles::poemQuizTable;

namespace {

std::vector<std::string> lines(const std::string& entry)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = entry.find("\r\n", start);
        out.push_back(entry.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return out;
        start = end + 2;
    }
}

bool endsWith(const std::string& s, std::string_view tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// One row of the table's listing: index, form, number of lines and what names it.
struct SkeletonRow {
    int index;
    char form;
    int lines;
    std::string name;
};

std::vector<SkeletonRow> skeleton()
{
    std::ifstream in(BAIBAO_TEST_DATA "/poem_quiz_skeleton.tsv");
    std::vector<SkeletonRow> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream row(line);
        std::string index, form, count, name;
        std::getline(row, index, '\t');
        std::getline(row, form, '\t');
        std::getline(row, count, '\t');
        std::getline(row, name);
        out.push_back({std::stoi(index), form[0], std::stoi(count), name});
    }
    return out;
}

// An entry filled as listed, or with its fixed lines followed by one "暂缺".
void expectShape(const SkeletonRow& row, const std::vector<std::string>& head)
{
    const std::vector<std::string> l = lines(poemQuizTable()[static_cast<std::size_t>(row.index)]);
    ASSERT_GE(l.size(), head.size()) << row.index;
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(l[i], head[i]) << row.index;
    const bool missing = l.size() == head.size() + 1 && l.back() == kPoemMissing;
    if (!missing) {
        EXPECT_EQ(static_cast<int>(l.size()), row.lines) << row.index;
    }
    EXPECT_LE(static_cast<int>(l.size()), std::max(row.lines, static_cast<int>(head.size()) + 1)) << row.index;
}

} // namespace

TEST(PoemQuizTable, FollowsTheListing)
{
    const std::vector<SkeletonRow> rows = skeleton();
    ASSERT_EQ(rows.size(), 750u);
    ASSERT_EQ(poemQuizTable().size(), 750u);
    for (const SkeletonRow& row : rows) {
        const std::string& e = poemQuizTable()[static_cast<std::size_t>(row.index)];
        ASSERT_FALSE(e.empty()) << row.index;
        for (const std::string& l : lines(e)) {
            EXPECT_FALSE(l.empty()) << row.index;
            EXPECT_NE(l.front(), ' ') << row.index;
            EXPECT_NE(l.back(), ' ') << row.index;
        }
        switch (row.form) {
        case 'P': {
            const std::size_t blank = row.name.rfind(' ');
            const std::string title = row.name.substr(0, blank);
            const std::string author = row.name.substr(blank + 1);
            std::string authorLine = "作者：" + author;
            if (row.index == 333)
                authorLine = author;
            if (row.index == 429)
                authorLine = "作者 " + author;
            expectShape(row, {title, authorLine});
            break;
        }
        case 'A': {
            const std::size_t blank = row.name.find(' ');
            expectShape(row, {"作者：" + row.name.substr(0, blank), row.name.substr(blank + 1)});
            break;
        }
        case 'T':
        case 'V':
        case 'Q':
            expectShape(row, {row.name});
            break;
        case 'S':
            EXPECT_EQ(e, row.name);
            break;
        case 'I':
            EXPECT_EQ(e.find("\r\n"), std::string::npos) << row.index;
            EXPECT_EQ(e.rfind(row.name, 0), 0u) << row.index;
            if (row.index != 490) {
                EXPECT_TRUE(endsWith(e, "）")) << row.index;
            }
            break;
        default:
            ADD_FAILURE() << "form " << row.form;
        }
    }
}

TEST(PoemQuizTable, WholeEntriesAndDepartures)
{
    const auto& t = poemQuizTable();
    const std::map<int, std::string> whole{
        {0, "《赠汪伦》\r\n作者：李白\r\n李白乘舟将欲行，\r\n忽闻岸上踏歌声。\r\n桃花潭水深千尺，\r\n不及汪伦送我情。"},
        {20, "《与诸子登岘山》\r\n作者：孟浩然"},
        {12, "《孔雀东南飞》\r\n低头共耳语，\r\n誓不相隔卿，\r\n且暂还家去。\r\n吾今且赴府，\r\n不久当还归，\r\n誓天不相负！"},
        {198, "作者：韦应物\r\n闻道欲来相问讯，\r\n西楼望月几回圆。"},
        {10, "投我以木瓜，\r\n报之以琼琚"},
        {28, "词人李清照词集是：\r\n《漱玉集》"},
        {120, "词人贺铸号是：\r\n庆湖遗老，\r\n词集是：\r\n《庆湖遗老诗集》"},
        {451, "《一剪梅》\r\n作者：李清照\r\n红藕香残玉簟秋，\r\n轻解罗裳，\r\n独上兰舟。"},
        {452, "按古代兄弟排行的次序，次子应该称为（答案：仲）"},
        {749, "围棋的先手（答案：下棋时主动的形势）"},
        {161, "《岳阳楼记》作者：范仲淹 北宋人。"},
        {490, "尾生在桥下等了文秀几天——三天"},
        {611, "孙悟空的授业恩师是？(答案：菩提祖师）"},
        {464, "白晶晶是什么妖精? （答案：白骨精）"},
        {453, "按什么键可以进行游戏截图（答案：PrintScreen键）"},
    };
    for (const auto& [index, text] : whole)
        EXPECT_EQ(t[static_cast<std::size_t>(index)], text) << index;
    EXPECT_EQ(t[269], t[322]);
    EXPECT_EQ(t[356], t[368]);
    EXPECT_NE(t[735].find("（ 答案：驴皮、牛皮）"), std::string::npos);
    EXPECT_EQ(lines(t[84])[0], "《木兰花（玉楼春）》");
    EXPECT_EQ(lines(t[394])[0], "《苏幕遮》(范仲淹)");
    EXPECT_EQ(lines(t[394])[1], "作者：欧阳修");
    EXPECT_EQ(lines(t[260]).back(), "写的是：诸葛亮");
    EXPECT_EQ(lines(t[260]).size(), 7u);
    // Question marks of the quiz items: full-width in three, ASCII in 44, never both.
    int ascii = 0, fullWidth = 0;
    for (int i = 452; i < kPoemQuizSize; ++i) {
        const std::string& e = t[static_cast<std::size_t>(i)];
        const std::size_t answer = std::min(e.find("答案："), e.find("——"));
        const std::string question = e.substr(0, answer);
        ascii += question.find('?') != std::string::npos;
        fullWidth += question.find("？") != std::string::npos;
        EXPECT_FALSE(question.find('?') != std::string::npos && question.find("？") != std::string::npos) << i;
    }
    EXPECT_EQ(ascii, 44);
    EXPECT_EQ(fullWidth, 3);
}

// Verses in the reading of the school anthologies where collections differ (绿映红, not
// 绿映江; 沉沙, not 沈沙; 渔火, not 渔父), and entries that only one poem fits.
TEST(PoemQuizTable, StandardReadings)
{
    const auto& t = poemQuizTable();
    const std::map<int, std::string> whole{
        {2, "《江南春》\r\n作者：杜牧\r\n千里莺啼绿映红，\r\n水村山郭酒旗风。\r\n南朝四百八十寺，\r\n多少楼台烟雨中。"},
        {186, "《赤壁》\r\n作者：杜牧\r\n折戟沉沙铁未销，\r\n自将磨洗认前朝。\r\n东风不与周郎便，\r\n铜雀春深锁二乔。"},
        {175, "《嫦娥》\r\n作者：李商隐\r\n云母屏风烛影深，\r\n长河渐落晓星沉。\r\n嫦娥应悔偷灵药，\r\n碧海青天夜夜心。"},
        {259, "《送孟浩然之广陵》\r\n作者：李白\r\n故人西辞黄鹤楼，\r\n烟花三月下扬州。\r\n孤帆远影碧空尽，\r\n"
              "唯见长江天际流。"},
        {328, "《望庐山瀑布》\r\n作者：李白\r\n日照香炉生紫烟，\r\n遥看瀑布挂前川。\r\n飞流直下三千尺，\r\n"
              "疑是银河落九天。"},
        {63, "身既死兮神以灵，\r\n魂魄毅兮为鬼雄。"},
        {444, "青山隐隐水迢迢，\r\n秋尽江南草未凋。\r\n二十四桥明月夜，\r\n玉人何处教吹箫？"},
    };
    for (const auto& [index, text] : whole)
        EXPECT_EQ(t[static_cast<std::size_t>(index)], text) << index;
    const struct {
        int index;
        std::size_t line;
        const char* text;
    } verses[] = {
        {182, 3, "春来发几枝。"},   {183, 3, "江枫渔火对愁眠。"}, {260, 3, "名成八阵图。"},
        {316, 3, "客舍青青柳色新。"}, {362, 2, "银烛秋光冷画屏，"}, {362, 5, "卧看牵牛织女星。"},
        {380, 4, "两岸猿声啼不住，"}, {425, 2, "岐王宅里寻常见，"}, {195, 3, "乡音无改鬓毛衰。"},
        {197, 5, "春风不度玉门关。"},   {277, 3, "平明送客楚山孤。"},
    };
    for (const auto& v : verses) {
        const std::vector<std::string> l = lines(t[static_cast<std::size_t>(v.index)]);
        ASSERT_LT(v.line, l.size()) << v.index;
        EXPECT_EQ(l[v.line], v.text) << v.index;
    }
}

// Poems the collections credit to another poet or to none, name otherwise, or hold in a
// set, and a quotation whose given line is misprinted: a line of each finds its one entry,
// shown whole with the verses that follow.
TEST(PoemSearch, FindsPoemsTheCollectionsNameOtherwise)
{
    const auto& t = poemQuizTable();
    const struct {
        const char* query;
        int index;
        std::vector<std::string> lines;
    } cases[] = {
        {"危楼高百尺", 350, {"《夜宿山寺》", "作者：李白", "危楼高百尺，", "手可摘星辰。", "不敢高声语，", "恐惊天上人。"}},
        {"劝君莫惜", 315, {"《金缕衣》", "作者：杜秋娘", "劝君莫惜金缕衣，", "劝君惜取少年时。", "花开堪折直须折，",
                          "莫待无花空折枝。"}},
        {"野火烧不尽", 363, {"《草》", "作者：白居易", "离离原上草，", "一岁一枯荣。", "野火烧不尽，", "春风吹又生。"}},
        {"古调色", 317, {"作者：刘长卿", "古调色自爱，", "今人多不弹。"}},
        {"千里黄云", 428, {"《别董大》", "作者：高适", "千里黄云白日曛，", "北风吹雁雪纷纷。", "莫愁前路无知己，",
                          "天下谁人不识君？"}},
        {"葡萄美酒", 381, {"《凉州曲》", "作者：王翰", "葡萄美酒夜光杯，", "欲饮琵琶马上催。", "醉卧沙场君莫笑，",
                          "古来征战几人回。"}},
        {"秦时明月", 424, {"《出塞》", "作者：王昌龄", "秦时明月汉时关，", "万里长征人未还。", "但使龙城飞将在，",
                          "不教胡马度阴山。"}},
    };
    puzzles::PoemSearch s;
    for (const auto& c : cases) {
        EXPECT_EQ(lines(t[static_cast<std::size_t>(c.index)]), c.lines) << c.index;
        EXPECT_EQ(puzzles::findConsecutive(c.query), (std::vector<int>{c.index})) << c.query;
        const puzzles::PoemView v = s.search(c.query, false);
        EXPECT_EQ(v.shown, t[static_cast<std::size_t>(c.index)]) << c.query;
        EXPECT_FALSE(v.upEnabled || v.downEnabled) << c.query;
    }
    // The other poems of the sets are not the ones meant.
    for (const char* other : {"十里黄云", "六翮飘飖", "白花垣上", "单于北望", "秦中花鸟", "离别家乡", "丹阳城南", "骝马新跨"})
        EXPECT_TRUE(puzzles::findConsecutive(other).empty()) << other;
}

namespace {

std::vector<int> typed(puzzles::PoemSearch& s, const std::string& query, bool nonConsecutive)
{
    s.search(query, nonConsecutive);
    return s.matches();
}

} // namespace

TEST(PoemSearch, ModesAndTheirExamples)
{
    using puzzles::findConsecutive;
    using puzzles::findNonConsecutive;
    EXPECT_EQ(findNonConsecutive("伦汪").front(), 0);
    EXPECT_EQ(findNonConsecutive("汪伦").front(), 0);
    EXPECT_EQ(findConsecutive("汪伦").front(), 0);
    const std::vector<int> reversed = findConsecutive("伦汪");
    EXPECT_TRUE(std::find(reversed.begin(), reversed.end(), 0) == reversed.end());
    // Order and repetition of the characters play no part.
    EXPECT_EQ(findNonConsecutive("春风"), findNonConsecutive("风春"));
    EXPECT_EQ(findNonConsecutive("春春"), findNonConsecutive("春"));
    EXPECT_EQ(findNonConsecutive("春"), findConsecutive("春"));
    // Exactly the two copies of one entry.
    EXPECT_EQ(findConsecutive("渔瓮"), (std::vector<int>{356, 368}));
    EXPECT_EQ(findNonConsecutive("渔瓮"), (std::vector<int>{356, 368}));
    // Five characters are searched, six are too many.
    EXPECT_EQ(findNonConsecutive("李白汪伦情"), (std::vector<int>{0}));
    EXPECT_TRUE(findNonConsecutive("李白汪伦情深").empty());
    EXPECT_FALSE(findConsecutive("李白乘舟将欲行").empty());
    // Every hit holds every character; "，" among others counts as a character.
    for (int i : findNonConsecutive("春，")) {
        const std::string& e = poemQuizTable()[static_cast<std::size_t>(i)];
        EXPECT_NE(e.find("春"), std::string::npos);
        EXPECT_NE(e.find("，"), std::string::npos);
    }
    EXPECT_LT(findNonConsecutive("春，").size(), findNonConsecutive("春").size());
    EXPECT_FALSE(findNonConsecutive("春，").empty());
    // Exact comparison: the ASCII and full-width question marks differ.
    EXPECT_NE(findConsecutive("?"), findConsecutive("？"));
}

TEST(PoemSearch, IgnoredQueriesFindNothing)
{
    puzzles::PoemSearch s;
    for (const char* q : {"。", "？", "，", "：", "）", "（", "】", "【", " "}) {
        for (bool nonConsecutive : {true, false}) {
            const puzzles::PoemView v = s.search(q, nonConsecutive);
            EXPECT_EQ(v.shown, "") << q;
            EXPECT_FALSE(v.upEnabled || v.downEnabled) << q;
        }
    }
    // A mark among other characters is searched.
    EXPECT_FALSE(s.search("春，", true).shown.empty());
    EXPECT_FALSE(s.search("。\r\n", false).shown.empty());
}

// "暂缺" stands for a text the table lacks: it is no content, so no search finds it, and
// an entry that has it is found by its title, author or question.
TEST(PoemSearch, PlaceholderIsNoContent)
{
    const auto& t = poemQuizTable();
    for (std::size_t i = 0; i < t.size(); ++i)
        for (const std::string& l : lines(t[i]))
            if (l.find(kPoemMissing) != std::string::npos) {
                EXPECT_TRUE(l == kPoemMissing || endsWith(l, "答案：暂缺）")) << i << " " << l;
            }
    using Find = std::vector<int> (*)(std::string_view);
    for (Find find : {&puzzles::findConsecutive, &puzzles::findNonConsecutive}) {
        EXPECT_TRUE(find("暂缺").empty());
        EXPECT_TRUE(find("缺点").empty());
        EXPECT_EQ(find("缺"), (std::vector<int>{407})); // 月有阴晴圆缺
        // The ten 《长恨歌》, most of whose verses the table lacks.
        EXPECT_EQ(find("长恨歌"), (std::vector<int>{176, 199, 203, 217, 276, 295, 306, 345, 366, 450}));
        EXPECT_EQ(find("百二关河"), (std::vector<int>{456}));
    }
    EXPECT_TRUE(puzzles::findConsecutive("\r\n暂缺").empty());
    EXPECT_TRUE(puzzles::findConsecutive("答案：暂缺）").empty());
    puzzles::PoemSearch s;
    const puzzles::PoemView v = s.search("缺", true);
    EXPECT_EQ(v.shown, t[407]);
    EXPECT_FALSE(v.upEnabled || v.downEnabled);
}

// The non-consecutive result depends on the query alone: a paste, an edit in the middle
// or a query that follows an ignored one finds what typing it afresh finds.
TEST(PoemSearch, ResultDependsOnTheQueryAlone)
{
    puzzles::PoemSearch typedOne, pasted;
    typed(typedOne, "春", true);
    const std::vector<int> byTyping = typed(typedOne, "春风", true);
    typed(pasted, "月", true);
    EXPECT_EQ(typed(pasted, "春风", true), byTyping);   // pasted over another query
    typed(pasted, "，", true);                          // ignored
    EXPECT_EQ(typed(pasted, "，风", true), puzzles::findNonConsecutive("风，"));
    typed(pasted, "春风月", true);
    EXPECT_EQ(typed(pasted, "秋风月", true), puzzles::findNonConsecutive("月风秋")); // first character edited
    EXPECT_NE(typed(pasted, "秋风月", true), typed(typedOne, "春风月", true));
}

TEST(PoemSearch, BrowsingStopsAtBothEnds)
{
    puzzles::PoemSearch s;
    for (bool nonConsecutive : {true, false}) {
        puzzles::PoemView v = s.search("围棋", nonConsecutive);
        EXPECT_FALSE(v.upEnabled);
        EXPECT_TRUE(v.downEnabled);
        // Bounded, so a ↓ that never turns off fails here instead of looping for ever.
        for (int presses = 0; v.downEnabled && presses < 1000; ++presses)
            v = s.down();
        EXPECT_FALSE(v.downEnabled);
        EXPECT_EQ(v.shown, "围棋的先手（答案：下棋时主动的形势）");
        EXPECT_TRUE(v.upEnabled);
        EXPECT_EQ(s.down().shown, v.shown); // no wrap
    }
    puzzles::PoemView v = s.search("渔瓮", false);
    EXPECT_TRUE(!v.upEnabled && v.downEnabled);
    v = s.down();
    EXPECT_TRUE(v.upEnabled && !v.downEnabled);
    v = s.up();
    EXPECT_TRUE(!v.upEnabled && v.downEnabled);
    EXPECT_EQ(v.shown, poemQuizTable()[356]);
    v = s.search("漱玉集", true);
    EXPECT_EQ(v.shown, poemQuizTable()[28]);
    EXPECT_FALSE(v.upEnabled || v.downEnabled);
    v = s.search("没有这样的字句", false);
    EXPECT_EQ(v.shown, "");
}
