#pragma once
// Adding one entry to the user's AutoCorrect list: the duplicate test, the rewritten
// AutoCorrect.txt and the new replacement applied to the label window at once.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// The text of AutoCorrect.txt: per entry the flags ("1" case-sensitive else "0", then "2" for whole
// words), TAB, From, TAB, To, CR LF.
std::string AutoCorrectFileText(const std::vector<ReplacementClass>& list);

// "Save" of the AutoCorrect window. from is the label window's selection and to the typed text;
// both are trimmed. Returns true when the entry was added (the window then closes). Refused with
// a message, nothing changed: an empty From, a From or To holding a TAB or a line break (the
// file's separators), and a From already on the list (in any letter case unless case-sensitive).
// A file that cannot be written is reported and nothing changes: the entry is not added, the label
// window is left alone and false is returned, so the window stays open.
bool AddAutoCorrectEntry(Session& s, const std::string& from, const std::string& to, bool caseSensitive,
                         bool wholeWord);

}  // namespace quorl
