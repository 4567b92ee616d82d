// Every settings and list file reads the same whether its lines end in CR LF, LF or CR.
#include "LoaderTestSupport.h"

#include <sstream>

#include "base/Text.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/PreferencesFile.h"
#include "model/ReferenceLists.h"

namespace quorl::testing {
namespace {

const char* const kFiles[] = {"FieldDefinitions.txt", "Preferences.txt", "AutoCorrect.txt", "PlantList.txt",
                              "CountryList.txt", "OutputFormat.txt", "DarwinXML.txt", "DarwinCSV.txt"};

std::string Ends(const std::string& crlf, const char* end) { return ReplaceAll(crlf, "\r\n", end); }

void Count(std::ostringstream& o, const std::vector<FamilyClass>& v) {
    for (const auto& f : v) o << f.Name << '(', Count(o, f.Children), o << ')';
}
void Count(std::ostringstream& o, const std::vector<CountryClass>& v) {
    for (const auto& c : v) o << c.Name << ' ' << c.MinLat << ' ' << c.MaxLong << '(', Count(o, c.Children), o << ')';
}

// Everything the loaders read, as one text.
std::string LoadAll(const fs::path& folder) {
    ScriptedDialogs dialogs;
    Session s(dialogs);
    s.ProgramFolder = s.UserFolder = folder;
    s.Debug = false;
    BuildMainForm(s.form);
    LoadFieldDefinitions(s);
    LoadPreferences(s);
    LoadAutoCorrect(s);
    LoadLearningStats(s);
    LoadPlantList(s);
    LoadCountryList(s);
    std::ostringstream o;
    o << s.FileFormatVersion << '|';
    for (const auto& d : s.FieldDefinitions)
        o << d.Name << ',' << d.Minimum << ',' << d.Maximum << ',' << d.StartWords << ',' << d.ContainedWords << ';';
    o << '|' << s.OutputType << s.MinElevation << s.LearnFromLabels << s.ApplyLearning << s.AutoCorrect
      << s.BarcodeFormatTemplate << '|';
    for (const auto& r : s.AutoCorrectList) o << r.CaseSensitive << r.WholeWord << r.From << '>' << r.To << ';';
    o << '|';
    for (const auto& w : s.WordStats) {
        o << w.Word << w.Count << w.FieldPercent[fHabitat] << '[';
        for (const auto& f : w.Followers) o << f.Word << f.Count << ' ';
        o << ']';
    }
    o << '|';
    for (const auto& n : s.NameStats) o << n << ';';
    o << '|';
    Count(o, s.PlantList);
    Count(o, s.CountryList);
    o << '|' << dialogs.messages.size();
    return o.str();
}

TEST(LineEnds, SettingsAndListsReadTheSameWithEveryLineEnd) {
    const fs::path shipped = fs::path(QUORL_SOURCE_DIR) / "data";
    const std::string wordStats = "pine\t2\t50\t0\t50\t,forest\t2\t50\t0\t50\t\r\nforêt\t1\t0\t0\t100\t\r\n";
    const std::string nameStats = "Smith\r\nGarcía\r\nDvořák\r\n";
    std::string expected;
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        const fs::path folder = MakeTempFolder();
        for (const char* name : kFiles) WriteFile(folder / name, Ends(ReadFile(shipped / name), end));
        WriteFile(folder / "WordStats.txt", Ends(wordStats, end));
        WriteFile(folder / "NameStats.txt", Ends(nameStats, end));
        const std::string loaded = LoadAll(folder);
        fs::remove_all(folder);
        if (expected.empty()) {
            expected = loaded;
            // The CR LF files themselves were read in full.
            EXPECT_NE(loaded.substr(0, 2), "0|");  // the Version header was seen
            EXPECT_NE(loaded.find("Collector,"), std::string::npos);
            EXPECT_NE(loaded.find("forêt1"), std::string::npos);
            EXPECT_NE(loaded.find("Smith;García;Dvořák;"), std::string::npos);
            EXPECT_NE(loaded.find("Fagaceae("), std::string::npos);
            EXPECT_NE(loaded.find("Mexico"), std::string::npos);
        } else {
            EXPECT_EQ(loaded, expected);
        }
    }
}

}  // namespace
}  // namespace quorl::testing
