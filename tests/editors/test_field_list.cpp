// The field definitions editor's working copy and its Save: popup rules, refused names, and the
// output-format files kept in step with the user-defined fields, byte for byte.
#include "FileSizeLimit.h"
#include "LoaderTestSupport.h"
#include "editors/FieldList.h"
#include "editors/UserFieldColumns.h"
#include "model/FieldDefinitionsFile.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "records/DarwinXmlWriter.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

const std::string kTsv = "Database.tsv\r\n0\t1\tCollector\tcollector\t0\r\n18.2\t1\tLatitude Minutes\tLatMin\t1\r\n"
                         "29\t1\tBarcode\tbarcode\t0\r\n";
const std::string kXml = "Database.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n";
const std::string kCsv = "Database.csv\r\n0\t1\tCollector\trecordedBy\t0\r\n";

class FieldListTest : public LoaderTest {
protected:
    FieldListTest() {
        WriteUserFiles(folder);
        WriteFile(folder / "OutputFormat.txt", kTsv);
        WriteFile(folder / "DarwinXML.txt", kXml);
        WriteFile(folder / "DarwinCSV.txt", kCsv);
        CreateCustomFieldControls(s.form);
        Reload();
    }
    void Reload() {
        LoadFieldDefinitions(s);
        LoadPreferences(s);
        LoadOutputFormat(s);
    }
    void WithUserFields(const std::vector<std::string>& names, const std::string& tsvLines, const std::string& xmlLines) {
        std::string defs = "Version 2\r\n" + FieldLines(0, kBuiltInFields);
        for (const std::string& n : names) defs += FieldLine(n);
        WriteFile(folder / "FieldDefinitions.txt", defs);
        WriteFile(folder / "OutputFormat.txt", kTsv + tsvLines);
        WriteFile(folder / "DarwinXML.txt", kXml + xmlLines);
        Reload();
    }
    std::string Read(const char* name) { return ReadFile(folder / name); }
    std::string Button(int j) { return s.form.Get(CustomButtonName(j)).text; }
    bool Shown(int j) { return s.form.Get(CustomButtonName(j)).visible && s.form.Get(CustomEditName(j)).visible; }
};

TEST_F(FieldListTest, PopupFollowsTheRowsAndTheSelection) {
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    ASSERT_EQ(rows.size(), 30u);
    rows[3].Preserve = "Yes";
    FieldPopupState none = FieldPopup(rows, -1);
    EXPECT_TRUE(none.addEnabled);
    EXPECT_FALSE(none.preserveEnabled || none.warnEnabled || none.deleteEnabled || none.editEnabled);
    FieldPopupState builtIn = FieldPopup(rows, 3);
    EXPECT_TRUE(builtIn.preserveEnabled && builtIn.warnEnabled && builtIn.editEnabled);
    EXPECT_FALSE(builtIn.deleteEnabled);
    EXPECT_TRUE(builtIn.preserveChecked);
    EXPECT_FALSE(builtIn.warnChecked);
    ToggleYesNo(rows[3].Preserve);
    ToggleYesNo(rows[3].Warn);
    EXPECT_FALSE(FieldPopup(rows, 3).preserveChecked);
    EXPECT_TRUE(FieldPopup(rows, 3).warnChecked);
    EXPECT_FALSE(DeleteField(rows, 29));

    for (int i = 0; i < 7; ++i) rows.push_back({"U" + std::to_string(i), "No", "No", "", "1", "50", "", "", -1});
    ASSERT_EQ(rows.size(), 37u);
    EXPECT_TRUE(FieldPopup(rows, 36).deleteEnabled);
    EXPECT_TRUE(FieldPopup(rows, 36).addEnabled);
    dialogs.inputs = {"Host", "Another"};
    EXPECT_EQ(AddField(dialogs, rows), 37);
    EXPECT_EQ(rows[37].Name, "Host");
    EXPECT_EQ(rows[37].Min, "1");
    EXPECT_EQ(rows[37].Max, "50");
    EXPECT_FALSE(FieldPopup(rows, 37).addEnabled);
    EXPECT_EQ(AddField(dialogs, rows), -1);  // full: not even asked
    EXPECT_EQ(dialogs.inputs.size(), 1u);
}

