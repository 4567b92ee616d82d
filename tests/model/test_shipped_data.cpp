// Checks the default program folder (data/) that a new installation starts from: a mistake in
// these files would stop the program at start or write records that no database can import.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "LoaderTestSupport.h"
#include "base/Encoding.h"
#include "base/Text.h"
#include "commands/SessionStart.h"
#include "editors/ConfigurationCheck.h"
#include "fields/FieldAccess.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/Files.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/Records.h"
#include "model/ReferenceLists.h"
#include "model/UserFiles.h"
#include "parser/FillLabelChunks.h"
#include "parser/LineScoring.h"

using namespace quorl;

namespace {

const std::filesystem::path kData = std::filesystem::path(QUORL_SOURCE_DIR) / "data";

std::string Raw(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(kData / name, bytes)) << name << " is missing";
    return bytes;
}

std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines = SplitLines(DecodeFileBytes(Raw(name)));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

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

bool PlainAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= ' ' && c < 0x7F && c != '\''; });
}

bool IsName(const std::string& s, bool capital) {
    if (s.empty() || (capital ? !(s[0] >= 'A' && s[0] <= 'Z') : !(s[0] >= 'a' && s[0] <= 'z'))) return false;
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return IsAsciiLetter(c) || c == '-'; });
}

}  // namespace

TEST(ShippedData, EveryDefaultFileIsWellFormedText) {
    for (const char* n : {"FieldDefinitions.txt", "Preferences.txt", "AutoCorrect.txt", "OutputFormat.txt",
                          "DarwinXML.txt", "DarwinCSV.txt", "WordStats.txt", "NameStats.txt", "PlantList.txt",
                          "CountryList.txt"}) {
        SCOPED_TRACE(n);
        std::string bytes = Raw(n);
        ASSERT_TRUE(IsValidUtf8(bytes));
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(bytes)), bytes) << "characters outside Windows-1252";
        EXPECT_LT(bytes.size(), 3'000'000u);
        for (size_t i = 0; i < bytes.size(); ++i) {
            bool bare = (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ||
                        (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
            ASSERT_FALSE(bare) << "a line break without CR LF at " << i;
        }
        EXPECT_TRUE(bytes.empty() || bytes.back() == '\n');
    }
    EXPECT_TRUE(Raw("WordStats.txt").empty());
    EXPECT_TRUE(Raw("NameStats.txt").empty());
    // The country boxes are a derived OpenStreetMap database: their licence asks for the credit.
    std::string notice = Raw("NOTICE");
    EXPECT_TRUE(Contains(notice, "OpenStreetMap contributors"));
    EXPECT_TRUE(Contains(notice, "Open Database License"));
}

// What the configuration check reports as a fault of the settings must not be found in the
// defaults.
TEST(ShippedData, FieldDefinitionsPassTheConfigurationCheck) {
    std::vector<std::string> lines = Lines("FieldDefinitions.txt");
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "Version 2");
    for (int f = 0; f < kBuiltInFields; ++f) {
        SCOPED_TRACE(FieldNames[f]);
        std::vector<std::string> c = Columns(lines[f + 1]);
        ASSERT_EQ(c.size(), 8u);
        EXPECT_EQ(c[0], FieldNames[f]);
        EXPECT_EQ(c[6], LowerCase(c[6]));
        if (f == fScientificName) continue;
        bool wide = (f >= fAssociatedSpecies && f <= fHabitat) || f == fElevation || f == fLatLong;
        EXPECT_LE(StrToInt(c[4]), wide ? 3 : 1);
        EXPECT_GE(StrToInt(c[5]), 50);
        for (int col : {6, 7}) {
            // Lists are cut at commas and trimmed: a blank after a comma would start the next word.
            EXPECT_FALSE(Contains(c[col], ", ") || Contains(c[col], ".") || Contains(c[col], ":")) << c[col];
            std::vector<std::string> words = Columns(c[col], ',');
            EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << "a word twice";
        }
    }
    // That the start words claim the lines a label starts with: StartWordsClaimTheLinesOfTheirFields.
}

namespace {

// A program folder made of the shipped files, started as a new installation starts.
class ShippedProgramFolder : public quorl::testing::LoaderTest {
protected:
    ShippedProgramFolder() {
        for (const auto& entry : std::filesystem::directory_iterator(kData))
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        StartSession(s, folder);
    }

    std::string Written(const std::string& name) { return quorl::testing::ReadFile(folder / name); }

