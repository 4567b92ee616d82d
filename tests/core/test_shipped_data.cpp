// Checks the default program folder (data/) that a new installation starts from: a mistake in
// these files would stop the program at start or write records that no database can import.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "LoaderTestSupport.h"
#include "model/AutoCorrect.h"
#include "model/Encoding.h"
#include "model/FieldDefinitionsFile.h"
#include "model/Files.h"
#include "model/PreferencesFile.h"
#include "model/Records.h"
#include "model/ReferenceLists.h"
#include "model/Text.h"
#include "model/UserFiles.h"
#include "parser/FillLabelChunks.h"
#include "parser/LineScoring.h"
#include "record/FieldAccess.h"
#include "record/OutputFormatFile.h"

using namespace quorl;

namespace {

const std::filesystem::path kData = std::filesystem::path(QUORL_SOURCE_DIR) / "data";

// The file's bytes; fails the test when the file is missing.
std::string Raw(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(kData / name, bytes)) << name << " is missing";
    return bytes;
}

// The file as the program holds it in memory (Windows-1252).
std::string Inner(const std::string& name) { return DecodeFileBytes(Raw(name)); }

std::vector<std::string> Columns(const std::string& line, char sep = '\t') {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t p = line.find(sep, start);
        out.push_back(line.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return out;
        start = p + 1;
    }
}

// Every line ends in CR LF and the text is valid UTF-8 that Windows-1252 can hold.
void ExpectWellFormedText(const std::string& name) {
    std::string bytes = Raw(name);
    ASSERT_TRUE(IsValidUtf8(bytes)) << name;
    EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(bytes)), bytes) << name << " holds characters outside Windows-1252";
    if (bytes.empty()) return;
    EXPECT_TRUE(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n") << name;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " has a bare LF at " << i;
        } else if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " has a bare CR at " << i;
        }
    }
}

std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines = SplitLines(Inner(name));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::set<std::string> DarwinCoreTerms() {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::filesystem::path(QUORL_TEST_DATA) / "dwc_terms.csv", bytes));
    std::set<std::string> terms;
    for (const std::string& l : SplitLines(bytes))
        if (!Trim(l).empty()) terms.insert(Trim(l));
    return terms;
}

struct Column {
    int field = -1;
    int sub = 0;
    bool enabled = false;
    bool numeric = false;
    std::string label, database;
};

// Reads an output-format file strictly: name line, then key, enabled, label, database name, numeric.
std::vector<Column> ReadFormat(const std::string& name, std::string& recordFile, std::vector<std::string>& raw) {
    raw = Lines(name);
    std::vector<Column> cols;
    if (raw.empty()) return cols;
    recordFile = raw[0];
    for (size_t i = 1; i < raw.size(); ++i) {
        std::vector<std::string> c = Columns(raw[i]);
        EXPECT_EQ(c.size(), 5u) << name << " line " << i + 1;
        if (c.size() != 5) continue;
        Column col;
        std::string key = c[0];
        size_t dot = key.find('.');
        EXPECT_TRUE(dot == std::string::npos || dot < 3) << key;
        auto f = TryStrToInt(key.substr(0, dot));
        auto s = dot == std::string::npos ? std::optional<int>(0) : TryStrToInt(key.substr(dot + 1));
        EXPECT_TRUE(f && s) << name << " key " << key;
        col.field = f.value_or(-1);
        col.sub = s.value_or(-1);
        EXPECT_TRUE(c[1] == "1" || c[1] == "0") << name << " line " << i + 1;
        EXPECT_TRUE(c[4] == "1" || c[4] == "0") << name << " line " << i + 1;
        col.enabled = c[1] == "1";
        col.numeric = c[4] == "1";
        col.label = c[2];
        col.database = c[3];
        EXPECT_FALSE(col.label.empty()) << name << " line " << i + 1;
        EXPECT_FALSE(col.database.empty()) << name << " line " << i + 1;
        cols.push_back(col);
    }
    return cols;
}

