// The parse driver: cutting the label into lines, the short-label question, the reset and the
// scoring pass, the phase order with its log lines, and the one-shot trace.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"
#include "parser/FillLabelChunks.h"
#include "parser/LatinScore.h"
#include "parser/NameScore.h"

using namespace quorl;
using V = std::vector<std::string>;

class FillLabelChunksTest : public ptest::ParserTest {
protected:
    void Parse(const std::string& text) {
        s.LabelText = text;
        FillLabelChunks(s);
    }
    // Log lines without their time stamps.
    V LogLines() const {
        V out;
        for (const std::string& l : SplitLines(LogText())) out.push_back(l.size() > 14 && l[2] == ':' ? l.substr(14) : l);
        return out;
    }
};

TEST_F(FillLabelChunksTest, CutsTrimmedNonEmptyLines) {
    const struct {
        const char* text;
        V chunks;
    } cases[] = {
        {"one\ntwo\nthree\nfour", {"one", "two", "three", "four"}},
        // Every line that is not blank is one, however short, at the end too.
        {"a\nb\nc\nd", {"a", "b", "c", "d"}},
        {"  first line \r\n\r\n   \r\nsecond\r\nthird\r\nfourth\r\n#12", {"first line", "second", "third", "fourth", "#12"}},
        {"first\nsecond\nthird\n#12\nfourth", {"first", "second", "third", "#12", "fourth"}},
        {"first\nsecond\nthird\nfourth\n#12\n", {"first", "second", "third", "fourth", "#12"}},
        {"first\nsecond\nthird\nfourth\nUSA \r\n  \r\n", {"first", "second", "third", "fourth", "USA"}},
        {"first\nsecond\nthird\nfourth\n x", {"first", "second", "third", "fourth", "x"}},
    };
    for (const auto& c : cases) {
        Parse(c.text);
        EXPECT_EQ(s.parser.LabelChunks, c.chunks) << c.text;
        EXPECT_EQ(s.LabelText, "") << c.text;  // the whole text is cut
    }
    EXPECT_TRUE(dialogs.questions.empty());
    dialogs.answers = {DialogButton::Ignore};
    Parse("a\nb\nc\n");  // three short lines are too few
    EXPECT_EQ(dialogs.questions, V{"Doesn't look like a label..."});
    EXPECT_EQ(s.parser.LabelChunks, (V{"a", "b", "c"}));
}

TEST_F(FillLabelChunksTest, FewerThanFourLinesAsks) {
    dialogs.answers = {DialogButton::Ignore};
    Parse("one\ntwo\nthree");
    EXPECT_EQ(dialogs.questions, V{"Doesn't look like a label..."});
    EXPECT_EQ(s.parser.LabelChunks, (V{"one", "two", "three"}));
    EXPECT_NE(LogText().find("End FillLabelChunks"), std::string::npos);
    EXPECT_FALSE(dialogs.busyVisible);

    dialogs.answers = {DialogButton::Ignore};
    Parse("ab");  // a text of 1 to 3 characters still gives its line
    EXPECT_EQ(s.parser.LabelChunks, V{"ab"});
}

TEST_F(FillLabelChunksTest, CancelClearsFieldsAndLabelWindowAndStops) {
    Def(fPhenology).Preserve = true;
    Def(fPhenology).Default = "flowers";
    s.form.SetText("CollectorEdit", "J. Smith");
    s.form.SetText("RichEdit1", "a\r\nb");
    std::filesystem::remove(s.UserFile("Log.txt"));
    dialogs.answers = {DialogButton::Cancel};
    Parse("a\nb");
    EXPECT_EQ(C("CollectorEdit").text, "");
    EXPECT_EQ(C("PhenologyEdit").text, "flowers");
    EXPECT_EQ(C("PhenologyEdit").color, kColorSilver);
    EXPECT_EQ(C("RichEdit1").text, "");
    EXPECT_FALSE(dialogs.busyVisible);
    EXPECT_EQ(LogLines(), (V{std::string(64, '*'), "Start FillLabelChunks"}));
}

