// Column lookup, numeric check, collection-date split and the numbers derived from the boxes.
#include "RecordFixture.h"

#include "records/OutputColumns.h"
#include "records/RecordValues.h"

namespace quorl::testing {
namespace {

class OutputColumnsTest : public RecordFixture {};

TEST_F(OutputColumnsTest, LookupReturnsFirstColumnOfPairAndRecordsItsPosition) {
    Column("0", true, "Collector", "recordedBy");
    Column("18.5", false, "Lat", "decimalLatitude");
    Column("18.5", true, "Lat again", "lat2");
    OutputFormatClass c = FindOutputFormat(s, 18, 5);
    EXPECT_EQ(c.DatabaseName, "decimalLatitude");
    EXPECT_FALSE(c.Enabled);
    EXPECT_EQ(c.Position, 1);
    EXPECT_EQ(s.OutputColumns[1].Position, 1);

    for (auto& col : s.OutputColumns) col.Position = 7;
    OutputFormatClass none = FindOutputFormat(s, 18, 10);
    EXPECT_EQ(none.FieldIndex, -1);
    EXPECT_FALSE(none.Enabled);
    EXPECT_EQ(none.Label, "");
    EXPECT_EQ(none.DatabaseName, "");
    for (auto& col : s.OutputColumns) EXPECT_EQ(col.Position, 7);
}

TEST_F(OutputColumnsTest, NumericCheckAsksOncePerNumericColumnUntilATextColumnOfThePair) {
    Column("3.2", true, "Day", "day", true);
    Column("3.2", true, "Day text", "day2", false);
    Column("3.2", true, "Day again", "day3", true);
    dialogs.inputs.push_back("1");
    EXPECT_EQ(CheckNumericField(s, "1a", 3, 2), "1");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "input: Non-Numeric Error / Non-numeric detected in Day");

