// Output formats whose user-field columns disagree with the field definitions (a save that ended
// between its renames) are reported when the user's files are loaded, naming file, line and field.
#include "LoaderTestSupport.h"
#include "model/UserFiles.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class FieldColumnAgreementTest : public LoaderTest {};

TEST_F(FieldColumnAgreementTest, ColumnsOfOtherOrMissingFieldsAreReported) {
    const std::string before = "Version 2\r\n" + FieldLines(0, kBuiltInFields) + FieldLine("Alpha") + FieldLine("Beta");
    const std::string after = "Version 2\r\n" + FieldLines(0, kBuiltInFields) + FieldLine("Beta");
    const std::string columnsBefore = "30\t1\tAlpha\tAlpha\r\n31\t0\tBeta\tBeta\t1\r\n";
    const std::string columnsAfter = "30\t1\tBeta\tBeta\r\n";
    struct Case {
        const char* what;
        std::string definitions, columns;
        std::vector<std::string> reported;
    };
    for (const Case& c : {
             Case{"all agree", before, columnsBefore, {}},
             Case{"the deletion saved but not its renumbering", after, columnsBefore,
                  {"OutputFormat.txt line 4: the column \"Alpha\" is for field 30, which FieldDefinitions.txt names \"Beta\"",
                   "OutputFormat.txt line 5: the column \"Beta\" is for field 31, which FieldDefinitions.txt does not define",
                   "DarwinXML.txt line 3: the column \"Alpha\" is for field 30, which FieldDefinitions.txt names \"Beta\"",
                   "DarwinXML.txt line 4: the column \"Beta\" is for field 31, which FieldDefinitions.txt does not define",
                   "DarwinCSV.txt line 3: the column \"Alpha\" is for field 30, which FieldDefinitions.txt names \"Beta\"",
                   "DarwinCSV.txt line 4: the column \"Beta\" is for field 31, which FieldDefinitions.txt does not define"}},
             Case{"the renumbering saved but not the deletion", before, columnsAfter,
                  {"OutputFormat.txt line 4: the column \"Beta\" is for field 30, which FieldDefinitions.txt names \"Alpha\"",
                   "DarwinXML.txt line 3: the column \"Beta\" is for field 30, which FieldDefinitions.txt names \"Alpha\"",
                   "DarwinCSV.txt line 3: the column \"Beta\" is for field 30, which FieldDefinitions.txt names \"Alpha\""}}}) {
        SCOPED_TRACE(c.what);
        WriteUserFiles(folder);
        WriteFile(folder / "FieldDefinitions.txt", c.definitions);
        WriteFile(folder / "OutputFormat.txt", kOutputFormat + c.columns);
        WriteFile(folder / "DarwinXML.txt", "Database.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n" + c.columns);
        WriteFile(folder / "DarwinCSV.txt", "Database.csv\r\n0\t1\tCollector\trecordedBy\t0\r\n" + c.columns);
        dialogs.messages.clear();
        LoadUserFiles(s);
        if (c.reported.empty()) {
            EXPECT_TRUE(dialogs.messages.empty());
            continue;
        }
        ASSERT_EQ(dialogs.messages.size(), 1u);
        std::string lines;
        for (const std::string& line : c.reported) lines += line + "\r\n";
        EXPECT_NE(dialogs.messages[0].find(":\r\n" + lines + "Records would put"), std::string::npos)
            << dialogs.messages[0];
        EXPECT_EQ(ReadFile(folder / "FieldDefinitions.txt"), c.definitions);  // reported, not changed
    }
}

}  // namespace
