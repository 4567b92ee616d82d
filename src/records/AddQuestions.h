#pragma once
// The questions of one "Add to Database". An add that waits for the name-search page ends, and
// the page runs it again; the questions the first run asked are not asked again, their answers
// stand.
#include <string>
#include <vector>

#include "base/Dialogs.h"

namespace quorl {

class Session;

// Asks the question, unless the add already asked it: then the user's answer of that time.
DialogButton AskOnce(Session& s, const std::string& question, DialogKind kind,
                     const std::vector<DialogButton>& buttons);

// The add waits for the name-search page: its answers are kept with the fields as they are now.
void KeepAddAnswers(Session& s);
// The answers kept stand only for the fields they were given for: once the user has changed a
// field while the page loaded, the add run again asks its questions anew.
void ForgetAddAnswersIfFieldsChanged(Session& s);

}  // namespace quorl
