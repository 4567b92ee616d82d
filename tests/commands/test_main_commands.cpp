// The label commands of the main window: open, paste, clear, the layout file, analyze and the
// label window's popup.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "ParserFixture.h"
#include "base/Text.h"
#include "commands/BatchMode.h"
#include "commands/MainCommands.h"
#include "fields/CascadingLists.h"
#include "ocr/PhotoCommands.h"
#include "fields/FieldEntryTools.h"

using namespace quorl;
using V = std::vector<std::string>;

class MainCommandsTest : public ptest::ParserTest {
protected:
    std::string Label() { return s.form.Get("RichEdit1").text; }
};

TEST_F(MainCommandsTest, OpenParsesTheChosenFileAndSurvivesAnUnreadableOne) {
    Open1Click(s);  // cancelled
    EXPECT_EQ(dialogs.shown, (V{"open: Text Files|*.txt;*.rtf"}));
    EXPECT_EQ(dialogs.fileFolders[0], s.ProgramFolder);

    s.form.SetText("RichEdit1", "kept");
    dialogs.files = {s.ProgramFolder / "gone.txt", s.ProgramFolder};
    EXPECT_NO_THROW(Open1Click(s));
    EXPECT_NO_THROW(Open1Click(s));  // a folder is no file either
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(dialogs.messages[0], "Unable to open file: "));
    EXPECT_EQ(Label(), "kept");

    dialogs.files = {Write("one.txt", "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nJ. Smith 12\r\n")};
    Open1Click(s);
    EXPECT_EQ(s.parser.LineCount(), 4);
    EXPECT_EQ(s.form.Get("ImageLabel").text, "one.txt");
}

TEST_F(MainCommandsTest, TheOpenDialogStartsInTheFolderOfItsLastFile) {
    const std::string label = "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nJ. Smith 12\r\n";
    const auto labels = Write("labels/one.txt", label).parent_path();
    const auto batches = Write("batches/two.txt", label).parent_path();
    dialogs.files = {labels / "one.txt"};
    Open1Click(s);
    Open1Click(s);  // cancelled: the folder stays
    // Open and batch mode share the dialog: each starts where the other left it.
    dialogs.files = {batches / "two.txt"};
    s.BatchPauseMs = 0;
    BatchMode1Click(s);
    Open1Click(s);
    EXPECT_EQ(dialogs.fileFolders, (std::vector<std::filesystem::path>{s.ProgramFolder, labels, labels, batches}));
}

TEST_F(MainCommandsTest, PasteCorrectsAndDoubleSpacesWithoutParsing) {
    s.AutoCorrect = true;
    s.AutoCorrectList = {ReplacementClass{true, true, "0hio", "Ohio"}};
    dialogs.clipboard = "Flora of 0hio\r\n\r\n\r\nCarex lurida\r\nwet ditch";
    s.form.SetText("RichEdit1", "old text");
    PasteLabelText(s);
    EXPECT_EQ(Label(), "Flora of Ohio\r\n\r\n\r\nCarex lurida\r\nwet ditch");
    EXPECT_EQ(s.parser.LineCount(), 0);
    s.DoubleSpace = true;
    PasteLabelText(s);
    EXPECT_EQ(Label(), "Flora of Ohio\r\n\r\nCarex lurida\r\n\r\nwet ditch");
    // The automatic split ends every line with a line break.
    s.AutoSplit = true;
    PasteLabelText(s);
    EXPECT_EQ(Label(), "Flora of Ohio\r\n\r\nCarex lurida\r\n\r\nwet ditch\r\n\r\n");
    s.DoubleSpace = false;
    PasteLabelText(s);
    EXPECT_EQ(Label(), "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\n");
    dialogs.clipboard.clear();
    s.AutoSplit = false;
    PasteLabelText(s);
    EXPECT_EQ(Label(), "");
}

