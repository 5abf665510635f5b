// The NPC finder scans the whole directory on every keystroke of its search box.

#include "app/npc_finder.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_FindNpcs(benchmark::State& state, const char* text)
{
    for (auto _ : state) {
        std::vector<std::size_t> hits = app::findNpcs(text);
        benchmark::DoNotOptimize(hits.data());
    }
}

BENCHMARK_CAPTURE(BM_FindNpcs, every_entry, " ");
BENCHMARK_CAPTURE(BM_FindNpcs, map, "长安城");
BENCHMARK_CAPTURE(BM_FindNpcs, name, "驿站老板");
BENCHMARK_CAPTURE(BM_FindNpcs, nothing, "无此人");

} // namespace

BENCHMARK_MAIN();
