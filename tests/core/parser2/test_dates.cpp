#include <gtest/gtest.h>

#include "Parser2Fixture.h"
#include "model/Text.h"
#include "parser/DateRecognizer.h"
#include "parser/ParseText.h"

using namespace quorl;
using quorl::test::ParserSessionTest;

class Dates : public ParserSessionTest {
protected:
    std::string Date(std::string line, std::string* rest = nullptr) {
        std::string r = ExtractDate(s, line);
        if (rest) *rest = line;
        return r;
    }
};

TEST_F(Dates, NamedAndRomanMonths) {
    std::string rest;
    EXPECT_EQ(Date("12 May 1995", &rest), "12 May 1995");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(Date("12.V.1995", &rest), "12 May 1995");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(Date("3 Septiembre 1987"), "3 Sep 1987");
    EXPECT_EQ(Date("Collected 4 January 1950 by me", &rest), "4 Jan 1950");
    EXPECT_EQ(rest, "Collected  by me");
}

TEST_F(Dates, TwoDigitYearsAndNoYear) {
    EXPECT_EQ(Date("12 May 95"), "12 May 1995");
    EXPECT_EQ(Date("12 May 15"), "");
    EXPECT_EQ(Date("1995"), "");
}

TEST_F(Dates, UnitsAreNoDateHints) {
    EXPECT_EQ(Date("1200 m"), "");
    EXPECT_EQ(Date("3500 ft"), "");
}

TEST_F(Dates, MonthAndYearOnly) {
    std::string rest;
    EXPECT_EQ(Date("Jan 1995", &rest), "Jan 1995");
    EXPECT_EQ(rest, "1995");
    EXPECT_EQ(Date("May 12, 1995", &rest), "12  1995");
}

TEST_F(Dates, GluedPrefixAndMonths) {
    std::string rest;
    EXPECT_EQ(Date("date12 May 1995", &rest), "12 May 1995");
    EXPECT_EQ(rest, "date ");
    EXPECT_EQ(Date("12Jan1990"), "12 Jan 1990");
    std::string line = "ApriI";
    EXPECT_EQ(ExtractDate(s, line), "");
    EXPECT_EQ(line, "April");
}

TEST_F(Dates, NumericDatesMonthDayYear) {
    EXPECT_EQ(Date("5/12/98"), "12 May 1998");
    EXPECT_EQ(Date("25/12/1995"), "25 Dec 1995");
    EXPECT_EQ(Date("12/5/1998"), "5 Dec 1998");
    EXPECT_EQ(Date("l2 May l995"), "12 May 1995");
}

TEST_F(Dates, YearsUpToThisYearAreRead) {
    const int now = CurrentCalendarYear();
    EXPECT_EQ(Date("12 May " + IntToStr(now)), "12 May " + IntToStr(now));
    EXPECT_EQ(Date("12 May 2023"), "12 May 2023");
    EXPECT_EQ(Date("12 May " + IntToStr(now + 1)), "");
}

TEST_F(Dates, TraceReportsMonthAndYear) {
    s.trace.Trace = true;
    s.trace.TraceField = 3;
    Date("12 May 1995");
    EXPECT_NE(s.trace.TraceText.find("Found \"May\" in \"12 May 1995\".\r\n"), std::string::npos);
    EXPECT_NE(s.trace.TraceText.find("Found \"1995\""), std::string::npos);
}

TEST_F(Dates, SeparatorsAtTheEndOfALongLineAreSafe) {
    std::string line;
    for (int i = 0; i < 120; ++i) line += "a-";
    line += " 12 May 1995";
    EXPECT_EQ(Date(line), "");
    std::string many(300, '/');
    EXPECT_EQ(Date(many), "");
    EXPECT_EQ(Date(""), "");
}
