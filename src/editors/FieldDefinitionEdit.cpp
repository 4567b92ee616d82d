#include "editors/FieldDefinitionEdit.h"

#include <algorithm>
#include <utility>

#include "base/Dialogs.h"
#include "base/Text.h"
#include "editors/FieldChecks.h"
#include "editors/TypedTextRules.h"

namespace quorl {

namespace {

bool Valid(const std::vector<std::string>& words, int selected) {
    return selected >= 0 && selected < static_cast<int>(words.size());
}

std::vector<std::string> ListItems(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : SplitWordList(list);
}

}  // namespace

FieldDefinitionEdit LoadFieldDefinitionEdit(const FieldRow& row) {
    FieldDefinitionEdit e;
    e.Caption = row.Name;
    e.Preserve = row.Preserve == "Yes";
    e.Warn = row.Warn == "Yes";
    e.Default = row.Default;
    e.Min = std::clamp(TryStrToInt(row.Min).value_or(0), 0, kMaxMinLine);
    e.Max = std::clamp(TryStrToInt(row.Max).value_or(0), 0, kMaxMaxLine);
    e.StartWords = ListItems(row.StartWords);
    e.ContainedWords = ListItems(row.ContainWords);
    return e;
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out += ',';
        out += words[i];
    }
    return out;
}

bool SaveFieldDefinitionEdit(Dialogs& d, const FieldDefinitionEdit& edit, FieldRow& row) {
    if (!AcceptTypedText(d, "The default text", edit.Default, false, true)) return false;
    row.Preserve = edit.Preserve ? "Yes" : "No";
    row.Warn = edit.Warn ? "Yes" : "No";
    row.Default = edit.Default;
    row.Min = IntToStr(edit.Min);
    row.Max = IntToStr(edit.Max);
    row.StartWords = JoinWords(edit.StartWords);
    row.ContainWords = JoinWords(edit.ContainedWords);
    return true;
}

int MoveWordToTop(std::vector<std::string>& words, int selected) {
    if (!Valid(words, selected)) return selected;
    std::rotate(words.begin(), words.begin() + selected, words.begin() + selected + 1);
    return 0;
}

int MoveWordUp(std::vector<std::string>& words, int selected) {
    if (!Valid(words, selected) || selected == 0) return selected;
    std::swap(words[selected], words[selected - 1]);
    return selected - 1;
}

int MoveWordDown(std::vector<std::string>& words, int selected) {
    if (!Valid(words, selected) || selected + 1 >= static_cast<int>(words.size())) return selected;
    std::swap(words[selected], words[selected + 1]);
    return selected + 1;
}

int DeleteWord(std::vector<std::string>& words, int selected) {
    if (!Valid(words, selected)) return selected;
    words.erase(words.begin() + selected);
    if (words.empty()) return -1;
    return std::min(selected, static_cast<int>(words.size()) - 1);
}

int EditWord(Dialogs& d, std::vector<std::string>& words, int selected) {
    if (!Valid(words, selected)) return selected;
    std::string word = words[selected];
    if (!d.InputBox("Edit Start Word", "Start Words", word)) return selected;
    if (AcceptTypedText(d, "A word", word, false, true)) words[selected] = word;
    return selected;
}

int AddWord(Dialogs& d, std::vector<std::string>& words, int selected) {
    std::string word;
    if (!d.InputBox("Add Start Word", "Start Words", word)) return selected;
    if (!AcceptTypedText(d, "A word", word, false, true)) return selected;
    words.push_back(word);
    return static_cast<int>(words.size()) - 1;
}

}  // namespace quorl
