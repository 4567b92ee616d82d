#include "LoaderTestSupport.h"
#include "model/PreferencesFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class PreferencesTest : public LoaderTest {
protected:
    fs::path File() { return folder / "Preferences.txt"; }
    void Load(const std::string& text) {
        WriteFile(File(), text);
        LoadPreferences(s);
    }
};

TEST_F(PreferencesTest, EveryKeyIsReadWhateverItsLetterCase) {
    Load("#comment\r\nOUTPUTFORMAT\tcsv\r\nminelevation\t-20\r\nLearnFromLabels\tYES\r\nApplyLearning\tyes\r\n"
         "AutoCorrect\tYes\r\nReplaceNumerals\tYes\r\nFillMeters\tYes\r\nDateFormatCheck\tYes\r\n"
         "DontSplitLines\tYes\r\nDoubleSpace\tYes\r\nAutoSplit\tYes\r\nBarcodeFormatCheck\tNo\r\n"
         "BarcodeFormatTemplate\tAB@##\r\ndebug\tNo\r\nSomethingElse\tYes\r\n");
    EXPECT_EQ(s.OutputType, 2);
    EXPECT_EQ(s.MinElevation, -20);
    for (bool b : {s.LearnFromLabels, s.ApplyLearning, s.AutoCorrect, s.ReplaceNumerals, s.FillMeters,
                   s.DateFormatCheck, s.DontSplitLines, s.DoubleSpace, s.AutoSplit})
        EXPECT_TRUE(b);
    EXPECT_FALSE(s.BarcodeFormatCheck);
    EXPECT_EQ(s.BarcodeFormatTemplate, "AB@##");
    EXPECT_FALSE(s.Debug);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PreferencesTest, ValuesAreReadLiterally) {
    Load("OutputFormat\txml\r\nAutoSplit\t Yes\r\nLearnFromLabels\tTrue\r\n");
    EXPECT_EQ(s.OutputType, 1);
    EXPECT_FALSE(s.AutoSplit);  // a blank before the value
    EXPECT_FALSE(s.LearnFromLabels);
    Load("OutputFormat\tTsv\r\n");
    EXPECT_EQ(s.OutputType, 0);
}

TEST_F(PreferencesTest, MissingKeysKeepTheirValuesExceptTheBarcodeDefaults) {
    s.AutoSplit = true;
    s.MinElevation = 7;
    s.BarcodeFormatCheck = false;
    Load("# only comments\r\n\r\n#AutoSplit\tNo");
    EXPECT_TRUE(s.AutoSplit);
    EXPECT_EQ(s.MinElevation, 7);
    EXPECT_TRUE(s.BarcodeFormatCheck);
    EXPECT_EQ(s.BarcodeFormatTemplate, "QZV#######");
}

TEST_F(PreferencesTest, AShortLastLineAfterAKeyLineIsNotRead) {
    Load("AutoSplit\tYes\r\nab\tc");
    EXPECT_TRUE(s.AutoSplit);
    s.AutoSplit = false;
    Load("DoubleSpace\tYes\r\nAutoSplit\tYes");  // long enough
    EXPECT_TRUE(s.AutoSplit);
}

TEST_F(PreferencesTest, AKeyWithoutItsTabIsSkippedAndTheRestIsRead) {
    Load("AutoSplit Yes\r\nDoubleSpace\tYes\r\nFillMeters\r\nLearnFromLabels\tYes\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);  // once per file
    EXPECT_EQ(dialogs.messages[0], "Error in Preferences.txt file\r\nDid you use tabs to separate parameters?");
    EXPECT_FALSE(s.AutoSplit);
    EXPECT_TRUE(s.DoubleSpace);
    EXPECT_TRUE(s.LearnFromLabels);
}

TEST_F(PreferencesTest, AnEmptyTemplateIsSavedAndReadBackEmpty) {
    Load("BarcodeFormatCheck\tNo\r\nBarcodeFormatTemplate\tQZV#######\r\nAutoSplit\tYes\r\n");
    s.BarcodeFormatTemplate.clear();
    SavePreferences(s);
    EXPECT_EQ(ReadFile(File()), "BarcodeFormatCheck\tNo\r\nBarcodeFormatTemplate\t\r\nAutoSplit\tYes\r\n");
    s.BarcodeFormatTemplate = "x";
    s.AutoSplit = false;
    LoadPreferences(s);
    EXPECT_EQ(s.BarcodeFormatTemplate, "");
    EXPECT_TRUE(s.AutoSplit);
    EXPECT_TRUE(dialogs.messages.empty());
    // The same as the file's last line, where trimming takes the TAB with the line end.
    Load("AutoSplit\tNo\r\nBarcodeFormatTemplate\t");
    EXPECT_EQ(s.BarcodeFormatTemplate, "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PreferencesTest, NonNumericMinElevationIsSkippedWithOneMessage) {
    s.MinElevation = 5;
    Load("MinElevation\tlow\r\nAutoSplit\tYes\r\nMinElevation\t1 2\r\nDoubleSpace\tYes\r\n");
    EXPECT_EQ(s.MinElevation, 5);
    EXPECT_TRUE(s.AutoSplit);
    EXPECT_TRUE(s.DoubleSpace);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 2 unreadable line(s)"), std::string::npos);
    EXPECT_NE(ReadFile(folder / "Log.txt").find("MinElevation\tlow"), std::string::npos);
}

TEST_F(PreferencesTest, SaveRewritesKnownKeysAndKeepsEverythingElse) {
    std::string text =
        "#Output format\r\nOutputFormat\tTSV\r\n\r\n#AutoSplit splits pasted text\r\nautosplit\tno\r\n"
        "debug\tYes\r\nUnknownKey\tvalue\r\nMy minelevation note\tx\r\nLearnFromLabels\tNo\r\n"
        "BarcodeFormatCheck\tYes\r\nBarcodeFormatTemplate\tQZV#######\r\n";
    WriteFile(File(), text);
    s.OutputType = 1;
    s.AutoSplit = true;
    s.MinElevation = 250;
    s.LearnFromLabels = true;
    s.BarcodeFormatCheck = false;
    s.BarcodeFormatTemplate = "AB##";
    SavePreferences(s);
    EXPECT_EQ(ReadFile(File()),
              "#Output format\r\nOutputFormat\tDarwin\r\n\r\n#AutoSplit splits pasted text\r\nAutoSplit\tYes\r\n"
              "debug\tYes\r\nUnknownKey\tvalue\r\nMinElevation\t250\r\nLearnFromLabels\tYes\r\n"
              "BarcodeFormatCheck\tNo\r\nBarcodeFormatTemplate\tAB##\r\n");
}

TEST_F(PreferencesTest, SaveAppendsTheBarcodeSectionsOnlyWhenMissing) {
    Load("OutputFormat\tCSV\r\nFillMeters\tNo");
    EXPECT_TRUE(s.BarcodeFormatCheck);
    SavePreferences(s);
    std::string saved = ReadFile(File());
    EXPECT_EQ(saved,
              "OutputFormat\tCSV\r\nFillMeters\tNo\r\n"
              "\r\n#Check format of Barcode\r\nBarcodeFormatCheck\tYes\r\n"
              "\r\n#Template for Barcode Format\r\n#Wild cards: # = numeric, @ = alpha\r\nBarcodeFormatTemplate\tQZV#######\r\n");
    SavePreferences(s);
    EXPECT_EQ(ReadFile(File()), saved);  // a second save changes nothing
}

}  // namespace
