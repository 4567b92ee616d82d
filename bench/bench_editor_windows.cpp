// The editor windows that hold large lists, offscreen: the word statistics editor opened on 20,000
// words and sorted by Count, and the country editor opened on the shipped list with the United
// States chosen. Each iteration ends with the window painted.
#include <QApplication>
#include <QListWidget>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

#include "QtBenchmarkMain.h"
#include "base/ScriptedDialogs.h"
#include "model/MainForm.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "ui/CountryListWindow.h"
#include "ui/WordStatsModel.h"
#include "ui/WordStatsWindow.h"

namespace fs = std::filesystem;

namespace {

std::vector<quorl::BayesClass> LearntWords(int count) {
    std::vector<quorl::BayesClass> words(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        quorl::BayesClass& w = words[static_cast<size_t>(i)];
        for (int n = i + 1; n > 0; n /= 26) w.Word += static_cast<char>((i % 3 == 0 ? 'A' : 'a') + n % 26);
        w.Word += "ia";
        w.Count = (i * 7919) % 400 + 1;
        const int d = i % 70, l = (i * 7) % (100 - d);
        w.FieldPercent[quorl::fDescription] = d;
        w.FieldPercent[quorl::fLocation] = l;
        w.FieldPercent[quorl::fHabitat] = 100 - d - l;
    }
    return words;
}

// Ends an iteration: the events of the shown window are handled (timed), then it is hidden for the
// next opening (not timed).
void HideUntimed(benchmark::State& state, QWidget& window) {
    QApplication::processEvents();
    state.PauseTiming();
    window.hide();
    QApplication::processEvents();
    state.ResumeTiming();
}

void BM_WordStatsEditorOpenAndSortByCount(benchmark::State& state) {
    quorl::ScriptedDialogs dialogs;
    quorl::Session session(dialogs);
    session.WordStats = LearntWords(20000);
    quorl::WordStatsWindow window(session);
    for (auto _ : state) {
        window.Open();
        window.repaint();
        window.ListView1ColumnClick(quorl::WordStatsTable::CountColumn);
        window.repaint();
        window.ListView1->scrollToBottom();
        window.repaint();
        HideUntimed(state, window);
    }
    state.counters["rows"] = window.model->rowCount();
}
BENCHMARK(BM_WordStatsEditorOpenAndSortByCount)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CountryEditorOpenAndChooseUnitedStates(benchmark::State& state) {
    quorl::ScriptedDialogs dialogs;
    quorl::Session session(dialogs);
    quorl::BuildMainForm(session.form);  // the main window's country list is filled too
    session.ProgramFolder = fs::path(QUORL_SOURCE_DIR) / "data";
    quorl::LoadCountryList(session);
    quorl::CountryListWindow window(session);
    for (auto _ : state) {
        window.Open();
        const auto found = window.CountryListBox->findItems(QStringLiteral("United States"), Qt::MatchExactly);
        window.CountryListBox->setCurrentItem(found.first());
        window.repaint();
        HideUntimed(state, window);
    }
    state.counters["states"] = window.StateListBox->count();
}
BENCHMARK(BM_CountryEditorOpenAndChooseUnitedStates)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return quorl::bench::RunWindowBenchmarks(argc, argv); }
