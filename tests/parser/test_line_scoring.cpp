// Start-word and contained-word scores, the learnt word statistics and their index, and the
// start-word test of other fields.
#include <gtest/gtest.h>

#include <functional>

#include "ParserFixture.h"
#include "parser/LineScoring.h"

using namespace quorl;

namespace {

BayesClass Word(const std::string& w, int count, int d, int l, int h) {
    BayesClass b;
    b.Word = w;
    b.Count = count;
    b.FieldPercent[fDescription] = d;
    b.FieldPercent[fLocation] = l;
    b.FieldPercent[fHabitat] = h;
    return b;
}

}  // namespace

class LineScoringTest : public ptest::ParserTest {};

TEST_F(LineScoringTest, StartWordsMatchTheFirstWordOnly) {
    Def(fCollector).StartWords = "coll,collector";
    SetLines({"Collector: J. Smith", "J. Smith collector", "", "COLL. Smith"});
    EXPECT_EQ(ScoreLineForField(s, fCollector, 0), 100);
    EXPECT_EQ(ScoreLineForField(s, fCollector, 1), 0);
    EXPECT_EQ(ScoreLineForField(s, fCollector, 2), 0);
    EXPECT_EQ(ScoreLineForField(s, fCollector, 3), 100);  // at most 100
    Def(fCollector).StartWords = "collector:";
    EXPECT_EQ(ScoreLineForField(s, fCollector, 0), 0);  // a separator in a start word never matches
    EXPECT_EQ(ScoreLineForField(s, fCollector, 7), 0);  // no such line
}

TEST_F(LineScoringTest, ContainedWordsAreWholeWordsAndCountPerListEntry) {
    Def(fHabitat).ContainedWords = "oak,woodland,oak";
    SetLines({"Oak woodland", "Oaks", "Pine-oak"});
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 0), 3);
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 1), 0);
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 2), 0);
}

TEST_F(LineScoringTest, LearningSwitchReplacesContainedWordsOfDescriptionLocationHabitat) {
    for (int f : {fDescription, fLocation, fHabitat, fCountry}) Def(f).ContainedWords = "road";
    SetLines({"along the road"});
    s.ApplyLearning = false;
    for (int f : {fDescription, fLocation, fHabitat, fCountry}) EXPECT_EQ(ScoreLineForField(s, f, 0), 1) << f;
    s.ApplyLearning = true;
    for (int f : {fDescription, fLocation, fHabitat}) EXPECT_EQ(ScoreLineForField(s, f, 0), 0) << f;
    EXPECT_EQ(ScoreLineForField(s, fCountry, 0), 1);
}

TEST_F(LineScoringTest, UniversityLinesGetNoLocationContainedWords) {
    Def(fLocation).ContainedWords = "road";
    SetLines({"University road", "road"});
    EXPECT_EQ(ScoreLineForField(s, fLocation, 0), 0);
    EXPECT_EQ(ScoreLineForField(s, fLocation, 1), 1);
}

TEST_F(LineScoringTest, DescriptionLikeLinesAreReducedExceptShortElevations) {
    Def(fElevation).StartWords = "elevation";
    Def(fElevation).ContainedWords = "ft";
    Def(fCountry).ContainedWords = "mexico";
    SetLines({"5000 ft", "Elevation about 5000 ft on slope", "Mexico"});
    for (int i = 0; i < 3; ++i) s.parser.LineLDHScore[static_cast<size_t>(i)] = 30;
    EXPECT_EQ(ScoreLineForField(s, fElevation, 0), 1);
    EXPECT_EQ(ScoreLineForField(s, fElevation, 1), 101 - 30);
    EXPECT_EQ(ScoreLineForField(s, fCountry, 2), 1 - 30);
    Def(fAssociatedSpecies).ContainedWords = "with";
    s.parser.LineLatinScore[0] = 9;
    EXPECT_EQ(ScoreLineForField(s, fAssociatedSpecies, 0), 9);  // Latin score added, never reduced
}

TEST_F(LineScoringTest, TraceExplainsOneFieldWithOneHeadingPerLine) {
    Def(fCollector).StartWords = "coll";
    Def(fCollector).ContainedWords = "smith";
    Def(fCountry).StartWords = "coll";
    SetLines({"Coll. Smith", "nothing here"});
    s.trace.Trace = true;
    s.trace.TraceField = fCollector;
    ScoreLineForField(s, fCountry, 0);
    EXPECT_EQ(s.trace.TraceText, "");
    ScoreLineForField(s, fCollector, 0);
    ScoreLineForField(s, fCollector, 1);
    EXPECT_EQ(s.trace.TraceText,
              "\r\nScoring \"Coll. Smith\":\r\n  Add 100 for Start Word \"coll\".\r\n"
              "  Add 1 for Contained Word \"smith\".\r\nTotal score 101.\r\n");
}