    // Score of a label line for a field, on a label made of that one line.
    int Score(int field, const std::string& line) {
        s.parser = ParserState{};
        s.parser.LabelChunks = {line};
        return ScoreLineForField(s, field, 0);
    }
};

const CountryClass* Child(const std::vector<CountryClass>& list, const std::string& name) {
    for (const CountryClass& c : list)
        if (c.Name == name) return &c;
    return nullptr;
}

// Boxes come from different sources at different precisions, so a little slack is allowed.
bool Inside(const CountryClass& inner, const CountryClass& outer) {
    const double slack = 0.05;
    return inner.MinLat >= outer.MinLat - slack && inner.MaxLat <= outer.MaxLat + slack &&
           inner.MinLong >= outer.MinLong - slack && inner.MaxLong <= outer.MaxLong + slack;
}

bool SaneBox(const CountryClass& c) {
    return c.HasBox() && c.MinLat <= c.MaxLat && c.MinLong <= c.MaxLong && c.MinLat >= -90 && c.MaxLat <= 90 &&
           c.MinLong >= -180 && c.MaxLong <= 180;
}

}  // namespace

TEST_F(ShippedProgramFolder, StartsWithoutAMessageAndExportsDarwinCoreCsv) {
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.CurrentUserName, "Default");
    ASSERT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_EQ(s.FieldDefinitions[fBarcode].StartWords, "barcode");
    EXPECT_EQ(s.FieldDefinitions[fBarcode].Minimum, 1);
    EXPECT_EQ(s.FieldDefinitions[fBarcode].Maximum, 50);
    EXPECT_EQ(s.OutputFileName, "Quorl.csv");
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export Darwin CSV");
    EXPECT_TRUE(s.Debug);  // the log is what users mail when something goes wrong
    EXPECT_TRUE(s.LearnFromLabels && s.AutoCorrect);
    // Applied before the user has added records, the empty word statistics give Description,
    // Location and Habitat the same leftover line; learning is collected but not applied.
    EXPECT_FALSE(s.ApplyLearning);
    // The template is one herbarium's example: checked by default, every other herbarium's barcodes
    // would be refused.
    EXPECT_FALSE(s.BarcodeFormatCheck);
    EXPECT_EQ(s.BarcodeFormatTemplate, "QZV#######");
    EXPECT_GT(s.MinElevation, 0);
    // Every entry was read: a short last line or a line without its columns would be lost.
    EXPECT_EQ(s.AutoCorrectList.size(), Lines("AutoCorrect.txt").size());
    for (const ReplacementClass& r : s.AutoCorrectList) EXPECT_FALSE(r.From.empty());
}

// Check Configuration on a new installation finds nothing to mend but the one preference that is
// off on purpose (the learnt words are not applied until enough records were added).
TEST_F(ShippedProgramFolder, ConfigurationCheckFindsOnlyTheLearningThatIsNotApplied) {
    dialogs.answers.clear();
    dialogs.fallbackAnswer = DialogButton::No;
    EvaluateConfiguration(s);
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>{"Preferences Settings:\r\nLearned Words not being applied.\r\n\r\n\r\n"
                                       "Set to recommended settings now?"});
    EXPECT_EQ(dialogs.messages.back(), "Complete.");
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

