// Double spacing of the label window: pasted text, and the reformat after a key split or joined
// lines (the keys themselves are driven through the real widget in the window tests).
#include <gtest/gtest.h>

#include "fields/DoubleSpacing.h"

using namespace quorl;

TEST(DoubleSpaceText, EveryLineFollowedByOneEmptyLine) {
    EXPECT_EQ(DoubleSpaceText("a\r\nb\r\nc"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(DoubleSpaceText("a\r\n\r\nb\r\n\r\n\r\nc"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(DoubleSpaceText("a\r\n\r\n\r\n\r\nb\r\nc\r\n"), "a\r\n\r\nb\r\n\r\nc\r\n\r\n");
    EXPECT_EQ(DoubleSpaceText("one line"), "one line");
}

TEST(ReformatDoubleSpacing, SplitsAtTypedBreakAndJoinsAtRemovedOne) {
    // Enter typed after "ab" of "abcd": the lone break becomes a double one.
    EXPECT_EQ(ReformatDoubleSpacing("x\r\n\r\nab\r\ncd\r\n\r\ny", 1), "x\r\n\r\nab\r\n\r\ncd\r\n\r\ny");
    // Backspace removed one of the two breaks between "ab" and "cd": the lines are joined.
    EXPECT_EQ(ReformatDoubleSpacing("x\r\n\r\nab\r\ncd", 2), "x\r\n\r\nabcd");
    // Three breaks in a row: the first two are a double break, the third is the new one.
    EXPECT_EQ(ReformatDoubleSpacing("a\r\n\r\n\r\nb", 2), "a\r\n\r\nb");
    EXPECT_EQ(ReformatDoubleSpacing("a\r\n\r\n\r\nb", 1), "a\r\n\r\n\r\n\r\nb");
}

TEST(ReformatDoubleSpacing, KeepsEveryByteOfTheLabel) {
    const std::string odd = "Lat ¬ 12¶¶ N\r\n\r\nPil¶¬";
    EXPECT_EQ(ReformatDoubleSpacing(odd, 1), odd);
    EXPECT_EQ(ReformatDoubleSpacing(odd, 2), odd);
    EXPECT_EQ(ReformatDoubleSpacing("¶¶x\r\ny¬", 2), "¶¶xy¬");
    EXPECT_EQ(ReformatDoubleSpacing("¶¶x\r\ny¬", 1), "¶¶x\r\n\r\ny¬");
}