TEST_F(LineScoringTest, OtherFieldsStartWordsArePrefixes) {
    Def(fCollector).StartWords = "by";
    Def(fHabitat).StartWords = "hab";
    Def(fNotes).StartWords = ",";  // an empty-looking list entry around a comma never matches
    SetLines({"Bye road", "hab. oak woodland", "road"});
    EXPECT_FALSE(LineFreeOfOtherStartWords(s, fLocation, 0));
    EXPECT_TRUE(LineFreeOfOtherStartWords(s, fCollector, 0));
    EXPECT_FALSE(LineFreeOfOtherStartWords(s, fLocation, 1));
    EXPECT_TRUE(LineFreeOfOtherStartWords(s, fLocation, 2));
    s.FieldDefinitions.resize(3);  // fewer definitions than built-in fields
    EXPECT_FALSE(LineFreeOfOtherStartWords(s, fLocation, 0));
    EXPECT_TRUE(LineFreeOfOtherStartWords(s, fLocation, 1));
}

TEST_F(LineScoringTest, WordStatsScoreWeightsAndSmallWordCounts) {
    s.WordStats = {Word("oak", 10, 0, 0, 100), Word("once", 1, 0, 0, 0), Word("rare", 5, 0, 60, 24)};
    EXPECT_EQ(WordStatsScore(s, "oak", fHabitat), 20);
    EXPECT_EQ(WordStatsScore(s, "foo bar 12", fHabitat), 3);
    EXPECT_EQ(WordStatsScore(s, "12 13 14 15 16", fHabitat), 1);  // one number bonus, five words
    for (int f : {fDescription, fLocation, fHabitat}) EXPECT_EQ(WordStatsScore(s, "once", f), 5);
    EXPECT_EQ(WordStatsScore(s, "rare", fLocation), 10);
    EXPECT_EQ(WordStatsScore(s, "rare", fHabitat), 0);
    EXPECT_EQ(WordStatsScore(s, "", fHabitat), 0);
}

TEST_F(LineScoringTest, WordStatsFollowersAndFirstRecordWins) {
    BayesClass oak = Word("oak", 10, 0, 0, 50);
    oak.Followers.push_back(Word("woodland", 3, 0, 0, 100));
    s.WordStats = {oak, Word("woodland", 2, 0, 0, 0), Word("oak", 9, 0, 0, 100)};
    // oak 2 + sequence 4 + woodland 0 = 6, two words: x4
    EXPECT_EQ(WordStatsScore(s, "oak woodland", fHabitat), 24);
    EXPECT_EQ(WordStatsScore(s, "woodland oak", fHabitat), 8);
}

TEST_F(LineScoringTest, WordIndexFollowsTableChanges) {
    s.WordStats = {Word("oak", 10, 0, 0, 100)};
    EXPECT_EQ(WordStatsScore(s, "pine", fHabitat), 0);
    s.WordStats.push_back(Word("pine", 10, 0, 0, 100));
    s.StatsChanged();
    EXPECT_EQ(WordStatsScore(s, "pine", fHabitat), 20);
    s.WordStats[0].Word = "fir";  // renamed in place
    s.WordStats[1].Word = "oak";
    s.StatsChanged();
    EXPECT_EQ(WordStatsScore(s, "oak", fHabitat), 20);
    EXPECT_EQ(WordStatsScore(s, "pine", fHabitat), 0);
    EXPECT_EQ(WordStatsScore(s, "fir", fHabitat), 20);
    // A change nobody announced never leads outside the table.
    s.WordStats.clear();
    EXPECT_EQ(WordStatsScore(s, "fir", fHabitat), 0);
    s.WordStats = {Word("cedar", 10, 0, 0, 100)};
    s.StatsChanged();
    EXPECT_EQ(WordStatsScore(s, "cedar", fHabitat), 20);
    // Reloading and learning announce their changes: the loader and learning tests.
}

TEST_F(LineScoringTest, DescriptionLocalityHabitatRowsSkipLinesOfOtherFields) {
    s.WordStats = {Word("oak", 10, 100, 0, 100)};
    Def(fCollector).StartWords = "coll";
    SetLines({"Oak", "coll oak"});
    ScoreDescriptionLocalityHabitat(s, 0);
    ScoreDescriptionLocalityHabitat(s, 1);
    EXPECT_EQ(s.parser.LineScores[fDescription][0], 20);
    EXPECT_EQ(s.parser.LineScores[fLocation][0], 0);
    EXPECT_EQ(s.parser.LineScores[fHabitat][0], 20);
    EXPECT_EQ(s.parser.LineScores[fHabitat][1], 0);
}

