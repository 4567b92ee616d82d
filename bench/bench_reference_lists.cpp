// Loading the reference lists at start-up: synthetic lists of the size of the shipped ones
// (hundreds of families with hundreds of thousands of species; every country with its states, and
// thousands of counties with boxes).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/ScriptedDialogs.h"
#include "commands/SessionStart.h"
#include "model/MainForm.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "model/UserFiles.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

struct Lists {
    fs::path folder;
    Lists() {
        folder = fs::temp_directory_path() / ("quorl-bench-lists-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        std::ofstream plants(folder / "PlantList.txt", std::ios::binary);
        for (int f = 0; f < 600; ++f) {
            plants << "Family" << f << "aceae";
            for (int g = 0; g < 30; ++g) {
                plants << "\tGenus" << f << "x" << g;
                for (int sp = 0; sp < 20; ++sp) plants << ",epithet" << sp << (sp % 5 == 0 ? " var. minor" : "");
            }
            plants << "\r\n";
        }
        std::ofstream countries(folder / "CountryList.txt", std::ios::binary);
        for (int c = 0; c < 250; ++c) {
            countries << "Country " << c << "(-10.5/20.25/30.125/40)";
            int states = c == 0 ? 50 : 20;
            for (int st = 0; st < states; ++st) {
                countries << "\tState " << st << "(1.5/2.5/3.5/4.5)";
                int counties = c == 0 ? 64 : 2;
                for (int k = 0; k < counties; ++k) countries << ",County " << k << "(10.1/10.9/-80.2/-79.3)";
            }
            countries << "\r\n";
        }
    }
    ~Lists() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

const Lists& TheLists() {
    static Lists lists;
    return lists;
}

// One load of a reference list into a fresh session; ListOf names the table it fills.
template <void (*Load)(Session&), auto ListOf>
void BM_LoadList(benchmark::State& state) {
    const Lists& lists = TheLists();
    for (auto _ : state) {
        ScriptedDialogs d;
        Session s(d);
        BuildMainForm(s.form);
        s.ProgramFolder = lists.folder;
        Load(s);
        benchmark::DoNotOptimize((s.*ListOf).data());
    }
}
BENCHMARK(BM_LoadList<LoadPlantList, &Session::PlantList>)->Name("BM_LoadPlantList")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadList<LoadCountryList, &Session::CountryList>)->Name("BM_LoadCountryList")->Unit(benchmark::kMillisecond);

// The whole start of a session on the shipped program folder.
void BM_StartSessionShippedFolder(benchmark::State& state) {
    fs::path program = fs::temp_directory_path() / ("quorl-bench-start-" + std::to_string(::getpid()));
    fs::create_directories(program);
    for (const auto& e : fs::directory_iterator(fs::path(QUORL_SOURCE_DIR) / "data"))
        if (e.path().extension() == ".txt") fs::copy_file(e.path(), program / e.path().filename());
    for (auto _ : state) {
        ScriptedDialogs d;
        Session s(d);
        BuildMainForm(s.form);
        StartSession(s, program);
        benchmark::DoNotOptimize(s.PlantList.data());
    }
    std::error_code ec;
    fs::remove_all(program, ec);
}
BENCHMARK(BM_StartSessionShippedFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
