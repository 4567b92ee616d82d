#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "parser/CollectionNumber.h"
#include "parser/CollectorLine.h"
#include "parser/NumberText.h"

using namespace quorl;
using ParserSessionTest = quorl::ptest::ParserTest;

class CollectionNumbers : public ParserSessionTest {
protected:
    int Find(std::string text) { return FindCollectionNumber(s, text); }
};

TEST(NumberText, CleanNumberTextStripsNumbersAtBothEnds) {
    EXPECT_EQ(CleanNumberText("12 J. Smith 45)"), "J. Smith ");
    EXPECT_EQ(CleanNumberText("7"), "");
    EXPECT_EQ(CleanNumberText("12 x"), "x");
    EXPECT_EQ(CleanNumberText(")"), "");
    EXPECT_EQ(CleanNumberText(""), "");
    EXPECT_EQ(CleanNumberText("J. Smith"), "J. Smith");
}

TEST_F(CollectionNumbers, FindsTheFirstNumberThatIsNoYearUnitOrSmallNumber) {
    const int now = CurrentCalendarYear();
    const struct {
        std::string text;
        int number;
    } cases[] = {
        {"1234", 1234}, {"2500", 2500}, {"1998", 0}, {"55", 0}, {"1200 m", 0}, {"1200m", 0}, {"", 0},
        {"no digits", 0}, {IntToStr(now), 0}, {"2021", 0}, {IntToStr(now + 1), now + 1},
        // The search goes on past the digits it rejected.
        {"1998 12 and 4567", 4567}, {"12 13 14 15 16 17", 0},
    };
    for (const auto& c : cases) {
        Set("NumberEdit", "");
        EXPECT_EQ(Find(c.text), c.number) << c.text;
        EXPECT_EQ(Text("NumberEdit"), c.number ? IntToStr(c.number) : "") << c.text;
    }
    Set("CollectorEdit", "J. Smith");  // the collector's text is no number
    EXPECT_EQ(Find("j. smith 1234"), 0);
    Set("CollectorEdit", "S");  // the collector's letters inside a longer word are not the collector
    EXPECT_EQ(Find("Richard C. Harris 36046"), 36046);
    EXPECT_EQ(Find("S. Harris 36046"), 0);
}

TEST_F(CollectionNumbers, StartWordPrefixSuffixAndTheYearBeforeAHyphen) {
    s.FieldDefinitions[1].StartWords = "no.";
    const struct {
        const char* date;
        const char* text;
        const char* prefix;
        const char* suffix;
        int number;
    } cases[] = {{"", "1998 No. 345", "", "", 345}, {"", "A1234", "A", "", 1234}, {"", "1234-b", "", "b", 1234},
                 {"", "A-1234", "A", "", 1234}, {"12 May 1998", "1998-1234", "1998", "", 1234}};
    for (const auto& c : cases) {
        Set("CollectionDateEdit", c.date);
        Set("PrefixEdit", "");
        Set("SuffixEdit", "");
        EXPECT_EQ(Find(c.text), c.number) << c.text;
        EXPECT_EQ(Text("PrefixEdit") + "|" + Text("SuffixEdit"), std::string(c.prefix) + "|" + c.suffix) << c.text;
    }
    Set("PrefixEdit", "");
    Set("SuffixEdit", "");
    EXPECT_EQ(Find("1234-b 12 May"), 1234);  // the suffix ends at a blank
    EXPECT_EQ(Trim(Text("SuffixEdit")), "b");
}

TEST_F(CollectionNumbers, IsCollectionYearReadsTheDate) {
    EXPECT_FALSE(IsCollectionYear(s, "1998"));
    Set("CollectionDateEdit", "12 May 1998");
    EXPECT_TRUE(IsCollectionYear(s, "1998"));
    EXPECT_TRUE(IsCollectionYear(s, "98"));
    EXPECT_FALSE(IsCollectionYear(s, "998"));
    EXPECT_FALSE(IsCollectionYear(s, "x"));
    Set("CollectionDateEdit", "8");
    EXPECT_TRUE(IsCollectionYear(s, "8"));
}

TEST_F(CollectionNumbers, SplitHyphenatedNumberAroundTheYear) {
    Set("CollectionDateEdit", "12 May 1998");
    EXPECT_TRUE(SplitHyphenatedNumber(s, "1998-1234"));
    EXPECT_EQ(Text("PrefixEdit"), "1998");
    EXPECT_EQ(Text("NumberEdit"), "1234");
    EXPECT_TRUE(SplitHyphenatedNumber(s, "1234-98,"));
    EXPECT_EQ(Text("NumberEdit"), "1234");
    EXPECT_EQ(Text("SuffixEdit"), "98");
    EXPECT_TRUE(SplitHyphenatedNumber(s, "A-77-98"));
    EXPECT_EQ(Text("PrefixEdit"), "A");
    EXPECT_EQ(Text("NumberEdit"), "77");
    EXPECT_FALSE(SplitHyphenatedNumber(s, "12-34"));
    EXPECT_FALSE(SplitHyphenatedNumber(s, "1234"));
}

// A collector line is cut at its first separator, else at its number; a line that starts with
// "&" joins the line before it.
TEST_F(CollectionNumbers, SplitCollectorLine) {
    const struct {
        std::vector<std::string> lines;  // the text is the last one
        const char* fields;              // collector|other collectors|number
    } cases[] = {
        {{"Flora", "J. Smith and A. Jones"}, "J. Smith|and A. Jones|"},
        {{"Flora", "J. Smith y A. Jones"}, "J. Smith|y A. Jones|"},
        {{"Flora", "J. Smith with A. Jones"}, "J. Smith|with A. Jones|"},
        {{"Flora", "J. Smith & A. Jones"}, "J. Smith|& A. Jones|"},
        {{"J. Smith 1234"}, "J. Smith||1234"},
        {{"& 12 x"}, "&||12"},  // a digit first, on the first line, with nothing before it
        {{"J. Smith", "& A. Jones"}, "J. Smith|& A. Jones|"},
    };
    for (const auto& c : cases) {
        for (const char* box : {"CollectorEdit", "OtherCollectorsEdit", "NumberEdit"}) Set(box, "");
        s.parser.LabelChunks = c.lines;
        s.parser.CurrentLine = static_cast<int>(c.lines.size()) - 1;
        SplitCollectorLine(s, c.lines.back());
        EXPECT_EQ(Text("CollectorEdit") + "|" + Text("OtherCollectorsEdit") + "|" + Text("NumberEdit"), c.fields)
            << c.lines.back();
    }
}
