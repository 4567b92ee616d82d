// quorl-learning --program-folder DIR --labels DIR [--learn N] [--show FIELD]
// Measures what the two learning preferences do to the parse of labels whose values are known.
// The labels folder holds ocr/NAME.txt (label text) and parsed/NAME.csv (its ground truth as
// Darwin Core terms). For each setting of ApplyLearning and LearnFromLabels, on fresh copies of
// DIR: all labels are parsed and counted right or wrong per field; then the first N labels (50)
// are added as records the way the add button does it (label opened and parsed, fields set to the
// ground truth, the record validated, learnt from and written), and the other labels are parsed
// and counted again. Prints one Markdown table of the counts; with --show, every wrong value of
// that field (parsed and true) goes to the error output.
#include <algorithm>
#include <array>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "GroundTruth.h"
#include "ToolSession.h"
#include "base/FileBytes.h"
#include "fields/FieldAccess.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"
#include "records/ExportData.h"
#include "records/RecordValues.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

struct MeasuredField {
    const char* name;
    int field;           // field number; fLatLong stands for both coordinates
    const char* terms;   // ground-truth terms, the first with a value counts
    Comparison how;
    bool words;          // free text: the word overlap is shown too
};

// Darwin Core terms of the ground truth for each measured field. Description is the plant's own
// description (occurrenceRemarks), which most of these labels do not have.
const std::array<MeasuredField, 12> kFields = {{
    {"Collector", fCollector, "dwc:recordedBy", Comparison::Collector, false},
    {"Number", fCollectionNumber, "dwc:recordNumber", Comparison::Text, false},
    {"Date", fCollectionDate, "dwc:eventDate|dwc:verbatimEventDate", Comparison::Date, false},
    {"County", fCounty, "dwc:county", Comparison::Place, false},
    {"State", fState, "dwc:stateProvince", Comparison::Place, false},
    {"Country", fCountry, "dwc:country", Comparison::Country, false},
    {"Name", fScientificName, "dwc:scientificName|aocr:verbatimScientificName", Comparison::Name, false},
    {"Latitude", fLatLong, "dwc:decimalLatitude", Comparison::Coordinate, false},
    {"Longitude", fLatLong, "dwc:decimalLongitude", Comparison::Coordinate, false},
    {"Description", fDescription, "dwc:occurrenceRemarks", Comparison::Text, true},
    {"Locality", fLocation, "dwc:verbatimLocality", Comparison::Text, true},
    {"Habitat", fHabitat, "dwc:habitat", Comparison::Text, true},
}};

struct Label {
    fs::path text;
    std::map<std::string, std::string> truth;
};

struct Tally {
    int labels = 0;
    std::array<int, kFields.size()> right{};
    std::array<double, kFields.size()> overlap{};
};

struct Settings {
    bool applyLearning, learnFromLabels;
};

std::string YesNo(bool b) { return b ? "Yes" : "No"; }

std::string ParsedValue(Session& s, const MeasuredField& f) {
    if (f.field == fLatLong) {
        const CoordinateBoxes& boxes = std::string_view(f.name) == "Latitude" ? kLatitudeBoxes : kLongitudeBoxes;
        return CoordinateGiven(s, boxes) ? DecimalDegrees(s, boxes, DegreeForm::Fixed) : "";
    }
    std::string value = GetFieldText(s, f.field);
    // A list still showing its prompt ("Select State") holds no value; the export clears it too.
    return value.rfind("Select", 0) == 0 ? "" : value;
}

// With show, each wrong value of that field is written to the error output.
void Count(Session& s, const Label& label, Tally& tally, const std::string& show = "") {
    ++tally.labels;
    for (size_t i = 0; i < kFields.size(); ++i) {
        const std::string parsed = ParsedValue(s, kFields[i]);
        const std::string truth = TruthValue(label.truth, kFields[i].terms);
        if (SameValue(kFields[i].how, parsed, truth))
            ++tally.right[i];
        else if (show == kFields[i].name)
            std::cerr << label.text.filename().string() << "\tparsed: " << parsed << "\ttruth: " << truth << "\n";
        tally.overlap[i] += WordOverlap(parsed, truth);
    }
}

std::unique_ptr<ToolSession> FreshSession(const fs::path& programFolder, Settings settings) {
    auto tool = std::make_unique<ToolSession>(programFolder);
    tool->session.ApplyLearning = settings.applyLearning;
    tool->session.LearnFromLabels = settings.learnFromLabels;
    return tool;
}

// The text with every run of blanks and line breaks made one blank.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The user corrects the parsed fields to the label's true values and adds the record. Fields the
// ground truth does not name keep what the parse put there; all collectors are in recordedBy.
bool AddAsRecord(ToolSession& tool, const Label& label) {
    Session& s = tool.session;
    OpenTextFileAndParse(s, label.text);
    for (const MeasuredField& f : kFields)
        if (f.how == Comparison::Text || f.how == Comparison::Collector)
            SetFieldText(s, f.field, OneLine(TruthValue(label.truth, f.terms)), false);
    SetFieldText(s, fOtherCollectors, "", false);
    tool.dialogs.messages.clear();
    const bool added = ExportData(s);
    if (!added) {
        std::cerr << "quorl-learning: " << label.text.filename().string() << " was not added";
        for (const std::string& m : tool.dialogs.messages) std::cerr << ": " << m;
        std::cerr << "\n";
    }
    return added;
}

