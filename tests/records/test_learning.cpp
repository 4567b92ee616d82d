// Learning of word and name statistics from an added record.
#include "RecordFixture.h"

#include "base/Encoding.h"
#include "model/LearningStatsFile.h"
#include "records/Learning.h"

namespace quorl::testing {
namespace {

class LearningTest : public RecordFixture {
protected:
    const BayesClass* Word(const std::string& w) const {
        for (const auto& b : s.WordStats)
            if (b.Word == w) return &b;
        return nullptr;
    }
};

BayesClass Stat(int count, int d, int l, int h) {
    BayesClass b;
    b.Word = "w";
    b.Count = count;
    b.FieldPercent[11] = d;
    b.FieldPercent[12] = l;
    b.FieldPercent[13] = h;
    return b;
}

TEST(UpdateWordStat, WorkedPercentages) {
    BayesClass b = UpdateWordStat(Stat(1, 0, 100, 0), 13);
    EXPECT_EQ(b.Count, 2);
    EXPECT_EQ(b.FieldPercent[12], 50);
    EXPECT_EQ(b.FieldPercent[13], 50);
    b = UpdateWordStat(b, 13);
    EXPECT_EQ(b.Count, 3);
    EXPECT_EQ(b.FieldPercent[12], 33);
    EXPECT_EQ(b.FieldPercent[13], 66);

    // The history counts as ten occurrences at most.
    b = UpdateWordStat(Stat(25, 40, 0, 0), 12);
    EXPECT_EQ(b.Count, 26);
    EXPECT_EQ(b.FieldPercent[11], 36);
    EXPECT_EQ(b.FieldPercent[12], 9);
    EXPECT_EQ(b.FieldPercent[13], 0);

    // A field outside 11-13 only scales the percentages down.
    b = UpdateWordStat(Stat(1, 100, 0, 0), 0);
    EXPECT_EQ(b.FieldPercent[11], 50);
    EXPECT_EQ(b.FieldPercent[0], 0);
}

TEST_F(LearningTest, WordsAndFollowerPairs) {
    Set("DescriptionMemo", "Pine-oak forest.");
    Set("HabitatMemo", "O'Brien's field, wet");
    UpdateLearningFiles(s);
    ASSERT_EQ(s.WordStats.size(), 5u);
    const BayesClass* pine = Word("pine-oak");
    ASSERT_NE(pine, nullptr);
    EXPECT_EQ(pine->Count, 1);
    EXPECT_EQ(pine->FieldPercent[11], 100);
    ASSERT_EQ(pine->Followers.size(), 1u);
    EXPECT_EQ(pine->Followers[0].Word, "forest");
    EXPECT_EQ(pine->Followers[0].FieldPercent[11], 100);
    EXPECT_TRUE(Word("forest")->Followers.empty());
    EXPECT_NE(Word("obriens"), nullptr);
    EXPECT_EQ(Word("field")->Followers[0].Word, "wet");
    EXPECT_EQ(Word("wet")->FieldPercent[13], 100);

    EXPECT_EQ(ReadFile(dir / "WordStats.txt"),
              "pine-oak\t1\t100\t0\t0\t,forest\t1\t100\t0\t0\t\r\n"
              "forest\t1\t100\t0\t0\t\r\n"
              "obriens\t1\t0\t0\t100\t,field\t1\t0\t0\t100\t\r\n"
              "field\t1\t0\t0\t100\t,wet\t1\t0\t0\t100\t\r\n"
              "wet\t1\t0\t0\t100\t\r\n");

    // Learnt again in Location: the known words and pairs move, the last word keeps an empty
    // follower that is never written.
    Set("DescriptionMemo", "");
    Set("HabitatMemo", "");
    Set("LocalityMemo", "PINE-OAK Forest");
    UpdateLearningFiles(s);
    pine = Word("pine-oak");
    EXPECT_EQ(pine->Count, 2);
    EXPECT_EQ(pine->FieldPercent[11], 50);
    EXPECT_EQ(pine->FieldPercent[12], 50);
    EXPECT_EQ(pine->Followers[0].Count, 2);
    const BayesClass* forest = Word("forest");
    ASSERT_EQ(forest->Followers.size(), 1u);
    EXPECT_EQ(forest->Followers[0].Word, "");
    const std::string head = "pine-oak\t2\t50\t50\t0\t,forest\t2\t50\t50\t0\t\r\nforest\t2\t50\t50\t0\t\r\nobriens\t";
    EXPECT_EQ(ReadFile(dir / "WordStats.txt").substr(0, head.size()), head);
}

TEST_F(LearningTest, LinesTheLoadCouldNotReadAreWrittenBackAsTheyStood) {
    // A line not read at all, a word whose pair could not be read, a blank line. The lines not read
    // whole go back byte for byte, bytes that are no UTF-8 among them (a damaged line), while the
    // words read are written as UTF-8; a UTF-16 file is written as UTF-8 text, those lines too.
    struct Case {
        std::string word, unread, halfRead;  // the file's lines (UTF-8 text for the UTF-16 file)
        std::string (*file)(const std::string&);
        std::string wordRead;
    };
    auto same = [](const std::string& t) { return t; };
    auto withBom = [](const std::string& t) { return "\xEF\xBB\xBF" + t; };
    auto utf16 = [](const std::string& t) { return "\xFF\xFE" + Utf8ToUtf16(t, false); };
    const std::string unread = "bad\tx\t1\t1\t1\t", halfRead = "dry\t5\t0\t0\t100\t,forest\t2\tq\t10\t10\t";
    const std::string cafe = "caf\xC3\xA9";
    for (const Case& c : {Case{"rock", unread + "\xFF\xFE", halfRead + "\xFF", same, "rock"},
                          {cafe, unread + "\xE9", halfRead + "\x80", withBom, cafe},
                          {"caf\xE9", unread + "\xE9", halfRead + "\xFF", same, cafe},  // Windows-1252
                          {cafe, unread + "\xC3\xA9", halfRead + "\xC3\xBF", utf16, cafe}}) {
        SCOPED_TRACE(::testing::PrintToString(c.file(c.unread)));
        WriteFile(dir / "WordStats.txt",
                  c.file(c.unread + "\r\n" + c.word + "\t4\t20\t60\t20\t\r\n" + c.halfRead + "\r\n\r\n"));
        LoadLearningStats(s);
        Set("HabitatMemo", "sand dry");
        UpdateLearningFiles(s);
        EXPECT_EQ(Word("dry")->Count, 6);
        // The half-read line stands for its word, once; the lines read in no part follow the words.
        const std::string written = c.wordRead + "\t4\t20\t60\t20\t\r\n" + c.halfRead +
                                    "\r\nsand\t1\t0\t0\t100\t,dry\t1\t0\t0\t100\t\r\n" + c.unread + "\r\n";
        EXPECT_EQ(ReadFile(dir / "WordStats.txt"), written);
        EXPECT_EQ(s.UnreadLines.at(dir / "WordStats.txt"), 2u);  // the editor's Save still asks

        // Read again, the file gives the same words, and saved it stays as it is.
        LoadLearningStats(s);
        ASSERT_EQ(s.WordStats.size(), 3u);
        EXPECT_EQ(s.WordStats[0].Word, c.wordRead);
        EXPECT_EQ(Word("dry")->Count, 5);
        ASSERT_TRUE(SaveWordStats(s, true));
        EXPECT_EQ(ReadFile(dir / "WordStats.txt"), written);
    }
}

TEST_F(LearningTest, WordsNeverHoldTabsOrSeparators) {
    EXPECT_EQ(LearningWords("a\tb;c:d.e  f\r\ng\"h'i,j"), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "ghij"}));
    EXPECT_TRUE(LearningWords(" .;: ").empty());
}