TEST_F(FieldListTest, NamesTheSettingsFilesCannotHoldAreRefused) {
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    dialogs.inputs = {"Host\tplant", "Host\r\nplant", "Host, plant", "  ", ""};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(AddField(dialogs, rows), -1);
    EXPECT_EQ(AddField(dialogs, rows), -1);  // cancelled
    EXPECT_EQ(rows.size(), 30u);
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"A field name cannot contain a TAB.", "A field name cannot contain a line break.",
                                        "A field name cannot contain \",\".", "A field name cannot be empty.",
                                        "A field name cannot be empty."}));
    EXPECT_EQ(dialogs.shown.front(), "input: New Field / Enter Field Name");
}

TEST_F(FieldListTest, SavingUnchangedRewritesTheSameDefinitionsAndNoOutputFormat) {
    WithUserFields({"Host"}, "30\t1\tHost\tHost\r\n", "30\t1\tHost\thost\t0\r\n");
    const std::string defs = Read("FieldDefinitions.txt");
    const auto tsvTime = fs::last_write_time(folder / "OutputFormat.txt");
    fs::remove(folder / "FieldDefinitions.txt");
    ApplyFieldListChanges(s, FieldListRows(s.FieldDefinitions));
    EXPECT_EQ(Read("FieldDefinitions.txt"), defs);
    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "30\t1\tHost\tHost\r\n");
    EXPECT_EQ(Read("DarwinXML.txt"), kXml + "30\t1\tHost\thost\t0\r\n");
    EXPECT_EQ(fs::last_write_time(folder / "OutputFormat.txt"), tsvTime);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FieldListTest, AnUnchangedSaveDoesNotWriteDefinitionsThatCouldNotAllBeRead) {
    const std::string damaged = "Version 2\r\n" + FieldLines(0, 5) + std::string(64, '\0') + FieldLines(7, 30);
    WriteFile(folder / "FieldDefinitions.txt", damaged);
    Reload();
    dialogs.messages.clear();
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    EXPECT_TRUE(ApplyFieldListChanges(s, rows));
    EXPECT_EQ(Read("FieldDefinitions.txt"), damaged);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{(folder / "FieldDefinitions.txt").string() +
                                                         " was not written: its definitions could not all be read, "
                                                         "and none of them was changed."});
    rows[6].StartWords = "sp.";  // a change of the user's is written
    ASSERT_TRUE(ApplyFieldListChanges(s, rows));
    EXPECT_EQ(Read("FieldDefinitions.txt"), FieldDefinitionsText(s));
}

class NewUserField : public FieldListTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewUserField, GetsOneColumnInTheTsvAndXmlFormatsWhicheverTypeIsCurrent) {
    s.OutputType = GetParam();
    LoadOutputFormat(s);
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    dialogs.inputs = {"Host"};
    ASSERT_EQ(AddField(dialogs, rows), 30);
    rows[30].StartWords = "on";
    ApplyFieldListChanges(s, rows);
    ApplyFieldListChanges(s, FieldListRows(s.FieldDefinitions));  // a second Save adds nothing

    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "30\t1\tHost\tHost\r\n");
    EXPECT_EQ(Read("DarwinXML.txt"), kXml + "30\t1\tHost\tHost\r\n");
    EXPECT_EQ(Read("DarwinCSV.txt"), kCsv);
    EXPECT_EQ(Read("FieldDefinitions.txt"),
              "Version 2\r\n" + FieldLines(0, kBuiltInFields) + "Host\t0\t0\t\t1\t50\ton\t\r\n");
    EXPECT_EQ(s.OutputColumns.back().FieldIndex, GetParam() == 2 ? 0 : 30);
    EXPECT_TRUE(Shown(0));
    EXPECT_EQ(Button(0), "Host");
    EXPECT_FALSE(Shown(1));
}

INSTANTIATE_TEST_SUITE_P(OutputTypes, NewUserField, ::testing::Values(0, 1, 2));

