#include "LoaderTestSupport.h"
#include "model/FieldDefinitionsFile.h"
#include "model/PreferencesFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class FieldDefinitionsTest : public LoaderTest {
protected:
    fs::path File() { return folder / "FieldDefinitions.txt"; }
};

TEST_F(FieldDefinitionsTest, CurrentFileLoadsAndSavesByteForByte) {
    std::string text = "Version 2\r\n" + FieldLine("Collector", 3, 12, "coll.,leg.", "collector") +
                       "Collection Number\t1\t1\tdefault text\t2\t9\t\tno\r\n" + FieldLines(2, kBuiltInFields) +
                       FieldLine("Substrate", 4, 40, "on", "bark,rock");
    WriteFile(File(), text);
    LoadFieldDefinitions(s);
    ASSERT_EQ(s.FieldDefinitions.size(), 31u);
    EXPECT_EQ(s.FileFormatVersion, 2);
    const LabelFieldClass& c = s.FieldDefinitions[0];
    EXPECT_EQ(c.Name, "Collector");
    EXPECT_EQ(c.Minimum, 3);
    EXPECT_EQ(c.Maximum, 12);
    EXPECT_EQ(c.StartWords, "coll.,leg.");
    const LabelFieldClass& n = s.FieldDefinitions[1];
    EXPECT_TRUE(n.Preserve);
    EXPECT_TRUE(n.WarnIfEmpty);
    EXPECT_EQ(n.Default, "default text");
    EXPECT_EQ(s.FieldDefinitions[30].ContainedWords, "bark,rock");

    fs::remove(File());
    SaveFieldDefinitions(s);
    EXPECT_EQ(ReadFile(File()), text);
}

TEST_F(FieldDefinitionsTest, ColumnsAreConvertedAndShortLinesKeepToThemselves) {
    WriteFile(File(), "Version 2\r\n"
                      "Elevation\t1\tx\t\tlow\t\tAlt:,ELEV\tAlt., Elev:,,123,m\r\n"
                      "Short\t1\r\n"
                      "Next\t0\t1\tdef\t5\t6\tStart\tWord\r\n");
    LoadFieldDefinitions(s);
    ASSERT_EQ(s.FieldDefinitions.size(), 3u);
    const LabelFieldClass& e = s.FieldDefinitions[0];
    EXPECT_TRUE(e.Preserve);
    EXPECT_FALSE(e.WarnIfEmpty);  // only "1" is true
    EXPECT_EQ(e.Minimum, 0);      // not a number
    EXPECT_EQ(e.Maximum, 50);     // empty
    EXPECT_EQ(e.StartWords, "alt:,elev");
    // Trailing non-letters go, a blank after a comma stays, items without letters are dropped.
    EXPECT_EQ(e.ContainedWords, "alt, elev,m");
    const LabelFieldClass& sh = s.FieldDefinitions[1];
    EXPECT_EQ(sh.Name, "Short");
    EXPECT_TRUE(sh.Preserve);
    EXPECT_EQ(sh.Default, "");
    EXPECT_EQ(sh.Maximum, 50);
    EXPECT_EQ(sh.ContainedWords, "");
    EXPECT_EQ(s.FieldDefinitions[2].Name, "Next");
    EXPECT_EQ(s.FieldDefinitions[2].StartWords, "start");
}

TEST_F(FieldDefinitionsTest, ShortTextAfterTheLastLineIsNoRecord) {
    WriteFile(File(), "Version 2\r\n" + FieldLines(0, 3) + "ab\tc");
    LoadFieldDefinitions(s);
    EXPECT_EQ(s.FieldDefinitions.size(), 3u);
    WriteFile(File(), "Version 2\r\n" + FieldLines(0, 3) + "abc\tde");
    LoadFieldDefinitions(s);
    EXPECT_EQ(s.FieldDefinitions.size(), 4u);
}

TEST_F(FieldDefinitionsTest, SevenLinesWithoutHeaderGetNoUpgrade) {
    WriteFile(File(), FieldLines(0, 7));
    LoadFieldDefinitions(s);
    ASSERT_EQ(s.FieldDefinitions.size(), 7u);
    EXPECT_EQ(s.FieldDefinitions[6].Name, "Species");
    EXPECT_EQ(s.FileFormatVersion, 2);
    EXPECT_EQ(ReadFile(File()), FieldLines(0, 7));  // nothing written
}

