#include "LoaderTestSupport.h"
#include "editors/CountryEditor.h"
#include "model/ReferenceLists.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

using Names = std::vector<std::string>;
constexpr auto kCountry = PlaceLevel::Country;
constexpr auto kState = PlaceLevel::State;
constexpr auto kCounty = PlaceLevel::County;

class CountryEditorTest : public LoaderTest {
protected:
    CountryEditorTest() : editor(s) {
        WriteFile(folder / "CountryList.txt",
                  "Chad(7.4/23.5/13.5/24)\tKanem(12/16/14/16.5),Mao,Nokou\tLac\r\n"
                  "Peru\tLima(-13/-10/-78/-76),Huaral,Lima\r\n");
        LoadCountryList(s);
        editor.Open();
    }
    std::string File() { return ReadFile(folder / "CountryList.txt"); }
    CountryEditor editor;
};

TEST_F(CountryEditorTest, TheListsFollowTheSelectionAndShowTheBoxes) {
    EXPECT_EQ(editor.Names(kCountry), (Names{"Chad", "Peru"}));
    EXPECT_TRUE(editor.Names(kState).empty());
    editor.Select(kCountry, 0);
    EXPECT_EQ(editor.Names(kState), (Names{"Kanem", "Lac"}));
    EXPECT_EQ(editor.BoundsText(kCountry), (std::array<std::string, 4>{"7.4", "23.5", "13.5", "24"}));
    editor.Select(kState, 0);
    EXPECT_EQ(editor.Names(kCounty), (Names{"Mao", "Nokou"}));
    editor.Select(kCounty, 1);
    EXPECT_EQ(editor.BoundsText(kCounty), (std::array<std::string, 4>{}));  // no box: empty fields
    editor.Select(kCountry, 1);  // a new country clears the levels below
    EXPECT_EQ(editor.Selected(kState), -1);
    EXPECT_EQ(editor.Selected(kCounty), -1);
    EXPECT_EQ(editor.BoundsText(kState), (std::array<std::string, 4>{}));
    EXPECT_FALSE(editor.SaveEnabled());
    editor.Open();  // a new opening starts with nothing chosen
    EXPECT_EQ(editor.Selected(kCountry), -1);
    EXPECT_TRUE(editor.Names(kState).empty());
}

TEST_F(CountryEditorTest, TypedBoundsGoToTheSelectedPlaceOnly) {
    editor.Select(kCountry, 0);
    EXPECT_FALSE(editor.StoreBound(kCounty, 0, "12"));  // no county selected: nothing stored
    EXPECT_FALSE(editor.StoreBound(kCountry, 4, "12"));  // four rows only
    EXPECT_FALSE(editor.SaveEnabled());
    editor.Select(kState, 1);
    EXPECT_TRUE(editor.StoreBound(kState, 1, "14,5"));
    EXPECT_TRUE(editor.StoreBound(kState, 0, "x"));  // not a number: 0
    EXPECT_TRUE(editor.SaveEnabled());
    const CountryClass& lac = s.CountryList[0].Children[1];
    EXPECT_FLOAT_EQ(lac.MaxLat, 14.5f);
    EXPECT_EQ(lac.MinLat, 0.0f);
    ASSERT_TRUE(editor.Save());
    // A box with a zero minimum is written all the same.
    EXPECT_EQ(File(), "Chad(7.4/23.5/13.5/24)\tKanem(12/16/14/16.5),Mao,Nokou\tLac(0/14.5/0/0)\r\n"
                      "Peru\tLima(-13/-10/-78/-76),Huaral,Lima\r\n");
    EXPECT_FALSE(editor.SaveEnabled());
}

TEST_F(CountryEditorTest, AddingSortsTheLevelAndKeepsDuplicates) {
    EXPECT_FALSE(editor.PopupItems(kState).add);  // no country selected
    editor.Select(kCountry, 1);
    editor.Select(kState, 0);
    editor.Select(kCounty, 1);
    EXPECT_TRUE(editor.PopupItems(kCounty).add);
    EXPECT_TRUE(editor.PopupItems(kCounty).remove);
    editor.Select(kCounty, -1);
    EXPECT_FALSE(editor.PopupItems(kCounty).remove);
    dialogs.inputs = {"Canta", "Huaral"};
    editor.Select(kCounty, 0);
    EXPECT_TRUE(editor.AddItem(kCounty));
    EXPECT_EQ(editor.Selected(kCounty), -1);  // the sorted list has moved the chosen county
    EXPECT_TRUE(editor.AddItem(kCounty));
    EXPECT_EQ(editor.Names(kCounty), (Names{"Canta", "Huaral", "Huaral", "Lima"}));
    EXPECT_EQ(editor.Selected(kState), 0);  // the state stays selected
    EXPECT_TRUE(editor.SaveEnabled());
    EXPECT_EQ(dialogs.shown.front(), "input: Add Item / Enter the name");
}

TEST_F(CountryEditorTest, NamesThatWouldBreakTheFileAreRefused) {
    const std::pair<std::string, std::string> refused[] = {
        {"Sao Tome (island)", "A place name may not hold \"(\"."}, {"A,B", "A place name may not hold \",\"."},
        {"North/South", "A place name may not hold \"/\"."},   {"Tab\there", "A place name may not hold a TAB."},
        {"", "A place needs a name."}};
    for (const auto& [name, message] : refused) {
        dialogs.inputs = {name};
        EXPECT_FALSE(editor.AddItem(kCountry)) << name;
        EXPECT_EQ(dialogs.messages.back(), message);
    }
    dialogs.inputs = {"  Zambia  "};
    EXPECT_FALSE(editor.SaveEnabled());
    EXPECT_TRUE(editor.AddItem(kCountry));
    EXPECT_EQ(editor.Names(kCountry).back(), "Zambia");

    editor.Select(kCountry, 0);
    dialogs.inputs = {"Chad\r\nNiger"};
    EXPECT_FALSE(editor.EditItem(kCountry));
    EXPECT_EQ(dialogs.messages.back(), "A place name may not hold a line break.");
    EXPECT_EQ(s.CountryList[0].Name, "Chad");
}

