#pragma once
// Loading the current user's files, and the switch to another user or a new one.
#include <filesystem>
#include <string>
#include <vector>

namespace quorl {

class Session;

// Field definitions, preferences, AutoCorrect list, output format, word and name statistics, in
// this order; then UserEdit shows CurrentUserName.
void LoadUserFiles(Session& s);

// The folder of a user: the program folder for "Default", else the user's folder below Users.
std::filesystem::path UserFolderOf(const Session& s, const std::string& name);

// The entries of the program folder's Users folder, in name order.
std::vector<std::string> UserFolderNames(const Session& s);

// With no users yet: the program folder's files are loaded again, the Users folder is made and the
// user is asked to add a user.
void StartFirstUser(Session& s);

// Makes name the current user: loads its files, records it in CurrentUser.txt and logs the switch.
void SwitchToUser(Session& s, const std::string& name);

// Asks for a user name and creates that user below Users with copies of the current user's files;
// the new user becomes the current one. False when the user cancels or the name is refused.
bool AddUser(Session& s);

}  // namespace quorl
