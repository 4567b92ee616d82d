#include <gtest/gtest.h>

#include "base/TextOffsets.h"

using namespace quorl;

TEST(TextOffsets, EveryLineEndIsOneWidgetPosition) {
    // The widget shows "ab\nc\nd\ne": each line end is one position whatever its bytes.
    const std::string inner = "ab\r\nc\nd\re";
    const size_t widget[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    const size_t bytes[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};
    for (size_t k = 0; k < std::size(widget); ++k) {
        EXPECT_EQ(InnerOffsetOf(inner, widget[k]), bytes[k]) << k;
        EXPECT_EQ(WidgetOffsetOf(inner, bytes[k]), widget[k]) << k;
    }
    EXPECT_EQ(InnerOffsetOf(inner, 99), inner.size());
    EXPECT_EQ(WidgetOffsetOf(inner, 3), 2u);  // inside CR LF: its start
}

TEST(TextOffsets, CharactersBeyondAsciiAndSurrogatePairs) {
    // "é" is 2 bytes and 1 unit, "北" 3 bytes and 1 unit, "𝄞" 4 bytes and 2 units.
    const std::string inner = "é北𝄞\r\nx";
    EXPECT_EQ(InnerOffsetOf(inner, 1), 2u);
    EXPECT_EQ(InnerOffsetOf(inner, 2), 5u);
    EXPECT_EQ(InnerOffsetOf(inner, 3), 5u);  // inside the pair: its start
    EXPECT_EQ(InnerOffsetOf(inner, 4), 9u);
    EXPECT_EQ(InnerOffsetOf(inner, 5), 11u);
    EXPECT_EQ(WidgetOffsetOf(inner, 9), 4u);
    EXPECT_EQ(WidgetOffsetOf(inner, 11), 5u);
    EXPECT_EQ(WidgetOffsetOf(inner, 1), 0u);
}