// What the field-definitions editor relies on when it renumbers a format after user fields are
// removed: a whole-field line of field 26, and after it only lines that name a field.
void ExpectRenumberable(const std::string& name, const std::vector<std::string>& raw) {
    auto it = std::find_if(raw.begin(), raw.end(), [](const std::string& l) { return StartsWith(l, "26\t"); });
    ASSERT_NE(it, raw.end()) << name << " has no line for field 26";
    for (; it != raw.end(); ++it) {
        bool named = std::any_of(FieldNames.begin(), FieldNames.begin() + kBuiltInFields,
                                 [&](const std::string& n) { return Contains(*it, n); });
        EXPECT_TRUE(named) << name << ": a line after field 26 names no field: " << *it;
    }
}

}  // namespace

TEST(ShippedData, EveryDefaultFileIsPresentAndWellFormed) {
    for (const char* n : {"FieldDefinitions.txt", "Preferences.txt", "AutoCorrect.txt", "OutputFormat.txt",
                          "DarwinXML.txt", "DarwinCSV.txt", "WordStats.txt", "NameStats.txt"})
        ExpectWellFormedText(n);
    EXPECT_TRUE(Raw("WordStats.txt").empty());
    EXPECT_TRUE(Raw("NameStats.txt").empty());
    // The country boxes are a derived OpenStreetMap database: their licence asks for the credit.
    std::string notice = Raw("NOTICE");
    EXPECT_TRUE(Contains(notice, "OpenStreetMap contributors"));
    EXPECT_TRUE(Contains(notice, "Open Database License"));
}

TEST(ShippedData, FieldDefinitionsHoldEveryBuiltInFieldInOrder) {
    std::vector<std::string> lines = Lines("FieldDefinitions.txt");
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "Version 2");
    for (int f = 0; f < kBuiltInFields; ++f) {
        std::vector<std::string> c = Columns(lines[f + 1]);
        ASSERT_EQ(c.size(), 8u) << "field " << f;
        EXPECT_EQ(c[0], FieldNames[f]);
        EXPECT_TRUE(c[1] == "0" || c[1] == "1");
        EXPECT_TRUE(c[2] == "0" || c[2] == "1");
        auto mn = TryStrToInt(c[4]), mx = TryStrToInt(c[5]);
        ASSERT_TRUE(mn && mx) << "field " << f;
        EXPECT_GE(*mn, 0);
        EXPECT_LE(*mn, *mx) << "field " << f;
        // Lists are cut at commas and trimmed: a blank after a comma would start the next word.
        EXPECT_FALSE(Contains(c[6], ", ")) << "field " << f;
        EXPECT_FALSE(Contains(c[7], ", ")) << "field " << f;
        EXPECT_EQ(c[6], LowerCase(c[6])) << "field " << f;
    }
    std::vector<std::string> barcode = Columns(lines[1 + fBarcode]);
    EXPECT_EQ(barcode[4], "1");
    EXPECT_EQ(barcode[5], "2");
    EXPECT_EQ(barcode[6], "barcode:");
    // Words a herbarium label starts its lines with.
    EXPECT_TRUE(Contains(Columns(lines[1 + fCollector])[6], "coll"));
    EXPECT_TRUE(Contains(Columns(lines[1 + fCollector])[6], "leg"));
    EXPECT_TRUE(Contains(Columns(lines[1 + fDeterminer])[6], "det"));
    EXPECT_TRUE(Contains(Columns(lines[1 + fElevation])[6], "elev"));
    EXPECT_TRUE(Contains(Columns(lines[1 + fElevation])[6], "alt"));
    EXPECT_TRUE(Contains(Columns(lines[1 + fHabitat])[6], "habitat"));
}

// What the configuration check of the program reports as a fault of the settings: a new user
// who runs it must not be offered repairs of the shipped defaults. Only the Barcode record keeps
// the window 1-2 and the start word "barcode:" that the upgrade of older files gives it.
TEST(ShippedData, SettingsPassTheConfigurationCheck) {
    std::vector<std::string> lines = Lines("FieldDefinitions.txt");
    ASSERT_EQ(lines.size(), 31u);
    for (int f = 0; f < kBuiltInFields; ++f) {
        if (f == fScientificName || f == fBarcode) continue;
        std::vector<std::string> c = Columns(lines[f + 1]);
        ASSERT_EQ(c.size(), 8u);
        bool wide = (f >= fAssociatedSpecies && f <= fHabitat) || f == fElevation || f == fLatLong;
        EXPECT_LE(StrToInt(c[4]), wide ? 3 : 1) << FieldNames[f];
        EXPECT_GE(StrToInt(c[5]), 50) << FieldNames[f];
        for (int col : {6, 7}) {
            EXPECT_FALSE(Contains(c[col], ".") || Contains(c[col], ":")) << FieldNames[f] << ": " << c[col];
            std::vector<std::string> words = Columns(c[col], ',');
            std::set<std::string> unique(words.begin(), words.end());
            EXPECT_EQ(unique.size(), words.size()) << FieldNames[f] << " lists a word twice";
        }
    }
    std::string prefs = Inner("Preferences.txt");
    EXPECT_TRUE(Contains(prefs, "\r\nLearnFromLabels\tYes\r\n"));
    EXPECT_TRUE(Contains(prefs, "\r\nApplyLearning\tYes\r\n"));
    size_t p = prefs.find("\r\nMinElevation\t");
    ASSERT_NE(p, std::string::npos);
    std::string rest = prefs.substr(p + 15);
    EXPECT_GT(StrToInt(rest.substr(0, rest.find('\r'))), 0);
}

