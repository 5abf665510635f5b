// One keystroke in the 科举 panel's keyword box, and one category pick, over a bank of
// 30,000 records: the search, the list filled and laid out (pending events processed). The
// baseline is the bare substring scan over the same questions, without the list.

#include "exam/bank_search.h"
#include "exam/bank_state.h"
#include "exam/ui/bank_panel.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRecords = 30000;

struct Panel {
    QWidget bankFrame, addFrame, editFrame;
    exam::ui::BankPanel* panel = nullptr;
    QLineEdit* keyword = nullptr;
    Panel()
    {
        exam::QuestionBank& bank = exam::bankState().bank;
        bank = exam::QuestionBank{};
        for (int i = 1; i <= kRecords; ++i) {
            exam::QuestionRecord r;
            r.id = std::to_string(i);
            r.category = std::string(exam::kQuestionCategories[static_cast<std::size_t>(i % 10)]);
            r.question = "第" + std::to_string(i) + "题：春眠不觉晓的下一句是什么";
            r.correct = "处处闻啼鸟";
            r.wrong1 = "夜来风雨声";
            r.wrong2 = "花落知多少";
            r.wrong3 = "举头望明月";
            bank.append(r);
        }
        panel = new exam::ui::BankPanel(&bankFrame, &addFrame, &editFrame, {}, {});
        keyword = bankFrame.findChild<QLineEdit*>("Text17");
        bankFrame.resize(520, 300);
        bankFrame.show();
        QApplication::processEvents();
    }
};

// Kept to the end of the run: its widgets must not outlive the application object.
Panel& panel()
{
    static Panel* p = new Panel;
    return *p;
}

// Keywords as typed one key at a time: matches for all, a tenth, a few, none.
const char* const kKeys[] = {"春", "春眠", "第1", "第12", "第123", "第1234", "第12345", "秋"};

void BM_KeywordKeystroke(benchmark::State& state)
{
    Panel& p = panel();
    std::size_t k = 0;
    for (auto _ : state) {
        p.keyword->setText(QString::fromUtf8(kKeys[k++ % std::size(kKeys)]));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeywordKeystroke)->Unit(benchmark::kMicrosecond);

// The worst keystroke: every record listed.
void BM_KeywordMatchingAll(benchmark::State& state)
{
    Panel& p = panel();
    bool flip = false;
    for (auto _ : state) {
        p.keyword->setText(QString::fromUtf8((flip = !flip) ? "春眠" : "春"));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeywordMatchingAll)->Unit(benchmark::kMicrosecond);

// 全部题目 and 历史知识 in turn.
void BM_CategoryPick(benchmark::State& state)
{
    Panel& p = panel();
    p.keyword->clear();
    bool flip = false;
    for (auto _ : state) {
        p.panel->categoryClick((flip = !flip) ? 0 : 4);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CategoryPick)->Unit(benchmark::kMicrosecond);

// Baseline: the bare scan of every question for a keyword, no list.
void BM_BareScan(benchmark::State& state)
{
    panel();
    const exam::QuestionBank& bank = exam::bankState().bank;
    std::size_t k = 0;
    for (auto _ : state) {
        const std::string_view key = kKeys[k++ % std::size(kKeys)];
        std::size_t hits = 0;
        for (std::size_t r = 0; r < bank.count(); ++r)
            hits += bank.record(r).question.find(key) != std::string_view::npos;
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_BareScan)->Unit(benchmark::kMicrosecond);

// The browser's own scan, no list.
void BM_KeywordRows(benchmark::State& state)
{
    panel();
    const exam::QuestionBank& bank = exam::bankState().bank;
    std::size_t k = 0;
    for (auto _ : state) {
        auto rows = exam::rowsWithKeyword(bank, kKeys[k++ % std::size(kKeys)]);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_KeywordRows)->Unit(benchmark::kMicrosecond);

// The list's model filled without the view laying it out: what the view itself costs.
void BM_ModelOnly(benchmark::State& state)
{
    panel();
    exam::ui::BankListModel model;
    const exam::QuestionBank& bank = exam::bankState().bank;
    std::size_t k = 0;
    for (auto _ : state)
        model.setRows(exam::rowsWithKeyword(bank, kKeys[k++ % std::size(kKeys)]));
}
BENCHMARK(BM_ModelOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
