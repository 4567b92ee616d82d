// Cutting file texts for messages, and taking out the lines of a file that hold NUL bytes.
#include <gtest/gtest.h>

#include "base/Excerpt.h"
#include "base/NulLines.h"

using namespace quorl;

TEST(Excerpt, ShortTextsStayAndLongOnesAreCutBeforeAWholeCharacter) {
    EXPECT_EQ(Excerpt("Ann"), "Ann");
    EXPECT_EQ(Excerpt(std::string(80, 'a')), std::string(80, 'a'));
    EXPECT_EQ(Excerpt(std::string(81, 'a')), std::string(80, 'a') + "...");
    EXPECT_EQ(Excerpt("abcdef", 3), "abc...");
    // "é" is two bytes; a cut between them steps back before it.
    EXPECT_EQ(Excerpt("ab\xC3\xA9" "cd", 3), "ab...");
    EXPECT_EQ(Excerpt("ab\xC3\xA9" "cd", 4), "ab\xC3\xA9...");
    // Bytes that are no UTF-8 at all never make the cut run away.
    EXPECT_EQ(Excerpt(std::string(10, '\xBF'), 5), std::string(2, '\xBF') + "...");
}

TEST(NulLines, OnlyTheLinesHoldingNulBytesGo) {
    std::string text = std::string("oak\t1\r\n") + std::string(5, '\0') + "pine\t2\r\nfir\t3\r\n";
    auto removed = RemoveNulLines(text);
    EXPECT_EQ(text, "oak\t1\r\nfir\t3\r\n");
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].number, 2u);
    EXPECT_EQ(removed[0].text, "pine\t2");

    // Any line end; numbers count every line, empty ones too; a last line without its end.
    std::string mixed = std::string("a\n\nb\0\rc\r\nd\0", 12);
    removed = RemoveNulLines(mixed);
    EXPECT_EQ(mixed, "a\n\nc\r\n");
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0].number, 3u);
    EXPECT_EQ(removed[0].text, "b");
    EXPECT_EQ(removed[1].number, 5u);
    EXPECT_EQ(removed[1].text, "d");

    std::string clean = "no\r\nzero\r\n";
    EXPECT_TRUE(RemoveNulLines(clean).empty());
    EXPECT_EQ(clean, "no\r\nzero\r\n");
}
