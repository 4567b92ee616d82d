#include "LoaderTestSupport.h"
#include "model/AutoCorrect.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class AutoCorrectTest : public LoaderTest {
protected:
    void Load(const std::string& text) {
        WriteFile(folder / "AutoCorrect.txt", text);
        LoadAutoCorrect(s);
    }
};

ReplacementClass Entry(bool caseSensitive, bool wholeWord, std::string from, std::string to) {
    return ReplacementClass{caseSensitive, wholeWord, std::move(from), std::move(to)};
}

TEST_F(AutoCorrectTest, EntriesAreReadLineByLine) {
    Load("0\tteh\tthe\r\n1\tCo\tCounty\r\n02\t Mtn \tMountain\r\n12\tl\tI\r\n1\tshort\r\n0\tx\ty");
    ASSERT_EQ(s.AutoCorrectList.size(), 6u);
    EXPECT_FALSE(s.AutoCorrectList[0].CaseSensitive);
    EXPECT_FALSE(s.AutoCorrectList[0].WholeWord);
    EXPECT_TRUE(s.AutoCorrectList[1].CaseSensitive);
    EXPECT_FALSE(s.AutoCorrectList[1].WholeWord);
    EXPECT_FALSE(s.AutoCorrectList[2].CaseSensitive);
    EXPECT_TRUE(s.AutoCorrectList[2].WholeWord);
    EXPECT_EQ(s.AutoCorrectList[2].From, "Mtn");  // outer blanks are lost
    EXPECT_TRUE(s.AutoCorrectList[3].CaseSensitive && s.AutoCorrectList[3].WholeWord);
    // A line without its To column does not take the next line.
    EXPECT_EQ(s.AutoCorrectList[4].From, "short");
    EXPECT_EQ(s.AutoCorrectList[4].To, "");
    EXPECT_EQ(s.AutoCorrectList[5].From, "x");
    EXPECT_EQ(s.AutoCorrectList[5].To, "y");
}

TEST_F(AutoCorrectTest, AnEmptyFileGivesOneEmptyEntryThatChangesNothing) {
    Load("");
    ASSERT_EQ(s.AutoCorrectList.size(), 1u);
    EXPECT_EQ(s.AutoCorrectList[0].From, "");
    s.AutoCorrect = true;
    EXPECT_EQ(AutoCorrectText(s, "some text"), "some text");
}

TEST(AutoCorrectText, WholeWordsNeedACharacterOnBothSides) {
    std::vector<ReplacementClass> list = {Entry(false, true, "Co", "County")};
    EXPECT_EQ(ApplyReplacements(list, "Co Kent"), "Co Kent");    // at the start
    EXPECT_EQ(ApplyReplacements(list, "Kent Co"), "Kent Co");    // at the end
    EXPECT_EQ(ApplyReplacements(list, "in Co, Kent"), "in County, Kent");
    EXPECT_EQ(ApplyReplacements(list, "in\r\nco.\r\n"), "in\r\nCounty.\r\n");
    EXPECT_EQ(ApplyReplacements(list, "in Cox Co-op"), "in Cox County-op");
    // The blank between two occurrences serves only the first; the second needs another pair.
    EXPECT_EQ(ApplyReplacements(list, "x Co Co y"), "x County Co y");
    EXPECT_EQ(ApplyReplacements(list, "x Co Co,y"), "x County County,y");
    EXPECT_EQ(ApplyReplacements({Entry(false, true, "a", "b")}, "x a a;"), "x b b;");
}

TEST(AutoCorrectText, LetterCaseMattersOnlyForCaseSensitiveEntries) {
    EXPECT_EQ(ApplyReplacements({Entry(true, false, "Co", "County")}, "co. and CO"), "co. and CO");
    EXPECT_EQ(ApplyReplacements({Entry(true, false, "Co", "County")}, "Co. and co"), "County. and co");
    EXPECT_EQ(ApplyReplacements({Entry(false, false, "Co", "County")}, "co. and CO"), "County. and County");
    // Later entries work on the result of the earlier ones.
    EXPECT_EQ(ApplyReplacements({Entry(false, false, "teh", "the"), Entry(true, false, "the", "a")}, "teh cat"),
              "a cat");
    // Letters beyond A-Z have a case too, in word and whole-word entries alike.
    EXPECT_EQ(ApplyReplacements({Entry(false, true, "été", "summer")}, "x ÉTÉ, Été été."), "x summer, summer summer.");
    EXPECT_EQ(ApplyReplacements({Entry(false, false, "łódź", "Lodz")}, "ŁÓDŹ"), "Lodz");
    EXPECT_EQ(ApplyReplacements({Entry(true, true, "été", "summer")}, "x ÉTÉ y"), "x ÉTÉ y");
}

TEST(AutoCorrectText, NumeralsAmongDigitsAreRepaired) {
    EXPECT_EQ(ReplaceNumerals("1O5"), "105");
    EXPECT_EQ(ReplaceNumerals("1O"), "1O");  // first and last character never change
    EXPECT_EQ(ReplaceNumerals("x1B."), "x18.");
    EXPECT_EQ(ReplaceNumerals("AB1"), "AB1");
    EXPECT_EQ(ReplaceNumerals(" S5 "), " 55 ");
    EXPECT_EQ(ReplaceNumerals("1l1 1I1"), "1l1 1I1");
    EXPECT_EQ(ReplaceNumerals("3Q,2b "), "34,26 ");
    const std::string letters = "BOSQblI1o", digits = "80546lI1o";  // l and I are not taken for 1
    for (size_t i = 0; i < letters.size(); ++i) EXPECT_EQ(ReplaceNumeral(letters[i]), digits[i]) << letters[i];
}

TEST_F(AutoCorrectTest, SwitchesChooseTheCorrections) {
    s.AutoCorrectList = {Entry(false, false, "Mtn", "Mountain")};
    const std::string text = "Mtn 1O5 m";
    EXPECT_EQ(AutoCorrectText(s, text), text);
    s.AutoCorrect = true;
    EXPECT_EQ(AutoCorrectText(s, text), "Mountain 1O5 m");
    s.ReplaceNumerals = true;
    EXPECT_EQ(AutoCorrectText(s, text), "Mountain 105 m");
    s.AutoCorrect = false;
    EXPECT_EQ(AutoCorrectText(s, text), "Mtn 105 m");
}

}  // namespace
