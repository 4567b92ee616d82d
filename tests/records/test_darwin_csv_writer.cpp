// The Darwin Core CSV record writer, checked byte for byte and read back with Python's csv module.
#include "RecordFixture.h"

#include <cstdio>

#include "base/Text.h"
#include "records/DarwinCsvWriter.h"

namespace quorl::testing {
namespace {

class DarwinCsvWriterTest : public RecordFixture {
protected:
    void SetUp() override {
        RecordFixture::SetUp();
        s.OutputFileName = "Records.csv";
    }
    // The second line of the record file.
    std::string FirstRecord() {
        std::string f = RecordFile();
        size_t a = f.find("\r\n") + 2;
        return f.substr(a, f.find("\r\n", a) - a);
    }
    void Coordinates() {
        for (auto [box, value] : {std::pair{"LatDegreesEdit", "34"}, {"LatMinutesEdit", "12"}, {"LatSecondsEdit", "30"},
                                  {"NSCombo", "N"}, {"LongDegreesEdit", "111"}, {"LongMinutesEdit", "55"},
                                  {"LongSecondsEdit", "34"}, {"EWCombo", "W"}})
            Set(box, value);
    }
};

TEST_F(DarwinCsvWriterTest, HeaderHasNoTrailingCommaAndRecordsAreAppended) {
    Column("0", true, "Collector", "recordedBy");
    Column("11", true, "Description", "occurrenceRemarks");
    Column("17.1", true, "Elevation", "minimumElevationInMeters", true);
    Column("24", false, "Notes", "fieldNotes");
    Set("CollectorEdit", "J. O'Neil");
    Set("DescriptionMemo", "Shrub, 2 m\r\nflowers \"white\"");
    Set("ElevMetersLowEdit", "250");
    ASSERT_TRUE(AddDarwinCSV(s));
    Set("CollectorEdit", "Li");
    Set("DescriptionMemo", "");
    Set("ElevMetersLowEdit", "");
    ASSERT_TRUE(AddDarwinCSV(s));
    EXPECT_EQ(RecordFile(),
              "recordedBy,occurrenceRemarks,minimumElevationInMeters\r\n"
              "\"J. O`Neil\",\"Shrub, 2 m;  flowers `white`\",250,\r\n"
              "\"Li\",\"\",,\r\n");
}

TEST_F(DarwinCsvWriterTest, CollectionNumberIsComposedInEveryFieldOneColumn) {
    Column("1", true, "Number", "recordNumber");
    Column("1.2", true, "Number again", "n2", true);
    Set("NumberEdit", "123");
    for (auto [prefix, suffix, record] : {std::tuple{"A", "b", "\"A-123-b\",A-123-b"}, {"A", "", "\"A-123\",A-123"},
                                          {"", "", "\"123\",123"}}) {
        std::filesystem::remove(RecordPath());
        Set("PrefixEdit", prefix);
        Set("SuffixEdit", suffix);
        ASSERT_TRUE(AddDarwinCSV(s));
        EXPECT_EQ(FirstRecord(), record);
    }
}

// Darwin Core wants the month as a number; the date text is the verbatim date.
TEST_F(DarwinCsvWriterTest, MonthIsWrittenAsItsNumber) {
    Columns({{"3", "Collection Date", "verbatimEventDate"}, {"3.2", "Day", "day"}, {"3.3", "Month", "month"},
             {"3.4", "Year", "year"}});
    for (auto [date, record] : {std::pair{"28 Oct 1994", "\"28 Oct 1994\",\"28\",\"10\",\"1994\""},
                                {"1 Jan 2005", "\"1 Jan 2005\",\"1\",\"1\",\"2005\""},
                                {"5 Dec 1999", "\"5 Dec 1999\",\"5\",\"12\",\"1999\""},
                                {"5 Xyz 1999", "\"5 Xyz 1999\",\"5\",\"Xyz\",\"1999\""},
                                {"4  1954", "\"4  1954\",\"4\",\"\",\"1954\""}}) {
        std::filesystem::remove(RecordPath());
        Set("CollectionDateEdit", date);
        ASSERT_TRUE(AddDarwinCSV(s));
        EXPECT_EQ(FirstRecord(), record) << date;
    }
}

// A numeric month column checks the number that is written, so a month name asks nothing; a month
// that is no name stays text and is asked about.
TEST_F(DarwinCsvWriterTest, NumericMonthIsCheckedAfterItBecomesANumber) {
    Columns({{"3.3", "Month", "month", true}});
    for (auto [date, asked, record] : {std::tuple{"28 Sep 1994", false, "9"}, {"1 Jan 2005", false, "1"},
                                       {"5 Xyz 1999", true, "Xyz"}}) {
        std::filesystem::remove(RecordPath());
        dialogs.shown.clear();
        Set("CollectionDateEdit", date);
        ASSERT_TRUE(AddDarwinCSV(s));
        EXPECT_EQ(FirstRecord(), record) << date;
        EXPECT_EQ(dialogs.shown, asked ? std::vector<std::string>{"input: Non-Numeric Error / Non-numeric detected in Month"}
                                       : std::vector<std::string>{})
            << date;
    }
}

TEST_F(DarwinCsvWriterTest, FieldThirtyHoldsUserAndExportDate) {
    Column("30", true, "Entered", "identifiedBy");
    Set("UserEdit", "Maria");
    Set("CustomEdit0", "ignored");
    ASSERT_TRUE(AddDarwinCSV(s));
    std::string record = FirstRecord();
    EXPECT_EQ(record, "\"Maria " + ExportDateStamp() + "\"");
    ASSERT_EQ(record.size(), std::string("\"Maria 2012_05_31\"").size());
    EXPECT_EQ(record[11], '_');
    EXPECT_EQ(record[14], '_');
}

TEST_F(DarwinCsvWriterTest, VerbatimElevationAndCoordinates) {
    Columns({{"17.3", "Feet", "verbatimElevation"}, {"17.4", "Feet high", "x"}, {"18.1", "Lat", "decimalLatitude", true},
             {"18.2", "Long", "decimalLongitude", true}, {"18.3", "VLat", "verbatimLatitude"},
             {"18.4", "VLong", "verbatimLongitude"}, {"18.5", "VCoord", "verbatimCoordinates"}});
    Set("ElevFeetLowEdit", "1000");
    Set("ElevFeetHighEdit", "1200");
    Coordinates();
    ASSERT_TRUE(AddDarwinCSV(s));
    EXPECT_EQ(FirstRecord(),
              "\"1000 - 1200 feet\",\"\",34.20833,-111.92610,\"34d 12m 30s N\",\"111d 55m 34s W\","
              "\"34d 12m 30s N, 111d 55m 34s W\"");
    // Nothing is written back into the coordinate boxes.
    EXPECT_EQ(Box("LatDegreesEdit"), "34");
}

TEST_F(DarwinCsvWriterTest, VerbatimCoordinateTextFollowsColumnOrder) {
    Column("18.4", true, "VLong", "verbatimLongitude");
    Column("18.5", true, "VCoord", "verbatimCoordinates");
    Coordinates();
    Set("ElevFeetHighEdit", "1200");  // feet high only: no verbatim elevation
    Column("17.3", true, "Feet", "verbatimElevation");
    ASSERT_TRUE(AddDarwinCSV(s));
    EXPECT_EQ(FirstRecord(), "\"111d 55m 34s W\",\", 111d 55m 34s W\",\"\"");

    // Only "N" in the hemisphere box; then nothing at all.
    s.OutputColumns.clear();
    Column("18.5", true, "VCoord", "verbatimCoordinates");
    for (const char* b : {"LatDegreesEdit", "LatMinutesEdit", "LatSecondsEdit", "LongDegreesEdit",
                          "LongMinutesEdit", "LongSecondsEdit"})
        Set(b, "");
    s.form.SetText("EWCombo", "");
    std::filesystem::remove(RecordPath());
    ASSERT_TRUE(AddDarwinCSV(s));
    EXPECT_EQ(FirstRecord(), "\" N,  \"");
    s.form.SetText("NSCombo", "");
    std::filesystem::remove(RecordPath());
    ASSERT_TRUE(AddDarwinCSV(s));
    EXPECT_EQ(FirstRecord(), "\"\"");
    // Partial boxes: degrees alone, minutes alone.
    Set("LatDegreesEdit", "34");
    s.form.SetText("NSCombo", "N");
    EXPECT_EQ(VerbatimLatitude(s), "34d N");
    Set("LatDegreesEdit", "");
    Set("LatMinutesEdit", "12");
    EXPECT_EQ(VerbatimLatitude(s), " 12m N");
}

TEST_F(DarwinCsvWriterTest, NoEnabledColumnWritesNothingAndSaysSo) {
    Column("0", false, "Collector", "recordedBy");
    Set("CollectorEdit", "x");
    EXPECT_FALSE(AddDarwinCSV(s));
    EXPECT_FALSE(std::filesystem::exists(RecordPath()));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(DarwinCsvWriterTest, HeaderMismatchQuestionUsesTheFileName) {
    Column("0", true, "Collector", "recordedBy");
    WriteFile(RecordPath(), "recordedBy,other\r\n");
    dialogs.answers.push_back(DialogButton::Cancel);
    EXPECT_FALSE(AddDarwinCSV(s));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Data format in existing file Records.csv is different!");
    EXPECT_EQ(RecordFile(), "recordedBy,other\r\n");
}

// A heading holding a comma or a quote is written quoted; a file whose header reads as the same
// headings (one from before, with the quote bare) takes the record without a question, one whose
// header split that heading does not.
TEST_F(DarwinCsvWriterTest, HeadingThatWouldSplitIsQuotedAndAnOlderHeaderOfTheSameHeadingsIsKept) {
    Column("0", true, "Collector", "Dr \"X\"");
    Column("12", true, "Locality", "where, now");
    Set("CollectorEdit", "Ann");
    const std::string quoted = "\"Dr \"\"X\"\"\",\"where, now\"\r\n";
    for (const auto& [header, asked] : {std::pair<std::string, bool>{"", false}, {quoted, false},
                                        {"Dr \"X\",\"where, now\"\r\n", false}, {"Dr \"X\",where, now\r\n", true}}) {
        SCOPED_TRACE(header);
        std::filesystem::remove(RecordPath());
        if (!header.empty()) WriteFile(RecordPath(), header);
        dialogs.questions.clear();
        dialogs.answers = {DialogButton::Cancel};
        EXPECT_EQ(AddDarwinCSV(s), !asked);
        EXPECT_EQ(dialogs.questions.size(), asked ? 1u : 0u);
        EXPECT_EQ(RecordFile(), (header.empty() ? quoted : header) + (asked ? "" : "\"Ann\",\"\"\r\n"));
    }
}

// Python's csv module reads the file back into the columns that were written.
TEST_F(DarwinCsvWriterTest, RecordFileReadsBackWithPythonsCsvModule) {
    Columns({{"0", "Collector", "recordedBy"}, {"11", "Description", "occurrenceRemarks"},
             {"17.1", "Elevation", "minimumElevationInMeters", true}, {"1", "Number", "recordNumber", true},
             {"18.5", "VCoord", "verbatimCoordinates"}, {"12", "Locality", "locality, \"as written\""},
             {"13", "Habitat", "habitat", false, false}});
    Set("CollectorEdit", "O'Neil, \"Jr\"");
    Set("LocalityMemo", "Ridge");
    Set("DescriptionMemo", "Tree, 10 m\r\nbark grey; été");
    dialogs.inputs.push_back("1,200");  // the user types a comma into a numeric column
    Set("ElevMetersLowEdit", "1.200 m");
    Set("NumberEdit", "12");
    Coordinates();
    ASSERT_TRUE(AddDarwinCSV(s));
    Set("NumberEdit", "13");
    ASSERT_TRUE(AddDarwinCSV(s));  // the box is cancelled this time: the value is written bare

    const std::string script = (dir / "read.py").string();
    WriteFile(script,
               "import csv, sys\n"
               "with open(sys.argv[1], encoding='utf-8', newline='') as f:\n"
               "    for row in csv.reader(f):\n"
               "        print(len(row), '|'.join(row))\n");
    std::string cmd = "/usr/bin/python3 '" + script + "' '" + RecordPath().string() + "'";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ASSERT_EQ(pclose(p), 0) << out;
    EXPECT_EQ(out,
              "6 recordedBy|occurrenceRemarks|minimumElevationInMeters|recordNumber|verbatimCoordinates|"
              "locality, \"as written\"\n"
              "7 O`Neil, `Jr`|Tree, 10 m;  bark grey; \xC3\xA9t\xC3\xA9|1,200|12|34d 12m 30s N, 111d 55m 34s W|Ridge|\n"
              "7 O`Neil, `Jr`|Tree, 10 m;  bark grey; \xC3\xA9t\xC3\xA9|1.200 m|13|34d 12m 30s N, 111d 55m 34s W|Ridge|\n");
}

}  // namespace
}  // namespace quorl::testing
