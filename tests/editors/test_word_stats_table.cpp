#include "LoaderTestSupport.h"
#include "editors/WordStatsTable.h"
#include "model/LearningStatsFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

using Words = std::vector<std::string>;

class WordStatsTableTest : public LoaderTest {
protected:
    WordStatsTableTest() {
        WriteFile(folder / "WordStats.txt",
                  "rock\t10\t20\t60\t20\t,face\t2\t0\t100\t0\t\r\n"
                  "Moss\t1\t100\t0\t0\t\r\n"
                  "bog\t11\t0\t0\t100\t\r\n"
                  "alpine\t1\t50\t50\t0\t\r\n"
                  "Cliff\t3\t0\t100\t0\t\r\n");
        LoadLearningStats(s);
        table.Load(s.WordStats);
    }
    Words Column(int column) {
        Words out;
        for (size_t r = 0; r < table.RowCount(); ++r) out.push_back(table.Text(r, column));
        return out;
    }
    WordStatsTable table;
};

TEST_F(WordStatsTableTest, RowsShowTheWordCountAndThreePercentages) {
    EXPECT_EQ(Column(0), (Words{"rock", "Moss", "bog", "alpine", "Cliff"}));
    EXPECT_EQ(Column(1), (Words{"10", "1", "11", "1", "3"}));
    EXPECT_EQ(table.Text(0, 2), "20");
    EXPECT_EQ(table.Text(0, 3), "60");
    EXPECT_EQ(table.Text(2, 4), "100");
}

TEST_F(WordStatsTableTest, ANumberColumnSortsDescendingFirstAndReversesOnTheSecondClick) {
    table.ColumnClick(WordStatsTable::CountColumn);
    EXPECT_EQ(Column(1), (Words{"11", "10", "3", "1", "1"}));
    EXPECT_EQ(table.Direction(), -1);
    table.ColumnClick(WordStatsTable::CountColumn);
    EXPECT_EQ(Column(1), (Words{"1", "1", "3", "10", "11"}));  // numbers, not texts: 3 before 10
    table.ColumnClick(WordStatsTable::kColumns);  // no such column: nothing changes
    EXPECT_EQ(table.SortColumn(), WordStatsTable::CountColumn);
    table.ColumnClick(WordStatsTable::LocalityColumn);  // another column starts descending again
    EXPECT_EQ(Column(3), (Words{"100", "60", "50", "0", "0"}));
}

TEST_F(WordStatsTableTest, TheWordColumnSortsAscendingFirstWithoutRegardToCase) {
    table.ColumnClick(WordStatsTable::WordColumn);
    EXPECT_EQ(Column(0), (Words{"alpine", "bog", "Cliff", "Moss", "rock"}));
    table.ColumnClick(WordStatsTable::WordColumn);
    EXPECT_EQ(Column(0), (Words{"rock", "Moss", "Cliff", "bog", "alpine"}));

    // Words equal but for case keep their order, whichever the direction.
    std::vector<BayesClass> same(3);
    same[0].Word = "Bog";
    same[1].Word = "bog";
    same[2].Word = "BOG";
    table.Load(same);
    table.ColumnClick(WordStatsTable::WordColumn);
    EXPECT_EQ(Column(0), (Words{"Bog", "bog", "BOG"}));
    table.ColumnClick(WordStatsTable::WordColumn);
    EXPECT_EQ(Column(0), (Words{"Bog", "bog", "BOG"}));
}

TEST_F(WordStatsTableTest, DeletingRowsAndOneCountWords) {
    table.DeleteRows({4, 0, 4});
    EXPECT_EQ(Column(0), (Words{"Moss", "bog", "alpine"}));
    table.DeleteRows({1, 7});  // a row past the end is no row
    EXPECT_EQ(Column(0), (Words{"Moss", "alpine"}));
    table.Load(s.WordStats);
    EXPECT_EQ(table.DeleteOneCountWords(), 2u);
    EXPECT_EQ(Column(0), (Words{"rock", "bog", "Cliff"}));  // 10 and 11 stay: only a count of 1 goes
    EXPECT_EQ(s.WordStats.size(), 5u);  // nothing is saved yet
}

TEST_F(WordStatsTableTest, SaveWritesTheTableInItsOrderWithTheWordPairs) {
    table.DeleteOneCountWords();
    table.ColumnClick(WordStatsTable::CountColumn);
    const uint64_t version = s.StatsVersion;
    ASSERT_TRUE(SaveWordStatsTable(s, table));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"),
              "bog\t11\t0\t0\t100\t\r\n"
              "rock\t10\t20\t60\t20\t,face\t2\t0\t100\t0\t\r\n"
              "Cliff\t3\t0\t100\t0\t\r\n");
    ASSERT_EQ(s.WordStats.size(), 3u);
    EXPECT_EQ(s.WordStats[1].Word, "rock");
    EXPECT_EQ(s.WordStats[1].Followers.size(), 1u);
    EXPECT_NE(s.StatsVersion, version);
}

TEST_F(WordStatsTableTest, AFailedSaveLeavesTheWordsInMemoryAsTheyWere) {
    table.DeleteOneCountWords();
    s.UserFolder = folder / "missing";
    EXPECT_FALSE(SaveWordStatsTable(s, table));
    EXPECT_EQ(dialogs.messages.back().rfind("Unable to create or open file ", 0), 0u);
    EXPECT_EQ(s.WordStats.size(), 5u);
    EXPECT_EQ(table.RowCount(), 3u);  // the edits are still there to save again
}

TEST_F(WordStatsTableTest, ASaveAsksBeforeItDropsLinesTheLoadCouldNotRead) {
    const std::string file = "rock\t10\t20\t60\t20\tfrom the old list\r\nsand\tmany\t1\t2\t3\t\r\n";
    WriteFile(folder / "WordStats.txt", file);
    LoadLearningStats(s);
    ASSERT_TRUE(SaveWordStats(s, true));  // learning keeps them
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), file);
    table.Load(s.WordStats);
    dialogs.answers = {DialogButton::No, DialogButton::Yes};
    EXPECT_FALSE(SaveWordStatsTable(s, table));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), file);
    EXPECT_EQ(dialogs.questions.at(0).rfind("2 line(s) of " + (folder / "WordStats.txt").string(), 0), 0u);
    EXPECT_TRUE(SaveWordStatsTable(s, table));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), "rock\t10\t20\t60\t20\t\r\n");
}

}  // namespace