TEST(ShippedData, PreferencesSetEveryKeyOnceWithAValue) {
    const std::vector<std::string> keys = {"outputformat", "minelevation", "learnfromlabels", "applylearning",
                                           "autocorrect", "replacenumerals", "fillmeters", "dateformatcheck",
                                           "dontsplitlines", "doublespace", "autosplit", "barcodeformatcheck",
                                           "barcodeformattemplate", "debug"};
    std::vector<std::string> seen;
    for (const std::string& raw : Lines("Preferences.txt")) {
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> c = Columns(line);
        ASSERT_EQ(c.size(), 2u) << line;
        EXPECT_FALSE(c[1].empty()) << line;  // a key without value ends the program
        EXPECT_GE(line.size(), 5u) << line;  // shorter lines are not read
        seen.push_back(LowerCase(Trim(c[0])));
        const std::string key = seen.back();
        const std::string v = c[1];
        if (key == "outputformat") EXPECT_TRUE(v == "TSV" || v == "Darwin" || v == "CSV");
        else if (key == "minelevation") EXPECT_TRUE(TryStrToInt(v));
        else if (key == "barcodeformattemplate") EXPECT_EQ(v, "QZV#######");
        else EXPECT_TRUE(v == "Yes" || v == "No") << line;
    }
    std::vector<std::string> sortedSeen = seen, sortedKeys = keys;
    std::sort(sortedSeen.begin(), sortedSeen.end());
    std::sort(sortedKeys.begin(), sortedKeys.end());
    EXPECT_EQ(sortedSeen, sortedKeys);
}

TEST(ShippedData, AutoCorrectEntriesHaveFlagsAndText) {
    std::vector<std::string> lines = Lines("AutoCorrect.txt");
    ASSERT_FALSE(lines.empty());
    for (const std::string& l : lines) {
        std::vector<std::string> c = Columns(l);
        ASSERT_EQ(c.size(), 3u) << l;
        EXPECT_TRUE(c[0] == "0" || c[0] == "1" || c[0] == "02" || c[0] == "12") << l;
        EXPECT_FALSE(Trim(c[1]).empty()) << l;
        EXPECT_EQ(Trim(c[1]), c[1]) << l;  // blanks around the text are lost on reading
        EXPECT_EQ(Trim(c[2]), c[2]) << l;
    }
    EXPECT_GT(lines.back().size(), 4u);  // a shorter last entry is not read
}

TEST(ShippedData, OutputFormatsCoverEveryFieldAndNameTheirRecordFiles) {
    const std::pair<const char*, const char*> formats[] = {
        {"OutputFormat.txt", "Quorl.tsv"}, {"DarwinCSV.txt", "Quorl.csv"}, {"DarwinXML.txt", "Quorl.xml"}};
    for (auto [file, record] : formats) {
        std::string recordFile;
        std::vector<std::string> raw;
        std::vector<Column> cols = ReadFormat(file, recordFile, raw);
        EXPECT_EQ(recordFile, record);
        for (int f = 0; f < kBuiltInFields; ++f)
            EXPECT_TRUE(std::any_of(cols.begin(), cols.end(), [&](const Column& c) { return c.field == f; }))
                << file << " has no column for field " << f;
        for (const Column& c : cols) {
            EXPECT_TRUE(c.field >= 0 && c.field < kBuiltInFields) << file << " " << c.label;
            EXPECT_FALSE(Contains(c.database, " ")) << file << " " << c.database;
        }
        ExpectRenumberable(file, raw);
    }
}

