// Paste-time splitting, and the last phases of the parse: the second date and the clean-up.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/FieldAccess.h"
#include "parser/AutoSplit.h"
#include "parser/Phases.h"

using namespace quorl;
using V = std::vector<std::string>;

class AutoSplit : public ptest::ParserTest {
protected:
    AutoSplit() { s.Debug = false; }
};

TEST_F(AutoSplit, BreaksBeforeCapitalisedStartWords) {
    Def(fHabitat).StartWords = "habitat";
    EXPECT_EQ(AutoSplitText(s, "Rocky slope Habitat: oak woodland"), "Rocky slope\r\nHabitat: oak woodland\r\n");
    EXPECT_EQ(s.parser.LabelChunks, (V{"Rocky slope", "Habitat: oak woodland"}));
    // At the start of the text, or written in lower case: no break.
    EXPECT_EQ(AutoSplitText(s, "Habitat: oak"), "Habitat: oak\r\n");
    EXPECT_EQ(AutoSplitText(s, "Rocky slope habitat: oak"), "Rocky slope habitat: oak\r\n");
}

TEST_F(AutoSplit, ElevationWordAfterANumberKeepsTheNumber) {
    Def(fElevation).StartWords = "elevation";
    EXPECT_EQ(AutoSplitText(s, "Ridge 1500 Elevation, pine"), "Ridge\r\n1500 Elevation\r\n, pine\r\n");
    // With its unit after the word, the break comes before the word.
    EXPECT_EQ(AutoSplitText(s, "Ridge top Elevation 1500 m, pine"), "Ridge top\r\nElevation 1500 m, pine\r\n");
    // The window that looks for the unit stops before the last character of the text.
    EXPECT_EQ(AutoSplitText(s, "Ridge top Elevation 1500 m"), "Ridge top Elevation 1500 m\r\n");
}

TEST_F(AutoSplit, CoordinateRunOnALineOfItsOwn) {
    const std::pair<const char*, const char*> cases[] = {
        {"Along road at 34° 12' 30\" N 112° 10' 5\" W; sandy",
         "Along road at \r\n34° 12' 30\" N 112° 10' 5\" W;\r\n sandy\r\n"},
        // A character after a digit belongs to the run, at the very start of the line too.
        {"9.15 N, 79.85 W; Barro Colorado Island", "\r\n9.15 N, 79.85 W;\r\n Barro Colorado Island\r\n"},
        {"Barro Colorado Island, 9.15 N, 79.85 W", "Barro Colorado Island, \r\n9.15 N, 79.85 W\r\n\r\n"},
        {"Site 34d 12m 30s N, 112d 10m 5s W", "Site \r\n34d 12m 30s N, 112d 10m 5s W\r\n\r\n"},
    };
    for (const auto& [text, split] : cases) EXPECT_EQ(AutoSplitText(s, text), split);
}

TEST_F(AutoSplit, LongLinesCutWhereHalvesReadAsDifferentFields) {
    auto learn = [&](const char* word, int field, int percent) {
        BayesClass b;
        b.Word = word;
        b.Count = 10;
        b.FieldPercent[static_cast<size_t>(field)] = percent;
        s.WordStats.push_back(b);
    };
    learn("oak", fHabitat, 50);  // "oak on granite": 2 points x (6 - 3 words), just enough
    learn("rocky", fLocation, 100);
    learn("canyon", fLocation, 100);
    const std::pair<const char*, const char*> cases[] = {
        // The cut comes after the separator; the pieces are not trimmed again.
        {"oak on granite, rocky canyon", "oak on granite,\r\n rocky canyon\r\n"},
        {"rocky canyon, oak on granite", "rocky canyon,\r\n oak on granite\r\n"},
        {"oak woodla, rocky c", "oak woodla, rocky c\r\n"},                    // 19 characters: never cut
        {"oak on granite ledges, rocky canyon", "oak on granite ledges, rocky canyon\r\n"},  // 2 x (6 - 4) is too little
        {"canyon 34 12 N, oak 112 10 W", "canyon 34 12 N, oak 112 10 W\r\n"},  // both halves are coordinates
    };
    for (const auto& [text, split] : cases) EXPECT_EQ(AutoSplitText(s, text), split);
}

class LastPhases : public ptest::ParserTest {
protected:
    LastPhases() { s.Debug = false; }
};

