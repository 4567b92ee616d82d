#pragma once
// Loading the current user's files, and where a user's files live.
#include <filesystem>
#include <string>

namespace quorl {

class Session;

// Field definitions, preferences, AutoCorrect list, output format, word and name statistics, in
// this order (output formats whose user-field columns disagree with the field definitions are
// reported); then UserEdit shows CurrentUserName.
void LoadUserFiles(Session& s);

// The folder of a user: the program folder for "Default", else the user's folder below Users.
std::filesystem::path UserFolderOf(const Session& s, const std::string& name);

}  // namespace quorl