TEST(ShippedData, DarwinFormatsUseOnlyDarwinCoreTerms) {
    std::set<std::string> terms = DarwinCoreTerms();
    ASSERT_GT(terms.size(), 150u);
    for (const char* file : {"DarwinCSV.txt", "DarwinXML.txt"}) {
        std::string recordFile;
        std::vector<std::string> raw;
        for (const Column& c : ReadFormat(file, recordFile, raw))
            EXPECT_TRUE(terms.count(c.database)) << file << ": " << c.database << " is not a Darwin Core term";
    }
    // A CSV header with a name twice cannot be imported.
    std::string recordFile;
    std::vector<std::string> raw;
    std::set<std::string> enabled;
    for (const Column& c : ReadFormat("DarwinCSV.txt", recordFile, raw))
        if (c.enabled) {
            EXPECT_TRUE(enabled.insert(c.database).second) << c.database << " twice";
        }
}

TEST(ShippedData, NumericColumnsAreTheNumericValues) {
    std::string recordFile;
    std::vector<std::string> raw;
    for (const Column& c : ReadFormat("DarwinCSV.txt", recordFile, raw)) {
        bool number = c.database == "day" || c.database == "year" || c.database == "decimalLatitude" ||
                      c.database == "decimalLongitude" || c.database == "minimumElevationInMeters" ||
                      c.database == "maximumElevationInMeters";
        EXPECT_EQ(c.numeric, number) << c.database;
    }
    for (const Column& c : ReadFormat("OutputFormat.txt", recordFile, raw)) {
        bool number = (c.field == fCollectionDate && (c.sub == 2 || c.sub == 4)) || c.field == fElevation ||
                      (c.field == fLatLong && c.sub != 4 && c.sub != 9);
        EXPECT_EQ(c.numeric, number) << c.label;
    }
}

namespace {

bool IsName(const std::string& s, bool capital) {
    if (s.empty() || (capital ? !(s[0] >= 'A' && s[0] <= 'Z') : !(s[0] >= 'a' && s[0] <= 'z'))) return false;
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return IsAsciiLetter(c) || c == '-'; });
}

// One entry of the place list: a name, optionally followed directly by (MinLat/MaxLat/MinLong/MaxLong).
struct PlaceEntry {
    std::string name;
    bool hasBox = false;
    double box[4] = {0, 0, 0, 0};
};

bool ParsePlace(const std::string& text, PlaceEntry& e) {
    size_t open = text.find('(');
    e.name = text.substr(0, open);
    if (e.name.empty() || e.name != Trim(e.name)) return false;
    for (char c : e.name)
        if (c == '\t' || c == ',' || c == '(' || c == ')') return false;
    if (open == std::string::npos) return true;
    if (text.back() != ')') return false;
    std::vector<std::string> parts = Columns(text.substr(open + 1, text.size() - open - 2), '/');
    if (parts.size() != 4) return false;
    for (int i = 0; i < 4; ++i) {
        auto v = TryStrToFloat(parts[i]);
        if (!v) return false;
        e.box[i] = *v;
    }
    e.hasBox = true;
    return e.box[0] <= e.box[1] && e.box[2] <= e.box[3] && e.box[0] >= -90 && e.box[1] <= 90 &&
           e.box[2] >= -180 && e.box[3] <= 180 && e.box[0] != 0 && e.box[2] != 0;
}

struct PlaceLine {
    PlaceEntry country;
    std::vector<std::pair<PlaceEntry, std::vector<PlaceEntry>>> states;
};

std::vector<PlaceLine> ReadPlaces() {
    std::vector<PlaceLine> out;
    for (const std::string& line : Lines("CountryList.txt")) {
        std::vector<std::string> items = Columns(line);
        PlaceLine p;
        EXPECT_TRUE(ParsePlace(items[0], p.country)) << items[0];
        for (size_t i = 1; i < items.size(); ++i) {
            std::vector<std::string> parts = Columns(items[i], ',');
            PlaceEntry state;
            EXPECT_TRUE(ParsePlace(parts[0], state)) << parts[0];
            std::vector<PlaceEntry> counties;
            for (size_t j = 1; j < parts.size(); ++j) {
                PlaceEntry county;
                EXPECT_TRUE(ParsePlace(parts[j], county)) << parts[j];
                // The reader drops a last county entry shorter than three characters.
                EXPECT_GE(parts[j].size(), 3u) << parts[j];
                counties.push_back(county);
            }
            p.states.emplace_back(state, counties);
        }
        out.push_back(p);
    }
    return out;
}

