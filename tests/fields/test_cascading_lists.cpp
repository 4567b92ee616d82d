// Family > genus > species and country > state > county lists, filled from the list above and
// searched in the label lines.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"

using namespace quorl;
using V = std::vector<std::string>;

class CascadingListsTest : public ptest::ParserTest {
protected:
    CascadingListsTest() {
        AddFamily("Acanthaceae", {{"Justicia", {"californica"}}});
        AddFamily("Fagaceae", {{"Fagus", {"grandifolia"}}, {"Quercus", {"alba", "emoryi", "rugosa"}}});
        AddFamily("Pinaceae", {{"Abies", {"concolor"}}, {"Abiesia", {"nova", "vetus"}}, {"Pinus", {"cembroides", "edulis"}}});
        AddFamily("Cactaceae", {{"Opuntia", {"engelmannii", "phaeacantha"}}});
        s.form.SetText("RichEdit1", "label text");
    }
};

TEST_F(CascadingListsTest, GenusAndSpeciesFromTheFirstHalfOfTheLabel) {
    SetLines({"Plants of Arizona", "Quercus rugosa Nee", "Pima Co.", "oak woodland", "J. Smith 12", "1990"});
    s.form.UserSelectItem("FamilyCombo", 1);
    EXPECT_EQ(C("GenusCombo").items, (V{"Fagus", "Quercus"}));
    EXPECT_EQ(C("GenusCombo").text, "Quercus");
    EXPECT_EQ(Def(fGenus).FoundLine, 1);
    EXPECT_EQ(s.parser.LineOwner[1], fSpecies);
    EXPECT_EQ(C("SpeciesCombo").items, (V{"alba", "emoryi", "rugosa"}));
    EXPECT_EQ(C("SpeciesCombo").text, "rugosa");
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus rugosa");
    EXPECT_EQ(s.parser.ChosenFamilyIndex, 1);
}

TEST_F(CascadingListsTest, GenusSearchStopsAtHalfTheLinesOrTheFirstLocationLine) {
    SetLines({"Plants", "of", "Arizona", "Quercus alba"});
    s.form.UserSelectItem("FamilyCombo", 1);
    EXPECT_EQ(C("GenusCombo").text, "Select Genus");
    EXPECT_EQ(C("SpeciesCombo").text, "");
    Def(fLocation).FoundLine = 1;
    Def(fDescription).FoundLine = 3;
    SetLines({"Quercus alba", "Fagus", "x", "y", "z", "w"});
    s.form.UserSelectItem("FamilyCombo", 1);
    EXPECT_EQ(C("GenusCombo").text, "Quercus");
}

TEST_F(CascadingListsTest, LongestGenusWins) {
    SetLines({"Abies and Abiesia nova together", "b", "c", "d"});
    s.form.UserSelectItem("FamilyCombo", 2);
    EXPECT_EQ(C("GenusCombo").text, "Abiesia");
    EXPECT_EQ(C("SpeciesCombo").text, "nova");
}

TEST_F(CascadingListsTest, EmptyLabelWindowSearchesNothing) {
    s.form.SetText("RichEdit1", "");
    SetLines({"Quercus alba", "b", "c", "d"});
    s.form.UserSelectItem("FamilyCombo", 1);
    EXPECT_EQ(C("GenusCombo").text, "Select Genus");
}

TEST_F(CascadingListsTest, SingleGenusIsSelectedAtOnce) {
    SetLines({"nothing", "b"});
    s.form.UserSelectItem("FamilyCombo", 3);
    EXPECT_EQ(C("GenusCombo").text, "Opuntia");
    EXPECT_EQ(C("SpeciesCombo").items, (V{"engelmannii", "phaeacantha"}));
    EXPECT_EQ(C("SpeciesCombo").text, "Select Species");
    EXPECT_EQ(C("ScientificNameEdit").text, "Opuntia");
}

TEST_F(CascadingListsTest, FirstFamilyLeavesTheGenusListAlone) {
    s.form.UserSelectItem("FamilyCombo", 1);
    V before = C("GenusCombo").items;
    s.form.UserSelectItem("FamilyCombo", 0);
    EXPECT_EQ(C("GenusCombo").items, before);
    EXPECT_EQ(s.parser.ChosenFamilyIndex, 1);
}

TEST_F(CascadingListsTest, SpeciesMustStandApartFromTheGenus) {
    SetLines({"Pinus edulis", "x"});
    s.FamilyGenera = s.PlantList[2].Children;
    s.form.SetItems("GenusCombo", {"Abies", "Abiesia", "Pinus"});
    s.form.SetItemIndex("GenusCombo", 2);
    FillSpeciesCombo(s);
    EXPECT_EQ(C("SpeciesCombo").text, "edulis");
    EXPECT_EQ(Def(fSpecies).FoundLine, 0);
    s.form.SetItemIndex("GenusCombo", 5);  // no genus chosen
    FillSpeciesCombo(s);
    EXPECT_TRUE(C("SpeciesCombo").items.empty());
}

TEST_F(CascadingListsTest, ScientificNameComposedAndSplit) {
    s.form.UserSetText("ScientificNameEdit", "Pinus cembroides");
    EXPECT_EQ(C("GenusCombo").text, "Pinus");
    EXPECT_EQ(C("SpeciesCombo").text, "cembroides");
    s.form.UserSetText("ScientificNameEdit", "Abies");
    EXPECT_EQ(C("GenusCombo").text, "Pinus");

    s.form.SetText("GenusCombo", "Quercus");
    s.form.SetText("SpeciesCombo", "alba");
    s.form.UserSelectItem("RankCombo", 5);  // var., SubSp empty
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus alba var. ");
    SpeciesComboChange(s);
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus alba");
    s.form.UserSetText("SubSpEdit", "glabra");
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus alba var. glabra");
    SpeciesComboChange(s);
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus alba var. glabra");
}

