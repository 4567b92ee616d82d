#include <gtest/gtest.h>

#include "model/ParserState.h"

using namespace quorl;

// The lower-cased form of a line follows its text however the text changed: through SetLine,
// written into the line table directly, or the whole table refilled for another label.
TEST(ParserStateForms, FollowEveryChangeOfALine) {
    ParserState p;
    p.LabelChunks = {"Quercus ALBA", "Elev. 4200 FT"};
    EXPECT_EQ(p.LowerLine(0), "quercus alba");
    EXPECT_EQ(p.LowerLine(1), "elev. 4200 ft");

    p.SetLine(0, "");
    EXPECT_EQ(p.LowerLine(0), "");
    p.LabelChunks[1] = "Sea Level";
    EXPECT_EQ(p.LowerLine(1), "sea level");
    p.LabelChunks = {"Det. J. SMITH"};
    EXPECT_EQ(p.LowerLine(0), "det. j. smith");
    EXPECT_EQ(p.LowerLine(1), "");  // no longer a line
    EXPECT_EQ(p.LowerLine(-1), "");
}

// Forms made by a searcher are dropped when the line changes, so that it makes them again.
TEST(ParserStateForms, SearchFormsAreDroppedWithAChangedLine) {
    ParserState p;
    p.LabelChunks = {"Flora of Peru"};
    LineForms& f = p.Forms(0);
    EXPECT_FALSE(f.searchFormsMade);
    f.folded = "Flora of Peru";
    f.searchFormsMade = true;
    EXPECT_TRUE(p.Forms(0).searchFormsMade);  // unchanged line: kept
    p.SetLine(0, "Flora of Chile");
    EXPECT_FALSE(p.Forms(0).searchFormsMade);
    EXPECT_EQ(p.Forms(0).source, "Flora of Chile");
}

// Views of a line's forms stay valid while later lines are read for the first time (the table of
// forms grows without moving what it holds), and changes to an ASCII letter only.
TEST(ParserStateForms, ViewsSurviveGrowthAndOnlyAsciiIsFolded) {
    ParserState p;
    p.LabelChunks = {"ÉTÉ Abc"};
    const std::string_view first = p.LowerLine(0);
    for (int i = 1; i < kMaxLabelLines; ++i) p.LabelChunks.push_back("Line " + std::to_string(i));
    for (int i = 1; i < kMaxLabelLines; ++i) EXPECT_EQ(p.LowerLine(i), "line " + std::to_string(i));
    EXPECT_EQ(first, "ÉtÉ abc");
}
