// Reading, writing, clearing, cleaning and colouring the field controls of the main window.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"

using namespace quorl;

class FieldAccessTest : public ptest::ParserTest {};

TEST_F(FieldAccessTest, SetFieldTextCapitalisesAppendsAndRecordsTheLine) {
    SetLines({"a", "b", "c"});
    s.parser.CurrentLine = 2;
    SetFieldText(s, fFamily, "ASTERACEAE", false);
    EXPECT_EQ(GetFieldText(s, fFamily), "Asteraceae");
    EXPECT_EQ(Def(fFamily).FoundLine, 2);
    EXPECT_EQ(s.parser.LineOwner[2], fFamily);
    SetFieldText(s, fGenus, "pinus", false);
    EXPECT_EQ(C("GenusCombo").text, "Pinus");
    SetFieldText(s, fGenus, "1pinus", false);
    EXPECT_EQ(C("GenusCombo").text, "1pinus");

    s.parser.CurrentLine = 1;
    SetFieldText(s, fHabitat, "def", false);
    s.form.SetColor("HabitatMemo", kColorRed);
    SetFieldText(s, fHabitat, "  abc ", true);
    EXPECT_EQ(C("HabitatMemo").text, "def   abc");
    EXPECT_EQ(C("HabitatMemo").color, kColorWindow);
    EXPECT_NE(LogText().find("-->Fill Habitat with def   abc \r\n"), std::string::npos);
}

TEST_F(FieldAccessTest, SetFieldTextWithoutLineOrControlStillRecords) {
    s.parser.CurrentLine = -1;
    SetFieldText(s, fCollector, "J. Smith", false);
    EXPECT_EQ(Def(fCollector).FoundLine, -1);
    s.parser.CurrentLine = 250;  // past the tables
    SetFieldText(s, fCollector, "x", false);
    EXPECT_EQ(Def(fCollector).FoundLine, 250);
    s.parser.CurrentLine = 3;
    SetFieldText(s, 45, "nothing", false);  // no control, no definition
    EXPECT_EQ(GetFieldText(s, 45), "");
    EXPECT_EQ(s.parser.LineOwner[3], 45);
}

TEST_F(FieldAccessTest, CleanFieldTextAndRemoveStartWord) {
    for (auto [in, out] : {std::pair{" , 'Hello|world^,,", "Hello world"}, {"", ""}, {",,,", ""}, {"a\tb\x01", "a b"}})
        EXPECT_EQ(CleanFieldText(in), out) << in;
    Def(fCollector).StartWords = "coll,collector";
    for (auto [in, out] : {std::pair{"Collector: J. Smith", "J. Smith"}, {"coll.;: J. Smith", "J. Smith"},
                           {"collector", ""}, {"colle", "colle"}})
        EXPECT_EQ(RemoveStartWord(s, fCollector, in), out) << in;
    EXPECT_EQ(RemoveStartWord(s, 60, " x "), "x");
}

TEST_F(FieldAccessTest, FillByStartOrContainedWord) {
    Def(fTownship).StartWords = "township";
    SetLines({"Quercus", "Township 5N"});
    FillByStartOrContainedWord(s, fTownship);
    EXPECT_EQ(GetFieldText(s, fTownship), "Township 5N");
    SetLines({"Quercus", "township 5N"});
    FillByStartOrContainedWord(s, fTownship);
    EXPECT_EQ(GetFieldText(s, fTownship), "5N");
    // The colon or stop that follows a start word goes with it.
    Def(fBarcode).StartWords = "barcode";
    for (auto [line, value] : {std::pair{"barcode:QZV 0001", "QZV 0001"}, {"barcode. 0002", "0002"},
                               {"barcode ;: 0003", "0003"}}) {
        SetLines({"x", line});
        FillByStartOrContainedWord(s, fBarcode);
        EXPECT_EQ(GetFieldText(s, fBarcode), value) << line;
    }
    Def(fBarcode).StartWords = "";

    Def(fBarcode).ContainedWords = "barcode";
    SetLines({"x", "  QZV 0001 Barcode  "});
    FillByStartOrContainedWord(s, fBarcode);
    EXPECT_EQ(GetFieldText(s, fBarcode), "QZV 0001 Barcode");

    Def(fRange).Preserve = true;
    s.form.SetText("RangeEdit", "kept");
    Def(fRange).StartWords = "r";
    FillByStartOrContainedWord(s, fRange);
    EXPECT_EQ(GetFieldText(s, fRange), "kept");

    Def(fSection).Default = "12";
    s.parser.CurrentLine = 1;
    s.trace.Trace = true;
    s.trace.TraceField = fSection;
    FillByStartOrContainedWord(s, fSection);
    EXPECT_EQ(GetFieldText(s, fSection), "12");
    EXPECT_EQ(Def(fSection).FoundLine, 1);
    EXPECT_EQ(s.trace.TraceText, "Setting to default: \"12\".\r\n");
}