struct Measurement {
    Tally fresh, freshRest, learnt;
    int added = 0;
    size_t wordStats = 0;
};

Measurement Measure(const fs::path& programFolder, const std::vector<Label>& labels, size_t learn, Settings settings,
                    const std::string& show) {
    Measurement m;
    const std::string heading = "# Apply " + YesNo(settings.applyLearning) + ", Learn " + YesNo(settings.learnFromLabels);
    if (!show.empty()) std::cerr << heading << ", fresh\n";
    {
        auto tool = FreshSession(programFolder, settings);
        for (size_t i = 0; i < labels.size(); ++i) {
            OpenTextFileAndParse(tool->session, labels[i].text);
            Count(tool->session, labels[i], m.fresh, show);
            if (i >= learn) Count(tool->session, labels[i], m.freshRest);
        }
    }
    auto tool = FreshSession(programFolder, settings);
    for (size_t i = 0; i < learn && i < labels.size(); ++i)
        if (AddAsRecord(*tool, labels[i])) ++m.added;
    m.wordStats = tool->session.WordStats.size();
    if (!show.empty()) std::cerr << heading << ", after learning\n";
    for (size_t i = learn; i < labels.size(); ++i) {
        OpenTextFileAndParse(tool->session, labels[i].text);
        Count(tool->session, labels[i], m.learnt, show);
    }
    return m;
}

std::vector<Label> ReadLabels(const fs::path& folder) {
    std::vector<Label> labels;
    for (const auto& entry : fs::directory_iterator(folder / "ocr"))
        if (entry.path().extension() == ".txt") labels.push_back({entry.path(), {}});
    std::sort(labels.begin(), labels.end(), [](const Label& a, const Label& b) { return a.text < b.text; });
    for (Label& label : labels) {
        const fs::path csv = folder / "parsed" / (label.text.stem().string() + ".csv");
        std::string bytes;
        if (!ReadFileBytes(csv, bytes)) throw std::runtime_error("no ground truth " + csv.string());
        label.truth = ReadGroundTruth(bytes);
    }
    return labels;
}

std::string Percent(double share) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(0) << 100.0 * share << "%";
    return out.str();
}

void PrintTable(const std::vector<std::pair<Settings, Measurement>>& results, size_t learn) {
    std::cout << "| field |";
    for (const auto& [settings, m] : results)
        std::cout << " Apply " << YesNo(settings.applyLearning) << ", Learn " << YesNo(settings.learnFromLabels)
                  << ": fresh (" << m.fresh.labels << ") | fresh, last " << m.freshRest.labels << " | after learning "
                  << learn << " (" << m.learnt.labels << ") |";
    std::cout << "\n|---|";
    for (size_t i = 0; i < results.size(); ++i) std::cout << "---:|---:|---:|";
    std::cout << "\n";
    auto row = [&](const std::string& name, auto cell) {
        std::cout << "| " << name << " |";
        for (const auto& r : results)
            for (const Tally* t : {&r.second.fresh, &r.second.freshRest, &r.second.learnt}) std::cout << " " << cell(*t) << " |";
        std::cout << "\n";
    };
    for (size_t i = 0; i < kFields.size(); ++i)
        row(kFields[i].name, [&](const Tally& t) { return std::to_string(t.right[i]); });
    row("all fields right", [&](const Tally& t) {
        int n = 0;
        for (int r : t.right) n += r;
        return Percent(t.labels ? static_cast<double>(n) / (t.labels * static_cast<double>(kFields.size())) : 0);
    });
    for (size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].words)
            row(std::string(kFields[i].name) + " words", [&](const Tally& t) {
                return Percent(t.labels ? t.overlap[i] / t.labels : 0);
            });
    std::cout << "\nRecords added while learning:";
    for (const auto& [settings, m] : results)
        std::cout << " " << m.added << " (WordStats " << m.wordStats << " words)";
    std::cout << "\n";
}

int Usage() {
    std::cerr << "usage: quorl-learning --program-folder DIR --labels DIR [--learn N] [--show FIELD]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path programFolder, labelFolder;
    size_t learn = 50;
    std::string show;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--program-folder" && i + 1 < argc)
            programFolder = argv[++i];
        else if (a == "--labels" && i + 1 < argc)
            labelFolder = argv[++i];
        else if (a == "--show" && i + 1 < argc)
            show = argv[++i];
        else if (a == "--learn" && i + 1 < argc)
            learn = static_cast<size_t>(std::stoul(argv[++i]));
        else
            return Usage();
    }
    if (programFolder.empty() || labelFolder.empty()) return Usage();
    try {
        const std::vector<Label> labels = ReadLabels(labelFolder);
        if (labels.size() <= learn) throw std::runtime_error("fewer labels than --learn");
        std::vector<std::pair<Settings, Measurement>> results;
        for (bool apply : {false, true})
            for (bool learnFrom : {false, true}) {
                const Settings settings{apply, learnFrom};
                results.emplace_back(settings, Measure(programFolder, labels, learn, settings, show));
            }
        PrintTable(results, learn);
    } catch (const std::exception& e) {
        std::cerr << "quorl-learning: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