TEST_F(MainCommandsTest, ClearAllOnlyAfterYes) {
    s.form.SetText("RichEdit1", "label");
    s.form.SetText("CollectorEdit", "Smith");
    s.LabelText = "label";
    AddCountry("United States", {{"Alabama", {"Monroe County"}}, {"Florida", {"Dade County", "Monroe County"}}});
    SetLines({"Key West", "Monroe County", "Florida", "J. Smith 12"});
    dialogs.answers = {DialogButton::No, DialogButton::Yes};
    ClearAllButtonClick(s);
    EXPECT_EQ(Label(), "label");
    EXPECT_EQ(s.form.Get("CollectorEdit").text, "Smith");
    ClearAllButtonClick(s);
    EXPECT_EQ(dialogs.questions, (V{"Clear all fields?", "Clear all fields?"}));
    EXPECT_EQ(Label(), "");
    EXPECT_EQ(s.form.Get("CollectorEdit").text, "");
    EXPECT_EQ(s.LabelText, "");
    // A country chosen now finds no state or county in the label that was cleared.
    s.form.SetItemIndex("CountryCombo", 0);
    CountryComboChange(s);
    EXPECT_EQ(F(fState), "Select State");
    EXPECT_EQ(F(fCounty), "");
}

TEST_F(MainCommandsTest, LayoutFileListsControlsWithFieldTags) {
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(s.ProgramFolder);
    LayoutButtonClick(s);
    std::filesystem::current_path(old);
    std::ifstream in(s.ProgramFolder / "Layout.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Control& collector = s.form.Get("CollectorEdit");
    EXPECT_TRUE(StartsWith(text, "0, " + std::to_string(collector.top) + ", " + std::to_string(collector.left) + ", " +
                                     std::to_string(collector.height) + ", " + std::to_string(collector.width) + "\r\n"));
    int lines = 0, expected = 0;
    for (const std::string& l : SplitLines(text)) lines += !l.empty();
    for (const auto& c : s.form.Controls()) expected += c->parent.empty() && c->tag >= 0 && c->tag < 100;
    EXPECT_EQ(lines, expected);
    EXPECT_NE(text.find("\r\n99, "), std::string::npos);  // the Font group box
    EXPECT_EQ(text.find("\r\n100, "), std::string::npos);
    EXPECT_EQ(text.find("\r\n200, "), std::string::npos);
}

TEST_F(MainCommandsTest, AnalyzeAndTheLabelPopup) {
    Analyze1Click(s);
    EXPECT_TRUE(s.trace.Trace);
    EXPECT_EQ(s.trace.TraceField, 11);
    EXPECT_EQ(s.trace.TraceText, "Analyzing Description\r\n");

    s.form.SetText("RichEdit1", "Carex lurida");
    EXPECT_FALSE(RichEdit1ContextPopup(s));
    EXPECT_EQ(dialogs.messages, (V{"Nothing Selected"}));
    s.form.SetSelection("RichEdit1", 6, 6);
    EXPECT_TRUE(RichEdit1ContextPopup(s));
    EXPECT_EQ(AutoCorrectCaption(s), "Change lurida to:");
    // A selection left over from a longer text reads nothing outside the text.
    s.form.SetSelection("RichEdit1", 40, 3);
    EXPECT_EQ(LabelWindowSelection(s), "");
}

// Every road that replaces the label window's text leaves nothing selected in it: a paste button
// afterwards copies nothing rather than a piece of the new text at the old place.
TEST_F(MainCommandsTest, ReplacedLabelTextHasNothingSelected) {
    const std::string next = "Flora of Maine\r\nJames Brown 7\r\nwet ditch\r\n12 May 1990\r\n";
    dialogs.clipboard = next;
    const std::vector<std::pair<const char*, std::function<void()>>> roads = {
        {"paste", [&] { PasteLabelText(s); }},
        {"photo text", [&] { ParsePhotoText(s, next); }},
        {"OCR text", [&] { ParseOcrText(s, next); }},
        {"open", [&] {
             dialogs.files = {Write("next.txt", next)};
             Open1Click(s);
         }},
    };
    for (const auto& [road, replace] : roads) {
        SCOPED_TRACE(road);
        s.form.SetText("RichEdit1", "Flora of Ohio\r\nJ. Smith 12\r\n");
        s.form.SetSelection("RichEdit1", 16, 4);  // ". Sm"
        replace();
        ASSERT_NE(Label().find("James"), std::string::npos);
        PasteSelectionButtonClick(s, "NotesButton");
        EXPECT_EQ(s.form.Get("NotesMemo").text, "");
    }
}