// What the collector phase left empty comes from the date's line and the lines around it.
TEST_F(LastPhases, SecondDateFillsCollectorAndNumberAroundTheDate) {
    Def(fCollector).StartWords = "coll";
    Def(fAssociatedSpecies).StartWords = "assoc";
    const struct {
        std::vector<std::string> lines;
        const char* fields;                  // collector|other collectors|number
        int determinerLine, collectorScore;  // the collector score of the second line
        const char* collector = "";          // found before, on the second line (the last with "last")
        bool last = false;
        int fourthScore = 0;  // the collector score of the fourth line
    } cases[] = {
        {{"12 May 1995 J. Smith", "Flora", "x"}, "J. Smith||", -1, 0},
        // The collector keeps the name that the collector's token split reads: no start word, no
        // number, nothing after the number.
        {{"Flora", "Coll. J. Smith 4321", "12 May 1995", "with A. Jones"}, "J. Smith|A. Jones|4321", -1, 0},
        {{"Flora", "Coll. J. Smith 4321", "12 May 1995", "Assoc. with Pinus edulis"}, "J. Smith||4321", -1, 0},
        {{"12 May 1995", "R. Harris 42164\tCITY BOTANICAL GARDEN", "x"}, "R. Harris||42164", -1, 0},
        {{"12 May 1995", "R. Harris 42164, Herbarium", "x"}, "R. Harris||42164", -1, 0},
        // From the first capital; never from the determiner's line.
        {{"Flora", "leg. Zamudio 4321", "12 May 1995"}, "Zamudio||4321", -1, 0},
        {{"Flora", "leg. A. Zamudio 4321", "12 May 1995"}, "A. Zamudio||4321", -1, 0},
        {{"Flora", "Det. A. Reyes", "12 May 1995"}, "||", 1, 0},
        // A number's line scoring more than 2 is the collector's.
        {{"Flora", "J. Smith 4321", "x", "12 May 1995"}, "J. Smith||4321", -1, 3},
        {{"Flora", "J. Smith 4321", "x", "12 May 1995"}, "||4321", -1, 2},
        // The digits after a collector found before, in its own line.
        {{"Flora", "J. Smith 4321", "12 May 1995"}, "J. Smith||4321", -1, 0, "J. Smith"},
        {{"Flora", "12 May 1995", "leg. J.Smith 88"}, "J. Smith||", -1, 0, "J. Smith", true},
        // A date alone on its line: the line before it, unless the one after it scores better.
        {{"Flora", "Chih., MEX", "12 May 1995", "J. W. MacSwain"}, "Chih.||", -1, 0, "", false, 0},
        {{"Flora", "Chih., MEX", "12 May 1995", "J. W. MacSwain"}, "J. W. MacSwain||", -1, 0, "", false, 8},
        // Signs left of a date name no one.
        {{"Flora", "Oak woodland", "12 May 1995 __", "J. Smith 4321"}, "J. Smith||4321", -1, 0},
        {{"Flora", "Coll. J. Smith 4321", "12 May 1995", "Oak woodland"}, "J. Smith||4321", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[1]);
        for (int f : {fCollector, fOtherCollectors, fCollectionNumber, fCollectionDate}) SetFieldText(s, f, "", false);
        SetLines(c.lines);
        s.parser.CurrentLine = c.last ? static_cast<int>(c.lines.size()) - 1 : 1;
        SetFieldText(s, fCollector, c.collector, false);
        Def(fDeterminer).FoundLine = c.determinerLine;
        s.parser.LineScores[fCollector][1] = c.collectorScore;
        s.parser.LineScores[fCollector][3] = c.fourthScore;
        Run(SecondDatePhase);
        EXPECT_EQ(F(fCollector) + "|" + F(fOtherCollectors) + "|" + F(fCollectionNumber), c.fields);
        EXPECT_EQ(F(fCollectionDate), "12 May 1995");
    }
    // The date's line is emptied; a collector from the line before it is recorded against it.
    EXPECT_EQ(s.parser.LabelChunks[2], "");
    EXPECT_EQ(Def(fCollector).FoundLine, 2);
}

TEST_F(LastPhases, CleanUpTidiesFields) {
    SetLines({"Flora", "j. smith #12", "& M. Jones", "x"});
    Def(fCollector).FoundLine = 1;
    s.form.SetText("CollectionDateEdit", "12-5-1995");
    s.form.SetText("CollectorEdit", "j. smith #12");
    s.form.SetText("DeterminedByEdit", "J. Smith)");
    s.form.SetText("HabitatMemo", "Oak woodland with Quercus emoryi");
    s.form.SetText("AssociatedMemo", "Quercus emoryi");
    s.form.SetText("NSCombo", "N");
    Run(DateCleanupPhase);
    EXPECT_EQ(F(fCollectionDate), "12 5 1995");
    EXPECT_EQ(F(fCollector), "J. smith 12");
    EXPECT_EQ(F(fOtherCollectors), "M. Jones");
    EXPECT_EQ(Def(fOtherCollectors).FoundLine, 2);
    EXPECT_EQ(F(fDeterminer), "J. Smith");
    EXPECT_EQ(F(fHabitat), "Oak woodland with ");
    EXPECT_EQ(s.form.Get("NSCombo").text, "");
}

TEST_F(LastPhases, CleanUpKeepsAndBeforeOtherCollectorsAndBracketedDeterminer) {
    SetLines({"Flora", "J. Smith", "and M. Jones", "x"});
    Def(fCollector).FoundLine = 1;
    s.form.SetText("CollectorEdit", "J. Smith");
    s.form.SetText("DeterminedByEdit", "J. Smith (1990)");
    Run(DateCleanupPhase);
    EXPECT_EQ(F(fOtherCollectors), "and M. Jones");
    EXPECT_EQ(F(fDeterminer), "J. Smith (1990)");
}
