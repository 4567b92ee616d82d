#pragma once
// The one-field dialog's values: the two flags, the default text, the first and last label line
// and the two word lists as ordered lists of single words, loaded from a row of the field
// definitions editor and written back into it; and the commands of the word lists.
#include <string>
#include <vector>

#include "editors/FieldList.h"

namespace quorl {

class Dialogs;

struct FieldDefinitionEdit {
    std::string Caption;
    bool Preserve = false;
    bool Warn = false;
    std::string Default;
    int Min = 0;  // 0 to kMaxMinLine
    int Max = 0;  // 0 to kMaxMaxLine
    std::vector<std::string> StartWords;
    std::vector<std::string> ContainedWords;
};

constexpr int kMaxMinLine = 1000;
constexpr int kMaxMaxLine = 999;

FieldDefinitionEdit LoadFieldDefinitionEdit(const FieldRow& row);
// Writes the values into the row as its texts; false (and a message) when the default text holds
// a TAB or a line break, which the field definitions file cannot hold.
bool SaveFieldDefinitionEdit(Dialogs& d, const FieldDefinitionEdit& edit, FieldRow& row);
// The words joined with "," (no blanks).
std::string JoinWords(const std::vector<std::string>& words);

// Word list commands on the selected item (-1 for none); each returns the item selected after it.
int MoveWordToTop(std::vector<std::string>& words, int selected);
int MoveWordUp(std::vector<std::string>& words, int selected);
int MoveWordDown(std::vector<std::string>& words, int selected);
int DeleteWord(std::vector<std::string>& words, int selected);
// Input boxes "Edit Start Word" / "Add Start Word" with the prompt "Start Words" (both lists use
// them). A word holding a TAB or a line break is refused with a message; a comma is taken and
// splits the word in two on the next opening.
int EditWord(Dialogs& d, std::vector<std::string>& words, int selected);
int AddWord(Dialogs& d, std::vector<std::string>& words, int selected);

}  // namespace quorl