class PlaceListsTest : public ptest::ParserTest {
protected:
    PlaceListsTest() {
        AddCountry("Mexico", {{"Baja California", {"Ensenada", "Tijuana"}},
                              {"Baja California Sur", {"La Paz", "Los Cabos", "Paz"}},
                              {"Sonora", {"Hermosillo"}}});
        AddCountry("Monaco", {{"Monaco", {}}});
    }
};

TEST_F(PlaceListsTest, LongestStateAndCountyFromTheLabel) {
    SetLines({"Plants of Mexico", "Baja California Sur: 5 km N of La Paz", "x"});
    s.form.UserSelectItem("CountryCombo", 0);
    EXPECT_EQ(C("StateCombo").items, (V{"Baja California", "Baja California Sur", "Sonora"}));
    EXPECT_EQ(C("StateCombo").text, "Baja California Sur");
    EXPECT_EQ(Def(fState).FoundLine, 1);
    EXPECT_EQ(C("ParishCombo").items, (V{"La Paz", "Los Cabos", "Paz"}));
    EXPECT_EQ(C("ParishCombo").text, "La Paz");
    EXPECT_EQ(Def(fCounty).FoundLine, 1);
}

TEST_F(PlaceListsTest, StateNamedLikeItsCountryIsNotTakenFromTheCountrysLine) {
    AddCountry("Mexico", {{"Mexico", {"Toluca"}}, {"Sonora", {}}});
    SetLines({"Plants of Mexico", "x", "y"});
    Def(fCountry).FoundLine = 0;
    s.form.UserSelectItem("CountryCombo", 2);
    EXPECT_EQ(C("StateCombo").text, "Select State");
    SetLines({"Plants of Mexico", "Edo. Mexico: Toluca", "y"});
    s.form.UserSelectItem("CountryCombo", 2);
    EXPECT_EQ(C("StateCombo").text, "Mexico");  // on another line it is the state
    EXPECT_EQ(Def(fState).FoundLine, 1);
    Def(fCountry).FoundLine = 1;
    SetLines({"Plants of Mexico", "x", "y"});
    s.form.UserSelectItem("CountryCombo", 2);
    EXPECT_EQ(C("StateCombo").text, "Mexico");
}

TEST_F(PlaceListsTest, NoStateNamedGivesPrompts) {
    SetLines({"nothing"});
    s.form.UserSelectItem("CountryCombo", 0);
    EXPECT_EQ(C("StateCombo").text, "Select State");
    EXPECT_TRUE(C("ParishCombo").items.empty());
    s.form.UserSelectItem("StateCombo", 2);
    EXPECT_EQ(C("ParishCombo").itemIndex, 0);
    EXPECT_EQ(C("ParishCombo").text, "Hermosillo");
}

TEST_F(PlaceListsTest, SingleStateIsChosenWithoutCounties) {
    SetLines({"nothing"});
    s.form.UserSelectItem("CountryCombo", 1);
    EXPECT_EQ(C("StateCombo").text, "Monaco");
    EXPECT_TRUE(C("ParishCombo").items.empty());
}

// A list refilled from the list above it loses its text with its items: no county, species or
// scientific name of the earlier choice stays behind.
TEST_F(PlaceListsTest, ChangingTheCountryEmptiesTheCountyText) {
    AddCountry("United States", {{"Ohio", {"Franklin County", "Ross County"}}, {"Utah", {"Cache County"}}});
    AddCountry("Canada", {{"Ontario", {}}, {"Quebec", {}}});
    AddCountry("Andorra", {{"Canillo", {}}});
    SetLines({"nothing"});
    for (int country : {3, 4}) {
        s.form.UserSelectItem("CountryCombo", 2);
        s.form.UserSelectItem("StateCombo", 0);
        s.form.UserSelectItem("ParishCombo", 0);
        ASSERT_EQ(C("ParishCombo").text, "Franklin County");
        s.form.UserSelectItem("CountryCombo", country);
        EXPECT_EQ(C("ParishCombo").text, "") << country;
        EXPECT_TRUE(C("ParishCombo").items.empty());
    }
    EXPECT_EQ(C("StateCombo").text, "Canillo");
}

TEST_F(CascadingListsTest, TypedGenusOutsideTheListLeavesNoOldSpecies) {
    s.form.UserSelectItem("FamilyCombo", 1);
    s.form.UserSelectItem("GenusCombo", 1);
    s.form.UserSelectItem("SpeciesCombo", 0);
    ASSERT_EQ(C("ScientificNameEdit").text, "Quercus alba");
    s.form.UserSetText("GenusCombo", "Quercusia");
    EXPECT_EQ(C("SpeciesCombo").text, "");
    EXPECT_TRUE(C("SpeciesCombo").items.empty());
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercusia");
    s.form.UserSetText("SpeciesCombo", "nova");
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercusia nova");
    s.form.UserSetText("GenusCombo", "Quercus");  // typed as listed: its species again
    EXPECT_EQ(C("SpeciesCombo").items, (V{"alba", "emoryi", "rugosa"}));
    EXPECT_EQ(C("ScientificNameEdit").text, "Quercus");
}

// The longest name is the one with most characters, not bytes.
TEST_F(PlaceListsTest, LongestStateCountsCharacters) {
    AddCountry("Bulgaria", {{"Sofia Grad", {}}, {"Пловдив", {}}});
    SetLines({"Sofia Grad, Пловдив"});
    s.form.UserSelectItem("CountryCombo", 2);
    EXPECT_EQ(C("StateCombo").text, "Sofia Grad");
}
