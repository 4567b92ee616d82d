#include <gtest/gtest.h>

#include "base/Text.h"

using namespace quorl;

TEST(NextToken, CutsAtDelimiterAndEmptiesAtEnd) {
    std::string t = "a\tb";
    EXPECT_EQ(NextToken(t, "\t", false), "a");
    EXPECT_EQ(t, "b");
    EXPECT_EQ(NextToken(t, "\t", false), "b");
    EXPECT_EQ(t, "");
    EXPECT_EQ(NextToken(t, "\t", false), "");
}

TEST(NextToken, TrimsTextAndToken) {
    std::string t = "  x ,y";
    EXPECT_EQ(NextToken(t, ",", true), "x");
    EXPECT_EQ(t, "y");
    std::string m = "ab\r\ncd\r\n";
    EXPECT_EQ(NextToken(m, "\r\n", false), "ab");
    EXPECT_EQ(m, "cd\r\n");
}

TEST(Numbers, IntegerAndFloatParsing) {
    EXPECT_EQ(TryStrToInt(" 42 "), 42);
    EXPECT_EQ(TryStrToInt("-7"), -7);
    EXPECT_FALSE(TryStrToInt("4x"));
    EXPECT_FALSE(TryStrToInt(""));
    EXPECT_FALSE(TryStrToInt("99999999999"));
    EXPECT_THROW(StrToInt("x"), ConversionError);
    EXPECT_DOUBLE_EQ(*TryStrToFloat("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(*TryStrToFloat("-12,5"), -12.5);
    EXPECT_DOUBLE_EQ(*TryStrToFloat(" +.5e1 "), 5.0);
    EXPECT_FALSE(TryStrToFloat("+-5"));
    EXPECT_FALSE(TryStrToFloat("1e999"));
    EXPECT_FALSE(TryStrToFloat("1.2.3"));
    EXPECT_FALSE(TryStrToFloat("abc"));
}

TEST(Lines, SplitsOnEveryLineEnd) {
    auto l = SplitLines("a\r\nb\nc\rd");
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[3], "d");
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(CrLfLineEnds("a\r\nb\nc\rd\r\r\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n\r\n");
}

TEST(Characters, CountAndStepOverWholeCharacters) {
    const std::string t = "aé北𝄞z";  // 1, 2, 3, 4 and 1 bytes
    EXPECT_EQ(CharCount(t), 5u);
    EXPECT_EQ(CharsForward(t, 0, 2), 3u);
    EXPECT_EQ(CharsForward(t, 1, 1), 3u);
    EXPECT_EQ(CharsForward(t, 6, 9), t.size());
    EXPECT_EQ(CharsBack(t, t.size(), 2), 6u);
    EXPECT_EQ(CharsBack(t, 3, 5), 0u);
    EXPECT_TRUE(MoreCharsThan("abcd", 3));
    EXPECT_FALSE(MoreCharsThan("éé", 2));  // four bytes, two characters
}
