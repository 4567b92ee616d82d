#pragma once
// What makes a user name and a user folder usable: the one rule for names typed into Add and for
// the name read from CurrentUser.txt, and the check that a user folder can be loaded without the
// program ending on a missing or broken settings file.
#include <filesystem>
#include <string>
#include <string_view>

namespace quorl {

class Session;

// Longest user name accepted, in bytes of its text.
constexpr size_t kMaxUserNameBytes = 100;

// Why name cannot be a user name, "" when it can. A user name names exactly one folder directly
// below Users: it is not empty, not "." or "..", holds no "/" or "\", no control character, and is
// at most kMaxUserNameBytes long. "Default" passes (it is a name, but never a folder).
std::string UserNameProblem(std::string_view name);
bool IsValidUserName(std::string_view name);

// Why name cannot be given to a new user, "" when it can: the rule above, and no "." at its start.
// A folder whose name begins with "." is hidden from the users offered, and the folders in which
// adds put a new user together are named so: a user never has such a name.
std::string NewUserNameProblem(std::string_view name);

// Loads the settings files of folder (field definitions, preferences, AutoCorrect list, output
// format) into a scratch session and returns the message that would have ended the program
// ("Unable to open file: " and the path, or the Preferences.txt error); "" when they all load. s
// is not changed; the statistics files are not looked at (missing ones are no error).
std::string UserFilesProblem(const Session& s, const std::filesystem::path& folder);

}  // namespace quorl
