#include "LoaderTestSupport.h"
#include "model/LearningStatsFile.h"
#include "parser/LineScoring.h"
#include "parser/NameScore.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class LearningStatsTest : public LoaderTest {
protected:
    void Load(const std::string& words, const std::string& names = "") {
        WriteFile(folder / "WordStats.txt", words);
        WriteFile(folder / "NameStats.txt", names);
        LoadLearningStats(s);
    }
    std::array<int, 3> Values(size_t i) {
        const auto& p = s.WordStats.at(i).FieldPercent;
        return {p[fDescription], p[fLocation], p[fHabitat]};
    }
};

using V = std::array<int, 3>;

TEST_F(LearningStatsTest, PercentagesAreNormalisedToTheirSum) {
    Load("rock\t4\t20\t60\t20\t\r\nmoss\t3\t10\t10\t10\t\r\nsand\t1\t0\t0\t0\t\r\nsoil\t2\t49\t0\t50\t\r\n");
    ASSERT_EQ(s.WordStats.size(), 4u);
    EXPECT_EQ(s.WordStats[0].Word, "rock");
    EXPECT_EQ(s.WordStats[0].Count, 4);
    EXPECT_EQ(Values(0), (V{20, 60, 20}));
    EXPECT_EQ(Values(1), (V{33, 33, 33}));
    EXPECT_EQ(Values(2), (V{0, 0, 0}));
    EXPECT_EQ(Values(3), (V{49, 0, 50}));  // 99 is close enough to 100
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LearningStatsTest, OldScaleFilesAreKnownByAValueAbove100) {
    Load("rock\t4\t255\t0\t0\t\r\nmoss\t3\t51\t51\t0\t\r\n");
    EXPECT_EQ(Values(0), (V{100, 0, 0}));
    EXPECT_EQ(Values(1), (V{50, 50, 0}));
    // "255" in a word or a count says nothing about the scale.
    Load("a255\t255\t20\t60\t20\t\r\nmoss\t3\t51\t49\t0\t\r\n");
    EXPECT_EQ(Values(0), (V{20, 60, 20}));
    EXPECT_EQ(Values(1), (V{51, 49, 0}));
}

TEST_F(LearningStatsTest, FollowersAreReadAsWordPairs) {
    Load("dry\t5\t0\t0\t100\t,forest\t2\t0\t10\t10\t,slope\t1\t0\t50\t50\t\r\n");
    ASSERT_EQ(s.WordStats.size(), 1u);
    const auto& f = s.WordStats[0].Followers;
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].Word, "forest");
    EXPECT_EQ(f[0].Count, 2);
    EXPECT_EQ(f[0].FieldPercent[fLocation], 50);
    EXPECT_EQ(f[0].FieldPercent[fHabitat], 50);
    EXPECT_EQ(f[1].Word, "slope");
}

TEST_F(LearningStatsTest, UnreadableLinesAreSkippedWithOneMessage) {
    Load("rock\t4\t20\t60\t20\t\r\n\r\nbad\tx\t1\t1\t1\t\r\nmoss\t3\t10\t10\t\r\n"
         "dry\t5\t0\t0\t100\t,forest\t2\tq\t10\t10\t\r\nsand\t1\t0\t0\t0\t\r\n");
    ASSERT_EQ(s.WordStats.size(), 3u);
    EXPECT_EQ(s.WordStats[0].Word, "rock");
    EXPECT_EQ(s.WordStats[1].Word, "dry");
    ASSERT_EQ(s.WordStats[1].Followers.size(), 1u);  // the broken pair is kept as far as it was read
    EXPECT_EQ(s.WordStats[1].Followers[0].Count, 2);
    EXPECT_EQ(s.WordStats[2].Word, "sand");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 4 unreadable line(s)"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("WordStats.txt"), std::string::npos);
}

