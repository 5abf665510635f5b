// Reading a question bank of 30,000 records from disk.

#include "exam/question_bank.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string makeBankFile(int records)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "bench_test.dat";
    std::string utf8;
    const char* categories[] = {"游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
                                "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目"};
    for (int i = 1; i <= records; ++i) {
        if (i % 2)
            utf8 += ' '; // appended lines start with a blank
        utf8 += std::to_string(i);
        utf8 += ',';
        utf8 += categories[i % 10];
        utf8 += ",第";
        utf8 += std::to_string(i);
        utf8 += "题：春眠不觉晓的下一句是什么,处处闻啼鸟,夜来风雨声,花落知多少,举头望明月\r\n";
    }
    std::string gbk;
    exam::encodeFromUtf8(utf8, exam::TextEncoding::Gb18030, gbk);
    std::ofstream(path, std::ios::binary) << gbk;
    return path.string();
}

void BM_LoadQuestionBank(benchmark::State& state)
{
    const std::string path = makeBankFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        exam::BankLoadResult r = exam::loadQuestionBankFile(path);
        benchmark::DoNotOptimize(r.bank.records.data());
        if (r.bank.count() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("records lost");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadQuestionBank)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