TEST_F(FieldDefinitionsTest, TwentySevenLinesWithoutHeaderBecomeThirtyAndTheFilesAreUpgraded) {
    std::string old = FieldLines(0, 7) + FieldLines(9, 29);  // no Rank, SubSp, Barcode
    WriteFile(File(), old);
    WriteFile(folder / "Preferences.txt", "OutputFormat\tCSV\r\nAutoSplit\tYes");
    WriteFile(folder / "OutputFormat.txt", "Database.tsv\r\n0\t1\tCollector\tcollector\r\n18.10\t0\tLat\tlat\t1\r\n");
    WriteFile(folder / "DarwinXML.txt", "Database.xml\r\n0\t1\tCollector\trecordedBy\r\n");
    s.OutputType = 1;  // as a previous user left it

    LoadFieldDefinitions(s);
    ASSERT_EQ(s.FieldDefinitions.size(), 30u);
    for (int i = 0; i < kBuiltInFields; ++i) EXPECT_EQ(s.FieldDefinitions[i].Name, FieldNames[i]) << i;
    const LabelFieldClass& rank = s.FieldDefinitions[fRank];
    EXPECT_EQ(rank.Minimum, 0);
    EXPECT_EQ(rank.Maximum, 0);
    const LabelFieldClass& barcode = s.FieldDefinitions[fBarcode];
    EXPECT_EQ(barcode.Minimum, 1);
    EXPECT_EQ(barcode.Maximum, 2);
    EXPECT_EQ(barcode.StartWords, "Barcode:");

    // The new file carries the header and every record; the next load lower-cases "Barcode:".
    EXPECT_EQ(ReadFile(File()), "Version 2\r\n" + FieldLines(0, 7) + "Rank\t0\t0\t\t0\t0\t\t\r\nSubSp\t0\t0\t\t0\t0\t\t\r\n" +
                                    FieldLines(9, 29) + "Barcode\t0\t0\t\t1\t2\tBarcode:\t\r\n");
    // Both output formats are written again in the current form; the program's preferences are not.
    EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"),
              "Database.tsv\r\n0\t1\tCollector\tcollector\t0\r\n18.10\t0\tLat\tlat\t1\r\n");
    EXPECT_EQ(ReadFile(folder / "DarwinXML.txt"), "Database.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n");
    EXPECT_EQ(ReadFile(folder / "Preferences.txt"),
              "OutputFormat\tCSV\r\nAutoSplit\tYes\r\n\r\n#Fill in meters elevation from feet\r\nFillMeters\tNo");
    EXPECT_FALSE(fs::exists(folder / "DarwinCSV.txt"));
    // The current type's columns are loaded again.
    EXPECT_EQ(s.OutputType, 1);
    EXPECT_EQ(s.OutputFileName, "Database.xml");

    LoadFieldDefinitions(s);
    EXPECT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_EQ(s.FieldDefinitions[fBarcode].StartWords, "barcode:");
}

TEST_F(FieldDefinitionsTest, TwentyNineLinesWithAnyHeaderGetTheBarcode) {
    WriteFile(File(), "Version 2\r\n" + FieldLines(0, 29));
    WriteFile(folder / "Preferences.txt", kPreferences);
    WriteFile(folder / "OutputFormat.txt", kOutputFormat);
    WriteFile(folder / "DarwinXML.txt", kOutputFormat);
    LoadFieldDefinitions(s);
    ASSERT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_EQ(s.FieldDefinitions[29].Name, "Barcode");
    EXPECT_EQ(ReadFile(folder / "Preferences.txt"),
              kPreferences + "\r\n\r\n#Fill in meters elevation from feet\r\nFillMeters\tNo");
}

