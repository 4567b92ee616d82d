// The place searches (country, state, county) and the lines that name an institution or that the
// herbarium takes: such a line names where the specimen is kept, not where it was collected.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/Text.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "parser/Phases.h"
#include "parser/PlaceLines.h"

using namespace quorl;

namespace {

class PlaceLines : public ptest::ParserTest {
protected:
    PlaceLines() {
        s.Debug = false;
        AddCountry("Dominica", {{"Saint George", {"Roseau"}}});
        AddCountry("Mexico", {{"Chihuahua", {"Janos"}}, {"Sonora", {"Alamos"}}});
        AddCountry("United States", {{"Alaska", {"Juneau", "Sitka"}},
                                     {"New York", {"Albany", "Bronx"}},
                                     {"Texas", {"Travis"}},
                                     {"New Mexico", {"Luna", "Otero"}}});
        for (int f : {fCountry, fState, fCounty, fHerbarium}) {
            Def(f).Minimum = 1;
            Def(f).Maximum = 50;
        }
        Def(fHerbarium).ContainedWords = "herbarium,arboretum";
    }
    // country|state|county after the three place phases (a list's prompt counts as empty).
    std::string Places(const std::vector<std::string>& lines) {
        ClearFields(s);
        SetLines(lines);
        PhaseState ps;
        CountryPhase(s, ps);
        if (ps.countryFound) StatePhase(s, ps);
        CountyPhase(s, ps);
        const auto value = [&](int f) { return StartsWith(F(f), "Select ") ? std::string() : F(f); };
        return value(fCountry) + "|" + value(fState) + "|" + value(fCounty);
    }
};

TEST_F(PlaceLines, InstitutionAndHerbariumLinesNameNoPlaceOfCollection) {
    const struct {
        std::vector<std::string> lines;
        const char* places;
    } cases[] = {
        {{"THE NEW YORK BOTANICAL GARDEN", "LICHENS OF ALASKA, USA", "Juneau"}, "United States|Alaska|Juneau"},
        {{"New York Botanical Garden, Bronx", "Plants of New York, USA", "Albany"}, "United States|New York|Albany"},
        {{"University of Texas", "Plants of Alaska, USA"}, "United States|Alaska|"},
        {{"Plants of Mexico", "United States National Museum"}, "Mexico||"},
        {{"Plants of Mexico", "Smithsonian Institution, United States"}, "Mexico||"},
        {{"Herbario de Texas", "Plantas de Alaska, USA"}, "United States|Alaska|"},
        {{"Jardin botanique de Texas", "Lichens, Alaska, USA"}, "United States|Alaska|"},
        {{"Mus\u00e9e de Texas", "Plants of Alaska, USA"}, "United States|Alaska|"},
        // A contained word of the Herbarium takes its line, as the herbarium phase will.
        {{"Arnold Arboretum, New York", "Plants of Alaska, USA", "Juneau"}, "United States|Alaska|Juneau"},
        // A word glued to a letter before it names no institution.
        {{"Plants of Alaska, USA", "Preuniversity camp, Juneau"}, "United States|Alaska|Juneau"},
        // A country named only by an institution is taken (a national herbarium collects at home);
        // its state is not.
        {{"University of Texas, United States", "Plants of the north", "x"}, "United States||"},
        // With no other line, the institution's lines are searched.
        {{"University of Alaska, USA", "Herbarium of Alaska"}, "United States|Alaska|"},
        // Only the institution's name is passed over, not the rest of its line.
        {{"Albany County: hill near the Texas Memorial Museum", "Plants of New York, USA"},
         "United States|New York|Albany"},
        {{"Plants of New York, USA", "Albany County: grounds of the Bronx Botanical Garden"},
         "United States|New York|Albany"},
        {{"Albany County, University Park, on oak bark", "Plants of New York, USA"}, "United States|New York|Albany"},
        {{"Plants of Alaska, U.S.A., for the University of Texas Herbarium", "Lichens of the USA"},
         "United States|Alaska|"},
        {{"The New York Botanical Garden Lichens of Alaska State", "Plants of the USA"}, "United States|Alaska|"},
        {{"PLANTS OF ALASKA Lakehead University, Juneau, USA", "x"}, "United States|Alaska|"},
    };
    for (const auto& c : cases) EXPECT_EQ(Places(c.lines), c.places) << c.lines[0];
}

// The name that is blanked out stands in brackets.
TEST(InstitutionNames, AreBlankedWithTheirCapitalisedWordsAndTown) {
    const std::vector<std::string> keywords = {"botanical garden", "herbarium", "university", "museum"};
    const char* const cases[] = {
        "Travis County: near the [Texas Memorial Museum].",
        "[HERBARIUM OF THE UNIVERSITY OF UTAH]",
        "The [New York Botanical Garden] Lichens of New York",
        "PLANTS OF UTAH [Lakehead University, Ely], Utah",
        "Smith 12 [NEW YORK botanical GARDEN]",
        "TEXAS\t[NEW YORK BOTANICAL GARDEN]",
        "Lichens of Utah [NEW YORK BOTANICAL GARDEN]",
        "Utah, [new york botanical garden]",
        "[Herbarium of Utah], Salt Lake City: X",
        "[university] of utah",
        "Plants of Utah",
    };
    for (const std::string marked : cases) {
        std::string text, blanked;
        bool inName = false;
        for (char c : marked) {
            if (c == '[' || c == ']') {
                inName = c == '[';
                continue;
            }
            text += c;
            blanked += inName ? ' ' : c;
        }
        EXPECT_EQ(BlankInstitutionNames(text, keywords), blanked) << marked;
    }
}

TEST_F(PlaceLines, AHerbariumWithItsOwnValueTakesNoLine) {
    const std::vector<std::string> lines = {"Arnold Arboretum, New York", "Plants of the USA", "x"};
    EXPECT_EQ(Places(lines), "United States||");
    Def(fHerbarium).Default = "Arnold Arboretum";
    EXPECT_EQ(Places(lines), "United States|New York|");
    Def(fHerbarium).Default = "";
    Def(fHerbarium).Preserve = true;
    s.form.SetText("HerbariumEdit", "Arnold Arboretum");
    EXPECT_EQ(Places(lines), "United States|New York|");
}

// The lists that a hand-chosen country or state fills pick their state or county from the label
// as the parse left it, past the same lines.
TEST_F(PlaceLines, ListsFilledByHandPassTheSameLines) {
    EXPECT_EQ(Places({"New York Botanical Garden", "Lichens of Alaska", "x"}), "||");
    s.form.SetItemIndex("CountryCombo", 2);
    CountryComboChange(s);
    EXPECT_EQ(F(fState), "Alaska");
    EXPECT_EQ(Places({"New York Botanical Garden, Albany", "Lichens of the USA", "Bronx"}), "United States||");
    s.form.SetItemIndex("StateCombo", 1);
    StateComboChange(s);
    EXPECT_EQ(F(fCounty), "Bronx");
}

// The Country's Default is looked up in the list (a missing one is reported, then the lines are
// searched); a preserved Country is kept and nothing is searched.
TEST_F(PlaceLines, CountryDefaultOrPreservedCountry) {
    const struct {
        const char* defaultName;
        bool preserve;
        const char* shown;  // the Country's text before the phase
        const char* country;
        int index;  // the country the state search then reads
        const char* message;
    } cases[] = {
        {"Mexico", false, "", "Mexico", 1, ""},
        {"Dominica", false, "", "Dominica", 0, ""},
        // A Default not in the list is reported and the lines are searched; the list still shows
        // the Default, as every field with a Default does.
        {"mexico", false, "", "mexico", 2, "Country Default mexico not found."},
        {"Atlantis", false, "", "Atlantis", 2, "Country Default Atlantis not found."},
        {"Mexico", true, "Dominica", "Mexico", 1, ""},
        {"", true, "Dominica", "Dominica", 0, ""},
        {"", true, "Select Country", "United States", 2, ""},
        {"", true, "", "United States", 2, ""},
        {"", false, "Dominica", "United States", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.defaultName) + "|" + c.shown);
        dialogs.messages.clear();
        Def(fCountry).Default = c.defaultName;
        Def(fCountry).Preserve = c.preserve;
        s.form.SetItemIndex("CountryCombo", -1);
        if (std::string(c.shown) == "Dominica") s.form.SetItemIndex("CountryCombo", 0);
        s.form.SetText("CountryCombo", c.shown);
        SetLines({"Plants of Alaska, USA", "x", "y"});
        PhaseState ps;
        CountryPhase(s, ps);
        EXPECT_TRUE(ps.countryFound);
        EXPECT_EQ(F(fCountry), c.country);
        EXPECT_EQ(ps.countryIndex, c.index);
        EXPECT_EQ(dialogs.messages.empty() ? "" : dialogs.messages[0], c.message);
    }
}

