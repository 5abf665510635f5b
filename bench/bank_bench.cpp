// Reading a question bank of 30,000 records from disk, beside what the system converter
// takes to read and decode the same file (iconv -f GB18030 -t UTF-8 does this as a process).
// Two banks: "even", every line the same shape, and "varied", lines from a few bytes to
// several hundred, mostly Chinese with some lines all ASCII, as banks grown by hand are.

#include "exam/question_bank.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 30000;

enum class Shape { Even, Varied };

struct BankFile {
    std::string path;
    std::size_t decodedBytes = 0;
};

const char* const kCategories[] = {"游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
                                   "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目"};

std::string evenBank()
{
    std::string utf8;
    for (int i = 1; i <= kRecords; ++i) {
        if (i % 2)
            utf8 += ' '; // appended lines start with a blank
        utf8 += std::to_string(i);
        utf8 += ',';
        utf8 += kCategories[i % 10];
        utf8 += ",第";
        utf8 += std::to_string(i);
        utf8 += "题：春眠不觉晓的下一句是什么,处处闻啼鸟,夜来风雨声,花落知多少,举头望明月\r\n";
    }
    return utf8;
}

// Fields of 1 to 150 characters: Chinese text with its punctuation, now and then a number
// in it, and one record in four all ASCII. The same bank every run.
std::string variedBank()
{
    static const char* const kHan[] = {
        "长", "安", "城", "的", "门", "朝", "哪", "边", "春", "眠", "不", "觉", "晓", "处", "闻", "啼",
        "鸟", "夜", "来", "风", "雨", "声", "花", "落", "知", "多", "少", "举", "头", "望", "明", "月",
        "秦", "始", "皇", "名", "字", "叫", "什", "么", "中", "国", "最", "河", "流", "黄", "江", "珠",
        "龙", "诗", "词", "对", "联", "茶", "酒", "药", "书", "画", "艺", "术", "佛", "道", "礼", "仪",
        "，", "。", "？", "：", "《", "》", "、", "“", "”", "（", "）", "·"};
    std::mt19937 rng(20261211);
    auto pick = [&rng](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); };
    // Questions of four to twelve characters and answers of one or two, most of them, as
    // in "长安城的城门朝哪边？,南,北,东,西", with a long tail of both.
    auto length = [&](bool question) {
        const int roll = pick(0, 99);
        if (question) {
            if (roll < 10)
                return pick(2, 5);
            if (roll < 85)
                return pick(4, 12);
            if (roll < 95)
                return pick(13, 40);
            return pick(60, 150);
        }
        if (roll < 60)
            return pick(1, 2);
        if (roll < 85)
            return pick(3, 6);
        if (roll < 97)
            return pick(7, 16);
        return pick(20, 40);
    };
    auto text = [&](int chars, bool ascii) {
        std::string s;
        if (ascii) {
            for (int k = 0; k < chars; ++k)
                s += k > 0 && pick(0, 5) == 0 ? ' ' : static_cast<char>(pick(0, 3) ? pick('a', 'z') : pick('0', '9'));
            return s;
        }
        const int numberAt = pick(0, 5) == 0 ? pick(0, chars) : -1;
        for (int k = 0; k < chars; ++k) {
            if (k == numberAt)
                s += std::to_string(pick(1, 2000));
            s += kHan[pick(0, static_cast<int>(std::size(kHan)) - 1)];
        }
        return s;
    };
    std::string utf8;
    for (int i = 1; i <= kRecords; ++i) {
        const bool ascii = pick(0, 3) == 0;
        if (pick(0, 1))
            utf8 += ' ';
        utf8 += std::to_string(i);
        utf8 += ',';
        utf8 += ascii ? "Other" : kCategories[i % 10];
        utf8 += ',';
        utf8 += text(length(true), ascii);
        for (int k = 0; k < 4; ++k) {
            utf8 += ',';
            utf8 += text(length(false), ascii);
        }
        utf8 += "\r\n";
    }
    return utf8;
}

const BankFile& bankFile(Shape shape)
{
    auto make = [](Shape s) {
        BankFile f;
        f.path = (std::filesystem::temp_directory_path() /
                  ("bench_test_" + std::to_string(std::random_device{}()) + ".dat"))
                     .string();
        const std::string utf8 = s == Shape::Even ? evenBank() : variedBank();
        std::string gbk;
        exam::encodeFromUtf8(utf8, exam::TextEncoding::Gb18030, gbk);
        std::ofstream(f.path, std::ios::binary) << gbk;
        f.decodedBytes = utf8.size();
        return f;
    };
    static const BankFile even = make(Shape::Even);
    static const BankFile varied = make(Shape::Varied);
    return shape == Shape::Even ? even : varied;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The baseline: read the file, decode it whole with the system converter.
void BM_IconvDecode(benchmark::State& state, Shape shape)
{
    const BankFile& f = bankFile(shape);
    for (auto _ : state) {
        std::string bytes = readAll(f.path);
        iconv_t cd = iconv_open("UTF-8", "GB18030");
        std::string out(bytes.size() * 2, '\0');
        char* in = bytes.data();
        char* o = out.data();
        std::size_t inLeft = bytes.size(), outLeft = out.size();
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1))
            state.SkipWithError("iconv refused the file");
        iconv_close(cd);
        out.resize(out.size() - outLeft);
        benchmark::DoNotOptimize(out.data());
        if (out.size() != f.decodedBytes)
            state.SkipWithError("decoded size differs");
    }
}
BENCHMARK_CAPTURE(BM_IconvDecode, even, Shape::Even)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IconvDecode, varied, Shape::Varied)->Unit(benchmark::kMillisecond);

// The whole load: records and list lines ready.
void BM_LoadQuestionBank(benchmark::State& state, Shape shape)
{
    const BankFile& f = bankFile(shape);
    std::size_t storage = 0;
    for (auto _ : state) {
        exam::BankLoadResult r = exam::loadQuestionBankFile(f.path);
        benchmark::DoNotOptimize(r.bank.listLine(0).data());
        if (r.bank.count() != static_cast<std::size_t>(kRecords) || r.bank.encoding != exam::TextEncoding::Gb18030)
            state.SkipWithError("records lost");
        storage = r.bank.storageBytes();
    }
    state.counters["storage_per_decoded"] = static_cast<double>(storage) / static_cast<double>(f.decodedBytes);
}
BENCHMARK_CAPTURE(BM_LoadQuestionBank, even, Shape::Even)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadQuestionBank, varied, Shape::Varied)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(bankFile(Shape::Even).path.c_str());
    std::remove(bankFile(Shape::Varied).path.c_str());
    return 0;
}