TEST_F(LearningStatsTest, TextAfterAGroupsValuesIsReported) {
    Load("rock\t4\t20\t60\t20\tgranite\r\ndry\t5\t0\t0\t100\t,forest\t2\t0\t10\t10\t7\t\r\nsand\t1\t0\t0\t0\t\r\n");
    ASSERT_EQ(s.WordStats.size(), 3u);
    EXPECT_EQ(Values(0), (V{20, 60, 20}));
    ASSERT_EQ(s.WordStats[1].Followers.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 2 unreadable line(s)"), std::string::npos);
    const std::string log = ReadFile(folder / "Log.txt");
    EXPECT_NE(log.find("Skipped line 1 of WordStats.txt (the text after the values of rock is not read: granite)"),
              std::string::npos) << log;
    EXPECT_NE(log.find("Skipped line 2 of WordStats.txt (the text after the values of forest is not read: 7)"),
              std::string::npos) << log;
}

TEST_F(LearningStatsTest, EveryNameIsReadOnceHoweverShort) {
    Load("", "Smith\r\n  Jones \r\nSmith\r\nsmith\r\nLee");
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"Smith", "Jones", "smith", "Lee"}));
    Load("", "Smith\r\nLee\r\n\r\nWu\r\nNg\nJ.\r\n");
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"Smith", "Lee", "Wu", "Ng", "J."}));

    // What the learning step saves comes back whole.
    s.NameStats = {"Lee", "Wu", "Ng"};
    ASSERT_TRUE(SaveNameStats(s));
    s.NameStats.clear();
    LoadLearningStats(s);
    EXPECT_EQ(s.NameStats, (std::vector<std::string>{"Lee", "Wu", "Ng"}));
}

TEST_F(LearningStatsTest, MissingFilesGiveTheLearningMessageAndEmptyStatistics) {
    s.WordStats.resize(2);
    s.NameStats = {"old"};
    LoadLearningStats(s);
    EXPECT_TRUE(s.WordStats.empty());
    EXPECT_TRUE(s.NameStats.empty());
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>(
                                    2, "Learning file not found. A new one will be created with next data export.")));
}

TEST_F(LearningStatsTest, WritersProduceTheFileFormat) {
    const std::string words = "dry\t5\t0\t0\t100\t,forest\t2\t0\t50\t50\t\r\nrock\t4\t20\t60\t20\t\r\n";
    Load(words, "Smith\r\nJones\r\n");
    s.WordStats[0].Followers.push_back(BayesClass{});  // an empty follower is never written
    ASSERT_TRUE(SaveWordStats(s, true));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), words);
    ASSERT_TRUE(SaveWordStats(s, false));
    EXPECT_EQ(ReadFile(folder / "WordStats.txt"), "dry\t5\t0\t0\t100\t\r\nrock\t4\t20\t60\t20\t\r\n");
    s.NameStats.push_back("Lee");
    ASSERT_TRUE(SaveNameStats(s));
    EXPECT_EQ(ReadFile(folder / "NameStats.txt"), "Smith\r\nJones\r\nLee\r\n");
}

TEST_F(LearningStatsTest, ReloadedStatisticsAreLookedUpAfresh) {
    // Two users' files of as many entries that differ in one word and one name: the reload
    // refills the same buffers, so the word and name look-ups must not keep the first file's.
    auto files = [](const std::string& second, const std::string& name) {
        std::string words, names;
        for (int i = 0; i < 20; ++i) {
            words += (i == 1 ? second : "word" + std::to_string(i)) + "\t5\t0\t0\t100\t\r\n";
            names += (i == 1 ? name : "Name" + std::to_string(i)) + "\r\n";
        }
        return std::make_pair(words, names);
    };
    auto [words1, names1] = files("oak", "Brown");
    Load(words1, names1);
    EXPECT_EQ(WordStatsScore(s, "oak", fHabitat), 20);
    const int known = NameScore(s, "coll Smith, Brown.");
    auto [words2, names2] = files("fir", "Smith");
    Load(words2, names2);
    EXPECT_EQ(WordStatsScore(s, "fir", fHabitat), 20);
    EXPECT_EQ(WordStatsScore(s, "oak", fHabitat), 0);
    EXPECT_EQ(NameScore(s, "coll Smith, Brown."), known);  // Smith is now the known name
    auto [words3, names3] = files("fir", "Green");
    Load(words3, names3);
    EXPECT_LT(NameScore(s, "coll Smith, Brown."), known);
}

}  // namespace