TEST_F(LineScoringTest, EditedDefinitionsAreSeenByTheNextScore) {
    Def(fHabitat).ContainedWords = "oak";
    SetLines({"pine woodland"});
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 0), 0);
    Def(fHabitat).ContainedWords = "pine,woodland";
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 0), 2);
    Def(fHabitat).StartWords = "Pine";
    EXPECT_EQ(ScoreLineForField(s, fHabitat, 0), 102);
    EXPECT_FALSE(LineFreeOfOtherStartWords(s, fLocation, 0));
    Def(fHabitat).StartWords = "";
    EXPECT_TRUE(LineFreeOfOtherStartWords(s, fLocation, 0));
}

// The analyze mode's explanation of each scoring rule, for the traced field only.
TEST_F(LineScoringTest, TraceExplainsEachRule) {
    s.WordStats = {Word("oak", 10, 0, 0, 100), Word("pine", 10, 0, 0, 0)};
    Def(fCountry).ContainedWords = "mexico";
    Def(fElevation).ContainedWords = "ft";
    Def(fCollector).StartWords = "coll";
    const std::string reduce = "Reducing score by 30, looks like Description, Location or Habitat.\r\n";
    const struct {
        const char* label;
        const char* line;
        int traced;
        std::function<void(int)> score;  // scores the line with the given traced field
        std::string trace;
    } cases[] = {
        {"reduced for a learnt-looking line", "Mexico", fCountry,
         [&](int f) { s.parser.LineLDHScore[0] = 30; ScoreLineForField(s, f, 0); },
         "\r\nScoring \"Mexico\":\r\n  Add 1 for Contained Word \"mexico\".\r\n" + reduce + "Total score -29.\r\n"},
        {"a short elevation is not reduced", "5000 ft", fElevation,
         [&](int f) { s.parser.LineLDHScore[0] = 30; ScoreLineForField(s, f, 0); },
         "\r\nScoring \"5000 ft\":\r\n  Add 1 for Contained Word \"ft\".\r\nTotal score 1.\r\n"},
        {"Latin score of associated species", "Quercus alba", fAssociatedSpecies,
         [&](int f) { s.parser.LineLatinScore[0] = 9; ScoreLineForField(s, f, 0); },
         "\r\nScoring \"Quercus alba\":\r\n  Latin Score: 9.\r\nTotal score 9.\r\n"},
        {"no Latin score", "Quercus", fAssociatedSpecies,
         [&](int f) { s.parser.LineLatinScore[0] = 0; ScoreLineForField(s, f, 0); }, ""},
        {"a negative Latin score is no explanation", "12 34", fAssociatedSpecies,
         [&](int f) { s.parser.LineLatinScore[0] = -2; ScoreLineForField(s, f, 0); }, "Total score -2.\r\n"},
        {"few words multiply", "Oak", fHabitat, [&](int) { ScoreDescriptionLocalityHabitat(s, 0); },
         "\r\nScoring \"Oak\":\r\n  Add 4 for \"oak\".\r\n  Increasing score to 20 for small word count .\r\n"
         "Total score 20.\r\n"},
        {"five words are not multiplied", "oak on a dry slope", fHabitat,
         [&](int) { ScoreDescriptionLocalityHabitat(s, 0); },
         "\r\nScoring \"oak on a dry slope\":\r\n  Add 4 for \"oak\".\r\nTotal score 4.\r\n"},
        {"nothing to multiply", "pine", fHabitat, [&](int) { ScoreDescriptionLocalityHabitat(s, 0); }, ""},
        {"a total of one", "12 on a dry slope", fHabitat, [&](int) { ScoreDescriptionLocalityHabitat(s, 0); },
         "Total score 1.\r\n"},
        {"another field's start word", "coll oak", fLocation, [&](int) { ScoreDescriptionLocalityHabitat(s, 0); },
         "Rejecting \"coll oak\". Starts with Collector StartWord \"coll\".\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetLines({c.line});
        s.trace.Trace = true;
        for (int traced : {c.traced, int{fNotes}}) {  // only the traced field is explained
            s.trace.TraceField = traced;
            s.trace.TraceText.clear();
            s.trace.TraceLineHeader.clear();
            c.score(c.traced);
            EXPECT_EQ(s.trace.TraceText, traced == fNotes ? "" : c.trace);
        }
    }
}
