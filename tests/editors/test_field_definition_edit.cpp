// The one-field dialog's values and word-list commands.
#include <gtest/gtest.h>

#include "base/ScriptedDialogs.h"
#include "editors/FieldDefinitionEdit.h"

using namespace quorl;

namespace {

using Words = std::vector<std::string>;

FieldRow Row() { return {"Habitat", "Yes", "No", "rocky", "40", "7", " habitat , substrate,on", "", 13}; }

TEST(FieldDefinitionEdit, LoadsTheRowAndWritesItBackAsText) {
    FieldDefinitionEdit e = LoadFieldDefinitionEdit(Row());
    EXPECT_EQ(e.Caption, "Habitat");
    EXPECT_TRUE(e.Preserve);
    EXPECT_FALSE(e.Warn);
    EXPECT_EQ(e.Min, 40);  // Min above Max is kept
    EXPECT_EQ(e.Max, 7);
    EXPECT_EQ(e.StartWords, (Words{"habitat", "substrate", "on"}));
    EXPECT_TRUE(e.ContainedWords.empty());

    e.Warn = true;
    e.ContainedWords = {"rock", "cliff, ledge"};  // a comma typed into a word
    ScriptedDialogs d;
    FieldRow row = Row();
    ASSERT_TRUE(SaveFieldDefinitionEdit(d, e, row));
    EXPECT_EQ(row.Warn, "Yes");
    EXPECT_EQ(row.Min, "40");
    EXPECT_EQ(row.Max, "7");
    EXPECT_EQ(row.StartWords, "habitat,substrate,on");
    EXPECT_EQ(row.ContainWords, "rock,cliff, ledge");
    EXPECT_EQ(LoadFieldDefinitionEdit(row).ContainedWords, (Words{"rock", "cliff", "ledge"}));

    e.StartWords.clear();
    ASSERT_TRUE(SaveFieldDefinitionEdit(d, e, row));
    EXPECT_EQ(row.StartWords, "");
}

TEST(FieldDefinitionEdit, DefaultTextThatWouldBreakTheFileIsRefused) {
    ScriptedDialogs d;
    FieldRow row = Row();
    FieldDefinitionEdit e = LoadFieldDefinitionEdit(row);
    e.Default = "two\r\nlines";
    e.Preserve = false;
    EXPECT_FALSE(SaveFieldDefinitionEdit(d, e, row));
    EXPECT_EQ(row.Default, "rocky");
    EXPECT_EQ(row.Preserve, "Yes");
    EXPECT_EQ(d.messages, Words{"The default text cannot contain a line break."});
}

TEST(WordListCommands, MoveDeleteAndTheirEnds) {
    Words w = {"1", "2", "3", "4", "5"};
    EXPECT_EQ(MoveWordToTop(w, 2), 0);
    EXPECT_EQ(w, (Words{"3", "1", "2", "4", "5"}));
    EXPECT_EQ(MoveWordUp(w, 0), 0);
    EXPECT_EQ(MoveWordDown(w, 4), 4);
    EXPECT_EQ(w, (Words{"3", "1", "2", "4", "5"}));
    EXPECT_EQ(MoveWordDown(w, 1), 2);
    EXPECT_EQ(MoveWordUp(w, 4), 3);
    EXPECT_EQ(w, (Words{"3", "2", "1", "5", "4"}));
    EXPECT_EQ(DeleteWord(w, 4), 3);
    EXPECT_EQ(DeleteWord(w, 0), 0);
    EXPECT_EQ(w, (Words{"2", "1", "5"}));
    EXPECT_EQ(MoveWordToTop(w, -1), -1);
    Words one = {"x"};
    EXPECT_EQ(DeleteWord(one, 0), -1);
}

TEST(WordListCommands, EditAndAddUseTheStartWordBoxesAndRefuseTabsAndLineBreaks) {
    ScriptedDialogs d;
    Words w = {"alt", "elev"};
    d.inputs = {"altitude", "m\tft", "ft"};
    EXPECT_EQ(EditWord(d, w, 0), 0);
    EXPECT_EQ(AddWord(d, w, 0), 0);
    EXPECT_EQ(AddWord(d, w, 0), 2);
    EXPECT_EQ(AddWord(d, w, 2), 2);  // cancelled
    EXPECT_EQ(w, (Words{"altitude", "elev", "ft"}));
    EXPECT_EQ(d.shown, (Words{"input: Edit Start Word / Start Words", "input: Add Start Word / Start Words",
                              "message: A word cannot contain a TAB.", "input: Add Start Word / Start Words",
                              "input: Add Start Word / Start Words"}));
    d.inputs = {""};  // an empty word is taken as typed: the scorers skip empty words
    EXPECT_EQ(AddWord(d, w, 0), 3);
    EXPECT_EQ(JoinWords(w), "altitude,elev,ft,");
}

}  // namespace
