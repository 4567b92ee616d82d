// "Check Configuration" on a large learnt vocabulary: 20,000 learnt words and 5,000 person names
// against the shipped plant-name and country lists, all six checks with every question answered
// No. Beside it, the duplicate searches of checks 4-6 read pairwise, which the indexes replace.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

#include "QuadraticDuplicateChecks.h"
#include "base/ScriptedDialogs.h"
#include "editors/ConfigurationCheck.h"
#include "editors/DuplicateChecks.h"
#include "model/MainForm.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

std::string RandomWord(std::mt19937& rng, size_t length) {
    std::string w;
    for (size_t i = 0; i < length; ++i) w += static_cast<char>('a' + rng() % 26);
    return w;
}

std::string Capitalised(std::string w) {
    if (!w.empty()) w[0] = static_cast<char>(w[0] - 'a' + 'A');
    return w;
}

// A session over the shipped reference lists with synthetic statistics. Some learnt words are
// plant names (a genus followed by one of its species), some are names, some are places.
struct BigSession {
    fs::path folder;
    ScriptedDialogs dialogs;
    Session s{dialogs};

    BigSession() {
        folder = fs::temp_directory_path() / ("quorl-bench-check-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        s.ProgramFolder = fs::path(QUORL_SOURCE_DIR) / "data";
        BuildMainForm(s.form);
        LoadPlantList(s);
        LoadCountryList(s);
        s.ProgramFolder = s.UserFolder = folder;
        dialogs.fallbackAnswer = DialogButton::No;
        s.Debug = false;
        s.MinElevation = 10;
        s.LearnFromLabels = s.ApplyLearning = true;
        s.FieldDefinitions.resize(kBuiltInFields);
        for (int i = 0; i < kBuiltInFields; ++i) s.FieldDefinitions[i].Name = FieldNames[i];

        std::mt19937 rng(7);
        while (s.WordStats.size() < 20000) {
            BayesClass b;
            b.Count = static_cast<int>(rng() % 10);
            const FamilyClass& family = s.PlantList[rng() % s.PlantList.size()];
            if (rng() % 50 == 0 && !family.Children.empty()) {
                const FamilyClass& genus = family.Children[rng() % family.Children.size()];
                b.Word = LowerCase(genus.Name);
                s.WordStats.push_back(b);
                if (genus.Children.empty()) continue;
                b.Word = LowerCase(genus.Children[rng() % genus.Children.size()].Name);
            } else {
                b.Word = RandomWord(rng, 4 + rng() % 8);
            }
            s.WordStats.push_back(b);
        }
        for (int i = 0; i < 5000; ++i) {
            if (i % 40 == 0)
                s.NameStats.push_back(s.CountryList[rng() % s.CountryList.size()].Name);
            else if (i % 25 == 0)
                s.NameStats.push_back(Capitalised(s.WordStats[rng() % s.WordStats.size()].Word));
            else
                s.NameStats.push_back(Capitalised(RandomWord(rng, 5 + rng() % 5)));
        }
    }
    ~BigSession() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

BigSession& Big() {
    static BigSession big;
    return big;
}

void BM_CheckConfiguration(benchmark::State& state) {
    BigSession& big = Big();
    for (auto _ : state) {
        big.dialogs.questions.clear();
        EvaluateConfiguration(big.s);
        benchmark::DoNotOptimize(big.dialogs.questions.size());
    }
    state.counters["questions"] = static_cast<double>(big.dialogs.questions.size());
    state.counters["plantNames"] = static_cast<double>(FindWordPlants(big.s.WordStats, big.s.PlantList).names.size());
}
BENCHMARK(BM_CheckConfiguration)->Unit(benchmark::kMillisecond);

void BM_IndexedDuplicateSearches(benchmark::State& state) {
    BigSession& big = Big();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WordNameDuplicates(big.s.WordStats, big.s.NameStats));
        benchmark::DoNotOptimize(PlaceNameDuplicates(big.s.NameStats, big.s.CountryList));
        benchmark::DoNotOptimize(FindWordPlants(big.s.WordStats, big.s.PlantList));
    }
}
BENCHMARK(BM_IndexedDuplicateSearches)->Unit(benchmark::kMillisecond);

void BM_PairwiseDuplicateSearches(benchmark::State& state) {
    BigSession& big = Big();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadratic::WordNameDuplicates(big.s.WordStats, big.s.NameStats));
        benchmark::DoNotOptimize(quadratic::PlaceNameDuplicates(big.s.NameStats, big.s.CountryList));
        benchmark::DoNotOptimize(quadratic::FindWordPlants(big.s.WordStats, big.s.PlantList));
    }
}
BENCHMARK(BM_PairwiseDuplicateSearches)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
