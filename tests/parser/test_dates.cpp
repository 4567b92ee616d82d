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

struct LineDate {
    const char* line;
    const char* date;
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
        {"12 Aug 51", "12 Aug 1951", nullptr},
        {"Stop 47, 3-8-1996", "8 Mar 1996", nullptr},  // a four-digit year before a two-digit one
        {"12 May 15", "", nullptr},
        {"1995", "", nullptr},
        {"1200 m", "", nullptr},  // units are no date hints
        {"3500 ft", "", nullptr},
        {"Jan 1995", "Jan 1995", "1995"},
        {"date12 May 1995", "12 May 1995", "date "},
        {"12Jan1990", "12 Jan 1990", nullptr},
        {"ApriI", "", "April"},
        {"5/12/98", "12 May 1998", nullptr},
        {"25/12/1995", "25 Dec 1995", ""},
        {"25/1/1995", "25 Jan 1995", ""},
        {"13/5/1998", "13 May 1998", ""},  // the smallest and the largest day that cannot be a month
        {"31/5/1998", "31 May 1998", ""},
        {"Coll. 25/12/1995 on bark", "25 Dec 1995", "Coll.  on bark"},  // the day first: all cut
        {"Route 9, 3 mi S of town, 25/12/1995", "25 Dec 1995", "Route 9, 3 mi S of town, "},
        {"Route 9, 3 mi S of town, 5/12/98", "12 May 1998", "Route 9, 3 mi S of town, "},
        {"V-23-76 R.Dietz,", "23 May 1976", " R.Dietz,"},
        {"12/5/1998", "5 Dec 1998", ""},
        {"l2 May l995", "12 May 1995", nullptr},
        {"26 July 1998 l", "26 Jul 1998", " l"},  // a stray mark after a whole date is no day
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

TEST_F(Dates, MonthBeforeTheDayAsNorthAmericanLabelsWriteIt) {
    const LineDate cases[] = {
        {"May 12, 1995", "12 May 1995"},       {"November 4, 1994", "4 Nov 1994"},
        {"Nov. 4, 1994", "4 Nov 1994"},        {"MARCH 13, 1971", "13 Mar 1971"},
        {"Sept. 12, 1913", "12 Sep 1913"},     {"Coll. Aug. 3, 1962", "3 Aug 1962"},
        {"July 1962", "Jul 1962"},             // no day: month and year
        {"Jan 30 31, 1995", "31  1995"},       // the comma does not count, but the numbers do
        {"Jan 3 4 5 6 1995", ""},              // no year within four tokens of the month
        {"Jan 12 x 5 1995", "12 May 1995"},    // a name too far from the year gives way to a number
        {"May-12-1995", "12 May 1995"},        // hyphens do not count either
    };
    for (const auto& c : cases) {
        std::string rest;
        EXPECT_EQ(Date(c.line, &rest), c.date) << c.line;
    }
    std::string rest;
    Date("Nov. 4, 1994 on rocks", &rest);
    EXPECT_EQ(rest, " on rocks");
}

TEST_F(Dates, OneLetterRomanMonthBesideItsDayAndYear) {
    const LineDate cases[] = {
        {"12 V 1998", "12 May 1998"},          {"12.V.1998", "12 May 1998"},
        {"3-X-98", "3 Oct 1998"},              {"1 i 1950", "1 Jan 1950"},
        {"31.V.1998", "31 May 1998"},          {"32.V.1998", "1998"},         // days 1 to 31 only
        {"Det. J. V. Brown 1998", "1998"},     {"I. Smith 1998", "1998"},     // initials
        {"leg. X. Wu 12 1998", "12  1998"},    {"V 1998", "1998"},            // no day before it
        {"40 V 1998", "1998"},                 // no day: the number is too large
        {"J. V. Brown 12 V 1998", "12 May 1998"},
        {"3 IV 1998", "3 Apr 1998"},           {"IV 1998", "Apr 1998"},       // longer numerals stay
        {"X-9-55", "9 Oct 1955"},              {"V.23.1976", "23 May 1976"},  // in front, joined
        {"VII-4-54", "4 Jul 1954"},            {"l-V-2001", "1 May 2001"},
        {"X 9 1955", "9  1955"},               {"X-9.55", "9  1955"},         // not joined
        {"X-40-55", "1940"},                   {"I pek 1951", "1951"},
    };
    for (const auto& c : cases) EXPECT_EQ(Date(c.line), c.date) << c.line;
}

TEST_F(Dates, MonthSpellingsBesidesTheTableAndOrdinalDays) {
    const LineDate cases[] = {
        {"12 Sept 1913", "12 Sep 1913"},      {"3 diciembre 1980", "3 Dec 1980"},
        {"3 Deciembre 1980", "3 Dec 1980"},   {"9 setiembre 1977", "9 Sep 1977"},
        {"23 Ene, 1985", "23 Jan 1985"},      {"2 ABR 1985", "2 Apr 1985"},
        {"14 ago 1990", "14 Aug 1990"},       {"30 Dic 1999", "30 Dec 1999"},
        {"7th May 1938", "7 May 1938"},       {"1st June 1950", "1 Jun 1950"},
        {"2nd Oct. 1950", "2 Oct 1950"},      {"23rd Ene 1985", "23 Jan 1985"},
        {"May 31st, 1950", "31 May 1950"},    {"12Sept1913", "12 Sep 1913"},
        {"15 Senior 1950", "15  1950"},         // a word that is no month
        // One letter misread in front of a day and a year, and only one month that near.
        {"AAg- 1, 1957", "1 Aug 1957"},       {"Mov. 4, 1975", "4 Nov 1975"},
        {"Jon 3, 1957", "3  1957"},           {"Dey, 1973", "1973"},
        {"AAg 1957", "1957"},
    };
    for (const auto& c : cases) EXPECT_EQ(Date(c.line), c.date) << c.line;
    std::string rest;
    EXPECT_EQ(Date("leg. 7th May 1938 X", &rest), "7 May 1938");
    EXPECT_EQ(rest, "leg.  X");
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
