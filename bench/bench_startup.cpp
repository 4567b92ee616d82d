// Start-up to the shown main window: loading the shipped lists and a user with 20,000 learnt words,
// building and showing the window (offscreen).
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "QtBenchmarkMain.h"
#include "base/ScriptedDialogs.h"
#include "model/Session.h"
#include "ui/MainWindow.h"

namespace fs = std::filesystem;

namespace {

// A word-statistics file of `words` lines, each with two followers.
void WriteWordStats(const fs::path& path, int words) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    auto word = [](int i) {
        std::string w;
        for (int n = i + 1; n > 0; n /= 26) w += static_cast<char>('a' + n % 26);
        return w + "ia";
    };
    for (int i = 0; i < words; ++i) {
        int d = i % 70, l = (i * 7) % (100 - d), h = 100 - d - l;
        out << word(i) << '\t' << (i % 40 + 1) << '\t' << d << '\t' << l << '\t' << h << '\t';
        for (int f = 1; f <= 2; ++f) out << ',' << word((i + f * 97) % words) << "\t1\t" << d << '\t' << l << '\t' << h << '\t';
        out << "\r\n";
    }
}

void BM_StartupToShownMainWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    for (const auto& e : fs::directory_iterator(fs::path(QUORL_SOURCE_DIR) / "data"))
        if (e.path().extension() == ".txt") fs::copy_file(e.path(), folder / e.path().filename());
    WriteWordStats(folder / "WordStats.txt", 20000);
    const fs::path oldCwd = fs::current_path();
    fs::current_path(folder);
    size_t learnt = 0;
    for (auto _ : state) {
        quorl::ScriptedDialogs dialogs;
        quorl::Session session(dialogs);
        auto window = std::make_unique<quorl::MainWindow>(session);
        QApplication::processEvents();
        learnt = session.WordStats.size();
        benchmark::DoNotOptimize(window->isVisible());
    }
    fs::current_path(oldCwd);
    state.counters["words"] = static_cast<double>(learnt);
}
BENCHMARK(BM_StartupToShownMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return quorl::bench::RunWindowBenchmarks(argc, argv); }
