// Whole labels through the parser: every phase on invented labels, with the fields they should
// give.
#include <gtest/gtest.h>

#include "../parser/ParserFixture.h"
#include "model/Text.h"
#include "parser/FillLabelChunks.h"
#include "parser/ParseText.h"
#include "record/FieldAccess.h"

using namespace quorl;

class WholeLabels : public ptest::ParserTest {
protected:
    WholeLabels() {
        s.Debug = false;
        s.MinElevation = 10;
        AddFamily("Asteraceae", {{"Ambrosia", {"deltoidea", "dumosa"}}});
        AddFamily("Fagaceae", {{"Quercus", {"alba", "emoryi", "turbinella"}}, {"Fagus", {"grandifolia"}}});
        AddFamily("Pinaceae", {{"Pinus", {"edulis", "ponderosa"}}});
        AddCountry("Mexico", {{"Chihuahua", {"Janos"}}, {"Sonora", {"Alamos", "Hermosillo"}}});
        AddCountry("United States", {{"Arizona", {"Cochise", "Pima"}}, {"New Mexico", {"Grant"}}});
        Def(fCollector).StartWords = "coll,collector,leg";
        Def(fCollector).Maximum = 50;
        Def(fCollectionNumber).StartWords = "no.";
        Def(fDeterminer).StartWords = "det,determined";
        Def(fHabitat).StartWords = "habitat";
        Def(fHabitat).Maximum = 50;
        Def(fLocation).StartWords = "locality,loc";
        Def(fLocation).Maximum = 50;
        Def(fDescription).Maximum = 50;
        Def(fElevation).StartWords = "elev,elevation,alt";
        Def(fHerbarium).ContainedWords = "herbarium";
        Def(fHerbarium).Maximum = 50;
        Def(fAssociatedSpecies).StartWords = "associated species,assoc";
        Def(fAssociatedSpecies).Minimum = 3;
        Def(fAssociatedSpecies).Maximum = 50;
        for (int f : {fFamily, fGenus, fCountry, fState, fCounty, fDeterminer}) Def(f).Maximum = 50;
        Def(fFamily).Minimum = 0;
        Def(fGenus).Minimum = 0;
    }
    void Parse(const std::string& text) {
        ClearFields(s);
        s.LabelText = text;
        FillLabelChunks(s);
    }
    std::string F(int field) { return GetFieldText(s, field); }
    std::string T(const char* control) { return s.form.Get(control).text; }
    std::string Dump() {
        std::string out;
        for (int f = 0; f < kBuiltInFields; ++f) out += FieldNames[static_cast<size_t>(f)] + "=[" + F(f) + "] ";
        for (const char* c : {"PrefixEdit", "SuffixEdit", "LatDegreesEdit", "LatMinutesEdit", "LatSecondsEdit", "NSCombo",
                              "LongDegreesEdit", "LongMinutesEdit", "LongSecondsEdit", "EWCombo", "ElevFeetLowEdit",
                              "ElevFeetHighEdit", "ElevMetersLowEdit", "ElevMetersHighEdit"})
            out += std::string(c) + "=[" + T(c) + "] ";
        return out;
    }
};