TEST_F(CountryEditorTest, DeleteAsksNamingThePlaceAndItsParents) {
    editor.Select(kCountry, 0);
    editor.Select(kState, 0);
    editor.Select(kCounty, 1);
    dialogs.answers = {DialogButton::Cancel, DialogButton::Yes, DialogButton::Yes};
    EXPECT_FALSE(editor.DeleteItem(kCounty));
    EXPECT_EQ(dialogs.questions.back(), "Delete Nokou from Kanem, Chad?");
    EXPECT_EQ(editor.Names(kCounty).size(), 2u);
    EXPECT_TRUE(editor.DeleteItem(kCounty));
    EXPECT_EQ(editor.Names(kCounty), (Names{"Mao"}));
    EXPECT_TRUE(editor.DeleteItem(kState));
    EXPECT_EQ(dialogs.questions.back(), "Delete Kanem from Chad?");
    EXPECT_EQ(editor.Names(kState), (Names{"Lac"}));
    editor.Select(kCountry, 1);
    dialogs.answers = {DialogButton::Yes};
    EXPECT_TRUE(editor.DeleteItem(kCountry));
    EXPECT_EQ(dialogs.questions.back(), "Delete Country Peru?");
    EXPECT_EQ(editor.Names(kCountry), (Names{"Chad"}));
}

TEST_F(CountryEditorTest, RenamingResortsTheLevel) {
    editor.Select(kCountry, 0);
    dialogs.inputs = {"Tchad"};
    EXPECT_TRUE(editor.EditItem(kCountry));
    EXPECT_EQ(dialogs.shown.back(), "input: Edit Item / Name");
    EXPECT_EQ(editor.Names(kCountry), (Names{"Peru", "Tchad"}));
    EXPECT_EQ(s.CountryList[1].Children.size(), 2u);  // the states moved with it
}

TEST_F(CountryEditorTest, ASaveThatReordersPlacesLetsGoOfTheChosenOnes) {
    WriteFile(folder / "CountryList.txt", "Peru\tLima,Lima,Huaral\r\n");
    LoadCountryList(s);
    editor.Open();
    editor.Select(kCountry, 0);
    editor.Select(kState, 0);
    editor.Select(kCounty, 0);
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(editor.Selected(kCounty), -1);
    EXPECT_EQ(editor.Selected(kCountry), -1);
    EXPECT_EQ(File(), "Peru\tLima,Huaral,Lima\r\n");
    // Nothing moved: the choice stays.
    editor.Select(kCountry, 0);
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(editor.Selected(kCountry), 0);
}

TEST_F(CountryEditorTest, AFailedSaveKeepsSaveEnabledAndClosingAsks) {
    editor.Select(kCountry, 0);
    dialogs.inputs = {"Batha"};
    ASSERT_TRUE(editor.AddItem(kState));
    const std::string before = File();
    s.ProgramFolder = folder / "missing";
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(dialogs.messages.back().rfind("Unable to create or open file ", 0), 0u);
    EXPECT_TRUE(editor.SaveEnabled());

    dialogs.answers = {DialogButton::Cancel};
    EXPECT_FALSE(editor.Close());
    EXPECT_EQ(dialogs.questions.back(), "Exit without saving?");
    s.ProgramFolder = folder;
    dialogs.answers = {DialogButton::Yes};
    EXPECT_TRUE(editor.Close());
    // The unsaved state is gone: the list is the file's again, and the main window's list with it.
    EXPECT_EQ(s.CountryList[0].Children.size(), 2u);
    EXPECT_EQ(s.form.Get("CountryCombo").items, (Names{"Chad", "Peru"}));
    EXPECT_EQ(File(), before);
}

TEST_F(CountryEditorTest, ASaveAsksBeforeItDropsTextTheLoadCouldNotRead) {
    WriteFile(folder / "CountryList.txt", "Chad(7.4/23.5/13.5/24) near the lake\r\nPeru\r\n");
    LoadCountryList(s);
    editor.Open();
    dialogs.answers = {DialogButton::No, DialogButton::Yes};
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(File(), "Chad(7.4/23.5/13.5/24) near the lake\r\nPeru\r\n");
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(File(), "Chad(7.4/23.5/13.5/24)\r\nPeru\r\n");
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(CountryEditorTest, ClosingAfterSaveAsksNothingAndKeepsTheSavedPlaces) {
    editor.Select(kCountry, 1);
    editor.Select(kState, 0);
    dialogs.inputs = {"Canta"};
    ASSERT_TRUE(editor.AddItem(kCounty));
    ASSERT_TRUE(editor.Save());
    EXPECT_TRUE(editor.Close());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(s.CountryList[1].Children[0].Children.size(), 3u);
    EXPECT_EQ(File(), "Chad(7.4/23.5/13.5/24)\tKanem(12/16/14/16.5),Mao,Nokou\tLac\r\n"
                      "Peru\tLima(-13/-10/-78/-76),Canta,Huaral,Lima\r\n");
}

}  // namespace
