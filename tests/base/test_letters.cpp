#include <gtest/gtest.h>

#include "base/Letters.h"

using namespace quorl;

TEST(Letters, LowerCaseOfEveryAlphabet) {
    EXPECT_EQ(LowerCaseText("ÉTÉ ŠŸ × ŁÓDŹ ΕΛΛΆΔΑ Dvořák 42"), "été šÿ × łódź ελλάδα dvořák 42");
    EXPECT_TRUE(ContainsAnyCase("Cerca de ÉTÉ", "été"));
    EXPECT_FALSE(ContainsAnyCase("ete", "été"));
}

TEST(Letters, ReplaceInAnyCaseKeepsTheRestByteForByte) {
    EXPECT_EQ(ReplaceAllAnyCase("Été, ÉTÉ et été.", "été", "summer"), "summer, summer et summer.");
    // Characters whose lower case is shorter or longer in UTF-8 (İ, the Kelvin sign) still map back.
    EXPECT_EQ(ReplaceAllAnyCase("xİSTANBULy İ", "istanbul", "-"), "x-y İ");
    EXPECT_EQ(ReplaceAllAnyCase("2 \u212A and k", "k", "K"), "2 K and K");
    EXPECT_EQ(ReplaceAllAnyCase("abc", "", "x"), "abc");
}

TEST(Letters, LettersAsTheCodePageAndUnicodeSayIt) {
    for (char32_t c : {U'a', U'Z', U'é', U'Ÿ', U'Š', U'Ł', U'北', U'λ'}) EXPECT_TRUE(IsLetterCode(c)) << int(c);
    for (char32_t c : {U'1', U'-', U'°', U'º', U'ª', U'µ', U'ƒ', U'×', U'÷', U'’'}) EXPECT_FALSE(IsLetterCode(c)) << int(c);
}
