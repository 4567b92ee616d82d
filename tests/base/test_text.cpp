#include <gtest/gtest.h>

#include "base/Encoding.h"
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

TEST(Encoding, RoundTripsEveryByteAndReadsLegacyFiles) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\xB0"), "\xC2\xB0");           // degree sign
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");       // euro sign
    EXPECT_EQ(DecodeFileBytes("caf\xC3\xA9"), "caf\xE9");  // UTF-8 file
    EXPECT_EQ(DecodeFileBytes("caf\xE9"), "caf\xE9");      // legacy single-byte file
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");          // not in the code page
}

TEST(Lines, SplitsOnEveryLineEnd) {
    auto l = SplitLines("a\r\nb\nc\rd");
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[3], "d");
    EXPECT_TRUE(SplitLines("").empty());
}
