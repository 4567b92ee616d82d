// The "Check Configuration" command: its six questions with their exact texts, the repairs, and
// the files they write, byte for byte.
#include "LoaderTestSupport.h"
#include "editors/ConfigurationCheck.h"
#include "editors/FieldChecks.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/PreferencesFile.h"
#include "model/ReferenceLists.h"

using namespace quorl;
using namespace quorl::testing;
using namespace std::string_literals;

namespace {

const std::string kCleanPreferences =
    "#Output format\r\nOutputFormat\tTSV\r\n\r\nMinElevation\t10\r\nLearnFromLabels\tYes\r\n"
    "ApplyLearning\tYes\r\nBarcodeFormatCheck\tYes\r\nBarcodeFormatTemplate\tQZV#######\r\n";

class ConfigurationCheckTest : public LoaderTest {
protected:
    ConfigurationCheckTest() {
        WriteUserFiles(folder);
        WriteFile(folder / "Preferences.txt", kCleanPreferences);
        WriteFile(folder / "WordStats.txt", "rock\t4\t20\t60\t20\t\r\n");
        WriteFile(folder / "NameStats.txt", "Smith\r\n");
        WriteReferenceLists(folder);
        LoadFieldDefinitions(s);
        LoadPreferences(s);
        LoadLearningStats(s);
        LoadPlantList(s);
        LoadCountryList(s);
        dialogs.fallbackAnswer = DialogButton::No;
    }
    std::string Read(const char* name) { return ReadFile(folder / name); }
};

TEST_F(ConfigurationCheckTest, NothingToReportEndsWithCompleteAlone) {
    EvaluateConfiguration(s);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Complete."});
    EXPECT_FALSE(dialogs.busyVisible);
    EXPECT_FALSE(fs::exists(folder / "WordPlants.txt"));
}

TEST_F(ConfigurationCheckTest, FieldLimitsAreReportedAgainstTheirFieldsLimitAndReset) {
    auto& f = s.FieldDefinitions;
    f[fCollector].Minimum = 2;       // above 1
    f[fGenus].Maximum = 40;
    f[fDescription].Minimum = 4;     // above 3
    f[fLocation].Minimum = 3;        // not above 3
    f[fScientificName].Minimum = 7;  // never reported
    f[fScientificName].Maximum = 9;
    LabelFieldClass user = f[0];
    user.Name = "Substrate";
    user.Minimum = 2;
    f.push_back(user);
    dialogs.answers = {DialogButton::Yes};
    EvaluateConfiguration(s);

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0],
              "In most cases, Minimum should be 0 or 1, Maximum 50\r\nCollector Minimum is 2\r\nGenus Maximum is 40\r\n"
              "Description Minimum is 4\r\n Minimum is 2\r\n\r\n\r\nQUORL can set to default values.  Fix now?");
    EXPECT_EQ(dialogs.messages.front(), "Most fields set to 0 and 50.  Edit those which should be different.");
    std::string expected = "Version 2\r\n";
    for (int i = 0; i < kBuiltInFields; ++i) {
        bool lower = i == fScientificName || (i >= fAssociatedSpecies && i <= fHabitat) || i == fElevation ||
                     i == fLatLong;
        expected += FieldLine(FieldNames[i], lower ? 3 : 0, 50);
    }
    expected += FieldLine("Substrate", 0, 50);
    EXPECT_EQ(Read("FieldDefinitions.txt"), expected);
}

TEST_F(ConfigurationCheckTest, WordListsArePunctuationFreeAndEachWordOnceEvenPastAHundredWords) {
    auto& f = s.FieldDefinitions;
    f[fCollector].StartWords = "leg,coll,leg,by";
    f[fCollector].ContainedWords = "a:b,c.";
    f[fCollectionDate].StartWords = "date, date,date";
    f[fScientificName].StartWords = "sci.,sci.";  // never reported, but cleaned
    std::string many;
    for (int i = 0; i < 150; ++i) many += "w" + std::to_string(i) + ",";
    f[fNotes].StartWords = many + "w130";
    dialogs.answers = {DialogButton::Yes};
    EvaluateConfiguration(s);

    ASSERT_FALSE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.questions[0],
              "Start and Contained Words errors:\r\n"
              "Collector Contained Words contain periods.  Not recommended.\r\n"
              "Collector Contained Words contain semicolon.  Not recommended.\r\n"
              "Collector Start Words has leg twice.\r\n"
              "Collection Date Start Words has date twice.\r\n"
              "Collection Date Start Words has date twice.\r\n"
              "Collection Date Start Words has date twice.\r\n"
              "Notes Start Words has w130 twice.\r\n"
              "\r\n\r\nQUORL can remove duplicates and punctuation marks.  Fix now?");
    EXPECT_EQ(f[fCollector].StartWords, "leg,coll,by");
    EXPECT_EQ(f[fCollector].ContainedWords, "ab,c");
    EXPECT_EQ(f[fCollectionDate].StartWords, "date");
    EXPECT_EQ(f[fScientificName].StartWords, "sci");
    EXPECT_EQ(f[fNotes].StartWords, many.substr(0, many.size() - 1));
    EXPECT_EQ(Read("FieldDefinitions.txt"), FieldDefinitionsText(s));
    EXPECT_NE(Read("FieldDefinitions.txt").find("\tleg,coll,by\tab,c\r\n"), std::string::npos);
}