TEST_F(ShippedProgramFolder, OutputFormatsCoverEveryFieldWithDarwinCoreTerms) {
    std::string termBytes;
    ASSERT_TRUE(ReadFileBytes(std::filesystem::path(QUORL_TEST_DATA) / "dwc_terms.csv", termBytes));
    std::set<std::string> terms;
    for (const std::string& l : SplitLines(termBytes))
        if (!Trim(l).empty()) terms.insert(Trim(l));
    ASSERT_GT(terms.size(), 150u);
    const char* records[] = {"Quorl.tsv", "Quorl.xml", "Quorl.csv"};
    for (int type : {0, 1, 2}) {
        SCOPED_TRACE(OutputFormatFileName(type));
        s.OutputType = type;
        LoadOutputFormat(s);
        EXPECT_EQ(s.OutputFileName, records[type]);
        std::set<int> fields;
        std::set<std::string> enabled;
        for (const OutputFormatClass& c : s.OutputColumns) {
            fields.insert(c.FieldIndex);
            EXPECT_FALSE(Contains(c.DatabaseName, " ")) << c.DatabaseName;
            if (type == 0) {
                bool number = (c.FieldIndex == fCollectionDate && (c.SubIndex == 2 || c.SubIndex == 4)) ||
                              c.FieldIndex == fElevation ||
                              (c.FieldIndex == fLatLong && c.SubIndex != 4 && c.SubIndex != 9);
                EXPECT_EQ(c.Numeric, number) << c.Label;
                continue;
            }
            EXPECT_TRUE(terms.count(c.DatabaseName)) << c.DatabaseName << " is not a Darwin Core term";
            // A CSV header with a name twice cannot be imported.
            if (type == 2 && c.Enabled) {
                EXPECT_TRUE(enabled.insert(c.DatabaseName).second) << c.DatabaseName;
            }
            const std::set<std::string> numeric = {"day", "year", "decimalLatitude", "decimalLongitude",
                                                   "minimumElevationInMeters", "maximumElevationInMeters"};
            if (type == 2) {
                EXPECT_EQ(c.Numeric, numeric.count(c.DatabaseName) == 1) << c.DatabaseName;
            }
        }
        EXPECT_EQ(fields.size(), static_cast<size_t>(kBuiltInFields));
        EXPECT_TRUE(*fields.begin() == 0 && *fields.rbegin() == kBuiltInFields - 1);
        // The field-definitions editor renumbers a format after user fields are removed: it needs
        // a line of field 26 and after it only lines that name a field.
        std::vector<std::string> raw = Lines(OutputFormatFileName(type));
        auto it = std::find_if(raw.begin(), raw.end(), [](const std::string& l) { return StartsWith(l, "26\t"); });
        ASSERT_NE(it, raw.end());
        for (; it != raw.end(); ++it)
            EXPECT_TRUE(std::any_of(FieldNames.begin(), FieldNames.begin() + kBuiltInFields,
                                    [&](const std::string& n) { return Contains(*it, n); }))
                << *it;
    }
}

TEST_F(ShippedProgramFolder, PlantListHoldsSortedFamiliesGeneraAndSpeciesEpithets) {
    ASSERT_GT(s.PlantList.size(), 500u);
    EXPECT_EQ(s.PlantList[0].Name, "Select Family");  // index 0 of the family list is never chosen
    EXPECT_EQ(s.form.Get("FamilyCombo").items.at(0), "Select Family");
    EXPECT_EQ(s.form.Get("FamilyCombo").items.size(), s.PlantList.size());
    size_t species = 0;
    for (size_t i = 1; i < s.PlantList.size(); ++i) {
        const FamilyClass& family = s.PlantList[i];
        EXPECT_TRUE(IsName(family.Name, true)) << family.Name;
        EXPECT_TRUE(i == 1 || s.PlantList[i - 1].Name < family.Name) << family.Name;
        ASSERT_FALSE(family.Children.empty()) << family.Name << " has no genus";
        for (size_t g = 0; g < family.Children.size(); ++g) {
            const FamilyClass& genus = family.Children[g];
            EXPECT_TRUE(IsName(genus.Name, true)) << family.Name << ": " << genus.Name;
            EXPECT_TRUE(g == 0 || family.Children[g - 1].Name < genus.Name) << genus.Name;
            // Species are single epithets (a hybrid written with a leading x): a blank would be
            // taken for the end of the epithet when a scientific name is split.
            for (size_t k = 0; k < genus.Children.size(); ++k) {
                std::string epithet = genus.Children[k].Name;
                if (epithet.size() > 1 && epithet[0] == 'x' && epithet[1] != '-') epithet.erase(0, 1);
                EXPECT_TRUE(IsName(epithet, false)) << genus.Name << " " << genus.Children[k].Name;
                EXPECT_TRUE(k == 0 || genus.Children[k - 1].Name < genus.Children[k].Name) << genus.Name;
            }
            species += genus.Children.size();
        }
    }
    EXPECT_GT(species, 20000u);
    auto fagaceae = std::find_if(s.PlantList.begin(), s.PlantList.end(),
                                 [](const FamilyClass& f) { return f.Name == "Fagaceae"; });
    ASSERT_NE(fagaceae, s.PlantList.end());
    GetOneFamily(s, static_cast<int>(fagaceae - s.PlantList.begin()));
    const std::vector<std::string>& genera = s.form.Get("GenusCombo").items;
    auto quercus = std::find(genera.begin(), genera.end(), "Quercus");
    ASSERT_NE(quercus, genera.end());
    const FamilyClass& q = s.FamilyGenera[quercus - genera.begin()];
    EXPECT_TRUE(std::any_of(q.Children.begin(), q.Children.end(), [](const FamilyClass& sp) { return sp.Name == "alba"; }));
}