TEST_F(WholeLabels, ArizonaOakLabel) {
    Parse("Herbarium of the Desert Institute\n"
          "Fagaceae\n"
          "Quercus emoryi Torr.\n"
          "Pima County, Arizona, USA\n"
          "Habitat: Oak woodland on rocky slope\n"
          "Elev. 1200 m\n"
          "31\xB0 45' 10\" N 110\xB0 50' 20\" W\n"
          "J. Smith 1234\n"
          "12 May 1995\n");
    EXPECT_EQ(F(fFamily), "Fagaceae");
    EXPECT_EQ(F(fGenus), "Quercus");
    EXPECT_EQ(F(fSpecies), "emoryi");
    EXPECT_EQ(F(fScientificName), "Quercus emoryi");
    EXPECT_EQ(F(fCountry), "United States");
    EXPECT_EQ(F(fState), "Arizona");
    EXPECT_EQ(F(fCounty), "Pima");
    EXPECT_EQ(F(fHerbarium), "Herbarium of the Desert Institute");
    EXPECT_EQ(F(fHabitat), "Oak woodland on rocky slope");
    EXPECT_EQ(T("ElevMetersLowEdit"), "1200");
    EXPECT_EQ(T("LatDegreesEdit") + "/" + T("LatMinutesEdit") + "/" + T("LatSecondsEdit") + T("NSCombo"), "31/45/10N");
    EXPECT_EQ(T("LongDegreesEdit") + "/" + T("LongMinutesEdit") + "/" + T("LongSecondsEdit") + T("EWCombo"),
              "110/50/20W");
    EXPECT_EQ(F(fCollector), "J. Smith");
    EXPECT_EQ(F(fCollectionNumber), "1234");
    EXPECT_EQ(F(fCollectionDate), "12 May 1995");
    EXPECT_EQ(F(fAssociatedSpecies), "");
    EXPECT_EQ(F(fDeterminer), "");
    // The herbarium line was used up; the date was cut from its line.
    EXPECT_EQ(s.parser.LabelChunks[0], "");
    EXPECT_EQ(s.parser.LabelChunks[8], "");
}

TEST_F(WholeLabels, SonoraLabel) {
    Parse("Plants of Sonora, Mexico\n"
          "Ambrosia dumosa var. glabra\n"
          "Mexico, Sonora, Alamos, 10 km N of town\n"
          "Sandy wash with Pinus edulis\n"
          "Alt. 2500 ft\n"
          "Coll. M. Garcia & R. Lopez 455\n"
          "3 Septiembre 1987\n"
          "Det. A. Reyes 1990\n");
    EXPECT_EQ(F(fFamily), "Asteraceae");
    EXPECT_EQ(F(fScientificName), "Ambrosia dumosa var. glabra");
    EXPECT_EQ(F(fRank), "var.");
    EXPECT_EQ(F(fSubSp), "glabra");
    EXPECT_EQ(F(fCountry), "Mexico");
    EXPECT_EQ(F(fState), "Sonora");
    EXPECT_EQ(F(fCounty), "Alamos");
    EXPECT_EQ(F(fAssociatedSpecies), "Sandy wash Pinus edulis");
    EXPECT_EQ(T("ElevFeetLowEdit"), "2500");
    EXPECT_EQ(F(fCollector), "M. Garcia");
    EXPECT_EQ(F(fOtherCollectors), "R. Lopez");
    EXPECT_EQ(F(fCollectionNumber), "455");
    EXPECT_EQ(F(fCollectionDate), "3 Sep 1987");
    EXPECT_EQ(F(fDeterminer), "A. Reyes");
    EXPECT_EQ(F(fDeterminedDate), "1990");
    EXPECT_EQ(T("NSCombo"), "");
}

TEST_F(WholeLabels, LearntWordsSplitALineInWordMode) {
    s.ApplyLearning = true;
    s.DontSplitLines = false;
    auto learn = [&](const char* word, int d, int l, int h) {
        BayesClass b;
        b.Word = word;
        b.Count = 10;
        b.FieldPercent[fDescription] = d;
        b.FieldPercent[fLocation] = l;
        b.FieldPercent[fHabitat] = h;
        s.WordStats.push_back(b);
    };
    learn("oak", 0, 0, 100);
    learn("woodland", 0, 0, 100);
    learn("rocky", 0, 100, 0);
    learn("slope", 0, 100, 0);
    learn("km", 0, 100, 0);
    learn("north", 0, 100, 0);
    learn("shrub", 100, 0, 0);
    learn("flowers", 100, 0, 0);
    learn("yellow", 100, 0, 0);
    learn("tall", 100, 0, 0);
    learn("canyon", 0, 100, 0);
    Parse("Plants of Arizona\n"
          "Shrub 1 m tall, flowers yellow\n"
          "Oak woodland, rocky slope\n"
          "Cochise County, Arizona\n"
          "J. Smith 88\n"
          "4 June 2001\n");
    EXPECT_EQ(F(fDescription), "Shrub 1 m tall, flowers yellow");
    EXPECT_EQ(F(fHabitat), "Oak woodland");
    EXPECT_EQ(F(fLocation), "rocky slope");
    EXPECT_EQ(F(fCollector), "J. Smith");
    EXPECT_EQ(F(fCollectionNumber), "");  // 88 is too small for a collection number
    EXPECT_EQ(F(fCollectionDate), "4 Jun 2001");

    // Line mode gives whole lines to the field that scores best for them.
    s.DontSplitLines = true;
    Parse("Plants of Arizona\n"
          "Shrub 1 m tall, flowers yellow\n"
          "Oak woodland, rocky slope\n"
          "Cochise County, Arizona\n"
          "J. Smith 88\n"
          "4 June 2001\n");
    EXPECT_EQ(F(fDescription), "Shrub 1 m tall, flowers yellow");
    // Location and Habitat tie on that line: the lower field number wins.
    EXPECT_EQ(F(fLocation), "Oak woodland, rocky slope");
    EXPECT_EQ(F(fHabitat), "");
}

