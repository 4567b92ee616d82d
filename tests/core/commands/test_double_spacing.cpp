// Double spacing of the label window: pasted text, and the keys that split and join lines.
#include <gtest/gtest.h>

#include "../parser/ParserFixture.h"
#include "record/DoubleSpacing.h"

using namespace quorl;

TEST(DoubleSpaceText, EveryLineFollowedByOneEmptyLine) {
    EXPECT_EQ(DoubleSpaceText("a\r\nb\r\nc"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(DoubleSpaceText("a\r\n\r\nb\r\n\r\n\r\nc"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(DoubleSpaceText("a\r\n\r\n\r\n\r\nb\r\nc\r\n"), "a\r\n\r\nb\r\n\r\nc\r\n\r\n");
    EXPECT_EQ(DoubleSpaceText("one line"), "one line");
}

TEST(ReformatDoubleSpacing, SplitsAtTypedBreakAndJoinsAtRemovedOne) {
    // Enter typed after "ab" of "abcd": the lone break becomes a double one.
    EXPECT_EQ(ReformatDoubleSpacing("x\r\n\r\nab\r\ncd\r\n\r\ny", 1), "x\r\n\r\nab\r\n\r\ncd\r\n\r\ny");
    // Backspace removed one of the two breaks between "ab" and "cd": the lines are joined.
    EXPECT_EQ(ReformatDoubleSpacing("x\r\n\r\nab\r\ncd", 2), "x\r\n\r\nabcd");
    // Three breaks in a row: the first two are a double break, the third is the new one.
    EXPECT_EQ(ReformatDoubleSpacing("a\r\n\r\n\r\nb", 2), "a\r\n\r\nb");
    EXPECT_EQ(ReformatDoubleSpacing("a\r\n\r\n\r\nb", 1), "a\r\n\r\n\r\n\r\nb");
}

TEST(ReformatDoubleSpacing, KeepsEveryByteOfTheLabel) {
    const std::string odd = "Lat \xAC 12\xB6\xB6 N\r\n\r\nPil\xB6\xAC";
    EXPECT_EQ(ReformatDoubleSpacing(odd, 1), odd);
    EXPECT_EQ(ReformatDoubleSpacing(odd, 2), odd);
    EXPECT_EQ(ReformatDoubleSpacing("\xB6\xB6x\r\ny\xAC", 2), "\xB6\xB6xy\xAC");
    EXPECT_EQ(ReformatDoubleSpacing("\xB6\xB6x\r\ny\xAC", 1), "\xB6\xB6x\r\n\r\ny\xAC");
}

class DoubleSpacingEditor : public ptest::ParserTest {
protected:
    DoubleSpacingEditor() {
        s.DoubleSpace = true;
        s.form.OnChange("RichEdit1", [this] { RichEdit1Change(s); });
    }
    // The user presses a key with the caret at offset caret; the edit's own change follows.
    void Key(LabelKey key, const std::string& before, int caret, const std::string& after, int caretAfter) {
        s.form.SetText("RichEdit1", before);
        s.form.SetSelection("RichEdit1", caret, 0);
        RichEdit1KeyDown(s, key, before, caret);
        s.form.SetSelection("RichEdit1", caretAfter, 0);
        s.form.UserSetText("RichEdit1", after);
    }
    const Control& Label() { return s.form.Get("RichEdit1"); }
};

TEST_F(DoubleSpacingEditor, EnterSplitsALineWithOneEmptyLineBetween) {
    Key(LabelKey::Enter, "abcd\r\n\r\nef", 2, "ab\r\ncd\r\n\r\nef", 4);
    EXPECT_EQ(Label().text, "ab\r\n\r\ncd\r\n\r\nef");
    EXPECT_EQ(Label().selStart, 6);  // at the start of "cd"
    EXPECT_EQ(s.PendingReformat, 0);
}

TEST_F(DoubleSpacingEditor, BackspaceAtLineStartJoinsAndRemovesTheEmptyLine) {
    // Caret at the start of "cd"; characters 5 and 7 (1-based) before it are line feeds.
    Key(LabelKey::Backspace, "ab\r\n\r\ncd", 6, "ab\r\ncd", 4);
    EXPECT_EQ(s.CaretShift, -2);
    EXPECT_EQ(Label().text, "abcd");
    EXPECT_EQ(Label().selStart, 2);
}

TEST_F(DoubleSpacingEditor, DeleteAtLineEndJoins) {
    Key(LabelKey::Delete, "ab\r\n\r\ncd", 2, "ab\r\ncd", 2);
    EXPECT_EQ(s.CaretShift, 0);
    EXPECT_EQ(Label().text, "abcd");
    EXPECT_EQ(Label().selStart, 2);
}

TEST_F(DoubleSpacingEditor, OtherKeysAndSingleSpacingLeaveTheTextAlone) {
    Key(LabelKey::Other, "ab\r\ncd", 1, "aXb\r\ncd", 2);
    EXPECT_EQ(Label().text, "aXb\r\ncd");
    // Backspace in the middle of a line.
    Key(LabelKey::Backspace, "ab\r\n\r\ncd", 8, "ab\r\n\r\nc", 7);
    EXPECT_EQ(s.PendingReformat, 0);
    EXPECT_EQ(Label().text, "ab\r\n\r\nc");
    s.DoubleSpace = false;
    Key(LabelKey::Enter, "abcd", 2, "ab\r\ncd", 4);
    EXPECT_EQ(Label().text, "ab\r\ncd");
}
