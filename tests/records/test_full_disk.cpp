// Adding a record when the disk runs out of room part-way: the record file stays as it was, the
// user is told why, and the main window keeps the record so that nothing is lost.
#include "ExportFixture.h"

#include "FileSizeLimit.h"
#include "model/LearningStatsFile.h"
#include "records/DarwinXmlWriter.h"
#include "records/ExportData.h"

namespace quorl::testing {
namespace {

class FullDiskTest : public ExportFixture {
protected:
    size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }
    bool ToldFileTooLarge() const {
        return dialogs.messages.size() == 1 &&
               dialogs.messages[0] == "Unable to write file " + RecordPath().string() +
                                          " (File too large). The file was left as it was.";
    }
};

TEST_F(FullDiskTest, TsvRecordThatDoesNotFitLeavesTheFileAndKeepsTheFields) {
    s.LearnFromLabels = true;
    const std::string before = "Collector\tScientificName\tCountry\tState\tHerbarium\t\r\n\"A\"\t\"B\"\t\"C\"\t\"D\"\t\"E\"\r\n";
    WriteFile(RecordPath(), before);
    {
        FileSizeLimit full(before.size() + 20);
        AddDataButtonClick(s);
    }
    EXPECT_EQ(RecordFile(), before);
    EXPECT_TRUE(ToldFileTooLarge()) << ::testing::PrintToString(dialogs.messages);
    EXPECT_EQ(Box("CollectorEdit"), "J. Smith");
    EXPECT_EQ(Box("ImageNameEdit"), "7");
    // Nothing was learnt from a record that is not in the file.
    EXPECT_TRUE(s.WordStats.empty());
    EXPECT_TRUE(s.NameStats.empty());

    // Once there is room the same record is added whole on its own line.
    dialogs.messages.clear();
    AddDataButtonClick(s);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(RecordFile(), before + "\"J. Smith\"\t\"Abies alba\"\t\"Mexico\"\t\"Jalisco\"\t\"MEXU\"\r\n");
    EXPECT_EQ(Box("CollectorEdit"), "");
    // ...and its words are learnt once.
    ASSERT_FALSE(s.WordStats.empty());
    for (const BayesClass& word : s.WordStats) EXPECT_EQ(word.Count, 1) << word.Word;
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"J.", "Smith"}));
}

TEST_F(FullDiskTest, XmlRecordThatDoesNotFitLeavesTheFileAndNoTemporaryFile) {
    s.OutputType = 1;
    s.OutputFileName = "Records.xml";
    ASSERT_TRUE(ExportData(s));
    const std::string before = RecordFile();
    const size_t entries = Entries();
    bool written = true;
    {
        FileSizeLimit full(before.size() + 20);
        written = AddDarwinXML(s);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(RecordFile(), before);
    EXPECT_EQ(Entries(), entries);
    EXPECT_TRUE(ToldFileTooLarge()) << ::testing::PrintToString(dialogs.messages);
}

TEST_F(FullDiskTest, StatisticsThatDoNotFitKeepTheOldFile) {
    WriteFile(dir / "WordStats.txt", "oak\t1\t0\t0\t100\t\r\n");
    BayesClass word;
    word.Word = std::string(500, 'w');
    s.WordStats = {word};
    bool saved = true;
    {
        FileSizeLimit full(100);
        saved = SaveWordStats(s, true);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(dir / "WordStats.txt"), "oak\t1\t0\t0\t100\t\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("WordStats.txt (File too large). The file was left as it was."),
              std::string::npos);
}

}  // namespace
}  // namespace quorl::testing
