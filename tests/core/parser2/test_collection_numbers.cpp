#include <gtest/gtest.h>

#include "Parser2Fixture.h"
#include "model/Text.h"
#include "parser/CollectionNumber.h"
#include "parser/CollectorLine.h"
#include "parser/NumberText.h"
#include "parser/ParseText.h"

using namespace quorl;
using quorl::test::ParserSessionTest;

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

TEST_F(CollectionNumbers, PlausibleYearsAndSmallNumbersAreRejected) {
    EXPECT_EQ(Find("1234"), 1234);
    EXPECT_EQ(Text("NumberEdit"), "1234");
    EXPECT_EQ(Find("1998"), 0);
    EXPECT_EQ(Find("55"), 0);
    EXPECT_EQ(Find("2500"), 2500);
    EXPECT_EQ(Find("1200 m"), 0);
    EXPECT_EQ(Find("1200m"), 0);
    EXPECT_EQ(Find(""), 0);
    EXPECT_EQ(Find("no digits"), 0);
}

TEST_F(CollectionNumbers, ThisYearIsAYearAndNextYearANumber) {
    const int now = CurrentCalendarYear();
    EXPECT_EQ(Find(IntToStr(now)), 0);
    EXPECT_EQ(Find("2021"), 0);
    EXPECT_EQ(Find(IntToStr(now + 1)), now + 1);
}

TEST_F(CollectionNumbers, SearchGoesOnPastRejectedDigits) {
    EXPECT_EQ(Find("1998 12 and 4567"), 4567);
    EXPECT_EQ(Find("12 13 14 15 16 17"), 0);
}

TEST_F(CollectionNumbers, CollectorTextIsNoNumber) {
    Set("CollectorEdit", "J. Smith");
    EXPECT_EQ(Find("j. smith 1234"), 0);
}

TEST_F(CollectionNumbers, StartWordAndPrefixSuffix) {
    s.FieldDefinitions[1].StartWords = "no.";
    EXPECT_EQ(Find("1998 No. 345"), 345);
    EXPECT_EQ(Find("A1234"), 1234);
    EXPECT_EQ(Text("PrefixEdit"), "A");
    Set("PrefixEdit", "");
    EXPECT_EQ(Find("1234-b"), 1234);
    EXPECT_EQ(Text("SuffixEdit"), "b");
    Set("SuffixEdit", "");
    EXPECT_EQ(Find("A-1234"), 1234);
    EXPECT_EQ(Text("PrefixEdit"), "A");
}

TEST_F(CollectionNumbers, YearBeforeHyphenBecomesPrefix) {
    Set("CollectionDateEdit", "12 May 1998");
    EXPECT_EQ(Find("1998-1234"), 1234);
    EXPECT_EQ(Text("PrefixEdit"), "1998");
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

TEST_F(CollectionNumbers, SplitCollectorLineWithSeparator) {
    s.parser.LabelChunks = {"Plants of Arizona", "J. Smith & A. Jones"};
    s.parser.CurrentLine = 1;
    SplitCollectorLine(s, "J. Smith and A. Jones");
    EXPECT_EQ(Text("CollectorEdit"), "J. Smith");
    EXPECT_EQ(Text("OtherCollectorsEdit"), "and A. Jones");
}

TEST_F(CollectionNumbers, SplitCollectorLineWithNumber) {
    s.parser.LabelChunks = {"J. Smith 1234"};
    s.parser.CurrentLine = 0;
    SplitCollectorLine(s, "J. Smith 1234");
    EXPECT_EQ(Text("CollectorEdit"), "J. Smith");
    EXPECT_EQ(Text("NumberEdit"), "1234");
    // A digit first, on the first line, with nothing before it.
    Set("NumberEdit", "");
    SplitCollectorLine(s, "& 12 x");
    EXPECT_EQ(Text("NumberEdit"), "12");
    EXPECT_EQ(Text("CollectorEdit"), "&");
}

TEST_F(CollectionNumbers, SplitCollectorLineJoinsPreviousLine) {
    s.parser.LabelChunks = {"J. Smith", "& A. Jones", "x"};
    s.parser.CurrentLine = 1;
    SplitCollectorLine(s, "& A. Jones");
    EXPECT_EQ(Text("CollectorEdit"), "J. Smith");
    EXPECT_EQ(Text("OtherCollectorsEdit"), "& A. Jones");
}
