#include <functional>
#include <random>

#include "LoaderTestSupport.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/ReferenceLists.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

// Texts built from the characters that the file formats give a meaning to.
std::string RandomText(std::mt19937& rng) {
    static const char* const pieces[] = {"\t", ",", "\r\n", "\n", "\r", "(", "/", ")", ".", "1", "2", "255",
                                         "-7", "x", "Ab", " ", "\"", "#", "Version", "yes", "é"};
    std::uniform_int_distribution<int> len(0, 60), piece(0, std::size(pieces) - 1);
    std::string s;
    for (int i = len(rng); i > 0; --i) s += pieces[piece(rng)];
    return s;
}

class LoaderRobustnessTest : public LoaderTest {};

// Whatever a file holds, a loader either reads it or ends the program through the dialogs port.
TEST_F(LoaderRobustnessTest, MalformedFilesNeverBreakTheLoaders) {
    std::mt19937 rng(20261206);
    WriteUserFiles(folder);
    for (int round = 0; round < 200; ++round) {
        std::string text = RandomText(rng);
        WriteFile(folder / "FieldDefinitions.txt", text);
        WriteFile(folder / "Preferences.txt", text);
        WriteFile(folder / "AutoCorrect.txt", text);
        WriteFile(folder / "WordStats.txt", text);
        WriteFile(folder / "NameStats.txt", text);
        WriteFile(folder / "PlantList.txt", text);
        WriteFile(folder / "CountryList.txt", text);
        WriteFile(folder / "DarwinXML.txt", text);
        s.OutputType = 1;
        s.PlantList.clear();
        s.form.ClearItems("FamilyCombo");
        for (auto load : {LoadPreferences, LoadAutoCorrect, LoadLearningStats, LoadPlantList, LoadCountryList,
                          LoadOutputFormat, LoadFieldDefinitions}) {
            try {
                load(s);
            } catch (const ProgramEnded&) {
            }
        }
        EXPECT_EQ(s.form.Get("CountryCombo").items.size(), s.CountryList.size());
        EXPECT_EQ(s.form.Get("FamilyCombo").items.size(), s.PlantList.size());
        for (size_t i = 0; i < s.OutputColumns.size(); ++i) EXPECT_EQ(s.OutputColumns[i].Order, int(i));
        s.AutoCorrect = s.ReplaceNumerals = true;
        AutoCorrectText(s, text);
        WriteUserFiles(folder);  // the upgrade of a 29-line text needs the other files intact
    }
}

}  // namespace

namespace {

// A skipped line is logged with the number it has in the file, whatever the loader passed over
// before it: blank lines, comments, lines of NUL bytes.
TEST_F(LoaderTest, SkippedLinesAreLoggedWithTheFilesOwnNumbers) {
    struct Case {
        const char* file;
        std::string text;
        std::function<void(Session&)> load;
        const char* logged;
    };
    const std::string nul("x\0\0y\r\n", 6);
    const Case cases[] = {
        {"Preferences.txt", "\r\n\r\n#Elevation\r\n\r\nOutputFormat\tTSV\r\n\r\nMinElevation\tabc\r\n",
         LoadPreferences, "Skipped line 7 of Preferences.txt"},
        {"Preferences.txt", nul + "\r\nMinElevation\tabc\r\n", LoadPreferences, "Skipped line 3 of Preferences.txt"},
        {"OutputFormat.txt", "\r\nDatabase.tsv\r\n\r\n0\t1\tCollector\tcollector\t0\r\n\r\nx\t1\tDate\tdate\t0\r\n",
         LoadOutputFormat, "Skipped line 6 of OutputFormat.txt"},
        {"DarwinCSV.txt", "Records.csv\r\n\r\n0\t1\tCollector\trecordedBy\t0\r\n\t1\tCollection Number\trecordNumber\t0\r\n",
         [](Session& s) { s.OutputType = 2; LoadOutputFormat(s); }, "Skipped line 4 of DarwinCSV.txt (the field key is missing)"},
        {"WordStats.txt", "rock\t4\t20\t60\t20\t\r\n" + nul + "moss\tx\t1\t1\t1\t\r\n", LoadLearningStats,
         "Skipped line 3 of WordStats.txt"},
        {"CountryList.txt", nul + nul + "\r\nPeru(-18/x/-81/-68)\r\n", LoadCountryList,
         "Skipped line 4 of CountryList.txt"},
    };
    for (const Case& c : cases) {
        RestartLog(s);
        WriteFile(folder / c.file, c.text);
        c.load(s);
        const std::string log = ReadFile(folder / "Log.txt");
        EXPECT_NE(log.find(c.logged), std::string::npos) << c.file << "\n" << log;
    }
}

}  // namespace
