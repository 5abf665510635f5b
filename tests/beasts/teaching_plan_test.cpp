#include "beasts/raising_plan.h"
#include "beasts/teaching.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace beasts;

namespace {
std::vector<std::size_t> numbers(const std::vector<std::size_t>& found)
{
    std::vector<std::size_t> n;
    for (std::size_t i : found)
        n.push_back(i + 1);
    return n;
}
} // namespace

TEST(Teaching, Bank)
{
    EXPECT_EQ(TeachingQuestions[0].question, "(1)平时多吃哪种食品对身体有好处？");
    EXPECT_EQ(TeachingQuestions[0].answers[0], "A、人参钝鸡汤(增加临时法学)");
    EXPECT_EQ(TeachingQuestions[47].question, "(48)一个人在家的时候做哪些比较好？");
    EXPECT_EQ(TeachingQuestions[47].answers[2], "C、可以舞舞剑(增加临时武学 )");
    EXPECT_EQ(TeachingQuestions[44].answers[1], "B.等它自己翻(增加临时心态)");
    EXPECT_EQ(TeachingQuestions[14].answers[2], "C、武力解决 (增加临时武学)");
    int withoutD = 0;
    for (const TeachingQuestion& q : TeachingQuestions)
        withoutD += q.answers[3] == "D、无";
    EXPECT_EQ(withoutD, 35);
}

TEST(Teaching, EveryQuestionHasOneAnswerForEachTemporaryGain)
{
    // Each question has exactly one answer each for 临时武学, 临时法学 and 临时心态; thirteen
    // have a fourth answer for 温饱, 临时温饱 or 临时体质, the others "D、无".
    const std::map<int, std::string> fourth{
        {1, "温饱"},  {3, "温饱"},  {8, "温饱"},      {16, "临时温饱"}, {17, "温饱"},      {20, "温饱"},      {28, "温饱"},
        {29, "温饱"}, {31, "温饱"}, {34, "温饱"},     {42, "临时温饱"}, {46, "临时温饱"}, {48, "临时体质"},
    };
    const auto effect = [](std::string_view answer) {
        const std::size_t from = answer.find("(增加");
        const std::size_t to = answer.rfind(')');
        if (from == std::string_view::npos || to == std::string_view::npos || to < from)
            return std::string();
        std::string e(answer.substr(from + std::string_view("(增加").size(), to - from - std::string_view("(增加").size()));
        while (!e.empty() && e.back() == ' ')
            e.pop_back();
        return e;
    };
    for (std::size_t i = 0; i < TeachingQuestions.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const TeachingQuestion& q = TeachingQuestions[i];
        EXPECT_EQ(q.question.substr(0, std::to_string(n).size() + 2), "(" + std::to_string(n) + ")") << n;
        std::multiset<std::string> gains;
        for (std::size_t k = 0; k < 3; ++k)
            gains.insert(effect(q.answers[k]));
        if (fourth.count(n)) {
            gains.insert(effect(q.answers[3]));
            EXPECT_EQ(gains.count(fourth.at(n)), 1u) << n;
        } else {
            EXPECT_EQ(q.answers[3], "D、无") << n;
        }
        for (const char* g : {"临时武学", "临时法学", "临时心态"})
            EXPECT_EQ(gains.count(g), 1u) << n << ' ' << g;
        EXPECT_EQ(gains.size(), fourth.count(n) ? 4u : 3u) << n;
    }
}

TEST(Teaching, Search)
{
    struct Case {
        const char* fragment;
        std::vector<std::size_t> numbers;
    };
    const Case cases[] = {
        {"钱", {9, 19, 31, 36}},
        {"玩具", {2, 24, 38}}, // question 20 has 玩具 only in an answer
        {"(4", {4, 40, 41, 42, 43, 44, 45, 46, 47, 48}},
        {"1", {1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 31, 41}},
        {"（", {}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numbers(searchTeaching(c.fragment)), c.numbers) << c.fragment;
    EXPECT_EQ(searchTeaching("(").size(), 48u);
    EXPECT_EQ(searchTeaching("怎么办").size(), 22u);
    EXPECT_EQ(searchTeaching("？").size(), 47u); // question 44 ends with "。"
}

TEST(RaisingPlan, Lines)
{
    const std::vector<std::string> lines = raisingPlanLines();
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[0], "第 1天    0(100)     0(100)     8(100)    11(100)   19     "
                        "2本千字文[+4/本] 金柳露[+2] 超级金柳露[+5] 超级金柳露[+4]");
    EXPECT_EQ(lines[4], "第 5天    8(100)     8(100)    30(100)    27(100)   41    ");
    EXPECT_EQ(lines[30], "第31天  100(100)    60(100)    94(100)   100(100)   73     师门1 师门2");
    EXPECT_EQ(lines[31], "=========================单项总属性===============================");
    EXPECT_EQ(lines[37], "          * 投掷沙包    6个          * 弹弓        4个          * 红木短剑    5个");
}