TEST_F(ShippedProgramFolder, CountryListNamesTheUnitedStatesAndMexicoWithStatesAndCounties) {
    ASSERT_GT(s.CountryList.size(), 200u);
    EXPECT_EQ(s.form.Get("CountryCombo").items.size(), s.CountryList.size());
    size_t places = 0;
    for (size_t i = 0; i < s.CountryList.size(); ++i) {
        const CountryClass& c = s.CountryList[i];
        EXPECT_TRUE(i == 0 || s.CountryList[i - 1].Name < c.Name) << c.Name;
        // Names are compared with label text whose accents were folded: none may keep one.
        EXPECT_TRUE(PlainAscii(c.Name)) << c.Name;
        for (const CountryClass& st : c.Children) {
            places += 1 + st.Children.size();
            for (const CountryClass& county : st.Children) {
                EXPECT_TRUE(PlainAscii(county.Name)) << county.Name;
                EXPECT_TRUE(SaneBox(county)) << county.Name;
                // A county outside its state's box was put under the wrong state.
                EXPECT_TRUE(Inside(county, st)) << county.Name << " in " << st.Name;
            }
        }
    }
    // Every state and county of the file came through: none was cut off by a short entry.
    size_t entries = 0;
    for (const std::string& line : Lines("CountryList.txt")) {
        std::vector<std::string> items = Columns(line);
        if (items.size() == 1) entries += 1;  // a country without states gets one empty state
        for (size_t i = 1; i < items.size(); ++i) entries += Columns(items[i], ',').size();
    }
    EXPECT_EQ(places, entries);

    const CountryClass* us = Child(s.CountryList, "United States");
    ASSERT_NE(us, nullptr);
    EXPECT_GE(us->Children.size(), 51u);
    EXPECT_NE(Child(us->Children, "District of Columbia"), nullptr);
    size_t counties = 0;
    for (const CountryClass& st : us->Children) counties += st.Children.size();
    EXPECT_GT(counties, 3000u);
    const CountryClass* california = Child(us->Children, "California");
    ASSERT_NE(california, nullptr);
    EXPECT_TRUE(Inside(*california, *us));
    const CountryClass* santaClara = Child(california->Children, "Santa Clara County");
    ASSERT_NE(santaClara, nullptr);
    EXPECT_NEAR(santaClara->MinLat, 36.893, 0.001);
    EXPECT_NEAR(santaClara->MaxLong, -121.208, 0.001);

    const CountryClass* mexico = Child(s.CountryList, "Mexico");
    ASSERT_NE(mexico, nullptr);
    EXPECT_EQ(mexico->Children.size(), 32u);
    const CountryClass* jalisco = Child(mexico->Children, "Jalisco");
    ASSERT_NE(jalisco, nullptr);
    EXPECT_NE(Child(jalisco->Children, "Guadalajara"), nullptr);
}

TEST_F(ShippedProgramFolder, AutoCorrectMendsWhatTheParserLooksFor) {
    // Typographic quotes and the ordinal sign typed for degrees become the signs the coordinate
    // reader knows; U.S.A. becomes USA, which the country search reads as United States.
    EXPECT_EQ(AutoCorrectText(s, "41º11’N, Essex Co., U.S.A."), "41°11'N, Essex County, USA");
    EXPECT_EQ(AutoCorrectText(s, "Lichens\r\nTbe Coliected rock\r\nElevatlon 300 m"),
              "Lichens\r\nThe Collected rock\r\nElevation 300 m");
    // Whole words only: a longer word holding Co. is left alone.
    EXPECT_EQ(AutoCorrectText(s, "Mexico. Co.op"), "Mexico. Co.op");
}

TEST_F(ShippedProgramFolder, StartWordsClaimTheLinesOfTheirFields) {
    const std::pair<int, const char*> lines[] = {
        {fCollector, "Coll. R. Smith 1234"}, {fCollector, "leg. A. Jones"}, {fOtherCollectors, "with C. Green"},
        {fDeterminer, "Det. B. Brown 1999"}, {fElevation, "Elev. 1200 m"},  {fElevation, "Alt.: 300 m"},
        {fLatLong, "Lat. 34 12 30 N"},       {fHabitat, "Habitat: oak woodland"},
        {fLocation, "Locality: 5 mi N of town"}, {fAssociatedSpecies, "Associated species: Pinus"}};
    for (auto [field, line] : lines) EXPECT_GE(Score(field, line), 100) << line;
    // A note on the collecting event is no collector line; the start word goes when it is one.
    EXPECT_LT(Score(fCollector, "Collected on the 5th Lichen Workshop"), 100);
    EXPECT_EQ(Score(fCollector, "Oak woodland"), 0);
    EXPECT_EQ(RemoveStartWord(s, fCollector, "COLLECTED BY M. Brown 12"), "M. Brown 12");
}