TEST_F(FillLabelChunksTest, PhasesRunInOrderWithTheirLogLines) {
    Parse("Plants of Arizona\nQuercus alba\nJ. Smith 12\n12 May 1990");
    V expected = {std::string(64, '*'), "Start FillLabelChunks", "Setting up probabilities",
                  "Plants of Arizona", "Quercus alba", "J. Smith 12", "12 May 1990",
                  "Start Family", "Start Country", "Start County/Parish", "Start Herbarium", "Start LatLong",
                  "Start Elevation", "Start Custom Fields", "Start Determiner", "Start Collector",
                  "Start Again Collection Number", "Start Associated Species", "Start L/D/H",
                  "Start Second Date", "Date Cleanup", "Before WarnIfEmpty", "End FillLabelChunks"};
    V lines = LogLines();
    // Phases that are written log more than their opening lines; the order of these must hold.
    size_t k = 0;
    for (const std::string& l : lines)
        if (k < expected.size() && l == expected[k]) ++k;
    EXPECT_EQ(k, expected.size()) << "missing or out of order: " << expected[std::min(k, expected.size() - 1)];
    EXPECT_EQ(lines.front(), expected[0]);
    EXPECT_EQ(lines.back(), "End FillLabelChunks");
    EXPECT_FALSE(dialogs.busyVisible);
    EXPECT_EQ(dialogs.busyTitle, "Please Wait...");
    EXPECT_EQ(dialogs.busyMessage, "Parsing Information");
}

TEST_F(FillLabelChunksTest, MoreThanHundredLinesAreCutAtTheTables) {
    std::string text;
    for (int i = 0; i < 101; ++i) text += "line " + std::to_string(i) + "\n";
    Def(fHabitat).ContainedWords = "line";
    Parse(text);
    ASSERT_EQ(s.parser.LineCount(), kMaxLabelLines);
    EXPECT_EQ(s.parser.LabelChunks.back(), "line 99");
    EXPECT_EQ(s.parser.LineScores[fHabitat][99], 1);
    EXPECT_NE(LogText().find(": 1 lines after line 100 ignored"), std::string::npos);
}

TEST_F(FillLabelChunksTest, MoreThanThirtyEightDefinitionsAreNotScored) {
    for (int f = kBuiltInFields; f < 45; ++f) {
        LabelFieldClass d;
        d.Name = "User " + std::to_string(f);
        d.StartWords = "extra";
        s.FieldDefinitions.push_back(d);
    }
    s.FieldDefinitions[31].Name.clear();
    Parse("extra one\nline b\nline c\nline d");
    EXPECT_EQ(s.parser.LineScores[30][0], 100);
    EXPECT_EQ(s.parser.LineScores[31][0], 0);  // a user field without a name is not scored
    EXPECT_EQ(s.parser.LineScores[37][0], 100);
}

TEST_F(FillLabelChunksTest, ScoringPassFillsTheTablesInOrder) {
    Def(fCollector).StartWords = "coll";
    Def(fOtherCollectors).StartWords = "with";
    Def(fHabitat).ContainedWords = "oak";
    Def(fAssociatedSpecies).ContainedWords = "with";
    Def(fCountry).ContainedWords = "arizona";
    Def(fHerbarium).ContainedWords = "plants";  // herbarium lines get no score of their own
    Def(fAccession).FoundLine = 7;
    s.parser.LineOwner[99] = 13;
    s.parser.LineLatinScore[99] = 5;
    Parse("Plants of Arizona\nOak woodland with Quercus alba\ncoll. J. Smith 12\n12 May 1990");
    const auto& ls = s.parser.LineScores;
    EXPECT_EQ(ls[fCountry][0], 1);
    EXPECT_EQ(ls[fHerbarium][0], 0);
    EXPECT_EQ(ls[fHabitat][1], 1);
    EXPECT_EQ(s.parser.LineLatinScore[1], LatinScore("Oak woodland with Quercus alba"));
    EXPECT_EQ(ls[fAssociatedSpecies][1], 1 + s.parser.LineLatinScore[1]);
    EXPECT_EQ(s.parser.LineNameScore[2], NameScore(s, "coll. J. Smith 12"));
    EXPECT_EQ(ls[fCollector][2], 100 + s.parser.LineNameScore[2]);
    EXPECT_EQ(ls[fOtherCollectors][2], s.parser.LineNameScore[2]);
    EXPECT_EQ(ls[fDeterminer][2], s.parser.LineNameScore[2]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s.parser.LineLDHScore[static_cast<size_t>(i)], 0);
    EXPECT_EQ(s.parser.LineOwner[99], 0);
    EXPECT_EQ(s.parser.LineLatinScore[99], 0);
    EXPECT_EQ(Def(fAccession).FoundLine, 0);
}