TEST_F(ConfigurationCheckTest, PreferencesWantAnElevationOtherThanZeroAndLearningOn) {
    s.MinElevation = -5;  // any value but 0 passes
    s.ApplyLearning = false;
    EXPECT_EQ(PreferenceReport(s), "Learned Words not being applied.\r\n");

    WriteFile(folder / "Preferences.txt", "MinElevation\t0\r\nLearnFromLabels\tNo\r\nApplyLearning\tYes\r\n");
    LoadPreferences(s);
    dialogs.answers = {DialogButton::Yes};
    EvaluateConfiguration(s);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0],
              "Preferences Settings:\r\nMinimum Elevation should be greater than zero.\r\n"
              "Auto Learning is not enabled.\r\n\r\n\r\nSet to recommended settings now?");
    EXPECT_EQ(s.MinElevation, 10);
    EXPECT_TRUE(s.LearnFromLabels);
    EXPECT_EQ(Read("Preferences.txt").substr(0, 57),
              "MinElevation\t10\r\nLearnFromLabels\tYes\r\nApplyLearning\tYes\r\n");
}

TEST_F(ConfigurationCheckTest, StatisticsRepairsRewriteTheFilesAndKeepLearntWordPairs) {
    WriteFile(folder / "WordStats.txt",
              "station\t9\t0\t100\t0\t,road\t2\t0\t100\t0\t\r\n"
              "smith\t2\t0\t0\t0\tJr\r\n"
              "bad\tx\t1\t1\t1\t\r\n"
              "garcia\t5\t0\t0\t0\t\r\n"
              "pinus\t3\t0\t0\t100\t,nigra\t1\t0\t0\t100\t\r\n"
              "nigra\t1\t0\t0\t100\t\r\n"
              "rock\t4\t20\t60\t20\tgranite\r\n");
    // Station is an ambiguous word and rock starts small: the names go. Smith's word was seen
    // twice: the word goes, and its half-read line with it. Garcia's was seen five times: both
    // stay. Mao is a county, not a state. Lines the load could not read stay as they stood.
    WriteFile(folder / "NameStats.txt", "Station\r\nSmith\r\nrock\r\nGarcia\r\nLima\r\nMao\r\nJones\r\nJo\0nes\r\n"s);
    WriteFile(folder / "WordPlants.txt", "earlier\r\n");
    LoadLearningStats(s);
    const uint64_t version = s.StatsVersion;
    dialogs.answers = {DialogButton::Yes, DialogButton::Yes, DialogButton::Yes};
    EvaluateConfiguration(s);

    ASSERT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(dialogs.questions[0],
              "The following words are in both WordStats and NameStats:  Station, Smith, rock, Garcia, \r\n\r\n"
              "QUORL can make reasonable guesses about some words.  Ambiguous words will be left in both.  Fix now?");
    EXPECT_EQ(dialogs.questions[1],
              "The following words are in both NameStats and CountryList:  Lima, \r\n\r\n"
              "QUORL can remove the duplicates from the NameStates file.  Fix now?");
    const std::string plants = "The following plant names are in the WordStats file:  Pinus, nigra, \r\n\r\n"
                               "QUORL can remove the plant names from the WordStates file.  Fix now?";
    EXPECT_EQ(dialogs.questions[2], plants);
    EXPECT_EQ(Read("WordPlants.txt"), "earlier\r\n" + plants);
    EXPECT_EQ(Read("NameStats.txt"), "Smith\r\nGarcia\r\nMao\r\nJones\r\nJo\0nes\r\n"s);
    EXPECT_EQ(Read("WordStats.txt"),
              "station\t9\t0\t100\t0\t,road\t2\t0\t100\t0\t\r\n"
              "garcia\t5\t0\t0\t0\t\r\n"
              "rock\t4\t20\t60\t20\tgranite\r\n"
              "bad\tx\t1\t1\t1\t\r\n");
    EXPECT_GT(s.StatsVersion, version);
    EXPECT_FALSE(dialogs.busyVisible);
    std::vector<std::string> busy;
    for (const std::string& line : dialogs.shown)
        if (line.rfind("busy: ", 0) == 0) busy.push_back(line.substr(6));
    EXPECT_EQ(busy, (std::vector<std::string>{"Searching for Word and Name Duplicates / Please Wait...",
                                              "Deleting Duplicates / Please Wait...",
                                              "Searching for Country & Name Duplicates / Please Wait...",
                                              "Deleting Duplicates / Please Wait...",
                                              "Searching for Word and Plant Duplicates / Please Wait...",
                                              "Deleting Duplicates / Please Wait..."}));
}

TEST_F(ConfigurationCheckTest, AnsweringNoChangesNothing) {
    s.FieldDefinitions[fCollector].Minimum = 5;
    s.FieldDefinitions[fCollector].StartWords = "a,a";
    s.MinElevation = 0;
    WriteFile(folder / "WordStats.txt", "smith\t1\t0\t0\t0\t\r\npinus\t1\t0\t0\t0\t\r\n");
    WriteFile(folder / "NameStats.txt", "Smith\r\nPeru\r\n");
    LoadLearningStats(s);
    const std::string defs = Read("FieldDefinitions.txt"), prefs = Read("Preferences.txt");
    EvaluateConfiguration(s);
    EXPECT_EQ(dialogs.questions.size(), 6u);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Complete."});
    EXPECT_EQ(Read("FieldDefinitions.txt"), defs);
    EXPECT_EQ(Read("Preferences.txt"), prefs);
    EXPECT_EQ(Read("WordStats.txt"), "smith\t1\t0\t0\t0\t\r\npinus\t1\t0\t0\t0\t\r\n");
    EXPECT_EQ(Read("NameStats.txt"), "Smith\r\nPeru\r\n");
    EXPECT_EQ(s.WordStats.size(), 2u);
    EXPECT_EQ(s.FieldDefinitions[fCollector].Minimum, 5);
}

}  // namespace
