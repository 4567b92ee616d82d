// Correcting fields by hand: paste, user-field and tool buttons, the field popup menu and the
// colour handlers, including controls whose Tag is no field.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/FieldAccess.h"
#include "fields/FieldEntryTools.h"

using namespace quorl;

class FieldEntryTest : public ptest::ParserTest {
protected:
    // Selects the first occurrence of part in the label window.
    void Select(const std::string& label, const std::string& part) {
        s.form.SetText("RichEdit1", label);
        size_t at = label.find(part);
        ASSERT_NE(at, std::string::npos);
        s.form.SetSelection("RichEdit1", static_cast<int>(at), static_cast<int>(part.size()));
    }
    std::string Text(const char* name) { return s.form.Get(name).text; }
};

TEST_F(FieldEntryTest, PasteButtonsWriteTheCleanedSelectionIntoTheirField) {
    Select("Flora\r\nHab.: oak woods, \r\nJ. Smith 42", ": oak woods, ");
    s.parser.CurrentLine = 1;
    PasteSelectionButtonClick(s, "HabitatButton");
    EXPECT_EQ(Text("HabitatMemo"), "oak woods");
    EXPECT_EQ(Def(fHabitat).FoundLine, 1);
    Select("Flora\r\nQZV0012345", "QZV0012345");
    PasteSelectionButtonClick(s, "Button1");
    EXPECT_EQ(Text("Edit2"), "QZV0012345");
    // An empty selection is written like any other text.
    s.form.SetSelection("RichEdit1", 0, 0);
    PasteSelectionButtonClick(s, "Button1");
    EXPECT_EQ(Text("Edit2"), "");
}

TEST_F(FieldEntryTest, ButtonsWhoseTagIsNoFieldDoNothing) {
    s.FieldDefinitions.resize(kMaxFields);
    Select("Flora of Ohio", "Ohio");
    for (const char* name : {"PrefixButton", "SuffixButton", "ParseOnlyButton", "ImageNumLabel", "UserLabel", "NoSuchButton"})
        EXPECT_NO_FATAL_FAILURE(PasteSelectionButtonClick(s, name));
    for (const auto& c : s.form.Controls())
        if (c->kind == ControlKind::Edit && c->name != "FontEdit") {
            EXPECT_EQ(c->text, "") << c->name;
        }
    EXPECT_EQ(Text("UserEdit"), "");
}

TEST_F(FieldEntryTest, UserFieldButtonsWriteTheirFieldFromLineZero) {
    s.FieldDefinitions.resize(34);
    Select("Flora\r\nsoil: loam", "loam");
    s.parser.CurrentLine = 5;
    CustomButtonOnClick(s, "CustomButton2");
    EXPECT_EQ(Text("CustomEdit2"), "loam");
    EXPECT_EQ(s.FieldDefinitions[32].FoundLine, 0);
    CustomButtonOnClick(s, "CollectorButton");
    EXPECT_EQ(Text("CollectorEdit"), "");
}

TEST_F(FieldEntryTest, ToolButtonsFillTheirEditAndLog) {
    s.Debug = true;
    Select("34 deg 12 min N", "12");
    EXPECT_TRUE(ToolButtonClick(s, "LatMinButton"));
    EXPECT_EQ(Text("LatMinutesEdit"), "12");
    Select("elev. 1200-1500 m", "1500");
    EXPECT_TRUE(ToolButtonClick(s, "ElevHighMetersButton"));
    EXPECT_EQ(Text("ElevMetersHighEdit"), "1500");
    EXPECT_TRUE(ToolButtonClick(s, "PrefixButton"));
    EXPECT_EQ(Text("PrefixEdit"), "1500");
    EXPECT_FALSE(ToolButtonClick(s, "CollectorButton"));
    EXPECT_NE(LogText().find("-->Manual ElevMetersHigh with 1500"), std::string::npos);
    EXPECT_NE(LogText().find("-->Manual LatMinutes with 12"), std::string::npos);
}

TEST_F(FieldEntryTest, PopupInsertOverwriteAppendOnEditsAndMemos) {
    s.form.SetText("NotesMemo", "dry");
    Select("Very\r\nwet", "Very");
    PopupSelectionInto(s, "NotesMemo", PopupPlacement::InsertAtBeginning);
    EXPECT_EQ(Text("NotesMemo"), "Very dry");
    Select("Very\r\nwet", "wet");
    PopupSelectionInto(s, "NotesMemo", PopupPlacement::AppendAtEnd);
    EXPECT_EQ(Text("NotesMemo"), "Very dry wet");
    PopupSelectionInto(s, "PhenologyEdit", PopupPlacement::Overwrite);
    EXPECT_EQ(Text("PhenologyEdit"), "wet");
    // Lists and unknown controls are left alone.
    s.form.SetText("CountryCombo", "Peru");
    PopupSelectionInto(s, "CountryCombo", PopupPlacement::Overwrite);
    PopupSelectionInto(s, "Nothing", PopupPlacement::Overwrite);
    EXPECT_EQ(Text("CountryCombo"), "Peru");
}

