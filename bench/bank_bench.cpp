// Reading a question bank of 30,000 records from disk, beside what the system converter
// takes to read and decode the same file (iconv -f GB18030 -t UTF-8 does this as a process).

#include "exam/question_bank.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <random>
#include <vector>

namespace {

constexpr int kRecords = 30000;

struct BankFile {
    std::string path;
    std::size_t decodedBytes = 0;
};

const BankFile& bankFile()
{
    static const BankFile file = [] {
        BankFile f;
        f.path = (std::filesystem::temp_directory_path() /
                  ("bench_test_" + std::to_string(std::random_device{}()) + ".dat"))
                     .string();
        std::string utf8;
        const char* categories[] = {"游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
                                    "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目"};
        for (int i = 1; i <= kRecords; ++i) {
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
        std::ofstream(f.path, std::ios::binary) << gbk;
        f.decodedBytes = utf8.size();
        return f;
    }();
    return file;
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
void BM_IconvDecode(benchmark::State& state)
{
    const BankFile& f = bankFile();
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
BENCHMARK(BM_IconvDecode)->Unit(benchmark::kMillisecond);

// The whole load: records and list lines ready.
void BM_LoadQuestionBank(benchmark::State& state)
{
    const BankFile& f = bankFile();
    std::size_t storage = 0;
    for (auto _ : state) {
        exam::BankLoadResult r = exam::loadQuestionBankFile(f.path);
        benchmark::DoNotOptimize(r.bank.listLine(0).data());
        if (r.bank.count() != static_cast<std::size_t>(kRecords))
            state.SkipWithError("records lost");
        storage = r.bank.storageBytes();
    }
    state.counters["storage_per_decoded"] = static_cast<double>(storage) / static_cast<double>(f.decodedBytes);
}
BENCHMARK(BM_LoadQuestionBank)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(bankFile().path.c_str());
    return 0;
}
