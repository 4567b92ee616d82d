#include <gtest/gtest.h>

#include "parser/Accents.h"
#include "parser/Numerals.h"

using namespace quorl;

TEST(Numerals, ReplaceCharNearDigitWorksOutwardsFromDigits) {
    EXPECT_EQ(ReplaceCharNearDigit("l5", 'l', '1'), "15");
    EXPECT_EQ(ReplaceCharNearDigit("5l", 'l', '1'), "51");
    EXPECT_EQ(ReplaceCharNearDigit("lll5", 'l', '1'), "1115");
    EXPECT_EQ(ReplaceCharNearDigit("5lll x", 'l', '1'), "5111 x");
    EXPECT_EQ(ReplaceCharNearDigit("ll", 'l', '1'), "ll");
    EXPECT_EQ(ReplaceCharNearDigit("", 'l', '1'), "");
    // A letter that does not become a digit spreads no further.
    EXPECT_EQ(ReplaceCharNearDigit("aa5aa", 'a', 'b'), "ab5ba");
    EXPECT_EQ(ReplaceCharNearDigit("5x", 'x', 'x'), "5x");
}

TEST(Numerals, FixNumeralsRepairsOcrLettersAmongDigits) {
    EXPECT_EQ(FixNumerals("l98O"), "1980");
    EXPECT_EQ(FixNumerals("OO5"), "005");
    EXPECT_EQ(FixNumerals("Il"), "Il");
    EXPECT_EQ(FixNumerals("|"), "1");
    EXPECT_EQ(FixNumerals("lll"), "111");
    EXPECT_EQ(FixNumerals("Oak 12 May l995"), "Oak 12 May 1995");
    EXPECT_EQ(FixNumerals("2!"), "21");
    const std::string text = "Alt. 2OOO m, I5 km";
    EXPECT_EQ(FixNumerals(text).size(), text.size());
}

TEST(Accents, FoldsLowerCaseAccentsAndDropsApostrophes) {
    EXPECT_EQ(RemoveAccents("Michoacán"), "Michoacan");
    EXPECT_EQ(RemoveAccents("íáüóçéúñã"), "iauoceuna");
    EXPECT_EQ(RemoveAccents("O'Neil"), "ONeil");
    EXPECT_EQ(RemoveAccents("Ávila"), "Ávila");  // capitals are kept
}