TEST_F(FieldEntryTest, PopupShowsItemsAndSwitchesOfBuiltInFields) {
    Def(fHerbarium).Preserve = true;
    FieldPopupMenu menu;
    PopupMenu1Popup(s, "HerbariumEdit", menu);
    EXPECT_FALSE(menu.editItemsVisible);  // no selection
    EXPECT_TRUE(menu.preserveChecked);
    EXPECT_FALSE(menu.warnChecked);
    Select("Herb. of Ohio", "Ohio");
    PopupMenu1Popup(s, "HerbariumEdit", menu);
    EXPECT_TRUE(menu.editItemsVisible);
    PopupMenu1Popup(s, "FamilyCombo", menu);
    EXPECT_FALSE(menu.editItemsVisible);  // a list
    // Controls that are no built-in field keep the switches as they were.
    for (const char* name : {"UserEdit", "ImageNameEdit", "PrefixEdit", "CustomEdit0"}) {
        menu.preserveChecked = true;
        menu.warnChecked = true;
        PopupMenu1Popup(s, name, menu);
        EXPECT_TRUE(menu.preserveChecked && menu.warnChecked) << name;
        EXPECT_TRUE(menu.editItemsVisible) << name;
    }
}

TEST_F(FieldEntryTest, PreserveToggleKeepsTheValueAtClearFields) {
    s.form.SetText("HerbariumEdit", "OS");
    s.form.SetText("PhenologyEdit", "flowers");
    Preserve1Click(s, "HerbariumEdit");
    EXPECT_TRUE(Def(fHerbarium).Preserve);
    Required1Click(s, "PhenologyEdit");
    EXPECT_TRUE(Def(fPhenology).WarnIfEmpty);
    ClearFields(s);
    EXPECT_EQ(Text("HerbariumEdit"), "OS");
    EXPECT_EQ(Text("PhenologyEdit"), "");
    Preserve1Click(s, "HerbariumEdit");
    ClearFields(s);
    EXPECT_EQ(Text("HerbariumEdit"), "");
    // Switches on controls without a built-in field change nothing (and index nothing).
    s.FieldDefinitions.resize(5);
    for (const char* name : {"UserEdit", "ImageNameEdit", "PrefixEdit", "HerbariumEdit", "FontEdit"}) {
        Preserve1Click(s, name);
        Required1Click(s, name);
    }
    EXPECT_EQ(s.FieldDefinitions.size(), 5u);
}

TEST_F(FieldEntryTest, ColourHandlersColourTheFocusedControlOnlyWhenItIsAField) {
    BindFieldChangeHandlers(s);
    Def(fCollector).WarnIfEmpty = true;
    s.form.focused = "CollectorEdit";
    s.form.UserSetText("CollectorEdit", "Smith");
    EXPECT_EQ(s.form.Get("CollectorEdit").color, kColorWindow);
    s.form.UserSetText("CollectorEdit", "");
    EXPECT_EQ(s.form.Get("CollectorEdit").color, kColorRed);
    // A change from code while another control has the focus colours that control.
    s.form.focused = "ImageNameEdit";
    s.form.SetText("PhenologyEdit", "x");
    EXPECT_EQ(s.form.Get("ImageNameEdit").color, kColorRed);
    // Focused controls with Tags that are no field, or none at all, colour nothing.
    for (const char* name : {"UserEdit", "PrefixEdit", "SuffixEdit", "FontEdit", "CustomEdit3", "ParseOnlyButton", "nothing", ""}) {
        s.form.focused = name;
        EXPECT_NO_FATAL_FAILURE(s.form.SetText("DeterminedByEdit", std::string("by ") + name));
        EXPECT_NO_FATAL_FAILURE(s.form.SetText("PhenologyEdit", name));
        EXPECT_NO_FATAL_FAILURE(s.form.SetText("DeterminedByEdit", ""));
    }
    EXPECT_EQ(s.form.Get("UserEdit").color, kColorWindow);
    EXPECT_EQ(s.form.Get("PrefixEdit").color, kColorWindow);
    Def(fPhenology).WarnIfEmpty = true;
    s.form.focused = "PhenologyEdit";
    s.form.UserSetText("PhenologyEdit", "buds");
    EXPECT_EQ(s.form.Get("PhenologyEdit").color, kColorWindow);
    s.form.UserSetText("PhenologyEdit", "");
    EXPECT_EQ(s.form.Get("PhenologyEdit").color, kColorRed);
}
