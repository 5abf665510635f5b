#include "puzzles/chest_quest.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

namespace puzzles {

namespace {

struct ChestQuestion {
    std::string_view question;
    std::array<std::string_view, 3> answers; // unused slots empty
    bool blankLineWhenTall;
};

// The full-width "（）" in a question marks the blank to fill.
constexpr std::array<ChestQuestion, kChestQuizSize> kChestQuestions{{
    {"《九章算术》章约成书于东汉之初，共有（）个问题的解法。如联立议程分数四则运算正负数运算，几何图形的体积面积计等",
     {"答案：246"}, false},
    {"下列哪个选项不属于《九章算术》的章节", {"答案：筑房", "答案：积多", "答案：均不剩"}, true},
    {"下列哪个选项不是我国著名科学家沈括的作品", {"答案：《九章算术》"}, true},
    {"下列与中国古代数学家沈括相关的表叙中不正确的是?", {"答案：沈括解决了球体体积的计算问题"}, true},
    {"计算国圆内接96边形才求得圆周率=3.14，若设想祖冲之按刘徽的“割圆术”方法去求圆周率并精确到小数点后6位的话，"
     "就要计算到圆内接（）形",
     {"答案：16384"}, false},
    {"下列与中国古代数学家祖冲之相关的表述中不正确的是？", {"答案：祖冲之独自一人用巧妙的方法解决了球体体积的计算"}, false},
    {"徐光启与传教士利玛窦（M.Ricci）合作翻译西方数学名著《几何原本》的前六卷，请问利玛窦是哪国人？", {"答案：意大利"},
     false},
    {"下列与中国古代数学家徐光启相关的表述中不正确的是？", {"答案：徐光启依照传统历法，主持编译了《崇祯历书》"}, false},
    {"刘徽在《海岛算经》一书中精心选项编了（）个测量问题？", {"答案：九"}, false},
    {"刘徽是中国数学史上一个非常伟大的数学家，在世界数学史上也占有杰出的地位，下列哪部作品是他的杰作之一？",
     {"答案：《九章算术注》"}, false},
    {"下列与中国古代数学家刘徽相关的表述中不正确的是？", {"答案：《九章算术》是刘徽的杰作之一"}, false},
    {"“杨辉三角”出现在下列哪部古代数学著作中", {"答案：《详解九章算法》"}, false},
    {"下列与中国古代数学家程大立相关的表叙中不正确的是？", {"答案：程大立年轻的时候对数学发生浓厚兴趣，写成《算法统宗》一书"},
     false},
    {"为纪念张衡的功绩，人们将月球背面的一环形山命名为“张衡环形山”，将编号（）的小行星命名为“张衡小行星”。",
     {"答案：1802"}, false},
    {"下列与中国古代数学家郭守敬相关的表述中不正确的是？", {"答案：郭守敬提出并完成了自大都到杭州的运河工程"}, false},
    {"现代人研究类似田忌赛马这种竞赛策略的数学分支，叫作博奕论。请问田忌赛马的故事发生在春秋战国时期的哪个国家？",
     {"答案：齐国"}, false},
    {"下列与中国古代数学家张衡相关的表述中不正确的是？", {"答案：张衡观测并记录了五百多颗恒星"}, false},
    {"下列与中国古代数学家张遂相关的表述中不正确的是？", {"答案：张遂用“浑天仪”测定了多颗恒星的位置"}, false},
}};

constexpr std::string_view kCrLf = "\r\n";

std::array<std::string, kChestQuizSize> buildTable(ChestLayout layout)
{
    std::array<std::string, kChestQuizSize> out;
    for (int i = 0; i < kChestQuizSize; ++i) {
        const ChestQuestion& q = kChestQuestions[static_cast<std::size_t>(i)];
        std::string e(q.question);
        e += kCrLf;
        if (layout == ChestLayout::Wide || q.blankLineWhenTall)
            e += kCrLf;
        bool first = true;
        for (std::string_view a : q.answers) {
            if (a.empty())
                continue;
            if (!first)
                e += kCrLf;
            e += a;
            first = false;
        }
        out[static_cast<std::size_t>(i)] = std::move(e);
    }
    return out;
}

} // namespace

const std::string& chestQuizEntry(ChestLayout layout, int index)
{
    static const auto tall = buildTable(ChestLayout::Tall);
    static const auto wide = buildTable(ChestLayout::Wide);
    const auto& t = layout == ChestLayout::Tall ? tall : wide;
    return t[static_cast<std::size_t>(std::clamp(index, 0, kChestQuizSize - 1))];
}

// ---- search and pager ----

ChestView ChestSearch::search(std::string_view keyword)
{
    m_hits.clear();
    m_pos = 0;
    if (keyword.empty())
        return {};
    // UTF-8 is self-synchronising, so a byte match is a match of whole characters.
    for (int i = 0; i < kChestQuizSize; ++i)
        if (chestQuizEntry(m_layout, i).find(keyword) != std::string::npos)
            m_hits.push_back(i);
    return view();
}

ChestView ChestSearch::pageUp()
{
    if (m_pos > 0)
        --m_pos;
    return view();
}

ChestView ChestSearch::pageDown()
{
    if (m_pos + 1 < hitCount())
        ++m_pos;
    return view();
}

ChestView ChestSearch::view() const
{
    ChestView v;
    if (m_hits.empty())
        return v;
    v.answer = chestQuizEntry(m_layout, m_hits[static_cast<std::size_t>(m_pos)]);
    v.upEnabled = m_pos > 0;
    v.downEnabled = m_pos + 1 < hitCount();
    return v;
}

// ---- puzzles ----

namespace {

struct PuzzleShape {
    int fields;
    int length;
};

constexpr std::array<PuzzleShape, kChestPuzzleCount> kShapes{{
    {1, 3}, {3, 3}, {1, 6}, {2, 3}, {4, 3}, {4, 3}, {3, 3}, {11, 4}, {10, 4}, {4, 4},
}};

// The fields of one computation; a missing field is empty.
class Fields {
public:
    Fields(std::span<const std::string> f, int count) : m_f(f), m_count(count) {}
    const std::string& text(int i) const
    {
        static const std::string empty;
        return i < static_cast<int>(m_f.size()) ? m_f[static_cast<std::size_t>(i)] : empty;
    }
    bool allFilled() const
    {
        for (int i = 0; i < m_count; ++i)
            if (text(i).empty())
                return false;
        return true;
    }
    // Every field's leading number, or nothing when one does not fit a double.
    std::optional<std::vector<double>> numbers() const
    {
        std::vector<double> out;
        for (int i = 0; i < m_count; ++i) {
            const common::ReadNumber r = common::readLeadingNumber(text(i));
            if (!r.valid || !std::isfinite(r.value))
                return std::nullopt;
            out.push_back(r.value);
        }
        return out;
    }
    // Every field as a whole number in [lo, hi] after rounding half to even, or nothing.
    std::optional<std::vector<std::int64_t>> wholes(std::int64_t lo, std::int64_t hi) const
    {
        const auto n = numbers();
        if (!n)
            return std::nullopt;
        std::vector<std::int64_t> out;
        for (double v : *n) {
            if (v < static_cast<double>(lo) - 1.0 || v > static_cast<double>(hi) + 1.0)
                return std::nullopt;
            const std::int64_t w = common::roundHalfEven(v);
            if (w < lo || w > hi)
                return std::nullopt;
            out.push_back(w);
        }
        return out;
    }

private:
    std::span<const std::string> m_f;
    int m_count;
};

std::string number(double v) { return std::isfinite(v) ? common::formatNumber(v) : std::string(); }

constexpr std::int64_t kInt16Min = -32768;
constexpr std::int64_t kInt16Max = 32767;

std::string sortedAnswer(const Fields& f, const std::function<std::int64_t(const std::vector<std::int64_t>&)>& formula)
{
    auto v = f.wholes(kInt16Min, kInt16Max);
    if (!v)
        return {};
    std::sort(v->begin(), v->end(), std::greater<>());
    return common::formatNumber(formula(*v));
}

// Squared distance as the puzzle compares it: in double, then once to single precision.
float squaredDistance(double x, double y, double cx, double cy)
{
    return static_cast<float>((x - cx) * (x - cx) + (y - cy) * (y - cy));
}

std::string pointText(const Fields& f, int xField, std::string_view tail)
{
    return "(" + f.text(xField) + "," + f.text(xField + 1) + ")" + std::string(tail);
}

} // namespace

namespace {
// The shape of one of the ten puzzles; any other value has no fields.
PuzzleShape shapeOf(ChestPuzzle p)
{
    const int i = static_cast<int>(p);
    return i >= 0 && i < kChestPuzzleCount ? kShapes[static_cast<std::size_t>(i)] : PuzzleShape{0, 0};
}
} // namespace

int chestPuzzleFieldCount(ChestPuzzle p) { return shapeOf(p).fields; }
int chestPuzzleFieldLength(ChestPuzzle p) { return shapeOf(p).length; }

std::string solveChestPuzzle(ChestPuzzle p, std::span<const std::string> fields)
{
    const Fields f(fields, chestPuzzleFieldCount(p));
    if (!f.allFilled())
        return {};
    switch (p) {
    case ChestPuzzle::SumToN: {
        const auto v = f.numbers();
        return v ? number(((*v)[0] + 1) * (*v)[0] / 2) : std::string();
    }
    case ChestPuzzle::SquareOfSum: {
        const auto v = f.numbers();
        if (!v)
            return {};
        const double a = (*v)[0], b = (*v)[1], c = (*v)[2];
        const double s = ((a + b) + c) / 2 + a - c;
        return number(s * s);
    }
    case ChestPuzzle::PhraseCharacter: {
        const auto v = f.wholes(INT32_MIN, INT32_MAX);
        if (!v || (*v)[0] < 0)
            return {};
        static constexpr std::array<std::string_view, 6> kPhrase{"游", "我", "爱", "梦", "幻", "西"};
        return std::string(kPhrase[static_cast<std::size_t>((*v)[0] % 6)]);
    }
    case ChestPuzzle::TwoNumberProduct: {
        const auto v = f.numbers();
        return v ? number((*v)[0] * (*v)[1]) : std::string();
    }
    case ChestPuzzle::TopPairMinusBottomPair:
        return sortedAnswer(f, [](const auto& s) { return s[0] * s[1] - s[2] * s[3]; });
    case ChestPuzzle::OuterMinusInner:
        return sortedAnswer(f, [](const auto& s) { return s[0] * s[3] - s[1] * s[2]; });
    case ChestPuzzle::LargestSquareMinusRest:
        return sortedAnswer(f, [](const auto& s) { return s[0] * s[0] - s[1] * s[2]; });
    case ChestPuzzle::CircleOutsideTest: {
        const auto v = f.numbers();
        if (!v)
            return {};
        const double cx = (*v)[0], cy = (*v)[1], d = (*v)[2];
        const float r = static_cast<float>(d * d / 4);
        for (int k = 0; k < 4; ++k) {
            const int xf = 3 + 2 * k;
            const float dk = squaredDistance((*v)[static_cast<std::size_t>(xf)],
                                             (*v)[static_cast<std::size_t>(xf + 1)], cx, cy);
            if (dk >= r)
                return pointText(f, xf, "不在圆内");
        }
        return {};
    }
    case ChestPuzzle::NearestPoint: {
        const auto v = f.numbers();
        if (!v)
            return {};
        int best = 0;
        float bestDistance = 0;
        for (int k = 0; k < 4; ++k) {
            const int xf = 2 + 2 * k;
            const float dk = squaredDistance((*v)[static_cast<std::size_t>(xf)],
                                             (*v)[static_cast<std::size_t>(xf + 1)], (*v)[0], (*v)[1]);
            if (k == 0 || dk < bestDistance) {
                best = xf;
                bestDistance = dk;
            }
        }
        return pointText(f, best, "距离最近");
    }
    case ChestPuzzle::OrchardPair: {
        const auto v = f.numbers();
        if (!v)
            return {};
        const double east = (*v)[0], south = (*v)[1], west = (*v)[2], north = (*v)[3];
        if (west * north < east * south)
            return "西北 果园同时结出蟠桃";
        if (west * north > east * south)
            return "东南 果园同时结出蟠桃";
        return {};
    }
    }
    return {};
}

} // namespace puzzles
