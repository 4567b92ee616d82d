// Single phases on prepared label lines: the rules that decide which line a phase takes.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/FieldAccess.h"
#include "parser/FindName.h"
#include "parser/Phases.h"

using namespace quorl;

class PhaseRules : public ptest::ParserTest {
protected:
    PhaseRules() { s.Debug = false; }
};

TEST_F(PhaseRules, AgainCollectionNumberTakesTheFirstMarkedLine) {
    SetLines({"Flora", "31 N 110 W No. 4321", "N° 5678", "No. 999"});
    Def(fLatLong).FoundLine = 1;
    Run(AgainCollectionNumberPhase);
    EXPECT_EQ(F(fCollectionNumber), "5678");
    EXPECT_EQ(s.parser.LabelChunks[2], "5678");
    // A number already found stops the phase.
    SetLines({"No. 4321"});
    Run(AgainCollectionNumberPhase);
    EXPECT_EQ(F(fCollectionNumber), "5678");
}

TEST_F(PhaseRules, CustomFieldsCollectEveryScoringLineButLatinOnes) {
    Def(fCollector);
    s.FieldDefinitions.resize(32);
    s.FieldDefinitions[30].Name = "Substrate";
    SetLines({"on bark", "Quercus alba", "on rock"});
    s.parser.LineScores[30] = {};
    s.parser.LineScores[30][0] = 1;
    s.parser.LineScores[30][1] = 1;
    s.parser.LineScores[30][2] = 1;
    s.parser.LineLatinScore[1] = 13;
    s.parser.LineScores[31][0] = 5;  // a field without a name gets nothing
    Run(CustomFieldsPhase);
    EXPECT_EQ(F(30), "on bark on rock");
    EXPECT_EQ(F(31), "");
}

TEST_F(PhaseRules, DeterminerNeedsAClearLeadOverTheCollectorScore) {
    Def(fDeterminer).StartWords = "det";
    SetLines({"Flora", "Det. J. Smith 1998", "x"});
    s.parser.LineScores[fDeterminer][1] = 6;
    s.parser.LineScores[fCollector][1] = 4;
    Run(DeterminerPhase);
    EXPECT_EQ(F(fDeterminer), "");
    s.parser.LineScores[fCollector][1] = 3;
    Run(DeterminerPhase);
    EXPECT_EQ(F(fDeterminer), "J. Smith");
    EXPECT_EQ(F(fDeterminedDate), "1998");
    EXPECT_EQ(s.parser.LabelChunks[1], "");
}

TEST_F(PhaseRules, DeterminerByWithoutDigitsIsTakenWhole) {
    SetLines({"Flora", "by J. Smith", "x"});
    s.parser.LineScores[fDeterminer][1] = 8;
    Run(DeterminerPhase);
    EXPECT_EQ(F(fDeterminer), "J. Smith");
}

TEST_F(PhaseRules, StateNamedLikeItsCountryOnTheCountrysLine) {
    AddCountry("Mexico", {{"Mexico", {}}, {"Sonora", {}}});
    SetLines({"Plants of Mexico", "x", "Estado de Mexico", "y"});
    PhaseState ps;
    CountryPhase(s, ps);
    ASSERT_TRUE(ps.countryFound);
    EXPECT_EQ(Def(fCountry).FoundLine, 0);
    StatePhase(s, ps);
    EXPECT_FALSE(ps.stateFound);  // its first line is the country's
    Def(fState).Minimum = 4;      // the state's window starts at the third line
    StatePhase(s, ps);
    EXPECT_TRUE(ps.stateFound);
    EXPECT_EQ(Def(fState).FoundLine, 2);
}

TEST_F(PhaseRules, FindNameInChunksWindowAndWordRules) {
    SetLines({"Flora of the USA", "Pimaria road", "USAF base", "x"});
    LabelFieldClass def;
    def.Minimum = 1;
    def.Maximum = 50;
    EXPECT_GT(FindNameInChunks(s, def, "United States", true), 0);
    EXPECT_EQ(s.parser.CurrentLine, 0);
    EXPECT_GT(FindNameInChunks(s, def, "Pima", false), 0);
    EXPECT_EQ(FindNameInChunks(s, def, "Pima", true), 0);
    def.Minimum = 3;  // the window starts one line before the third line
    EXPECT_EQ(FindNameInChunks(s, def, "United States", true), 0);
    EXPECT_EQ(FindNameInChunks(s, def, "flora", false), 0);
}

TEST_F(PhaseRules, HerbariumTakesEveryContainedWordLine) {
    Def(fHerbarium).ContainedWords = "herbarium,university";
    SetLines({"Herbarium of Somewhere", "x", "University of Elsewhere", "y"});
    Run(HerbariumPhase);
    EXPECT_EQ(F(fHerbarium), "University of Elsewhere");
    EXPECT_EQ(s.parser.LabelChunks[0], "");
    EXPECT_EQ(s.parser.LabelChunks[2], "");
}

TEST_F(PhaseRules, HerbariumLineNamedByTwoWordsIsTakenOnce) {
    // The second word must search the label as the first left it, with the line emptied.
    Def(fHerbarium).ContainedWords = "herbarium,university";
    SetLines({"University Herbarium", "x", "y", "z"});
    Run(HerbariumPhase);
    EXPECT_EQ(F(fHerbarium), "University Herbarium");
    EXPECT_EQ(s.parser.LabelChunks[0], "");
}