TEST_F(FieldListTest, DeletedUserFieldsTakeTheirOwnColumnsAndLaterOnesAreRenumbered) {
    WithUserFields({"Alpha", "Beta", "Gamma", "Delta"},
                   "30\t1\tAlpha\tAlpha\r\n31\t1\tBeta\tBeta\r\n32\t0\tGamma\tgamma\t1\r\n33\t1\tDelta\tDelta\r\n",
                   "31\t1\tBeta\tbeta\t0\r\n33\t1\tDelta\tdelta\t0\r\n");
    WriteFile(folder / "DarwinCSV.txt", kCsv + "32\t1\tGamma\tgamma\t0\r\n33\t1\tDelta\tdelta\t0\r\n");
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    ASSERT_TRUE(DeleteField(rows, 30));  // Alpha
    ASSERT_TRUE(DeleteField(rows, 31));  // Gamma, now in row 31
    dialogs.inputs = {"Epsilon"};
    ASSERT_EQ(AddField(dialogs, rows), 32);
    ApplyFieldListChanges(s, rows);

    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "30\t1\tBeta\tBeta\r\n31\t1\tDelta\tDelta\r\n32\t1\tEpsilon\tEpsilon\r\n");
    EXPECT_EQ(Read("DarwinXML.txt"), kXml + "30\t1\tBeta\tbeta\t0\r\n31\t1\tDelta\tdelta\t0\r\n32\t1\tEpsilon\tEpsilon\r\n");
    EXPECT_EQ(Read("DarwinCSV.txt"), kCsv + "31\t1\tDelta\tdelta\t0\r\n");
    ASSERT_EQ(s.FieldDefinitions.size(), 33u);
    EXPECT_EQ(s.FieldDefinitions[31].Name, "Delta");
    EXPECT_EQ(s.OutputColumns.size(), 6u);  // the reloaded TSV format
    EXPECT_EQ(s.OutputColumns[4].Label, "Delta");
    EXPECT_EQ(s.OutputColumns[4].FieldIndex, 31);
    EXPECT_EQ(Button(2), "Epsilon");
    EXPECT_FALSE(Shown(3));
    EXPECT_EQ(Button(3), "Custom 4");
}

// The columns follow the fields they were made for: a built-in field's column after a deleted user
// field keeps its number, and a column whose label is no field name stays.
TEST_F(FieldListTest, RenumberingMovesOnlyTheColumnsOfUserFields) {
    const std::string tsv = "30\t1\tAlpha\tAlpha\r\n27\t1\tSection\tsection\t0\r\n31\t1\tBeta\tBeta\r\n"
                            "24\t1\tField notes\tremarks\t0\r\n";
    WithUserFields({"Alpha", "Beta"}, tsv, "");
    WriteFile(folder / "DarwinCSV.txt", kCsv + "31\t1\tBeta\tdynamicProperties\t0\r\n26\t1\tTownship\ttownship\t0\r\n");
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    ASSERT_TRUE(DeleteField(rows, 30));
    ApplyFieldListChanges(s, rows);
    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "27\t1\tSection\tsection\t0\r\n30\t1\tBeta\tBeta\r\n"
                                               "24\t1\tField notes\tremarks\t0\r\n");
    EXPECT_EQ(Read("DarwinCSV.txt"), kCsv + "30\t1\tBeta\tdynamicProperties\t0\r\n26\t1\tTownship\ttownship\t0\r\n");
}

// A save that cannot write one of its files changes none of them, nor the definitions and columns
// in use: the user is told and the definitions and formats keep agreeing.
TEST_F(FieldListTest, ASaveThatCannotWriteOneFileChangesNone) {
    for (const bool folderInTheWay : {false, true}) {
        SCOPED_TRACE(folderInTheWay ? "a folder in the way" : "little free space");
        fs::remove_all(folder / "FieldDefinitions.txt");
        WithUserFields({"Alpha", "Beta"}, "30\t1\tAlpha\tAlpha\r\n31\t1\tBeta\tBeta\r\n", "31\t1\tBeta\tbeta\t0\r\n");
        WriteFile(folder / "DarwinCSV.txt", kCsv + "31\t1\tBeta\tbeta\t0\r\n");
        const std::string tsv = Read("OutputFormat.txt"), xml = Read("DarwinXML.txt"), csv = Read("DarwinCSV.txt");
        const std::vector<LabelFieldClass> fields = s.FieldDefinitions;
        const size_t columns = s.OutputColumns.size();
        std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
        ASSERT_TRUE(DeleteField(rows, 30));
        dialogs.messages.clear();
        if (folderInTheWay) {
            fs::remove(folder / "FieldDefinitions.txt");
            fs::create_directory(folder / "FieldDefinitions.txt");
        }
        bool saved = true;
        {
            // The definitions file is the largest of the four.
            FileSizeLimit room(folderInTheWay ? RLIM_INFINITY : 300);
            saved = ApplyFieldListChanges(s, rows);
        }
        EXPECT_FALSE(saved);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].find((folder / "FieldDefinitions.txt").string()), std::string::npos);
        EXPECT_EQ(Read("OutputFormat.txt"), tsv);
        EXPECT_EQ(Read("DarwinXML.txt"), xml);
        EXPECT_EQ(Read("DarwinCSV.txt"), csv);
        EXPECT_EQ(s.FieldDefinitions.size(), fields.size());
        EXPECT_EQ(s.FieldDefinitions[30].Name, "Alpha");
        EXPECT_EQ(s.OutputColumns.size(), columns);
        for (const auto& entry : fs::directory_iterator(folder))  // no temporary file stays
            EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

