#include "LoaderTestSupport.h"
#include "editors/PreferencesEditor.h"
#include "fields/DoubleSpacing.h"
#include "model/FieldDefinitionsFile.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

const std::string kCommentedPreferences =
    "# Preferences of this user.\r\n\r\n# Record file format\r\nOutputFormat\tTSV\r\n\r\n"
    "MinElevation\t10\r\nLearnFromLabels\tYes\r\nApplyLearning\tYes\r\nAutoCorrect\tYes\r\n"
    "ReplaceNumerals\tNo\r\nFillMeters\tNo\r\nDateFormatCheck\tNo\r\nDontSplitLines\tNo\r\n"
    "DoubleSpace\tNo\r\nAutoSplit\tNo\r\n# Check format of Barcode\r\nBarcodeFormatCheck\tYes\r\n"
    "BarcodeFormatTemplate\tQZV#######\r\n# the log\r\ndebug\tYes\r\n";

class PreferencesEditorTest : public LoaderTest {
protected:
    PreferencesEditorTest() {
        WriteUserFiles(folder);
        WriteFile(folder / "Preferences.txt", kCommentedPreferences);
        CreateCustomFieldControls(s.form);
        LoadFieldDefinitions(s);
        LoadPreferences(s);
        LoadOutputFormat(s);
    }
    std::string Label() const { return s.form.Get(kLabelWindow).text; }
};

TEST_F(PreferencesEditorTest, SaveWritesEveryControlToItsKeyAndKeepsTheComments) {
    PreferenceControls c = PreferencesToForm(s);
    EXPECT_EQ(c.minElevation, 10);
    EXPECT_TRUE(c.learnFromLabels);
    EXPECT_FALSE(c.fillMeters);
    // Every switch turned over, so that a control saved into the wrong key shows.
    c.minElevation = 55;
    c.learnFromLabels = false;
    c.applyLearning = false;
    c.autoCorrect = false;
    c.replaceNumerals = true;
    c.fillMeters = true;
    c.dateFormatCheck = true;
    c.dontSplitLines = true;
    c.doubleSpace = true;
    c.autoSplit = true;
    c.barcodeFormatCheck = false;
    c.barcodeFormatTemplate = "AB@##";
    SavePreferencesFromForm(s, c);
    EXPECT_EQ(ReadFile(folder / "Preferences.txt"),
              "# Preferences of this user.\r\n\r\n# Record file format\r\nOutputFormat\tTSV\r\n\r\n"
              "MinElevation\t55\r\nLearnFromLabels\tNo\r\nApplyLearning\tNo\r\nAutoCorrect\tNo\r\n"
              "ReplaceNumerals\tYes\r\nFillMeters\tYes\r\nDateFormatCheck\tYes\r\nDontSplitLines\tYes\r\n"
              "DoubleSpace\tYes\r\nAutoSplit\tYes\r\n# Check format of Barcode\r\nBarcodeFormatCheck\tNo\r\n"
              "BarcodeFormatTemplate\tAB@##\r\n# the log\r\ndebug\tYes\r\n");
    EXPECT_TRUE(s.DoubleSpace);
    EXPECT_FALSE(s.BarcodeFormatCheck);
    EXPECT_EQ(s.MinElevation, 55);
    // What was saved is what the window shows next time.
    PreferenceControls again = PreferencesToForm(s);
    EXPECT_EQ(again.barcodeFormatTemplate, "AB@##");
    EXPECT_TRUE(again.replaceNumerals);
    EXPECT_FALSE(again.applyLearning);
}

TEST_F(PreferencesEditorTest, DoubleSpacingChangesTheLabelTextOnlyWhenSwitched) {
    s.form.SetText(kLabelWindow, "a\r\nb\r\n\r\n\r\n\r\nc");
    PreferenceControls c = PreferencesToForm(s);
    SavePreferencesFromForm(s, c);  // unchanged: the text stays as it is
    EXPECT_EQ(Label(), "a\r\nb\r\n\r\n\r\n\r\nc");

    c.doubleSpace = true;
    SavePreferencesFromForm(s, c);
    EXPECT_EQ(Label(), "a\r\n\r\nb\r\n\r\nc");
    SavePreferencesFromForm(s, c);  // already on: left alone
    EXPECT_EQ(Label(), "a\r\n\r\nb\r\n\r\nc");

    // The label window's own re-spacing while typing is bound, and a typed line break is pending:
    // switching off must not let it double the text again.
    s.form.OnChange(kLabelWindow, [this] { RichEdit1Change(s); });
    s.form.SetText(kLabelWindow, "a\r\n\r\n\r\n\r\nb\r\n\r\nc");
    s.PendingReformat = 1;
    c.doubleSpace = false;
    SavePreferencesFromForm(s, c);
    EXPECT_EQ(Label(), "a\r\nb\r\nc");
}

TEST_F(PreferencesEditorTest, ANewOutputTypeLoadsItsOutputFormat) {
    ASSERT_EQ(s.OutputFileName, "Database.tsv");
    PreferenceControls c = PreferencesToForm(s);
    c.outputType = 1;
    SavePreferencesFromForm(s, c);
    EXPECT_EQ(s.OutputType, 1);
    EXPECT_EQ(s.OutputFileName, "Database.xml");
    ASSERT_EQ(s.OutputColumns.size(), 1u);
    EXPECT_EQ(s.OutputColumns[0].DatabaseName, "recordedBy");
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export Darwin XML");
    EXPECT_NE(ReadFile(folder / "Preferences.txt").find("OutputFormat\tDarwin\r\n"), std::string::npos);
}

TEST_F(PreferencesEditorTest, AnOutputTypeWithoutItsFormatFileIsNotTaken) {
    fs::remove(folder / "DarwinXML.txt");
    PreferenceControls c = PreferencesToForm(s);
    c.outputType = 1;
    c.fillMeters = true;
    EXPECT_TRUE(SavePreferencesFromForm(s, c));  // does not end the program; the file is written
    EXPECT_EQ(s.OutputType, 0);
    EXPECT_EQ(s.OutputFileName, "Database.tsv");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Unable to open file: "), std::string::npos);
    EXPECT_TRUE(s.FillMeters);  // the rest is saved
    EXPECT_NE(ReadFile(folder / "Preferences.txt").find("OutputFormat\tTSV\r\n"), std::string::npos);
}

TEST_F(PreferencesEditorTest, ClearStatsOnlyAfterYesAndKeepsTheNames) {
    s.WordStats.resize(3);
    s.NameStats = {"Smith"};
    dialogs.answers = {DialogButton::Cancel};
    EXPECT_FALSE(ClearStats(s));
    EXPECT_EQ(s.WordStats.size(), 3u);
    EXPECT_TRUE(fs::exists(folder / "WordStats.txt"));
    EXPECT_EQ(dialogs.questions.back(), "Delete all learned words?");

    const uint64_t version = s.StatsVersion;
    dialogs.answers = {DialogButton::Yes};
    EXPECT_TRUE(ClearStats(s));
    EXPECT_TRUE(s.WordStats.empty());
    EXPECT_FALSE(fs::exists(folder / "WordStats.txt"));
    EXPECT_NE(s.StatsVersion, version);  // the parser's look-ups are rebuilt
    EXPECT_EQ(s.NameStats.size(), 1u);
    EXPECT_TRUE(fs::exists(folder / "NameStats.txt"));
}

}  // namespace
