#include "LoaderTestSupport.h"
#include "editors/AutoCorrectEntry.h"
#include "model/AutoCorrect.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class AutoCorrectEntryTest : public LoaderTest {
protected:
    AutoCorrectEntryTest() {
        WriteFile(folder / "AutoCorrect.txt", "02\tC0\tCo\r\n1\tU.S.A.\tUSA\r\n");
        LoadAutoCorrect(s);
    }
    std::string File() { return ReadFile(folder / "AutoCorrect.txt"); }
};

TEST_F(AutoCorrectEntryTest, AnAdditionRewritesTheFileWithItsFlags) {
    s.form.SetText(kLabelWindow, "Tbe hill. tbe river");
    EXPECT_TRUE(AddAutoCorrectEntry(s, "  Tbe ", " The\t", true, true));
    EXPECT_TRUE(AddAutoCorrectEntry(s, "rnount", "mount", false, false));
    EXPECT_EQ(File(), "02\tC0\tCo\r\n1\tU.S.A.\tUSA\r\n12\tTbe\tThe\r\n0\trnount\tmount\r\n");
    // What was written reads back as the list in memory.
    auto kept = s.AutoCorrectList;
    LoadAutoCorrect(s);
    ASSERT_EQ(s.AutoCorrectList.size(), kept.size());
    EXPECT_TRUE(s.AutoCorrectList[2].CaseSensitive && s.AutoCorrectList[2].WholeWord);
    EXPECT_EQ(s.AutoCorrectList[3].From, "rnount");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AutoCorrectEntryTest, TheLabelWindowChangesEverywhereAtOnce) {
    s.form.SetText(kLabelWindow, "rnount Rnountain\r\nRNOUNT");
    EXPECT_TRUE(AddAutoCorrectEntry(s, "rnount", "mount", false, true));  // whole words play no part here
    EXPECT_EQ(s.form.Get(kLabelWindow).text, "mount mountain\r\nmount");

    s.form.SetText(kLabelWindow, "Tbe tbe");
    EXPECT_TRUE(AddAutoCorrectEntry(s, "Tbe", "The", true, false));
    EXPECT_EQ(s.form.Get(kLabelWindow).text, "The tbe");
}

TEST_F(AutoCorrectEntryTest, ADuplicateIsRefusedUnlessCaseSensitive) {
    EXPECT_FALSE(AddAutoCorrectEntry(s, "c0", "co.", false, false));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "c0 already on the AutoCorrect list, corrected to Co.");
    EXPECT_EQ(s.AutoCorrectList.size(), 2u);
    EXPECT_EQ(File(), "02\tC0\tCo\r\n1\tU.S.A.\tUSA\r\n");

    EXPECT_TRUE(AddAutoCorrectEntry(s, "c0", "co", true, false));
    EXPECT_EQ(s.AutoCorrectList.size(), 3u);
    // The exact text is a duplicate even for a case-sensitive entry.
    EXPECT_FALSE(AddAutoCorrectEntry(s, "U.S.A.", "USA", true, false));
    // Only A-Z are folded: the first hit decides and names its replacement.
    EXPECT_FALSE(AddAutoCorrectEntry(s, "u.s.a.", "x", false, false));
    EXPECT_EQ(dialogs.messages.back(), "u.s.a. already on the AutoCorrect list, corrected to USA.");
}

TEST_F(AutoCorrectEntryTest, TextsThatWouldBreakTheFileAreRefused) {
    const std::string before = File();
    EXPECT_FALSE(AddAutoCorrectEntry(s, "a\tb", "ab", false, false));
    EXPECT_EQ(dialogs.messages.back(), "The text to replace may not hold a TAB.");
    EXPECT_FALSE(AddAutoCorrectEntry(s, "line\r\nend", "x", false, false));
    EXPECT_EQ(dialogs.messages.back(), "The text to replace may not hold a line break.");
    EXPECT_FALSE(AddAutoCorrectEntry(s, "ab", "a\nb", false, false));
    EXPECT_EQ(dialogs.messages.back(), "The replacement may not hold a line break.");
    EXPECT_FALSE(AddAutoCorrectEntry(s, " \r\n ", "x", false, false));
    EXPECT_EQ(dialogs.messages.back(), "Nothing Selected");
    EXPECT_EQ(s.AutoCorrectList.size(), 2u);
    EXPECT_EQ(File(), before);
    // An empty replacement deletes the text and is a valid entry.
    EXPECT_TRUE(AddAutoCorrectEntry(s, "~", "", false, false));
    EXPECT_EQ(File(), before + "0\t~\t\r\n");
}

// The window stays open after a failed save, so nothing may change: the same entry can be saved
// again once the file can be written.
TEST_F(AutoCorrectEntryTest, AFileThatCannotBeWrittenIsReportedAndNothingChanges) {
    s.UserFolder = folder / "missing";
    s.form.SetText(kLabelWindow, "Tbe hill");
    EXPECT_FALSE(AddAutoCorrectEntry(s, "Tbe", "The", true, false));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Unable to create or open file " + (folder / "missing" / "AutoCorrect.txt").string() +
                                       " (No such file or directory)");
    EXPECT_EQ(s.AutoCorrectList.size(), 2u);
    EXPECT_EQ(s.form.Get(kLabelWindow).text, "Tbe hill");

    s.UserFolder = folder;
    EXPECT_TRUE(AddAutoCorrectEntry(s, "Tbe", "The", true, false));
    EXPECT_EQ(s.form.Get(kLabelWindow).text, "The hill");
    EXPECT_EQ(File(), "02\tC0\tCo\r\n1\tU.S.A.\tUSA\r\n1\tTbe\tThe\r\n");
}

}  // namespace
