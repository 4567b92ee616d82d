#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "parser/DateRecognizer.h"

using namespace quorl;
using ParserSessionTest = quorl::ptest::ParserTest;

class Dates : public ParserSessionTest {
protected:
    std::string Date(std::string line, std::string* rest = nullptr) {
        std::string r = ExtractDate(s, line);
        if (rest) *rest = line;
        return r;
    }
};

TEST_F(Dates, ExtractDateReadsTheDateAndCutsItFromTheLine) {
    const std::string now = IntToStr(CurrentCalendarYear()), next = IntToStr(CurrentCalendarYear() + 1);
    const struct {
        std::string line, date;
        const char* rest;  // nullptr: not looked at
    } cases[] = {
        {"12 May 1995", "12 May 1995", ""},
        {"12.V.1995", "12 May 1995", ""},
        {"3 Septiembre 1987", "3 Sep 1987", nullptr},
        {"Collected 4 January 1950 by me", "4 Jan 1950", "Collected  by me"},
        {"12 May 95", "12 May 1995", nullptr},
        {"12 May 15", "", nullptr},
        {"1995", "", nullptr},
        {"1200 m", "", nullptr},  // units are no date hints
        {"3500 ft", "", nullptr},
        {"Jan 1995", "Jan 1995", "1995"},
        {"May 12, 1995", "12  1995", nullptr},
        {"date12 May 1995", "12 May 1995", "date "},
        {"12Jan1990", "12 Jan 1990", nullptr},
        {"ApriI", "", "April"},
        {"5/12/98", "12 May 1998", nullptr},
        {"25/12/1995", "25 Dec 1995", nullptr},
        {"12/5/1998", "5 Dec 1998", nullptr},
        {"l2 May l995", "12 May 1995", nullptr},
        {"12 May " + now, "12 May " + now, nullptr},  // years up to this year are read
        {"12 May 2023", "12 May 2023", nullptr},
        {"12 May " + next, "", nullptr},
    };
    for (const auto& c : cases) {
        std::string rest;
        EXPECT_EQ(Date(c.line, &rest), c.date) << c.line;
        if (c.rest) {
            EXPECT_EQ(rest, c.rest) << c.line;
        }
    }
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
