#include <gtest/gtest.h>

#include "parser/Accents.h"
#include "parser/Numerals.h"

using namespace quorl;

TEST(Numerals, FixNumeralsRepairsOcrLettersAmongDigits) {
    EXPECT_EQ(FixNumerals("l98O"), "1980");
    EXPECT_EQ(FixNumerals("OO5"), "005");
    EXPECT_EQ(FixNumerals("Il"), "Il");
    EXPECT_EQ(FixNumerals("|"), "1");
    EXPECT_EQ(FixNumerals("lll"), "111");
    EXPECT_EQ(FixNumerals("Oak 12 May l995"), "Oak 12 May 1995");
    EXPECT_EQ(FixNumerals("2!"), "21");
    EXPECT_EQ(FixNumerals("Alt. II5O m"), "Alt. 1150 m");  // outwards from the digits, letter by letter
    EXPECT_EQ(FixNumerals("No. l5"), "No. 15");
    const std::string text = "Alt. 2OOO m, I5 km";
    EXPECT_EQ(FixNumerals(text).size(), text.size());
}

TEST(Accents, FoldsLowerCaseAccentsAndDropsApostrophes) {
    EXPECT_EQ(RemoveAccents("Michoacán"), "Michoacan");
    EXPECT_EQ(RemoveAccents("íáüóçéúñã"), "iauoceuna");
    EXPECT_EQ(RemoveAccents("O'Neil"), "ONeil");
    EXPECT_EQ(RemoveAccents("Ávila"), "Ávila");  // capitals are kept
}