// A line names the country as the label writes it: "USA" alone or at the line's start, and not
// where the country's name only ends the name of another place of the list.
TEST_F(PlaceLines, HowALineNamesTheCountry) {
    const struct {
        std::vector<std::string> lines;
        const char* places;
    } cases[] = {
        {{"Plants of Alaska", "USA"}, "United States|Alaska|"},
        {{"USA, Alaska.", "x"}, "United States|Alaska|"},
        {{"Plants of New Mexico", "x"}, "||"},
        {{"Plants of New Mexico", "Sonora, Mexico"}, "Mexico|Sonora|Alamos"},
        {{"Sonora: New Mexico border, Mexico", "x"}, "Mexico|Sonora|Alamos"},
    };
    for (const auto& c : cases) EXPECT_EQ(Places(c.lines), c.places) << c.lines[0];
}

// Of two states, or two counties, named in the label the one later in its list is taken.
TEST_F(PlaceLines, StateAndCountyTiesGoToTheLaterItem) {
    const struct {
        std::vector<std::string> lines;
        const char* places;
    } cases[] = {
        {{"Plants of the USA", "Texas, near Alaska"}, "United States|Texas|Travis"},
        {{"Plants of the USA", "Alaska", "Texas"}, "United States|Texas|Travis"},
        {{"Plants of New York, USA", "Albany to Bronx"}, "United States|New York|Bronx"},
        {{"Plants of New York, USA", "Bronx", "Albany"}, "United States|New York|Bronx"},
    };
    for (const auto& c : cases) EXPECT_EQ(Places(c.lines), c.places) << c.lines[1];
}

}  // namespace

