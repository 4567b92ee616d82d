#pragma once
// The start of a session: the choice of the user folder, the user's files, the reference lists, the
// fresh log and the fixed lists of the main window.
#include <filesystem>

namespace quorl {

class Session;

// Prepares a Session whose Form holds the main window's controls: the program folder, the user
// (CurrentUser.txt, falling back to "Default" with a message when the user's Preferences.txt is
// missing), the user's files, the country and plant lists, cleared fields, a new Log.txt starting
// with the version and the user name, the rank list and the OCR language. An output format whose
// record file is one of the program's own files is reported, and that file stays as it is: a
// Log.txt that is one is not started anew, and what ended runs left is not removed.
void StartSession(Session& s, const std::filesystem::path& programFolder);

}  // namespace quorl
