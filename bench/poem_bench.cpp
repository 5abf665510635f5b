// The 密道 window searches its 750 entries on every keystroke, in either mode. The
// baseline reads every byte of the table once (one find of a character that no entry
// holds), the least any search over the whole table can cost.

#include "puzzles/poem_quiz.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Baseline_ReadWholeTable(benchmark::State& state)
{
    const auto& table = puzzles::poemQuizTable();
    for (auto _ : state) {
        std::size_t found = 0;
        for (const std::string& e : table)
            found += e.find('\x01') != std::string::npos;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Baseline_ReadWholeTable);

void BM_Keystroke(benchmark::State& state, const char* query, bool nonConsecutive)
{
    puzzles::PoemSearch search;
    for (auto _ : state) {
        puzzles::PoemView v = search.search(query, nonConsecutive);
        benchmark::DoNotOptimize(v.shown.data());
    }
}
BENCHMARK_CAPTURE(BM_Keystroke, non_consecutive_1, "春", true);
BENCHMARK_CAPTURE(BM_Keystroke, non_consecutive_5, "春风明月人", true);
BENCHMARK_CAPTURE(BM_Keystroke, non_consecutive_none, "鑫鑫鑫鑫鑫", true);
BENCHMARK_CAPTURE(BM_Keystroke, consecutive_1, "春", false);
BENCHMARK_CAPTURE(BM_Keystroke, consecutive_long, "李白乘舟将欲行", false);
BENCHMARK_CAPTURE(BM_Keystroke, consecutive_none, "没有这样的字句", false);

} // namespace

BENCHMARK_MAIN();