TEST_F(FieldDefinitionsTest, UpgradeReadsDarwinFormatOfOlderInstallationsAndWritesOnlyWhenAllIsRead) {
    WriteFile(File(), "Version 2\r\n" + FieldLines(0, 29));
    WriteFile(folder / "Preferences.txt", kPreferences);
    WriteFile(folder / "OutputFormat.txt", "Database.tsv\r\n0\t1\tCollector\tCollector\r\n");
    WriteFile(folder / "DarwinFormat.txt", "Old.xml\r\n0\t1\tCollector\trecordedBy\r\n");
    LoadFieldDefinitions(s);
    EXPECT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_EQ(ReadFile(folder / "DarwinXML.txt"), "Old.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n");
    EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"), "Database.tsv\r\n0\t1\tCollector\tCollector\t0\r\n");

    // Neither XML file: the program ends before any file is rewritten.
    fs::remove(folder / "DarwinXML.txt");
    fs::remove(folder / "DarwinFormat.txt");
    WriteFile(folder / "OutputFormat.txt", "Database.tsv\r\n0\t1\tCollector\tCollector\r\n");
    WriteFile(File(), "Version 2\r\n" + FieldLines(0, 29));
    s.FieldDefinitions.clear();
    ExpectProgramEndsWithFailure([&] { LoadFieldDefinitions(s); });
    EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"), "Database.tsv\r\n0\t1\tCollector\tCollector\r\n");
    EXPECT_EQ(ReadFile(File()), "Version 2\r\n" + FieldLines(0, 29));
    EXPECT_EQ(ReadFile(folder / "Preferences.txt"), kPreferences + "\r\n\r\n#Fill in meters elevation from feet\r\nFillMeters\tNo");
}

TEST_F(FieldDefinitionsTest, ThirtyOrMoreLinesAreNotUpgraded) {
    std::string text = "Version 5\r\n" + FieldLines(0, 30) + FieldLine("Substrate");
    WriteFile(File(), text);
    LoadFieldDefinitions(s);
    EXPECT_EQ(s.FieldDefinitions.size(), 31u);
    EXPECT_EQ(ReadFile(File()), text);
    SaveFieldDefinitions(s);
    EXPECT_EQ(ReadFile(File()), "Version 2\r\n" + FieldLines(0, 30) + FieldLine("Substrate"));
}

