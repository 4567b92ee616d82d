#pragma once
// Preferences.txt of the user folder: key TAB value lines with "#" comments, read into the
// preference members of the Session and rewritten from them keeping comments and unknown lines.
#include <string>

namespace quorl {

class Session;

// Reads the user's Preferences.txt. Keys the file lacks keep their values, except the two barcode
// keys, which then take their defaults (check on, template "QZV#######"). A key followed by its TAB
// and nothing else has the empty value; a line without a TAB is skipped after one message.
void LoadPreferences(Session& s);

// Rewrites the user's Preferences.txt from the Session, line by line. False when it could not be
// written (the user has been told).
bool SavePreferences(Session& s);

// The rewritten text for the current file text.
std::string PreferencesText(const Session& s, const std::string& fileText);

}  // namespace quorl
