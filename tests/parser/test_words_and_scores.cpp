// The word rules of the scorers and the Latin-name and person-name scores.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/WordSplitter.h"
#include "parser/LatinScore.h"
#include "parser/NameScore.h"

using namespace quorl;
using V = std::vector<std::string>;

TEST(SplitLineWords, SeparatorsAndEmptyWords) {
    EXPECT_EQ(SplitLineWords("collector: j. smith"), (V{"collector", "j", "smith"}));
    EXPECT_EQ(SplitLineWords("a,,;; b. :c"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitLineWords(""), V{});
    EXPECT_EQ(SplitLineWords(" . , "), V{});
    EXPECT_EQ(SplitLineWords("\r\nab\r\ncd"), (V{"ab", "cd"}));
    EXPECT_EQ(SplitLineWords("tab\tkept"), (V{"tab\tkept"}));
}

TEST(SplitLineWords, QuotesKeepStretchesWhole) {
    EXPECT_EQ(SplitLineWords("it is o'clock now"), (V{"it", "is", "o'clock now"}));
    EXPECT_EQ(SplitLineWords("o'c' d"), (V{"o'c'", "d"}));
    EXPECT_EQ(SplitLineWords("coll. j. o'neil, m. jones"), (V{"coll", "j", "o'neil, m. jones"}));
    EXPECT_EQ(SplitLineWords("say \"a b\" c"), (V{"say", "\"a b\"", "c"}));
    // A different quote inside a stretch takes over as the closing one.
    EXPECT_EQ(SplitLineWords("x'a \"b\" c"), (V{"x'a \"b\"", "c"}));
    EXPECT_EQ(SplitLineWords("x'a b"), (V{"x'a b"}));  // never closed: runs to the end
}

TEST(WordLists, CutAndCommaText) {
    EXPECT_EQ(CutWordList(" coll , collector,,leg."), (V{"coll", "collector", "", "leg."}));
    EXPECT_EQ(CutWordList(""), V{});
    EXPECT_EQ(SplitCommaText("J.,Smith"), (V{"J.", "Smith"}));
    EXPECT_EQ(SplitCommaText("J.,,Smith"), (V{"J.", "", "Smith"}));
    EXPECT_EQ(SplitCommaText("a,"), (V{"a", ""}));
    EXPECT_EQ(SplitCommaText("\"a,b\",c"), (V{"a,b", "c"}));
    EXPECT_EQ(SplitCommaText("a\tb"), (V{"a", "b"}));
}

TEST(LatinScore, GroupsCommasAndDigits) {
    for (auto [text, score] : {std::pair{"Quercus alba", 13}, {"QUERCUS ALBA", 13}, {"1234", -4}, {"Pinus, Abies", 7},
                               {"ii ii", 5}, {"", 0}, {"END", 0}})
        EXPECT_EQ(LatinScore(text), score) << text;
    // Lines of real names: every group they hold adds its weight, and a comma one.
    for (auto [text, score] : {std::pair{"Yucca brevifolia with Larrea tridentata", 4 + 7 + 7 + 2 + 1},
                               {"Muhlenbergia rigens, Agave parryi", 5 + 4 + 1},
                               {"Lepidium thurberi, Eriophyllum lanosum", 5 + 4 + 4 + 1 + 2 + 1},
                               {"Pinus edulis, Juniperus deppeana", 3 + 3 + 4 + 1},
                               {"Suaeda moquinii, Atriplex canescens", 3 + 1 + 5 + 3 + 5 + 1},
                               {"Crataegus oxyacantha, Cupressus macrocarpa", 1 + 1 + 7 + 6 + 2 + 1},
                               {"Nothoscordum bivalve", 6 + 2},
                               {"Opuntia phaeacantha, Sphaeralcea ambigua", 5 + 5 + 1 + 6 + 7 + 1 + 7 + 2 + 1},
                               {"Sporobolus airoides, Lupinus angustifolius", 4 + 7 + 3 + 3 + 3 + 7 + 1},
                               {"Epidendrum magnoliae", 2 + 7 + 1},
                               {"Allenrolfea occidentalis, Velascoa recondita", 3 + 3 + 5 + 1},
                               {"Hypericum perforatum, Selenicereus grandiflorus", 2 + 2 + 4 + 5 + 1}})
        EXPECT_EQ(LatinScore(text), score) << text;
}

class NameScoreTest : public ptest::ParserTest {};

TEST_F(NameScoreTest, CapitalsInitialsAndLength) {
    // "J. Sm" has fewer than 5 letters; " y " adds 2 before the scaling. A township with its range
    // is no initials; either alone still counts.
    for (auto [text, score] : {std::pair{"J. Smith", 6}, {"Smith & Jones", 3}, {"J. Sm", 0}, {"", 0}, {"X", 0},
                               {"J. Smith Pima county", 0}, {"Juan y Pedro", 4}, {"Juan x Pedro", 2},
                               {"T.10S., R.20E., sec. 22", 0}, {"T.10S. J. Smith", 9},
                               {"Twp. 5N, Rge. 10E, Sec,33", 0}, {"T. R. Smith", 8}})
        EXPECT_EQ(NameScore(s, text), score) << text;
}

TEST_F(NameScoreTest, KnownNamesAddFiveOnce) {
    int plain = NameScore(s, "coll Smith, Jones.");
    s.NameStats = {"Smith", "Jones"};
    s.StatsChanged();
    int withNames = NameScore(s, "coll Smith, Jones.");
    EXPECT_GT(withNames, plain);
    s.NameStats = {"Smith"};
    s.StatsChanged();
    EXPECT_EQ(NameScore(s, "coll Smith, Jones."), withNames);
    // At the very end of the text a name does not count; at the start it does.
    s.NameStats = {"Jones"};
    s.StatsChanged();
    EXPECT_EQ(NameScore(s, "coll Smith, Jones"), NameScore(s, "coll Smith, Jonex"));
    EXPECT_GT(NameScore(s, "Jones, Smith x"), NameScore(s, "Jonex, Smith x"));
    s.NameStats = {"J"};  // too short to count
    s.StatsChanged();
    EXPECT_EQ(NameScore(s, "J. Smith"), 6);
    s.NameStats = {"Wu"};  // two letters are enough
    s.StatsChanged();
    EXPECT_GT(NameScore(s, "Wu, Smith x"), NameScore(s, "Wx, Smith x"));
}

TEST_F(NameScoreTest, RejectWordIsTracedForCollector) {
    s.trace.Trace = true;
    s.trace.TraceField = fCollector;
    EXPECT_EQ(NameScore(s, "Herbarium of J. Smith"), 0);
    EXPECT_NE(s.trace.TraceText.find("Rejected for Name because of: \"Herbarium\" in \"Herbarium of J. Smith\".\r\n"),
              std::string::npos);
    s.trace.TraceText.clear();
    NameScore(s, "J. Smith");
    EXPECT_EQ(s.trace.TraceText, "Name score: 6 for \"J. Smith\".\r\n");
}

TEST_F(NameScoreTest, KnownNamesFollowTheTableAsItChanges) {
    int plain = NameScore(s, "coll Smith, Jones.");
    s.NameStats = {"Brown", "Jones"};  // the second learnt during the session
    s.StatsChanged();
    EXPECT_GT(NameScore(s, "coll Smith, Jones."), plain);
    s.NameStats[1] = "Jonas";
    s.StatsChanged();
    EXPECT_EQ(NameScore(s, "coll Smith, Jones."), plain);
}