// NUL bytes (a power cut) in a definition line: the line keeps its place, so every later field keeps
// its number; nothing is taken for an older generation and no file is written; the user is told
// which line.
TEST_F(FieldDefinitionsTest, LineWithNulBytesKeepsItsPlaceAndNoFileIsRewritten) {
    const std::string prefs = "OutputFormat\tTSV\r\nFillMeters\tYes\r\n";
    struct Case {
        const char* what;
        std::string text;
        size_t fields;
        std::string field10, field11;
        const char* where;
        std::string format = kOutputFormat;
    };
    const std::string user = FieldLine("Host", 1, 50, "on");
    // Eight user fields, Host the last, and the output format's columns for them.
    const char* users[] = {"Substrate", "Habit", "Odour", "Flower Colour", "Fruit", "Voucher", "Sheet", "Host"};
    std::string userColumns = kOutputFormat;
    for (int i = 0; i < 8; ++i) userColumns += std::to_string(30 + i) + "\t1\t" + users[i] + "\t" + users[i] + "\r\n";
    const auto userLines = [&](int from, int to) {
        std::string t;
        for (int f = from; f < to; ++f) t += FieldLine(users[f - 30], 1, 50, "on");
        return t;
    };
    const std::string assoc = FieldLine(FieldNames[10], 2, 9, "with");
    const std::string damagedAssoc = FieldNames[10] + "\t0\t0\t\t2\t9\twi" + std::string(1, '\0') + "th\t\r\n";
    for (const Case& c : {
             Case{"one NUL byte in a current file", "Version 2\r\n" + FieldLines(0, 10) + damagedAssoc +
                                                       FieldLines(11, 30) + user,
                  31, "with", FieldNames[11], "line 12 (Associated Species)"},
             Case{"a first-generation file of 29 lines", "Version 1\r\n" + FieldLines(0, 10) + damagedAssoc +
                                                            FieldLines(11, 29),
                  29, "with", FieldNames[11], "line 12 (Associated Species)"},
             Case{"a line of zeros", "Version 2\r\n" + FieldLines(0, 10) + std::string(300, '\0') + "\r\n" +
                                         FieldLines(11, 30),
                  30, "", FieldNames[11], "line 12 (Associated Species)"},
             Case{"zeros at the end", "Version 2\r\n" + FieldLines(0, 29) + std::string(64, '\0'), 30, "",
                  FieldNames[11], "line 31 (Barcode)"},
             // The zeros took three line ends: the definitions they covered keep their places.
             Case{"zeros across line ends", "Version 2\r\n" + FieldLines(0, 5) + "Gen" + std::string(300, '\0') +
                                                "\t50\t\t\r\n" + FieldLines(9, 30) + user,
                  31, "", FieldNames[11], "line 7 (Genus), line 8 (Species), line 9 (Rank), line 10 (SubSp)"},
             Case{"zeros across the last line ends", "Version 2\r\n" + FieldLines(0, 28) + "Sec" + std::string(99, '\0'),
                  30, "", FieldNames[11], "line 30 (Section Info), line 31 (Barcode)"},
             Case{"a user field's line", "Version 2\r\n" + FieldLines(0, 10) + assoc + FieldLines(11, 30) +
                                             "Ho" + std::string(1, '\0') + "st\t0\t0\r\n" + user,
                  32, "with", FieldNames[11], "line 32 (Host)"},
             // Among the user fields, their columns in the output format say which lines went.
             Case{"zeros across user-field line ends", "Version 2\r\n" + FieldLines(0, 30) + userLines(30, 33) + "Flo" +
                                                           std::string(300, '\0') + "\t50\t\t\r\n" + userLines(37, 38),
                  38, "", FieldNames[11], "line 35 (Flo), line 36 (Fruit), line 37 (Voucher), line 38 (Sheet)", userColumns},
             Case{"zeros from a built-in into a user field", "Version 2\r\n" + FieldLines(0, 28) + "Sec" +
                                                                 std::string(300, '\0') + "\t50\t\t\r\n" + userLines(31, 38),
                  38, "", FieldNames[11], "line 30 (Section Info), line 31 (Barcode), line 32 (Substrate)", userColumns},
             Case{"zeros across the last user-field line ends", "Version 2\r\n" + FieldLines(0, 30) + userLines(30, 34) +
                                                                    "Fru" + std::string(99, '\0'),
                  38, "", FieldNames[11], "line 36 (Fru), line 37 (Voucher), line 38 (Sheet), line 39 (Host)", userColumns}}) {
        SCOPED_TRACE(c.what);
        WriteFile(File(), c.text);
        WriteFile(folder / "Preferences.txt", prefs);
        WriteFile(folder / "OutputFormat.txt", c.format);
        WriteFile(folder / "DarwinXML.txt", kOutputFormat);
        dialogs.messages.clear();
        LoadFieldDefinitions(s);
        ASSERT_EQ(s.FieldDefinitions.size(), c.fields);
        for (size_t i = 0; i < std::min<size_t>(c.fields, kBuiltInFields); ++i)
            EXPECT_EQ(s.FieldDefinitions[i].Name, FieldNames[i]) << i;
        EXPECT_EQ(s.FieldDefinitions[10].StartWords, c.field10);
        EXPECT_EQ(s.FieldDefinitions.back().Name, c.fields > 30 ? "Host" : FieldNames[c.fields - 1]);
        EXPECT_EQ(ReadFile(File()), c.text);
        EXPECT_EQ(ReadFile(folder / "Preferences.txt"), prefs);
        EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"), c.format);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].rfind(File().string() + " is damaged (it holds NUL bytes) at " + c.where + ".", 0), 0u)
            << dialogs.messages[0];
    }
}

TEST_F(FieldDefinitionsTest, MissingFileEndsTheProgramWithAFailureCode) {
    ExpectProgramEndsWithFailure([&] { LoadFieldDefinitions(s); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Unable to open file: " + File().string());
}

}  // namespace

namespace quorl::testing {
namespace {

TEST(ContainedWords, TrailingSignsGoAndLettersOfAnyAlphabetStay) {
    EXPECT_EQ(ReadContainedWords("Café., río;, Łódź, ,x1, ä°"), "café, río, Łódź,x, ä");  // lower case of A-Z only, as the parser compares
    EXPECT_EQ(ReadContainedWords("ƒ, 12"), "");  // not letters: the whole word goes
}

}  // namespace
}  // namespace quorl::testing