// Boxes come from different sources at different precisions, so a little slack is allowed.
bool Inside(const PlaceEntry& inner, const PlaceEntry& outer) {
    const double slack = 0.05;
    return inner.box[0] >= outer.box[0] - slack && inner.box[1] <= outer.box[1] + slack &&
           inner.box[2] >= outer.box[2] - slack && inner.box[3] <= outer.box[3] + slack;
}

}  // namespace

TEST(ShippedData, ReferenceListsStaySmall) {
    for (const char* n : {"PlantList.txt", "CountryList.txt"}) {
        ExpectWellFormedText(n);
        EXPECT_LT(std::filesystem::file_size(kData / n), 3'000'000u) << n;
    }
}

TEST(ShippedData, PlantListHoldsSortedFamiliesGeneraAndSpeciesEpithets) {
    std::vector<std::string> lines = Lines("PlantList.txt");
    ASSERT_GT(lines.size(), 500u);
    EXPECT_EQ(lines[0], "Select Family");  // index 0 of the family list is never chosen
    std::string previousFamily;
    bool quercusAlba = false;
    size_t species = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> items = Columns(lines[i]);
        const std::string& family = items[0];
        EXPECT_TRUE(IsName(family, true)) << family;
        EXPECT_LT(previousFamily, family);
        previousFamily = family;
        ASSERT_GE(items.size(), 2u) << family << " has no genus";
        std::string previousGenus;
        for (size_t g = 1; g < items.size(); ++g) {
            std::vector<std::string> names = Columns(items[g], ',');
            EXPECT_TRUE(IsName(names[0], true)) << family << ": " << names[0];
            EXPECT_LT(previousGenus, names[0]) << family;
            previousGenus = names[0];
            // Species are single epithets (a hybrid written with a leading x): a blank would be
            // taken for the end of the epithet when a scientific name is split.
            for (size_t s = 1; s < names.size(); ++s) {
                std::string epithet = names[s];
                if (epithet.size() > 1 && epithet[0] == 'x' && epithet[1] != '-') epithet.erase(0, 1);
                EXPECT_TRUE(IsName(epithet, false)) << names[0] << " " << names[s];
                EXPECT_TRUE(s == 1 || names[s - 1] < names[s]) << names[0] << " " << names[s];
            }
            species += names.size() - 1;
            if (family == "Fagaceae" && names[0] == "Quercus")
                quercusAlba = std::find(names.begin(), names.end(), "alba") != names.end();
        }
    }
    EXPECT_TRUE(quercusAlba);
    EXPECT_GT(species, 20000u);
}