TEST_F(WholeLabels, FallbackModeUsesStartWordsAndTakesThisYearsDate) {
    const std::string year = IntToStr(CurrentCalendarYear());
    Parse("Flora of New Mexico, USA\n"
          "Locality: Grant County, Gila forest road\n"
          "Habitat: pine forest. Elevation 2100 m\n"
          "leg. P. Brown & K. White 2210\n"
          "12.V." + year + "\n");
    EXPECT_EQ(F(fLocation), "Grant County, Gila forest road");
    EXPECT_EQ(F(fHabitat), "pine forest.");
    EXPECT_EQ(T("ElevMetersLowEdit"), "2100");
    EXPECT_EQ(F(fCollector), "P. Brown");
    EXPECT_EQ(F(fOtherCollectors), "K. White");
    EXPECT_EQ(F(fCollectionNumber), "2210");
    EXPECT_EQ(F(fCollectionDate), "12 May " + year);
    EXPECT_EQ(F(fState), "New Mexico");
    EXPECT_EQ(F(fCounty), "Grant");
}

TEST_F(WholeLabels, FamilyCarriesOverToTheNextLabel) {
    Parse("Pinaceae\nPinus ponderosa\nJ. Smith 1234\n12 May 1995\n");
    EXPECT_EQ(F(fFamily), "Pinaceae");
    Parse("No plant names here\nat all\nJ. Smith 1235\n13 May 1995\n");
    EXPECT_EQ(F(fFamily), "Pinaceae");
}

TEST_F(WholeLabels, GenusOfTheFirstFamilyIsTakenFromItsOwnGenera) {
    Parse("Pinaceae\nPinus ponderosa\nJ. Smith 1234\n12 May 1995\n");
    Parse("Ambrosia deltoidea\nDesert flat\nJ. Smith 1236\n14 May 1995\n");
    EXPECT_EQ(F(fFamily), "Asteraceae");
    EXPECT_EQ(F(fGenus), "Ambrosia");
    EXPECT_EQ(F(fSpecies), "deltoidea");
    EXPECT_EQ(F(fScientificName), "Ambrosia deltoidea");
}

TEST_F(WholeLabels, PreservedCollectorIsKept) {
    Def(fCollector).Preserve = true;
    s.form.SetText("CollectorEdit", "R. Keeper");
    Parse("Plants\nOak woodland\nJ. Smith & A. Jones 1234\n12 May 1995\n");
    EXPECT_EQ(F(fCollector), "R. Keeper");
    EXPECT_EQ(F(fOtherCollectors), "");
}

TEST_F(WholeLabels, RandomTextNeverBreaksTheParse) {
    std::string text;
    unsigned seed = 7;
    for (int label = 0; label < 200; ++label) {
        text.clear();
        for (int k = 0; k < 300; ++k) {
            seed = seed * 1103515245u + 12345u;
            const char* pieces[] = {"\n", " ", "12", "May", "-", "N", "\xB0", "'", "ft", "m", "&", "with", ",",
                                    "Quercus", "alba", "Mexico", "No.", "N\xB0", "1998", ".", "det", "(", ")", "x"};
            text += pieces[(seed >> 16) % 24];
        }
        dialogs.answers = {DialogButton::Ignore};
        Parse(text);
    }
    SUCCEED();
}
