// Whole labels through the parser: every phase on invented labels, with the fields they should
// give.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "parser/FillLabelChunks.h"

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
    std::string T(const char* control) { return s.form.Get(control).text; }
    // Expected texts by field number, or by control name for the controls of a field with several.
    void Expect(std::vector<std::pair<int, std::string>> fields, std::vector<std::pair<const char*, std::string>> controls = {}) {
        for (const auto& [f, text] : fields) EXPECT_EQ(F(f), text) << FieldNames[static_cast<size_t>(f)];
        for (const auto& [c, text] : controls) EXPECT_EQ(T(c), text) << c;
    }
};

TEST_F(WholeLabels, ArizonaOakLabel) {
    Parse("Herbarium of the Desert Institute\n"
          "Fagaceae\n"
          "Quercus emoryi Torr.\n"
          "Pima County, Arizona, USA\n"
          "Habitat: Oak woodland on rocky slope\n"
          "Elev. 1200 m\n"
          "31° 45' 10\" N 110° 50' 20\" W\n"
          "J. Smith 1234\n"
          "12 May 1995\n");
    Expect({{fFamily, "Fagaceae"}, {fGenus, "Quercus"}, {fSpecies, "emoryi"}, {fScientificName, "Quercus emoryi"},
            {fCountry, "United States"}, {fState, "Arizona"}, {fCounty, "Pima"},
            {fHerbarium, "Herbarium of the Desert Institute"}, {fHabitat, "Oak woodland on rocky slope"},
            {fCollector, "J. Smith"}, {fCollectionNumber, "1234"}, {fCollectionDate, "12 May 1995"},
            {fAssociatedSpecies, ""}, {fDeterminer, ""}},
           {{"ElevMetersLowEdit", "1200"}, {"LatDegreesEdit", "31"}, {"LatMinutesEdit", "45"}, {"LatSecondsEdit", "10"},
            {"NSCombo", "N"}, {"LongDegreesEdit", "110"}, {"LongMinutesEdit", "50"}, {"LongSecondsEdit", "20"},
            {"EWCombo", "W"}});
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
    Expect({{fFamily, "Asteraceae"}, {fScientificName, "Ambrosia dumosa var. glabra"}, {fRank, "var."},
            {fSubSp, "glabra"}, {fCountry, "Mexico"}, {fState, "Sonora"}, {fCounty, "Alamos"},
            {fAssociatedSpecies, "Sandy wash Pinus edulis"}, {fCollector, "M. Garcia"}, {fOtherCollectors, "R. Lopez"},
            {fCollectionNumber, "455"}, {fCollectionDate, "3 Sep 1987"}, {fDeterminer, "A. Reyes"},
            {fDeterminedDate, "1990"}},
           {{"ElevFeetLowEdit", "2500"}, {"NSCombo", ""}});
}

TEST_F(WholeLabels, LearntWordsSplitALineInWordMode) {
    s.ApplyLearning = true;
    s.DontSplitLines = false;
    const std::pair<const char*, int> learnt[] = {
        {"oak", fHabitat},    {"woodland", fHabitat},  {"rocky", fLocation},   {"slope", fLocation},
        {"km", fLocation},    {"north", fLocation},    {"canyon", fLocation},  {"shrub", fDescription},
        {"flowers", fDescription}, {"yellow", fDescription}, {"tall", fDescription}};
    for (auto [word, field] : learnt) {
        BayesClass b;
        b.Word = word;
        b.Count = 10;
        b.FieldPercent[static_cast<size_t>(field)] = 100;
        s.WordStats.push_back(b);
    }
    const char* label = "Plants of Arizona\nShrub 1 m tall, flowers yellow\nOak woodland, rocky slope\n"
                        "Cochise County, Arizona\nJ. Smith 88\n4 June 2001\n";
    Parse(label);
    // 88 is too small for a collection number.
    Expect({{fDescription, "Shrub 1 m tall, flowers yellow"}, {fHabitat, "Oak woodland"}, {fLocation, "rocky slope"},
            {fCollector, "J. Smith"}, {fCollectionNumber, ""}, {fCollectionDate, "4 Jun 2001"}});

    // Line mode gives whole lines to the field that scores best for them; Location and Habitat
    // tie on that line and the lower field number wins.
    s.DontSplitLines = true;
    Parse(label);
    Expect({{fDescription, "Shrub 1 m tall, flowers yellow"}, {fLocation, "Oak woodland, rocky slope"}, {fHabitat, ""}});
}

TEST_F(WholeLabels, FallbackModeUsesStartWordsAndTakesThisYearsDate) {
    const std::string year = IntToStr(CurrentCalendarYear());
    Parse("Flora of New Mexico, USA\n"
          "Locality: Grant County, Gila forest road\n"
          "Habitat: pine forest. Elevation 2100 m\n"
          "leg. P. Brown & K. White 2210\n"
          "12.V." + year + "\n");
    Expect({{fLocation, "Grant County, Gila forest road"}, {fHabitat, "pine forest."}, {fCollector, "P. Brown"},
            {fOtherCollectors, "K. White"}, {fCollectionNumber, "2210"}, {fCollectionDate, "12 May " + year},
            {fState, "New Mexico"}, {fCounty, "Grant"}},
           {{"ElevMetersLowEdit", "2100"}});
}

