#include <gtest/gtest.h>

#include <random>

#include "base/ParseText.h"
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
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt("+2147483648"));
    EXPECT_FALSE(TryStrToInt("-2147483649"));
    EXPECT_FALSE(TryStrToInt("-99999999999999999999999"));
    EXPECT_EQ(TryStrToInt("+0000000000000000000000012"), 12);
    EXPECT_EQ(TryStrToInt("\t-0\r\n"), 0);
    EXPECT_FALSE(TryStrToInt("-"));
    EXPECT_FALSE(TryStrToInt("1 2"));
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

// The case-blind helpers fold A-Z only and must answer exactly as searching lower-cased copies,
// bytes outside ASCII (here the halves of "É" and "é") included.
TEST(NoCase, AnswersAsLowerCasedCopiesDo) {
    std::mt19937 rng(11);
    const std::vector<std::string> pieces = {"a", "A", "b", "B", "ab", "AB", " ", "\xC3\x89", "\xC3\xA9", "@", "`", "[", "{", "z", "Z"};
    auto random = [&](size_t most) {
        std::string t;
        for (size_t n = rng() % (most + 1); n > 0; --n) t += pieces[rng() % pieces.size()];
        return t;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = random(8), needle = random(3);
        const std::string lowText = LowerCase(text), lowNeedle = LowerCase(needle);
        const size_t from = rng() % (text.size() + 2);
        ASSERT_EQ(FindNoCase(text, needle, from), lowText.find(lowNeedle, from)) << text << " / " << needle;
        ASSERT_EQ(ContainsNoCase(text, needle), lowText.find(lowNeedle) != std::string::npos);
        ASSERT_EQ(PosNoCase(needle, text), Pos(lowNeedle, lowText));
        ASSERT_EQ(StartsWithNoCase(text, needle), StartsWith(lowText, lowNeedle));
        ASSERT_EQ(EqualsNoCase(text, needle), lowText == lowNeedle);
        // Replacing: the matches are those of the lower-cased copy, the rest of the text is kept.
        std::string expected;
        size_t i = 0;
        for (size_t p; !lowNeedle.empty() && (p = lowText.find(lowNeedle, i)) != std::string::npos; i = p + lowNeedle.size())
            expected += text.substr(i, p - i) + "<>";
        expected += text.substr(i);
        ASSERT_EQ(ReplaceAllNoCase(text, needle, "<>"), expected) << text << " / " << needle;
    }
    EXPECT_EQ(FindNoCase("Abc", ""), 0u);
    EXPECT_EQ(FindNoCase("Abc", "", 3), 3u);
    EXPECT_EQ(FindNoCase("Abc", "", 4), std::string::npos);
    EXPECT_EQ(PosNoCase("", "Abc"), 0u);
    EXPECT_EQ(TrimmedView(" \t x y\r\n"), "x y");
    EXPECT_EQ(TrimmedView("  "), "");
}