// The log names the word that filled the field; the analyze mode of that field also the line.
TEST_F(FieldAccessTest, FillByStartOrContainedWordLogsAndExplainsTheWord) {
    Def(fTownship).StartWords = "twp,township";
    Def(fTownship).ContainedWords = "range";
    const struct {
        std::vector<std::string> lines;
        const char* log;    // the line of the log about the word, "" for none
        const char* trace;  // while tracing the field
    } cases[] = {
        {{"x", "Township 5N"}, "Found Unique Start Word: township",
         "\"Township 5N\" starts with StartWord \"township\".\r\n"},
        {{"x", "T5N Range 3E"}, "Found Unique Word range", "\"T5N Range 3E\" contains Word \"range\".\r\n"},
        {{"x", "y"}, "", ""},
    };
    s.trace.Trace = true;
    for (const auto& c : cases) {
        for (int traced : {int{fTownship}, int{fRange}}) {
            SCOPED_TRACE(c.lines[1] + " traced " + std::to_string(traced));
            const size_t since = LogText().size();
            s.trace.TraceField = traced;
            s.trace.TraceText.clear();
            SetLines(c.lines);
            FillByStartOrContainedWord(s, fTownship);
            std::string found;
            for (const std::string& l : SplitLines(LogText().substr(since)))
                if (l.find("Found Unique") != std::string::npos) found += l.substr(l.find("Found Unique"));
            EXPECT_EQ(found, c.log);
            EXPECT_EQ(s.trace.TraceText, traced == fTownship ? c.trace : "");
        }
    }
}

TEST_F(FieldAccessTest, ApplyFieldDefault) {
    Def(fHerbarium).Default = "QZV";
    s.parser.CurrentLine = 5;
    EXPECT_TRUE(ApplyFieldDefault(s, fHerbarium));
    EXPECT_EQ(s.parser.CurrentLine, 0);
    EXPECT_EQ(GetFieldText(s, fHerbarium), "QZV");
    Def(fPhenology).Preserve = true;
    EXPECT_FALSE(ApplyFieldDefault(s, fPhenology));
    s.form.SetText("PhenologyEdit", "flowers");
    EXPECT_TRUE(ApplyFieldDefault(s, fPhenology));
    EXPECT_FALSE(ApplyFieldDefault(s, fAccession));
    EXPECT_FALSE(ApplyFieldDefault(s, 99));
}

TEST_F(FieldAccessTest, ClearFieldsKeepsPreservedValuesAndShowsDefaults) {
    AddFamily("Select", {});
    AddFamily("Fagaceae", {{"Quercus", {"alba", "rubra"}}, {"Fagus", {"grandifolia"}}});
    Def(fFamily).Preserve = true;
    Def(fFamily).Default = "Fagaceae";
    Def(fPhenology).Preserve = true;
    s.form.SetText("CollectorEdit", "J. Smith");
    s.form.SetColor("CollectorEdit", kColorRed);
    s.form.SetText("PhenologyEdit", "flowers");
    s.form.SetText("PrefixEdit", "A-");
    s.form.SetText("CustomEdit0", "not a field yet");
    ClearFields(s);
    EXPECT_EQ(C("CollectorEdit").text, "");
    EXPECT_EQ(C("CollectorEdit").color, kColorWindow);
    EXPECT_EQ(C("PhenologyEdit").text, "flowers");
    EXPECT_EQ(C("PrefixEdit").text, "");
    EXPECT_EQ(C("CustomEdit0").text, "not a field yet");  // Tag 30 is beyond 30 definitions
    EXPECT_EQ(C("FamilyCombo").text, "Fagaceae");
    EXPECT_EQ(C("FamilyCombo").color, kColorSilver);
    EXPECT_EQ(C("FamilyCombo").itemIndex, 1);
    EXPECT_EQ(C("GenusCombo").items, (std::vector<std::string>{"Quercus", "Fagus"}));
    EXPECT_EQ(s.parser.ChosenFamilyIndex, 1);
}