// With the shipped definitions a label's own family and name lines near its head are no
// associated species; a line that names the associates is, from the third line on. The second
// line is a header's place and is not looked at.
TEST_F(ShippedProgramFolder, FamilyAndNameLinesAreNoAssociatedSpecies) {
    const std::pair<const char*, const char*> labels[] = {
        {"HERBARIUM OF THE UNIVERSITY OF UTAH\r\nPlants of Utah, USA\r\nRosaceae\r\nRosa woodsii Lindl.\r\n"
         "Salt Lake County: Red Butte Canyon, along the creek\r\nHabitat: streambank with Salix exigua\r\n"
         "12 Jun 1998\r\nColl. J. Smith 1234\r\n",
         ""},
        {"HERBARIUM OF THE UNIVERSITY OF UTAH\r\nRosaceae\r\nRosa woodsii Lindl.\r\n"
         "Salt Lake County: Red Butte Canyon, along the creek\r\nHabitat: streambank\r\n"
         "Associated species: Salix exigua, Betula occidentalis\r\n12 Jun 1998\r\nColl. J. Smith 1234\r\n",
         "Salix exigua, Betula occidentalis"},
        // Near the head too, but not on the second line.
        {"HERBARIUM OF THE UNIVERSITY OF UTAH\r\nAssociates: Salix exigua, Betula occidentalis\r\nRosaceae\r\n"
         "Rosa woodsii Lindl.\r\nSalt Lake County: Red Butte Canyon\r\n12 Jun 1998\r\nColl. J. Smith 1234\r\n",
         ""},
        {"Plants of Utah, USA\r\nRosaceae\r\nAssociated with Pinus ponderosa and Abies concolor\r\n"
         "Rosa woodsii Lindl.\r\nSalt Lake County: Red Butte Canyon\r\n12 Jun 1998\r\nColl. J. Smith 1234\r\n",
         "Pinus ponderosa and Abies concolor"},
    };
    for (const auto& [label, associates] : labels) {
        ClearFields(s);
        s.LabelText = label;
        FillLabelChunks(s);
        EXPECT_EQ(GetFieldText(s, fScientificName), "Rosa woodsii");
        EXPECT_EQ(GetFieldText(s, fAssociatedSpecies), associates);
    }
}

TEST_F(ShippedProgramFolder, ATypicalLabelFillsItsFieldsFromTheShippedSettingsAndLists) {
    const char* const label =
        "HERBARIUM OF THE UNIVERSITY OF ARIZONA\r\nPlants of Arizona, USA\r\nFagaceae\r\nQuercus emoryi Torr.\r\n"
        "Pima County: Santa Catalina Mountains, Sabino Canyon trail, 3 mi N of visitor center\r\n"
        "Habitat: rocky slope with oak woodland\r\nElev. 1200 m\r\n32 18 30 N 110 49 20 W\r\n12 Apr 2001\r\n"
        "Coll. J. Smith 1234\r\nDet. A. Brown 2002\r\n";
    s.LabelText = label;
    FillLabelChunks(s);
    EXPECT_TRUE(dialogs.messages.empty());
    const std::pair<int, const char*> fields[] = {
        {fHerbarium, "HERBARIUM OF THE UNIVERSITY OF ARIZONA"}, {fScientificName, "Quercus emoryi"},
        {fFamily, "Fagaceae"}, {fCountry, "United States"}, {fState, "Arizona"}, {fCounty, "Pima County"},
        {fHabitat, "rocky slope with oak woodland"}, {fCollectionDate, "12 Apr 2001"}, {fCollector, "J. Smith"},
        {fCollectionNumber, "1234"}, {fDeterminer, "A. Brown"}, {fDeterminedDate, "2002"}};
    for (auto [f, text] : fields) EXPECT_EQ(GetFieldText(s, f), text) << FieldNames[f];
    EXPECT_EQ(s.form.Get("ElevMetersLowEdit").text, "1200");
    EXPECT_EQ(s.form.Get("LatDegreesEdit").text, "32");
    EXPECT_EQ(s.form.Get("EWCombo").text, "W");

    // With learning applied and nothing learnt yet, only start words mark a Location line; the
    // contained words of the Location definition take over when learning is switched off.
    ClearFields(s);
    s.ApplyLearning = false;
    s.LabelText = label;
    FillLabelChunks(s);
    EXPECT_EQ(GetFieldText(s, fLocation),
              "Pima County: Santa Catalina Mountains, Sabino Canyon trail, 3 mi N of visitor center");
    EXPECT_EQ(GetFieldText(s, fHabitat), "rocky slope with oak woodland");
}