TEST_F(LearningTest, NamesOfCollectorAndOtherCollectors) {
    s.NameStats = {"smith"};
    Set("CollectorEdit", "J. Smith");
    Set("OtherCollectorsEdit", "Li, Wang");
    UpdateLearningFiles(s);
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"smith", "J.", "Smith", "Wang"}));
    EXPECT_EQ(ReadFile(dir / "NameStats.txt"), "smith\r\nJ.\r\nSmith\r\nWang\r\n");

    // A last rest of one or two characters is not taken; known names are not added twice.
    Set("CollectorEdit", "Smith Li");
    Set("OtherCollectorsEdit", "Ng\tBrown");
    UpdateLearningFiles(s);
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"smith", "J.", "Smith", "Wang", "Brown"}));
    EXPECT_EQ(ReadFile(dir / "NameStats.txt"), "smith\r\nJ.\r\nSmith\r\nWang\r\nBrown\r\n");

    // Lengths count characters: "Ñu" and "Wü" are two of them (three bytes), "Łoś" three.
    for (auto [collector, others, learnt] :
         {std::tuple{"", "Ñu, Łoś", std::vector<std::string>{"Łoś"}},
          {"Smith Wü", "", std::vector<std::string>{"Smith"}},
          {"Wü", "", std::vector<std::string>{}},
          {"Łoś", "", std::vector<std::string>{"Łoś"}}}) {
        s.NameStats.clear();
        Set("CollectorEdit", collector);
        Set("OtherCollectorsEdit", others);
        UpdateLearningFiles(s);
        EXPECT_EQ(s.NameStats, learnt) << collector << others;
    }
}

TEST_F(LearningTest, WordsOfAnyAlphabetAreLearntInLowerCase) {
    Set("HabitatMemo", "ÉTÉ Łąka été ŁĄKA");
    UpdateLearningFiles(s);
    ASSERT_NE(Word("été"), nullptr);
    EXPECT_EQ(Word("été")->Count, 2);
    EXPECT_EQ(Word("łąka")->Count, 2);
    EXPECT_EQ(Word("ÉTÉ"), nullptr);
    EXPECT_EQ(ReadFile(dir / "WordStats.txt").substr(0, 6), "été\t");  // UTF-8 on disk
}

}  // namespace
}  // namespace quorl::testing
