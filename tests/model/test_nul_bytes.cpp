// Settings and statistics files with a block of zero bytes (what a power cut leaves): the line that
// holds them is skipped and counted, the rest of the file is read, and nothing read is lost when
// the file is written again.
#include "LoaderTestSupport.h"
#include "model/AutoCorrect.h"
#include "model/LearningStatsFile.h"
#include "model/PreferencesFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

const std::string kZeros(512, '\0');

class NulBytesTest : public LoaderTest {};

TEST_F(NulBytesTest, StatisticsAfterTheZerosAreReadAndKeptWhenSaved) {
    WriteFile(folder / "WordStats.txt", "rock\t4\t20\t60\t20\t\r\nmo" + kZeros + "\xFEss\t3\t10\t10\t80\t\r\n" +
                                            "bad\tx\t1\t1\t1\t\r\nsand\t1\t0\t0\t100\t\r\n");
    WriteFile(folder / "NameStats.txt", "Smith\r\n" + kZeros + "\r\nJones\r\n");
    LoadLearningStats(s);
    ASSERT_EQ(s.WordStats.size(), 2u);
    EXPECT_EQ(s.WordStats[0].Word, "rock");
    EXPECT_EQ(s.WordStats[1].Word, "sand");
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"Smith", "Jones"}));
    // One message per file: the zero line counts with the other unreadable line.
    ASSERT_EQ(dialogs.messages.size(), 2u) << ::testing::PrintToString(dialogs.messages);
    EXPECT_EQ(dialogs.messages[0], "Skipped 2 unreadable line(s) in " + (folder / "WordStats.txt").string());
    EXPECT_EQ(dialogs.messages[1], "Skipped 1 unreadable line(s) in " + (folder / "NameStats.txt").string());

    // The unread lines are written back after the words byte for byte (a damaged byte among the
    // zeros too); a line of nothing but zeros holds nothing.
    ASSERT_TRUE(SaveWordStats(s, true));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), "rock\t4\t20\t60\t20\t\r\nsand\t1\t0\t0\t100\t\r\nmo" + kZeros +
                                                      "\xFEss\t3\t10\t10\t80\t\r\nbad\tx\t1\t1\t1\t\r\n");
    ASSERT_TRUE(SaveNameStats(s));
    EXPECT_EQ(ReadFile(folder / "NameStats.txt"), "Smith\r\nJones\r\n");
}

TEST_F(NulBytesTest, SettingsAfterTheZerosAreRead) {
    WriteFile(folder / "AutoCorrect.txt", "02\tC0\tCo\r\n" + kZeros + "\r\n0\tteh\tthe\r\n");
    WriteFile(folder / "Preferences.txt", "OutputFormat\tCSV\r\n" + kZeros + "MinElevation\t5\r\nDebug\tNo\r\n");
    s.MinElevation = 7;
    LoadAutoCorrect(s);
    LoadPreferences(s);
    ASSERT_EQ(s.AutoCorrectList.size(), 2u);
    EXPECT_EQ(s.AutoCorrectList[1].From, "teh");
    EXPECT_EQ(s.OutputType, 2);
    EXPECT_EQ(s.MinElevation, 7);  // its line held the zeros
    EXPECT_FALSE(s.Debug);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], "Skipped 1 unreadable line(s) in " + (folder / "AutoCorrect.txt").string());
    EXPECT_EQ(dialogs.messages[1], "Skipped 1 unreadable line(s) in " + (folder / "Preferences.txt").string());
}

}  // namespace