TEST_F(FieldAccessTest, WarnIfEmptyColoursDefaultsAndRequiredFields) {
    Def(fHerbarium).Default = "QZV";
    s.form.SetText("HerbariumEdit", "ABC");
    Def(fElevation).WarnIfEmpty = true;
    s.form.SetText("ElevMetersLowEdit", "100");
    s.form.SetText("ElevMetersHighEdit", "200");
    s.form.SetText("ElevFeetLowEdit", "300");
    Def(fHabitat).WarnIfEmpty = true;
    EXPECT_FALSE(WarnIfEmpty(s, -1));
    EXPECT_EQ(C("HerbariumEdit").text, "QZV");
    EXPECT_EQ(C("HerbariumEdit").color, kColorYellow);
    EXPECT_EQ(C("ElevFeetHighEdit").color, kColorRed);
    EXPECT_EQ(C("ElevMetersLowEdit").color, kColorWindow);
    EXPECT_EQ(C("HabitatMemo").color, kColorRed);

    s.form.SetText("HerbariumEdit", "");
    s.form.SetText("ElevFeetHighEdit", "400");
    s.form.SetText("HabitatMemo", "oak");
    EXPECT_TRUE(WarnIfEmpty(s, -1));
    EXPECT_EQ(C("HerbariumEdit").text, "QZV");
    EXPECT_EQ(C("HerbariumEdit").color, kColorSilver);
    EXPECT_EQ(C("HabitatMemo").color, kColorWindow);

    s.form.SetText("ElevFeetHighEdit", "");
    EXPECT_TRUE(WarnIfEmpty(s, fHabitat));  // only the named field is looked at
    EXPECT_FALSE(WarnIfEmpty(s, fElevation));
}

TEST_F(FieldAccessTest, WarnIfEmptyMarksScientificNameNotMatchingGenusAndSpecies) {
    s.form.SetItems("GenusCombo", {"Quercus", "Fagus"});
    s.form.SetItems("SpeciesCombo", {"alba", "rubra"});
    s.form.SetText("GenusCombo", "Quercus");
    s.form.SetText("SpeciesCombo", "alba");
    s.form.SetText("ScientificNameEdit", "quercus ALBA");
    WarnIfEmpty(s, fCollector);
    EXPECT_EQ(C("ScientificNameEdit").color, kColorWindow);
    s.form.SetText("ScientificNameEdit", "Quercus rubra");  // its change handler follows the name
    EXPECT_EQ(C("SpeciesCombo").text, "rubra");
    s.form.SetText("ScientificNameEdit", "Quercus");  // no blank: genus and species stay
    WarnIfEmpty(s, fCollector);
    EXPECT_EQ(C("ScientificNameEdit").color, kColorYellow);
}

TEST_F(FieldAccessTest, SelectFieldComboItemRecordsLineAndTraces) {
    AddCountry("Mexico", {});
    AddCountry("United States", {});
    SetLines({"x", "USA, Arizona"});
    s.trace.Trace = true;
    s.trace.TraceField = fCountry;
    SelectFieldComboItem(s, fCountry, 1, 1);
    EXPECT_EQ(C("CountryCombo").text, "United States");
    EXPECT_EQ(Def(fCountry).FoundLine, 1);
    EXPECT_EQ(s.parser.LineOwner[1], fCountry);
    SelectFieldComboItem(s, fCountry, 0, -1);
    EXPECT_EQ(Def(fCountry).FoundLine, 1);
    EXPECT_EQ(s.trace.TraceText,
              "Found \"United States in \"USA, Arizona\"\r\n.Found \"Mexico as Default or Preserved\r\n.");
}

TEST_F(FieldAccessTest, FindLineWithMostWords) {
    SetLines({"Quercus alba", "", "coll. J. Smith 123", "J. Smith & M. Jones"});
    // "J.  Smith": two blanks give three items, one of them empty; 2 of 3 found.
    for (auto [name, line] : {std::pair{"J. Smith", 2}, {"Smith", -1}, {"M. Jones", 3}, {"A. B. C. D.", -1}, {"J.  Smith", 2}})
        EXPECT_EQ(FindLineWithMostWords(s, name), line) << name;
    SetLines({"a b c"});
    EXPECT_EQ(FindLineWithMostWords(s, "a x y z"), -1);  // 1/4 is not above 0.3
    EXPECT_EQ(FindLineWithMostWords(s, "a b x y z"), 0);  // 2/5
}

