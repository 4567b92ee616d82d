// The tab-separated record writer, checked byte for byte on the record file.
#include "RecordFixture.h"

#include "records/TsvWriter.h"

namespace quorl::testing {
namespace {

class TsvWriterTest : public RecordFixture {
protected:
    void SetUp() override {
        RecordFixture::SetUp();
        s.OutputFileName = "Records.tsv";
    }
};

TEST_F(TsvWriterTest, FirstRecordWritesHeaderAndSecondIsAppended) {
    Column("0", true, "Collector", "Collector");
    Column("1.1", true, "Number", "CollNum", true);
    Column("11", true, "Description", "Description");
    Column("17.1", true, "Elev low", "ElevLow", true);
    Set("CollectorEdit", "J. Smith");
    Set("NumberEdit", "123");
    Set("DescriptionMemo", "Shrub\r\nflowers white");
    Set("ElevMetersLowEdit", "");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(),
              "Collector\tCollNum\tDescription\tElevLow\t\r\n"
              "\"J. Smith\"\t123\t\"Shrub;  flowers white\"\t\r\n");

    Set("CollectorEdit", "O'Neil");
    Set("NumberEdit", "7");
    Set("DescriptionMemo", "a \"tall\"\ttree");
    Set("ElevMetersLowEdit", "250");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(),
              "Collector\tCollNum\tDescription\tElevLow\t\r\n"
              "\"J. Smith\"\t123\t\"Shrub;  flowers white\"\t\r\n"
              "\"O`Neil\"\t7\t\"a `tall` tree\"\t250\r\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TsvWriterTest, DisabledLastColumnLeavesATrailingTab) {
    Column("0", true, "A", "A");
    Column("1.1", true, "B", "B", true);
    Column("2", false, "C", "C");
    Set("CollectorEdit", "x");
    Set("NumberEdit", "5");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), "A\tB\t\r\n\"x\"\t5\t\r\n");
}

TEST_F(TsvWriterTest, CoordinatesAreCheckedWrittenBackAndConverted) {
    for (const char* key : {"18.1", "18.2", "18.3", "18.4", "18.5", "18.6", "18.7", "18.8", "18.9", "18.10"})
        Column(key, true, std::string("L") + key, std::string("C") + key, true);
    Column("18.11", true, "None", "None");
    Set("LatDegreesEdit", "34");
    Set("LatMinutesEdit", "12");
    Set("LatSecondsEdit", "30x");
    s.form.SetText("NSCombo", "N");
    s.form.SetText("EWCombo", "W");
    dialogs.inputs.push_back("30");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(Box("LatSecondsEdit"), "30");
    std::string file = RecordFile();
    std::string line = file.substr(file.find("\r\n") + 2);
    // No longitude given: EWCombo and the decimal longitude stay empty.
    EXPECT_EQ(line, "34\t12\t30\tN\t34.20833\t\t\t\t\t\t\"\"\r\n");
}

TEST_F(TsvWriterTest, DateColumnsUseTheSplitDate) {
    Column("3", true, "Date", "Date");
    Column("3.1", true, "Date box", "DateBox");
    Column("3.2", true, "Day", "Day", true);
    Column("3.3", true, "Month", "Month");
    Column("3.4", true, "Year", "Year", true);
    Set("CollectionDateEdit", "12  Jan 2005");
    ASSERT_TRUE(AddTSV(s));
    // A date whose month could not be read keeps its year in the year column.
    Set("CollectionDateEdit", "4  1954");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(),
              "Date\tDateBox\tDay\tMonth\tYear\t\r\n"
              "\"12 Jan 2005\"\t\"12 Jan 2005\"\t12\t\"Jan\"\t2005\r\n"
              "\"4  1954\"\t\"4  1954\"\t4\t\"\"\t1954\r\n");
}

TEST_F(TsvWriterTest, HeaderMismatchAsksAndCancelLeavesTheFile) {
    Column("0", true, "Collector", "Collector");
    Set("CollectorEdit", "x");
    const std::string old = "Other\t\r\n\"y\"\r\n";
    WriteFile(RecordPath(), old);
    dialogs.answers.push_back(DialogButton::Cancel);
    EXPECT_FALSE(AddTSV(s));
    EXPECT_EQ(RecordFile(), old);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Data format in existing file Records.tsv is different!");

    dialogs.answers.push_back(DialogButton::Ignore);
    EXPECT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), old + "\"x\"\r\n");
}

TEST_F(TsvWriterTest, SameHeaderWithoutTrailingTabOrWithBlanksMatches) {
    Column("0", true, "Collector", "Collector");
    Column("2", true, "Others", "Others");
    Set("CollectorEdit", "x");
    WriteFile(RecordPath(), "Collector\tOthers  \r\n");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(RecordFile(), "Collector\tOthers  \r\n\"x\"\t\"\"\r\n");
}

TEST_F(TsvWriterTest, EmptyFileGetsTheHeaderAndAnUnendedLastLineIsEnded) {
    Column("0", true, "Collector", "Collector");
    Set("CollectorEdit", "x");
    WriteFile(RecordPath(), "");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), "Collector\t\r\n\"x\"\r\n");

    WriteFile(RecordPath(), "Collector\t\r\n\"a\"");
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), "Collector\t\r\n\"a\"\r\n\"x\"\r\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TsvWriterTest, NothingEnabledOrUnreadableFileWritesNothingAndSaysSo) {
    Column("0", false, "Collector", "Collector");
    Set("CollectorEdit", "x");
    EXPECT_FALSE(AddTSV(s));
    EXPECT_FALSE(std::filesystem::exists(RecordPath()));
    ASSERT_EQ(dialogs.messages.size(), 1u);

    s.OutputColumns[0].Enabled = true;
    std::filesystem::create_directory(RecordPath());  // exists, cannot be read as a file
    EXPECT_FALSE(AddTSV(s));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].rfind("Unable to open file: ", 0), 0u);
    EXPECT_EQ(Box("CollectorEdit"), "x");
}

TEST_F(TsvWriterTest, NonNumericValueInNumericColumnIsCorrectedOrWrittenAsItIs) {
    Column("1.1", true, "Number", "Num", true);
    Column("1", true, "Whole number", "Whole", true);  // the whole field is never checked
    Set("NumberEdit", "12a");
    dialogs.inputs.push_back("12");
    ASSERT_TRUE(AddTSV(s));
    Set("NumberEdit", "12b");  // Cancel keeps it, written bare
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), "Num\tWhole\t\r\n12\t12a\r\n12b\t12b\r\n");
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

}  // namespace
}  // namespace quorl::testing
