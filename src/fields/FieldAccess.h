#pragma once
// Reading and writing the label fields of the main window by field number, over the Form: the
// first text box, memo or list whose Tag is the field holds its value. Also clearing all fields
// with their Preserve and Default rules, applying defaults, filling a field from its start or
// contained words, cleaning label text, colouring the field controls and finding the label line
// that holds most words of a text.
#include <cstdint>
#include <string>

namespace quorl {

class Session;
struct Control;
struct LabelFieldClass;

// Background of a field that shows its Default.
constexpr uint32_t kColorSilver = 0xC0C0C0;

// The name of a field number (FieldNames), "" for a number without one.
std::string FieldName(int field);
// The definition of a field number, nullptr when FieldDefinitions has none.
LabelFieldClass* FindFieldDefinition(Session& s, int field);
// The first text box, memo or list of the field, nullptr when there is none.
Control* FieldControl(Session& s, int field);

std::string GetFieldText(Session& s, int field);
// Writes a field (Family and Genus capitalised); with append, after the current text and a blank.
// Records CurrentLine as the field's FoundLine and the line's owner.
void SetFieldText(Session& s, int field, const std::string& text, bool append);
// Selects item index of the field's list without running its change handler; line >= 0 is
// recorded as the field's FoundLine and the line's owner.
void SelectFieldComboItem(Session& s, int field, int index, int line);
void ClearFields(Session& s);
// Whether a value that ClearFields empties changed since the Form's TextChanges() was mark: a
// field typed, pasted or parsed into, or the collection number's prefix or suffix. Preserve
// fields keep their values over a clear and do not count.
bool ClearedFieldsChangedSince(const Session& s, uint64_t mark);
// True when the field got its Default, or keeps a preserved non-empty value.
bool ApplyFieldDefault(Session& s, int field);
void FillByStartOrContainedWord(Session& s, int field);
// Removes the first start word of the field that opens the text, then cleans the text.
std::string RemoveStartWord(Session& s, int field, const std::string& text);
std::string CleanFieldText(const std::string& text);
// Colours the controls of the field (-1: of all fields); false when a required field is empty.
bool WarnIfEmpty(Session& s, int field);
// Colours the focused control by the warn rule (the change handler of most field controls).
void WarnEmpty(Session& s);
// Index of the label line holding most of the words of text, or -1.
int FindLineWithMostWords(Session& s, const std::string& text);

}  // namespace quorl
