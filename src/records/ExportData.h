#pragma once
// Adding the main window's record: validation step by step (each step logged, every question asked
// through the Dialogs port), learning from the record, the writer of OutputType, and on success a
// window cleared for the next label.
namespace quorl {

class Session;

// Validates the fields, learns from them and writes the record; true when it was written. A check
// that fails tells the user and clears the result; a question answered with Cancel (or No) ends
// the export at once.
bool ExportData(Session& s);

// The add button: runs ExportData under the busy window; a written record clears the fields (their
// Preserve rules kept) and the label text, and the image number goes one up. Pressed again with no
// field changed since that clear, it writes nothing and says so, asking no question.
void AddDataButtonClick(Session& s);
// The add run again once the name-search page has checked the name: the questions the user
// answered for this add are not asked again.
void AddDataAfterNameSearch(Session& s);

}  // namespace quorl
