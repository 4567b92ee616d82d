#include "LoaderTestSupport.h"
#include "model/OutputFormatFile.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class OutputFormatTest : public LoaderTest {
protected:
    void SetUp() override { WriteFile(folder / "Preferences.txt", kPreferences); }
};

TEST_F(OutputFormatTest, LoadsColumnsCaptionsAndSavesByteForByte) {
    const std::string text =
        "Records.tsv\r\n0\t1\tCollector\tcollector\t0\r\n18.10\t0\tLatitude/Longitude\tlatSec\t1\r\n"
        "3\t1\tCollection Date\tdate\t0\r\n";
    WriteFile(folder / "OutputFormat.txt", text);
    s.FileFormatVersion = 0;
    LoadOutputFormat(s);
    EXPECT_EQ(s.OutputFileName, "Records.tsv");
    EXPECT_EQ(s.form.Get("OutputLabel").text, "Records.tsv");
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export TSV");
    EXPECT_EQ(s.FileFormatVersion, 2);
    ASSERT_EQ(s.OutputColumns.size(), 3u);
    const OutputFormatClass& lat = s.OutputColumns[1];
    EXPECT_EQ(lat.FieldIndex, 18);
    EXPECT_EQ(lat.SubIndex, 10);
    EXPECT_FALSE(lat.Enabled);
    EXPECT_TRUE(lat.Numeric);
    EXPECT_EQ(lat.Label, "Latitude/Longitude");
    EXPECT_EQ(lat.DatabaseName, "latSec");
    EXPECT_EQ(s.OutputColumns[2].Order, 2);

    fs::remove(folder / "OutputFormat.txt");
    s.OutputType = 0;
    SaveOutputFormat(s);
    EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"), text);
}

TEST_F(OutputFormatTest, ShortAndGappedLinesFollowTheTrimmedCuts) {
    WriteFile(folder / "DarwinXML.txt",
              "  Records.xml \r\n\r\n5\t1\tGenus\tgenus\r\n9\t1\t\tscientificName\t1\r\n1\r\n");
    s.OutputType = 1;
    LoadOutputFormat(s);
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export Darwin XML");
    EXPECT_EQ(s.OutputFileName, "Records.xml");
    ASSERT_EQ(s.OutputColumns.size(), 2u);  // the last "1" is one character: ignored
    EXPECT_FALSE(s.OutputColumns[0].Numeric);
    EXPECT_EQ(s.OutputColumns[1].Label, "scientificName");
    EXPECT_EQ(s.OutputColumns[1].DatabaseName, "1");
    EXPECT_FALSE(s.OutputColumns[1].Numeric);
    SaveOutputFormat(s);
    EXPECT_EQ(ReadFile(folder / "DarwinXML.txt"),
              "Records.xml\r\n5\t1\tGenus\tgenus\t0\r\n9\t1\tscientificName\t1\t0\r\n");
}

TEST_F(OutputFormatTest, CsvFallsBackToTheTabSeparatedFormatUntilSaved) {
    WriteFile(folder / "OutputFormat.txt", kOutputFormat);
    s.OutputType = 2;
    LoadOutputFormat(s);
    EXPECT_EQ(s.form.Get("AddDataButton").text, "Export Darwin CSV");
    EXPECT_EQ(s.OutputColumns.size(), 2u);
    SaveOutputFormat(s);
    EXPECT_EQ(ReadFile(folder / "DarwinCSV.txt"), kOutputFormat);
    EXPECT_EQ(ReadFile(folder / "OutputFormat.txt"), kOutputFormat);
    // The preferences are saved first, with the current type.
    EXPECT_NE(ReadFile(folder / "Preferences.txt").find("OutputFormat\tCSV\r\n"), std::string::npos);
}

TEST_F(OutputFormatTest, ColumnsWithoutANumericKeyOrCutShortAreSkippedWithOneMessage) {
    WriteFile(folder / "OutputFormat.txt",
              "Records.tsv\r\nx\t1\tA\ta\t0\r\n0\t1\tCollector\tcollector\t0\r\n1234.5\t1\tB\tb\t0\r\n18.x\t1\tC\tc\t0\r\n"
              // The key is gone: the enabled flag must not be read in its place.
              "\t0\tD\td\t0\r\n \t1\tE\te\t0\r\n"
              // Nothing but the key: no column without a heading.
              "6\r\n6\t\r\n17.1\t \t\r\n16");
    LoadOutputFormat(s);
    ASSERT_EQ(s.OutputColumns.size(), 1u);
    EXPECT_EQ(s.OutputColumns[0].Label, "Collector");
    EXPECT_EQ(s.OutputColumns[0].Order, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 9 unreadable line(s)"), std::string::npos);
}

TEST_F(OutputFormatTest, AFileOfOnlyTheNameHasNoColumns) {
    WriteFile(folder / "OutputFormat.txt", "Records.tsv");
    s.OutputColumns.resize(3);
    LoadOutputFormat(s);
    EXPECT_TRUE(s.OutputColumns.empty());
    EXPECT_EQ(s.OutputFileName, "Records.tsv");
}

TEST_F(OutputFormatTest, MissingFileEndsTheProgram) {
    s.OutputType = 1;
    EXPECT_THROW(LoadOutputFormat(s), ProgramEnded);
    EXPECT_EQ(dialogs.messages.at(0), "Unable to open file: " + (folder / "DarwinXML.txt").string());
}

}  // namespace