    // Text column first: the value is returned unchecked.
    s.OutputColumns.clear();
    dialogs.shown.clear();
    Column("3.2", true, "Day text", "day2", false);
    Column("3.2", true, "Day", "day", true);
    EXPECT_EQ(CheckNumericField(s, "1a", 3, 2), "1a");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OutputColumnsTest, NumericCheckAcceptsDigitsAndPointsOnlyAndCancelKeepsTheValue) {
    Column("17.1", false, "Elevation", "minimumElevationInMeters", true);  // disabled columns are checked too
    Column("17.1", true, "Elevation 2", "elev2", true);
    EXPECT_EQ(CheckNumericField(s, "12.5.3", 17, 1), "12.5.3");
    EXPECT_EQ(CheckNumericField(s, "", 17, 1), "");
    EXPECT_TRUE(dialogs.shown.empty());

    // Cancel in the first box keeps -12.5; the second numeric column asks again.
    EXPECT_EQ(CheckNumericField(s, "-12.5", 17, 1), "-12.5");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    for (const char* v : {"1 2", "1,5", "+3"}) {
        dialogs.shown.clear();
        CheckNumericField(s, v, 17, 1);
        EXPECT_EQ(dialogs.shown.size(), 2u) << v;
    }
    // No column of the pair: nothing to check.
    EXPECT_EQ(CheckNumericField(s, "abc", 5, 0), "abc");
}

TEST_F(OutputColumnsTest, DateSplitCutsDayMonthYearAndRewritesTheBox) {
    struct Case {
        const char* box;
        const char* day;
        const char* month;
        const char* year;
        const char* after;
    } cases[] = {
        {"12 Jan 2005", "12", "Jan", "2005", "12 Jan 2005"},
        {"12  Jan 2005 ", "12", "Jan", "2005", "12 Jan 2005"},
        {"12 Jan", "12", "Jan", "", "12 Jan "},
        {"12/01/2005", "12/01/2005", "", "", "12/01/2005  "},
        // A month the parser could not read is left out; a four-digit part after the day is the year.
        {"4  1954", "4", "", "1954", "4  1954"},
        {"1 1935", "1", "", "1935", "1  1935"},
        {"12 05", "12", "05", "", "12 05 "},
        {"2005", "", "", "2005", "2005"},
        {"Jan 2005", "", "", "", "Jan 2005"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        Set("CollectionDateEdit", c.box);
        CollectionDateParts p = SplitCollectionDate(s);
        EXPECT_EQ(p.day, c.day) << c.box;
        EXPECT_EQ(p.month, c.month) << c.box;
        EXPECT_EQ(p.year, c.year) << c.box;
        EXPECT_EQ(Box("CollectionDateEdit"), c.after) << c.box;
    }
}

TEST_F(OutputColumnsTest, DateSplitChecksDayAndYearEvenWhenTheirColumnsAreDisabled) {
    Column("3.2", false, "Day", "day", true);
    Column("3.4", false, "Year", "year", true);
    Set("CollectionDateEdit", "1a Jan 2oo5");
    dialogs.inputs = {"1", "2005"};
    CollectionDateParts p = SplitCollectionDate(s);
    EXPECT_EQ(p.day, "1");
    EXPECT_EQ(p.year, "2005");
    EXPECT_EQ(Box("CollectionDateEdit"), "1 Jan 2005");
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(OutputColumnsTest, DecimalDegreesInFixedAndGeneralForm) {
    const struct {
        const char *d, *m, *sec, *hemisphere, *fixed, *general;
    } cases[] = {
        {"34", "12", "30", "N", "34.20833", "34.2083333333333"},
        {"34", "12", "30", "s", "-34.20833", "-34.2083333333333"},
        {"34", "", "", "S", "-34.00000", "-34"},
        {"-34", "", "", "S", "-34.00000", "-34"},       // one sign, never two
        {"-34", "30", "", "N", "-34.50000", "-34.5"},     // minutes add to the magnitude
        {"0", "0", "0", "N", "0.00000", "0"},
        {"abc", "30", "", "N", "0.50000", "0.5"},
    };
    for (const auto& c : cases) {
        Set("LatDegreesEdit", c.d);
        Set("LatMinutesEdit", c.m);
        Set("LatSecondsEdit", c.sec);
        s.form.SetText("NSCombo", c.hemisphere);
        EXPECT_TRUE(CoordinateGiven(s, kLatitudeBoxes)) << c.d;
        EXPECT_EQ(DecimalDegrees(s, kLatitudeBoxes, DegreeForm::Fixed), c.fixed) << c.d;
        EXPECT_EQ(DecimalDegrees(s, kLatitudeBoxes, DegreeForm::General), c.general) << c.d;
    }
    for (const char* box : {"LatDegreesEdit", "LatMinutesEdit", "LatSecondsEdit"}) Set(box, "");
    EXPECT_FALSE(CoordinateGiven(s, kLatitudeBoxes));

    Set("LongDegreesEdit", "111");
    Set("LongMinutesEdit", "55");
    Set("LongSecondsEdit", "34");
    s.form.SetText("EWCombo", "W");
    EXPECT_EQ(DecimalDegrees(s, kLongitudeBoxes, DegreeForm::Fixed), "-111.92610");
    EXPECT_EQ(DecimalDegrees(s, kLongitudeBoxes, DegreeForm::General), "-111.926111111111");
}

TEST(NumberForms, GeneralFormUsesExponentsOnlyBelowOneHundredThousandth) {
    EXPECT_EQ(FormatGeneralNumber(0.5L), "0.5");
    EXPECT_EQ(FormatGeneralNumber(0.00001L), "0.00001");
    EXPECT_EQ(FormatGeneralNumber(0.0000025L), "2.5E-6");
    EXPECT_EQ(FormatGeneralNumber(120.0L), "120");
    EXPECT_EQ(FormatGeneralNumber(1.0L / 3), "0.333333333333333");
    EXPECT_EQ(FormatFixedDegrees(1.2345649L), "1.23456");
    EXPECT_EQ(FormatFixedDegrees(0.000004L), "0.00000");
}

TEST(NumberForms, MetersFromFeetRoundDown) {
    EXPECT_EQ(MetersFromFeet("1000"), 304);
    EXPECT_EQ(MetersFromFeet("1200"), 365);
    EXPECT_EQ(MetersFromFeet("3280"), 999);
    EXPECT_EQ(MetersFromFeet("10"), 3);
    EXPECT_EQ(MetersFromFeet("about 10"), 0);
    // Thousands written with commas; a lone comma stays a decimal comma.
    EXPECT_EQ(MetersFromFeet("12,000"), 3657);
    EXPECT_EQ(MetersFromFeet("1,250.5"), 381);
    EXPECT_EQ(MetersFromFeet("-1,000"), -305);
    EXPECT_EQ(MetersFromFeet("10,5"), 3);
    EXPECT_EQ(MetersFromFeet("1,2000"), 0);  // 1.2 feet: no thousands group
    EXPECT_EQ(ElevationNumber("12,000,500"), 12000500.0L);
    for (const char* notGrouped : {",000", "1,00", "1,0000", "12,000,00", "1,,000", "1,000,"})
        EXPECT_NE(ElevationNumber(notGrouped), std::optional<long double>(1000.0L)) << notGrouped;
    EXPECT_EQ(NumberOrZero("nan"), 0);
    EXPECT_EQ(NumberOrZero("0x10"), 0);
    EXPECT_EQ(NumberOrZero(" 2.5 "), 2.5L);
}

}  // namespace
}  // namespace quorl::testing
