// The parse of one typical label of 20 lines with a 20,000-word WordStats and learning applied:
// the shipped program folder (field definitions, plant and country lists) started in a scratch
// copy, statistics generated. The target is a median under 1 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>
#include <unistd.h>

#include "base/ScriptedDialogs.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "model/MainForm.h"
#include "model/Session.h"
#include "model/UserFiles.h"
#include "parser/FillLabelChunks.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

const char* const kLabel =
    "HERBARIUM OF THE DESERT BOTANICAL STATION\r\n"
    "Plants of Arizona, U.S.A.\r\n"
    "Fagaceae\r\n"
    "Quercus turbinella Greene\r\n"
    "Maricopa County: Mazatzal Mountains, 4.5 mi N of Sunflower along\r\n"
    "Forest Road 201, rocky slope above the wash.\r\n"
    "Chaparral with Arctostaphylos pungens, Ceanothus greggii and\r\n"
    "Garrya wrightii; granitic soil, north-facing.\r\n"
    "Shrub 2 m tall, leaves grey-green, acorns immature.\r\n"
    "Lat. 33 52' 10\" N, Long. 111 28' 40\" W\r\n"
    "Elev. 4200 ft.\r\n"
    "Township 6N Range 9E Section 14\r\n"
    "Collected by J. R. Smith 4512 with M. Jones\r\n"
    "12 May 1998\r\n"
    "Det. by A. B. Miller, 1999\r\n"
    "Common on the slope, flowering and fruiting.\r\n"
    "Voucher for the flora of the Mazatzal Wilderness\r\n"
    "Duplicate sent to ARIZ\r\n"
    "Accession 123456\r\n"
    "QZV00012345\r\n";

std::string SyntheticWord(std::mt19937& rng) {
    static const char* const syllables[] = {"ra", "to", "mi", "ke", "lo", "sa", "ver", "dun", "pi", "na",
                                            "cor", "bel", "th", "ax", "ou", "ri", "gle", "mon", "es", "ul"};
    std::string w;
    int n = 2 + static_cast<int>(rng() % 3);
    for (int i = 0; i < n; ++i) w += syllables[rng() % 20];
    return w;
}

struct ParseSession {
    fs::path folder;
    ScriptedDialogs dialogs;
    Session s{dialogs};

    explicit ParseSession(bool log) {
        folder = fs::temp_directory_path() / ("quorl-bench-parse-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::copy(fs::path(QUORL_SOURCE_DIR) / "data", folder, fs::copy_options::recursive);
        dialogs.fallbackAnswer = DialogButton::Ignore;
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
        BindCascadingLists(s);
        StartSession(s, folder);
        s.Debug = log;
        s.ApplyLearning = true;

        // 20,000 words: the label's own words first (with followers), then generated ones.
        std::mt19937 rng(7);
        s.WordStats.clear();
        std::string words = "chaparral slope rocky wash granitic soil north facing shrub tall leaves grey green "
                            "acorns immature common flowering fruiting forest road mountains along above with";
        std::string prev;
        for (size_t p = 0; p < words.size();) {
            size_t e = words.find(' ', p);
            if (e == std::string::npos) e = words.size();
            BayesClass b;
            b.Word = words.substr(p, e - p);
            b.Count = 5 + static_cast<int>(rng() % 50);
            for (int f : {fDescription, fLocation, fHabitat}) b.FieldPercent[static_cast<size_t>(f)] = static_cast<int>(rng() % 101);
            if (!s.WordStats.empty()) s.WordStats.back().Followers.push_back(BayesClass{b.Word, 3, {}, {}});
            s.WordStats.push_back(b);
            p = e + 1;
        }
        while (s.WordStats.size() < 20000) {
            BayesClass b;
            b.Word = SyntheticWord(rng);
            b.Count = 1 + static_cast<int>(rng() % 20);
            for (int f : {fDescription, fLocation, fHabitat}) b.FieldPercent[static_cast<size_t>(f)] = static_cast<int>(rng() % 101);
            for (int k = 0; k < 3; ++k) b.Followers.push_back(BayesClass{SyntheticWord(rng), 2, {}, {}});
            s.WordStats.push_back(b);
        }
        for (int i = 0; i < 2000; ++i) s.NameStats.push_back("Name" + SyntheticWord(rng));
        s.NameStats.push_back("Smith");
        s.StatsChanged();
        s.form.SetText("RichEdit1", kLabel);
    }
    ~ParseSession() { fs::remove_all(folder); }
};

void Parse(benchmark::State& state, bool log) {
    ParseSession p(log);
    ParseLabelWindow(p.s);  // builds the word index once, as the first parse of a session does
    for (auto _ : state) {
        ParseLabelWindow(p.s);
        benchmark::DoNotOptimize(p.s.parser.LabelChunks.data());
    }
    state.counters["lines"] = static_cast<double>(p.s.parser.LineCount());
}

void BM_ParseTypicalLabel(benchmark::State& state) { Parse(state, false); }

// The scoring pass alone, over the lines of the same label.
void BM_ScoreTypicalLabelLines(benchmark::State& state) {
    ParseSession p(false);
    ParseLabelWindow(p.s);
    std::vector<std::string> lines = p.s.parser.LabelChunks;
    for (auto _ : state) {
        p.s.parser.LabelChunks = lines;
        ScoreLabelLines(p.s);
    }
}
// The same parse with the log on, as shipped: within 20% of the parse without it.
void BM_ParseTypicalLabelWithLog(benchmark::State& state) { Parse(state, true); }

// The 200 development labels of the shared data (beside the repository), one after the other, as
// the batch parse tool reads them. The time is that of all 200.
void BM_ParseDevelopmentLabels(benchmark::State& state) {
    const fs::path folder = fs::path(QUORL_SOURCE_DIR) / ".." / "shared" / "data" / "labels" / "lichens-gold" / "ocr";
    std::vector<std::string> labels;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::ifstream in(it->path(), std::ios::binary);
        labels.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (labels.empty()) {
        state.SkipWithError("no development labels beside the repository");
        return;
    }
    ParseSession p(false);
    for (auto _ : state) {
        for (const std::string& label : labels) {
            p.s.form.SetText("RichEdit1", label);
            ParseLabelWindow(p.s);
        }
    }
    state.counters["labels"] = static_cast<double>(labels.size());
}

// A label of 10,000 and of 100,000 lines: cut into lines (of which the first 100 are parsed).
// The cost must grow in step with the label.
void BM_CutAndParseHugeLabel(benchmark::State& state) {
    ParseSession p(false);
    std::string label;
    for (int64_t i = 0; i < state.range(0) / 20; ++i) label += kLabel;  // 20 lines each
    for (auto _ : state) {
        p.s.LabelText = label;
        FillLabelChunks(p.s);
        benchmark::DoNotOptimize(p.s.parser.LabelChunks.data());
    }
    state.counters["lines"] = static_cast<double>(std::count(label.begin(), label.end(), '\n'));
}

}  // namespace

BENCHMARK(BM_ParseTypicalLabel)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ScoreTypicalLabelLines)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseTypicalLabelWithLog)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseDevelopmentLabels)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CutAndParseHugeLabel)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
