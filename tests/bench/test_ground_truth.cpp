// The ground truth of the learning measurement: reading the label CSV files and holding parsed
// values against them.
#include <gtest/gtest.h>

#include "GroundTruth.h"

using namespace quorl;

TEST(GroundTruth, ReadsTheValueRowPastQuotesLineBreaksAndARepeatedHeader) {
    const auto truth = ReadGroundTruth(
        "\"dwc:recordedBy\",\"dwc:verbatimLocality\",\"dwc:verbatimLatitude\",dwc:habitat\n"
        "\"dwc:recordedBy\",\"dwc:verbatimLocality\",\"dwc:verbatimLatitude\",dwc:habitat\n"
        "R. C. Harris,\"Bluff Point, 44°37'27\"\"N, \n73°25'50\"\"W\",\"38°42'20\"\"N\"\n");
    EXPECT_EQ(truth.at("dwc:recordedBy"), "R. C. Harris");
    EXPECT_EQ(truth.at("dwc:verbatimLocality"), "Bluff Point, 44°37'27\"N, \n73°25'50\"W");
    EXPECT_EQ(truth.at("dwc:verbatimLatitude"), "38°42'20\"N");
    EXPECT_EQ(truth.at("dwc:habitat"), "");  // the row is one value short
    EXPECT_TRUE(ReadGroundTruth("dwc:recordedBy\n").empty());

    EXPECT_EQ(TruthValue(truth, "dwc:habitat|dwc:recordedBy"), "R. C. Harris");
    EXPECT_EQ(TruthValue(truth, "dwc:country|dwc:habitat"), "");
}

TEST(GroundTruth, ComparableTextAndDates) {
    EXPECT_EQ(ComparableText("  QUÉBEC, Canada. "), "quebec canada");
    EXPECT_EQ(ComparableText("on Trapelia  placodioides\r\n(Coppins)"), "on trapelia placodioides coppins");
    EXPECT_EQ(IsoDate("19 April 1998"), "1998-04-19");
    EXPECT_EQ(IsoDate("Sept. 12, 1913"), "1913-09-12");
    EXPECT_EQ(IsoDate("4 Jun 1960"), "1960-06-04");
    EXPECT_EQ(IsoDate("May 1995"), "1995-05");
    EXPECT_EQ(IsoDate("1998-04-19/1998-04-20"), "1998-04-19");
    EXPECT_EQ(IsoDate("1998-04"), "1998-04");
    EXPECT_EQ(IsoDate("19 April"), "");
}

TEST(GroundTruth, EachFieldIsHeldAgainstItsTruthInItsOwnWay) {
    EXPECT_TRUE(SameValue(Comparison::Text, "", "  "));
    EXPECT_FALSE(SameValue(Comparison::Text, "01075775", ""));
    EXPECT_FALSE(SameValue(Comparison::Text, "", "42164"));
    EXPECT_TRUE(SameValue(Comparison::Text, "Harriman State Park, along", "HARRIMAN state park along"));

    EXPECT_TRUE(SameValue(Comparison::Collector, "Mason E. Hale", "Mason E. Hale & Isao Yoshimura"));
    EXPECT_TRUE(SameValue(Comparison::Collector, "A. J. Sharp", "A. J. Sharp and Z. Iwatsuki"));
    EXPECT_FALSE(SameValue(Comparison::Collector, "Isao Yoshimura", "Mason E. Hale & Isao Yoshimura"));

    EXPECT_TRUE(SameValue(Comparison::Date, "21 May 2006", "2006-05-21"));
    EXPECT_FALSE(SameValue(Comparison::Date, "21 May 2006", "2006-05"));
    EXPECT_FALSE(SameValue(Comparison::Date, "21 May", "May 21"));  // no year: nothing to compare

    EXPECT_TRUE(SameValue(Comparison::Place, "Scioto County", "Scioto"));
    EXPECT_TRUE(SameValue(Comparison::Place, "Boulder", "BOULDER CO."));
    EXPECT_FALSE(SameValue(Comparison::Place, "Scioto County", "County"));
    EXPECT_FALSE(SameValue(Comparison::Place, "New York", "York"));

    EXPECT_TRUE(SameValue(Comparison::Country, "United States", "U.S.A."));
    EXPECT_TRUE(SameValue(Comparison::Country, "United States", "USA"));
    EXPECT_FALSE(SameValue(Comparison::Country, "United States", "Canada"));

    EXPECT_TRUE(SameValue(Comparison::Name, "Polycoccum minutulum", "Polycoccum minutulum Kocourková & F. Berger"));
    EXPECT_FALSE(SameValue(Comparison::Name, "Polycoccum minutul", "Polycoccum minutulum Kocourková"));
    EXPECT_FALSE(SameValue(Comparison::Name, "Polycoccum", "Polycoccum minutulum Kocourková"));
    EXPECT_TRUE(SameValue(Comparison::Name, "Polycoccum", "POLYCOCCUM"));

    EXPECT_TRUE(SameValue(Comparison::Coordinate, "41.18333", "41.183"));
    EXPECT_TRUE(SameValue(Comparison::Coordinate, "-74.13333", "-74.133"));
    EXPECT_FALSE(SameValue(Comparison::Coordinate, "74.13333", "-74.133"));
    EXPECT_FALSE(SameValue(Comparison::Coordinate, "41.19", "41.183"));
}

TEST(GroundTruth, WordOverlapCountsSharedWordsWithRepeats) {
    EXPECT_DOUBLE_EQ(WordOverlap("", ""), 1.0);
    EXPECT_DOUBLE_EQ(WordOverlap("oak woods", ""), 0.0);
    EXPECT_DOUBLE_EQ(WordOverlap("Oak scrub and oak", "oak scrub and oak woods near pond."), 2.0 * 4 / 11);
    EXPECT_DOUBLE_EQ(WordOverlap("oak oak", "oak"), 2.0 / 3);
}