TEST_F(FieldListTest, AMissingFormatFileIsLeftMissing) {
    fs::remove(folder / "DarwinXML.txt");
    fs::remove(folder / "DarwinCSV.txt");
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    dialogs.inputs = {"Host"};
    AddField(dialogs, rows);
    ApplyFieldListChanges(s, rows);
    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "30\t1\tHost\tHost\r\n");
    EXPECT_FALSE(fs::exists(folder / "DarwinXML.txt"));
    EXPECT_FALSE(fs::exists(folder / "DarwinCSV.txt"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(UserFieldColumns, OnlyUserFieldKeysChangeAndEveryOtherByteStays) {
    const std::string text = "30.tsv\n"
                             "30\t1\tA\ta\r\n"
                             " 31.2\t1\tB part\tb2\n"
                             "18.2\t1\tLat\tlat\t1\r\n"
                             "31\t1\tB\tb\r"
                             "40\t1\tStale\tstale\r\n"
                             "x\tnot a column";
    EXPECT_EQ(RenumberUserFieldColumns(text, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                              20, 21, 22, 23, 24, 25, 26, 27, 28, 29, -1, 30}),
              "30.tsv\n"
              " 30.2\t1\tB part\tb2\n"
              "18.2\t1\tLat\tlat\t1\r\n"
              "30\t1\tB\tb\r"
              "40\t1\tStale\tstale\r\n"
              "x\tnot a column");
    EXPECT_TRUE(HasWholeFieldColumn(text, 40));
    EXPECT_FALSE(HasWholeFieldColumn(text, 18));
    EXPECT_FALSE(HasWholeFieldColumn("30\r\n", 30));  // the record file's name is no column

    std::vector<LabelFieldClass> fields(31);
    fields[30].Name = "Host";
    EXPECT_EQ(AddUserFieldColumns("Records.tsv\r\n0\t1\tCollector\tc", fields, false),
              "Records.tsv\r\n0\t1\tCollector\tc\r\n30\t1\tHost\tHost\r\n");
    fields[30].Name = "Plant Height";
    EXPECT_EQ(AddUserFieldColumns("Records.xml\r\n", fields, true), "Records.xml\r\n30\t1\tPlant Height\tPlantHeight\r\n");
}

// A user field with a blank in its name gets an element name in the XML format, and records go on
// being written in XML.
TEST_F(FieldListTest, UserFieldWithABlankKeepsDarwinXmlWorking) {
    std::vector<FieldRow> rows = FieldListRows(s.FieldDefinitions);
    dialogs.inputs = {"Plant Height"};
    ASSERT_EQ(AddField(dialogs, rows), 30);
    ApplyFieldListChanges(s, rows);
    EXPECT_EQ(Read("OutputFormat.txt"), kTsv + "30\t1\tPlant Height\tPlant Height\r\n");
    EXPECT_EQ(Read("DarwinXML.txt"), kXml + "30\t1\tPlant Height\tPlantHeight\r\n");

    s.OutputType = 1;
    LoadOutputFormat(s);
    s.form.SetText("CollectorEdit", "J. Smith");
    EXPECT_TRUE(AddDarwinXML(s));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(Read("Database.xml").find("<recordedBy>J. Smith</recordedBy>"), std::string::npos);
}

}  // namespace
