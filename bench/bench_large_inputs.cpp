// Inputs far larger than usual, whose cost must grow in step with their size: a batch file of
// 20,000 labels split into labels, and an AutoCorrect list of 100,000 whole-word entries applied
// to a label of 50 lines. (The label of 100,000 lines is in bench_parse.)
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "commands/BatchMode.h"
#include "model/AutoCorrect.h"
#include "model/Records.h"

using namespace quorl;

namespace {

const char* const kLines[] = {"Fagaceae", "Quercus emoryi Torr.", "Pima County: Santa Rita Mountains, Madera Canyon",
                              "Oak woodland on a rocky slope", "Elev. 4200 ft.", "Coll. J. R. Smith 4512",
                              "12 May 1998", "Det. A. B. Miller"};

std::string LabelOfLines(size_t lines) {
    std::string text;
    for (size_t i = 0; i < lines; ++i) {
        text += kLines[i % std::size(kLines)];
        text += "\r\n";
    }
    return text;
}

void SplitBatchFile(benchmark::State& state) {
    std::string batch;
    for (int64_t i = 0; i < state.range(0); ++i) {
        const std::string code = "QZV00" + std::to_string(10000 + i % 90000);
        batch += code + "\r\n" + LabelOfLines(8) + code + "\r\n";
    }
    for (auto _ : state) {
        std::vector<std::string> labels = SplitBatchLabels(batch);
        benchmark::DoNotOptimize(labels.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(SplitBatchFile)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void AutoCorrectManyEntries(benchmark::State& state) {
    std::vector<ReplacementClass> list;
    for (int64_t i = 0; i < state.range(0); ++i) {
        ReplacementClass r;
        r.WholeWord = true;
        r.CaseSensitive = i % 2 == 0;
        r.From = "w" + std::to_string(i) + "x";
        r.To = "word" + std::to_string(i);
        list.push_back(r);
    }
    list[list.size() / 2].From = "Coll";  // one entry that the label holds
    list[list.size() / 2].To = "Collector";
    const std::string label = LabelOfLines(50);
    for (auto _ : state) {
        std::string out = ApplyReplacements(list, label);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(AutoCorrectManyEntries)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