TEST(ShippedData, CountryListParsesAndNamesTheUnitedStatesWithStatesAndCounties) {
    std::vector<PlaceLine> places = ReadPlaces();
    ASSERT_GT(places.size(), 200u);
    for (size_t i = 1; i < places.size(); ++i)
        EXPECT_LT(places[i - 1].country.name, places[i].country.name);

    auto find = [&](const std::string& name) -> const PlaceLine* {
        for (const PlaceLine& p : places)
            if (p.country.name == name) return &p;
        return nullptr;
    };
    auto state = [](const PlaceLine& c, const std::string& name) -> const std::pair<PlaceEntry, std::vector<PlaceEntry>>* {
        for (const auto& s : c.states)
            if (s.first.name == name) return &s;
        return nullptr;
    };
    auto county = [](const std::vector<PlaceEntry>& list, const std::string& name) -> const PlaceEntry* {
        for (const PlaceEntry& e : list)
            if (e.name == name) return &e;
        return nullptr;
    };

    const PlaceLine* us = find("United States");
    ASSERT_NE(us, nullptr);
    EXPECT_GE(us->states.size(), 51u);
    size_t counties = 0;
    for (const auto& s : us->states) counties += s.second.size();
    EXPECT_GT(counties, 3000u);
    auto* california = state(*us, "California");
    ASSERT_NE(california, nullptr);
    const PlaceEntry* santaClara = county(california->second, "Santa Clara County");
    ASSERT_NE(santaClara, nullptr);
    EXPECT_TRUE(santaClara->hasBox);
    EXPECT_TRUE(Inside(*santaClara, california->first));
    EXPECT_TRUE(Inside(california->first, us->country));
    EXPECT_NE(state(*us, "District of Columbia"), nullptr);

    const PlaceLine* mexico = find("Mexico");
    ASSERT_NE(mexico, nullptr);
    EXPECT_EQ(mexico->states.size(), 32u);
    auto* jalisco = state(*mexico, "Jalisco");
    ASSERT_NE(jalisco, nullptr);
    const PlaceEntry* guadalajara = county(jalisco->second, "Guadalajara");
    ASSERT_NE(guadalajara, nullptr);
    EXPECT_TRUE(Inside(*guadalajara, jalisco->first));

    // Names are compared with label text whose accents were folded: none may keep one.
    for (const PlaceLine& p : places) {
        EXPECT_TRUE(std::all_of(p.country.name.begin(), p.country.name.end(),
                                [](unsigned char c) { return c >= ' ' && c < 0x7F && c != '\''; }))
            << p.country.name;
        for (const auto& s : p.states)
            for (const PlaceEntry& e : s.second) {
                // A county outside its state's box was put under the wrong state.
                EXPECT_TRUE(Inside(e, s.first)) << e.name << " in " << s.first.name;
                EXPECT_TRUE(std::all_of(e.name.begin(), e.name.end(),
                                        [](unsigned char c) { return c >= ' ' && c < 0x7F && c != '\''; }))
                    << e.name;
            }
    }
}

namespace {

// A program folder made of the shipped files, started as a new installation starts.
class ShippedProgramFolder : public ::testing::Test {
protected:
    ShippedProgramFolder() : s(dialogs) {
        folder = quorl::testing::MakeTempFolder();
        for (const auto& entry : std::filesystem::directory_iterator(kData))
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        BuildMainForm(s.form);
        StartSession(s, folder);
    }
    ~ShippedProgramFolder() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    std::string Written(const std::string& name) { return quorl::testing::ReadFile(folder / name); }

    // Score of a label line for a field, on a label made of that one line.
    int Score(int field, const std::string& line) {
        s.parser = ParserState{};
        s.parser.LabelChunks = {line};
        return ScoreLineForField(s, field, 0);
    }

    std::filesystem::path folder;
    ScriptedDialogs dialogs;
    Session s;
};

const CountryClass* Child(const std::vector<CountryClass>& list, const std::string& name) {
    for (const CountryClass& c : list)
        if (c.Name == name) return &c;
    return nullptr;
}

}  // namespace

TEST_F(ShippedProgramFolder, StartsWithoutAMessageAndExportsDarwinCoreCsv) {
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.CurrentUserName, "Default");
    ASSERT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_EQ(s.FieldDefinitions[fBarcode].StartWords, "barcode:");
    EXPECT_EQ(s.FieldDefinitions[fBarcode].Minimum, 1);
    EXPECT_EQ(s.FieldDefinitions[fBarcode].Maximum, 2);
    EXPECT_EQ(s.OutputType, 2);
    EXPECT_EQ(s.OutputFileName, "Quorl.csv");
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export Darwin CSV");
    EXPECT_TRUE(s.Debug);
    EXPECT_TRUE(s.LearnFromLabels);
    EXPECT_TRUE(s.ApplyLearning);
    EXPECT_TRUE(s.AutoCorrect);
    EXPECT_FALSE(s.ReplaceNumerals);
    EXPECT_TRUE(s.BarcodeFormatCheck);
    EXPECT_EQ(s.BarcodeFormatTemplate, "QZV#######");
    EXPECT_TRUE(s.WordStats.empty());
    EXPECT_TRUE(s.NameStats.empty());
    EXPECT_EQ(s.AutoCorrectList.size(), Lines("AutoCorrect.txt").size());
}