TEST_F(WholeLabels, FamilyCarriesOverAndTheFirstFamilysGenusIsFound) {
    Parse("Pinaceae\nPinus ponderosa\nJ. Smith 1234\n12 May 1995\n");
    Parse("No plant names here\nat all\nJ. Smith 1235\n13 May 1995\n");
    EXPECT_EQ(F(fFamily), "Pinaceae");
    // A genus of the family at index 0 loads that family's genera before it is selected.
    Parse("Ambrosia deltoidea\nDesert flat\nJ. Smith 1236\n14 May 1995\n");
    Expect({{fFamily, "Asteraceae"}, {fGenus, "Ambrosia"}, {fSpecies, "deltoidea"}, {fScientificName, "Ambrosia deltoidea"}});
}

// The year in a collector's hyphenated number does not make the line a date line: the numbered
// line after it is not taken for the collector.
TEST_F(WholeLabels, CollectorNumberHoldingTheYear) {
    Parse("Plants of Arizona\nOak woodland on rocky slope\nJ. Smith 1998-1234\nN° 77\n12 May 1998\n");
    Expect({{fCollector, "J. Smith"}, {fCollectionNumber, "1234"}, {fCollectionDate, "12 May 1998"}},
           {{"PrefixEdit", "1998"}});
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
            const char* pieces[] = {"\n", " ", "12", "May", "-", "N", "°", "'", "ft", "m", "&", "with", ",",
                                    "Quercus", "alba", "Mexico", "No.", "N°", "1998", ".", "det", "(", ")", "x"};
            text += pieces[(seed >> 16) % 24];
        }
        dialogs.answers = {DialogButton::Ignore};
        Parse(text);
    }
    SUCCEED();
}

// A short last line is a line like any other: here it names the country (USA reads as United
// States, the later of the two in the list), and the state and the county follow from it.
TEST_F(WholeLabels, ShortLastLineNamesTheCountry) {
    AddCountry("United States", {{"Ohio", {"Franklin", "Scioto"}}});
    for (const char* end : {"USA", "USA\n"}) {
        SCOPED_TRACE(end);
        Parse(std::string("Flora of Ohio\nQuercus alba\nFranklin County, on oak bark\nJ. Smith 1234\n12 May 1995\n") +
              end);
        Expect({{fCountry, "United States"}, {fState, "Ohio"}, {fCounty, "Franklin"}, {fCollector, "J. Smith"}});
    }
}

// A line whose coordinates were taken names no collector: the next best line does.
TEST_F(WholeLabels, CoordinateLineIsNoCollector) {
    Parse("Plants of Chihuahua, Mexico\nQuercus emoryi\nJanos, oak woodland\nLat. 28° N, Long. 107° W\n"
          "D. Baca 73\n12 May 1995\n");
    Expect({{fCollector, "D. Baca"}, {fCollectionNumber, ""}, {fOtherCollectors, ""}},
           {{"LatDegreesEdit", "28"}, {"NSCombo", "N"}, {"LongDegreesEdit", "107"}, {"EWCombo", "W"}});
    // Without a date line nothing scores as the collector's line: the coordinate line is still no
    // collector's, nor joined to one.
    Parse("Lat. 28° N, Long. 107° W\nD. Baca 73\non oak bark\nQuercus emoryi\n");
    Expect({{fCollector, "D. Baca"}, {fOtherCollectors, ""}}, {{"LongDegreesEdit", "107"}});
    Parse("Janos, on oak bark\nLat. 28° N, Long. 107° W\nD. Baca 73\nQuercus emoryi\n");
    EXPECT_EQ(F(fOtherCollectors).find("Long"), std::string::npos) << F(fOtherCollectors);
    // Only the coordinates of the line are passed over: the names after them are the collectors.
    Parse("Plants of Chihuahua, Mexico\nQuercus emoryi\nJanos, oak woodland\nLat. 28° N, Long. 107° W, D. Baca & R. Lopez\n"
          "12 May 1995\n");
    Expect({{fCollector, "D. Baca"}, {fOtherCollectors, "R. Lopez"}}, {{"LongDegreesEdit", "107"}});
}

// A plant's height below the lowest elevation, on the line that scores best for the elevation,
// leaves the elevation to the coordinate line after it.
TEST_F(WholeLabels, HeightBelowTheLowestElevationLeavesItToTheNextLine) {
    Parse("Plants of New Mexico\nPinus edulis\nTree 5 m.\n35°49'10\" N, 106°41'20\" W   Elev. 2000 m\n"
          "J. Smith 1234\n12 May 1995\n");
    Expect({{fCollector, "J. Smith"}, {fCollectionNumber, "1234"}},
           {{"ElevMetersLowEdit", "2000"}, {"ElevFeetLowEdit", ""}, {"LatDegreesEdit", "35"}, {"LongSecondsEdit", "20"}});
}