TEST_F(FillLabelChunksTest, LearntScoresAddToContainedWords) {
    BayesClass oak;
    oak.Word = "oak";
    oak.Count = 4;
    oak.FieldPercent[fHabitat] = 100;
    oak.FieldPercent[fDescription] = 50;
    s.WordStats = {oak};
    Def(fHabitat).StartWords = "oak";
    Def(fHabitat).ContainedWords = "woodland";
    Def(fCountry).ContainedWords = "oak";
    s.ApplyLearning = true;
    Parse("Oak woodland\nline b\nline c\nline d");
    // Habitat: 4 x 4 words-bonus = 16 learnt, + 100 start word, no contained words.
    EXPECT_EQ(s.parser.LineScores[fHabitat][0], 16 + 100);
    EXPECT_EQ(s.parser.LineScores[fDescription][0], 0);  // the line opens with Habitat's start word
    EXPECT_EQ(s.parser.LineLDHScore[0], 16);
    EXPECT_EQ(s.parser.LineScores[fCountry][0], 1 - 16);
    s.ApplyLearning = false;
    Parse("Oak woodland\nline b\nline c\nline d");
    EXPECT_EQ(s.parser.LineScores[fHabitat][0], 101);
    EXPECT_EQ(s.parser.LineLDHScore[0], 0);
}

TEST_F(FillLabelChunksTest, TraceCoversExactlyOneParse) {
    Def(fDescription).ContainedWords = "shrub";
    StartTrace(s, fDescription);
    Parse("Shrub 2 m\nline b\nline c\nline d");
    ASSERT_EQ(dialogs.traces.size(), 1u);
    EXPECT_TRUE(StartsWith(dialogs.traces[0],
              "Analyzing Description\r\nScoring Lines:\r\n\r\nScoring \"Shrub 2 m\":\r\n"
              "  Add 1 for Contained Word \"shrub\".\r\nTotal score 1.\r\n\r\nDone scoring Lines:\r\n"))
        << dialogs.traces[0];
    EXPECT_FALSE(s.trace.Trace);
    Parse("Shrub 2 m\nline b\nline c\nline d");
    EXPECT_EQ(dialogs.traces.size(), 1u);
}

TEST_F(FillLabelChunksTest, OpenTextFileCorrectsLoadsAndParses) {
    std::filesystem::path file = Write("label one.txt", "Plants of Arizona\r\nQuercus alba\r\ncoll. J. Smith 12\r\n12 May 1990\r\n");
    s.AutoCorrect = true;
    s.AutoCorrectList = {ReplacementClass{true, true, "Arizona", "ARIZONA"}};
    s.form.SetText("PhenologyEdit", "old");
    OpenTextFileAndParse(s, file);
    EXPECT_EQ(C("PhenologyEdit").text, "");
    EXPECT_EQ(C("RichEdit1").text, "Plants of ARIZONA\r\nQuercus alba\r\ncoll. J. Smith 12\r\n12 May 1990\r\n");
    ASSERT_EQ(s.parser.LineCount(), 4);
    EXPECT_EQ(s.parser.LabelChunks[0], "Plants of ARIZONA");

    EXPECT_THROW(OpenTextFileAndParse(s, s.UserFolder / "missing.txt"), ProgramEnded);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(StartsWith(dialogs.messages.back(), "Unable to open file: "));
}
