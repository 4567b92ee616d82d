// Adding a record to a Darwin Core XML record file that already holds 10,000 records (the whole
// document is rewritten), and one learning step against a word-statistics list of 20,000 words.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/ScriptedDialogs.h"
#include "model/LearningStatsFile.h"
#include "model/MainForm.h"
#include "model/Session.h"
#include "records/DarwinXmlWriter.h"
#include "records/Learning.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

struct Bench {
    ScriptedDialogs dialogs;
    Session s{dialogs};
    fs::path folder;

    explicit Bench(const std::string& name) {
        folder = fs::temp_directory_path() / ("quorl-bench-" + name + "-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        s.ProgramFolder = folder;
        s.UserFolder = folder;
        s.Debug = false;
        BuildMainForm(s.form);
    }
    ~Bench() { fs::remove_all(folder); }

    void Column(int field, int sub, const std::string& name) {
        OutputFormatClass c;
        c.FieldIndex = field;
        c.SubIndex = sub;
        c.Enabled = true;
        c.Label = c.DatabaseName = name;
        s.OutputColumns.push_back(c);
    }
};

void FillRecord(Session& s) {
    s.form.SetText("CollectorEdit", "J. Smith");
    s.form.SetText("OtherCollectorsEdit", "A. Lee, B. Wang");
    s.form.SetText("CollectionDateEdit", "12 Jan 2005");
    s.form.SetText("FamilyCombo", "Pinaceae");
    s.form.SetText("GenusCombo", "Pinus");
    s.form.SetText("ScientificNameEdit", "Pinus ponderosa");
    s.form.SetText("DescriptionMemo", "Tree to 20 m, bark in plates\r\ncones brown");
    s.form.SetText("LocalityMemo", "Coconino National Forest, 5 km north of Flagstaff along the road to the lake");
    s.form.SetText("HabitatMemo", "Open pine forest on volcanic soil with scattered oak and juniper");
    s.form.SetText("CountryCombo", "U.S.A.");
    s.form.SetText("StateCombo", "Arizona");
    s.form.SetText("ElevFeetLowEdit", "7000");
    s.form.SetText("LatDegreesEdit", "35");
    s.form.SetText("LatMinutesEdit", "12");
    s.form.SetText("NSCombo", "N");
    s.form.SetText("LongDegreesEdit", "111");
    s.form.SetText("EWCombo", "W");
    s.form.SetText("HerbariumEdit", "ASU");
    s.form.SetText("AccessionEdit", "123456");
}

void BM_DarwinXmlExportTo10000Records(benchmark::State& state) {
    Bench b("xml");
    b.s.OutputFileName = "Records.xml";
    int fields[] = {0, 2, 3, 4, 5, 9, 11, 12, 13, 14, 15, 19, 23};
    for (int f : fields) b.Column(f, 0, "element" + std::to_string(f));
    b.Column(17, 1, "minimumElevationInMeters");
    b.Column(18, 5, "decimalLatitude");
    b.Column(18, 10, "decimalLongitude");
    FillRecord(b.s);

    // A document of 10,000 label elements, built from the element of one real export.
    fs::path path = b.folder / b.s.OutputFileName;
    AddDarwinXML(b.s);
    std::string one;
    {
        std::ifstream in(path, std::ios::binary);
        one.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    size_t from = one.find("\t\t<label>"), to = one.find("\t</labelData>");
    std::string element = one.substr(from, to - from);
    std::string doc = one.substr(0, from);
    for (int i = 0; i < 10000; ++i) doc += element;
    doc += one.substr(to);

    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << doc;
        state.ResumeTiming();
        if (!AddDarwinXML(b.s)) state.SkipWithError("record not written");
    }
    state.counters["file_MB"] = static_cast<double>(doc.size()) / 1e6;
}
BENCHMARK(BM_DarwinXmlExportTo10000Records)->Unit(benchmark::kMillisecond);

void BM_LearningStepWith20000Words(benchmark::State& state) {
    Bench b("learn");
    for (int i = 0; i < 20000; ++i) {
        BayesClass w;
        w.Word = "word" + std::to_string(i);
        w.Count = 1 + i % 17;
        w.FieldPercent[11 + i % 3] = 100;
        for (int f = 0; f < 3; ++f) {
            BayesClass next;
            next.Word = "word" + std::to_string((i * 7 + f) % 20000);
            next.Count = 1;
            next.FieldPercent[11 + f] = 100;
            w.Followers.push_back(next);
        }
        b.s.WordStats.push_back(w);
    }
    for (int i = 0; i < 2000; ++i) b.s.NameStats.push_back("Name" + std::to_string(i));
    b.s.StatsChanged();
    SaveWordStats(b.s, true);
    FillRecord(b.s);
    // Most words of the record are known, some near the end of the list.
    b.s.form.SetText("DescriptionMemo", "word19990 word5 word19000 tree to 20 m bark in plates cones brown");
    for (auto _ : state) {
        UpdateLearningFiles(b.s);
    }
    state.counters["words"] = static_cast<double>(b.s.WordStats.size());
}
BENCHMARK(BM_LearningStepWith20000Words)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