TEST_F(ShippedProgramFolder, SavingTheLoadedSettingsRewritesTheSameFiles) {
    // The shipped files are in the form the program writes, so the first save changes nothing.
    SaveFieldDefinitions(s);
    EXPECT_EQ(Written("FieldDefinitions.txt"), Raw("FieldDefinitions.txt"));
    for (int type : {0, 1, 2}) {
        s.OutputType = type;
        LoadOutputFormat(s);
        EXPECT_EQ(s.OutputColumns.size(), Lines(OutputFormatFileName(type)).size() - 1);
        SaveOutputFormat(s);  // also saves the preferences
        EXPECT_EQ(Written(OutputFormatFileName(type)), Raw(OutputFormatFileName(type))) << type;
    }
    s.OutputType = 2;
    SavePreferences(s);
    EXPECT_EQ(Written("Preferences.txt"), Raw("Preferences.txt"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShippedProgramFolder, AutoCorrectMendsWhatTheParserLooksFor) {
    // Typographic quotes and the ordinal sign typed for degrees become the signs the coordinate
    // reader knows; U.S.A. becomes USA, which the country search reads as United States.
    EXPECT_EQ(AutoCorrectText(s, "41\xBA" "11\x92N, Essex Co., U.S.A."), "41\xB0" "11'N, Essex County, USA");
    EXPECT_EQ(AutoCorrectText(s, "Lichens\r\nTbe Coliected rock\r\nElevatlon 300 m"),
              "Lichens\r\nThe Collected rock\r\nElevation 300 m");
    // Whole words only: a longer word holding Co. is left alone.
    EXPECT_EQ(AutoCorrectText(s, "Mexico. Co.op"), "Mexico. Co.op");
}

TEST_F(ShippedProgramFolder, StartWordsClaimTheLinesOfTheirFields) {
    EXPECT_GE(Score(fCollector, "Coll. R. Smith 1234"), 100);
    EXPECT_GE(Score(fCollector, "leg. A. Jones"), 100);
    // A note on the collecting event is no collector line; the start word goes when it is one.
    EXPECT_LT(Score(fCollector, "Collected on the 5th Lichen Workshop"), 100);
    EXPECT_EQ(RemoveStartWord(s, fCollector, "COLLECTED BY M. Brown 12"), "M. Brown 12");
    EXPECT_GE(Score(fOtherCollectors, "with C. Green"), 100);
    EXPECT_GE(Score(fDeterminer, "Det. B. Brown 1999"), 100);
    EXPECT_GE(Score(fElevation, "Elev. 1200 m"), 100);
    EXPECT_GE(Score(fElevation, "Alt.: 300 m"), 100);
    EXPECT_GE(Score(fLatLong, "Lat. 34 12 30 N"), 100);
    EXPECT_GE(Score(fHabitat, "Habitat: oak woodland"), 100);
    EXPECT_GE(Score(fLocation, "Locality: 5 mi N of town"), 100);
    EXPECT_GE(Score(fAssociatedSpecies, "Associated species: Pinus"), 100);
    EXPECT_EQ(Score(fCollector, "Oak woodland"), 0);
    // A location line does not open with another field's start word, a collector line does.
    s.parser.LabelChunks = {"Rockland County, along the road", "Coll. R. Smith"};
    EXPECT_TRUE(LineFreeOfOtherStartWords(s, fLocation, 0));
    EXPECT_FALSE(LineFreeOfOtherStartWords(s, fLocation, 1));
}

TEST_F(ShippedProgramFolder, ReferenceListsLoadIntoTheLists) {
    const Control& families = s.form.Get("FamilyCombo");
    ASSERT_EQ(families.items.size(), s.PlantList.size());
    EXPECT_TRUE(StartsWith(families.items[0], "Select"));
    auto fagaceae = std::find_if(s.PlantList.begin(), s.PlantList.end(),
                                 [](const FamilyClass& f) { return f.Name == "Fagaceae"; });
    ASSERT_NE(fagaceae, s.PlantList.end());
    GetOneFamily(s, static_cast<int>(fagaceae - s.PlantList.begin()));
    const std::vector<std::string>& genera = s.form.Get("GenusCombo").items;
    auto quercus = std::find(genera.begin(), genera.end(), "Quercus");
    ASSERT_NE(quercus, genera.end());
    const FamilyClass& q = s.FamilyGenera[quercus - genera.begin()];
    EXPECT_TRUE(std::any_of(q.Children.begin(), q.Children.end(), [](const FamilyClass& sp) { return sp.Name == "alba"; }));

    const std::vector<std::string>& countries = s.form.Get("CountryCombo").items;
    ASSERT_EQ(countries.size(), s.CountryList.size());
    const CountryClass* us = Child(s.CountryList, "United States");
    ASSERT_NE(us, nullptr);
    EXPECT_TRUE(us->HasBox());
    const CountryClass* california = Child(us->Children, "California");
    ASSERT_NE(california, nullptr);
    const CountryClass* santaClara = Child(california->Children, "Santa Clara County");
    ASSERT_NE(santaClara, nullptr);
    EXPECT_NEAR(santaClara->MinLat, 36.893, 0.001);
    EXPECT_NEAR(santaClara->MaxLong, -121.208, 0.001);
    // Every state and county of the file came through: none was cut off by a short entry.
    size_t places = 0;
    for (const CountryClass& c : s.CountryList)
        for (const CountryClass& st : c.Children) places += 1 + st.Children.size();
    size_t entries = 0;
    for (const std::string& line : Lines("CountryList.txt")) {
        std::vector<std::string> items = Columns(line);
        if (items.size() == 1) entries += 1;  // a country without states gets one empty state
        for (size_t i = 1; i < items.size(); ++i) entries += Columns(items[i], ',').size();
    }
    EXPECT_EQ(places, entries);
}

namespace {

const char* const kTypicalLabel =
    "HERBARIUM OF THE UNIVERSITY OF ARIZONA\r\n"
    "Plants of Arizona, USA\r\n"
    "Fagaceae\r\n"
    "Quercus emoryi Torr.\r\n"
    "Pima County: Santa Catalina Mountains, Sabino Canyon trail, 3 mi N of visitor center\r\n"
    "Habitat: rocky slope with oak woodland\r\n"
    "Elev. 1200 m\r\n"
    "32 18 30 N 110 49 20 W\r\n"
    "12 Apr 2001\r\n"
    "Coll. J. Smith 1234\r\n"
    "Det. A. Brown 2002\r\n";

}  // namespace

TEST_F(ShippedProgramFolder, ATypicalLabelFillsItsFieldsFromTheShippedSettingsAndLists) {
    s.LabelText = kTypicalLabel;
    FillLabelChunks(s);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(GetFieldText(s, fHerbarium), "HERBARIUM OF THE UNIVERSITY OF ARIZONA");
    EXPECT_EQ(GetFieldText(s, fFamily), "Fagaceae");
    EXPECT_EQ(GetFieldText(s, fGenus), "Quercus");
    EXPECT_EQ(GetFieldText(s, fSpecies), "emoryi");
    EXPECT_EQ(GetFieldText(s, fScientificName), "Quercus emoryi");
    EXPECT_EQ(GetFieldText(s, fCountry), "United States");
    EXPECT_EQ(GetFieldText(s, fState), "Arizona");
    EXPECT_EQ(GetFieldText(s, fCounty), "Pima County");
    EXPECT_EQ(GetFieldText(s, fHabitat), "rocky slope with oak woodland");
    EXPECT_EQ(s.form.Get("ElevMetersLowEdit").text, "1200");
    EXPECT_EQ(s.form.Get("LatDegreesEdit").text, "32");
    EXPECT_EQ(s.form.Get("NSCombo").text, "N");
    EXPECT_EQ(s.form.Get("EWCombo").text, "W");
    EXPECT_EQ(GetFieldText(s, fCollectionDate), "12 Apr 2001");
    EXPECT_EQ(GetFieldText(s, fCollector), "J. Smith");
    EXPECT_EQ(GetFieldText(s, fCollectionNumber), "1234");
    EXPECT_EQ(GetFieldText(s, fDeterminer), "A. Brown");
    EXPECT_EQ(GetFieldText(s, fDeterminedDate), "2002");
}

TEST_F(ShippedProgramFolder, ContainedWordsFindTheLocationWhenLearningIsNotApplied) {
    // With learning applied and nothing learnt yet, only start words mark a Location line; the
    // contained words of the Location definition take over when learning is switched off.
    s.ApplyLearning = false;
    s.LabelText = kTypicalLabel;
    FillLabelChunks(s);
    EXPECT_EQ(GetFieldText(s, fLocation),
              "Pima County: Santa Catalina Mountains, Sabino Canyon trail, 3 mi N of visitor center");
    EXPECT_EQ(GetFieldText(s, fHabitat), "rocky slope with oak woodland");
}
