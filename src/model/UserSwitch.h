#pragma once
// The users of a program folder: the list offered by the switch-user window, the switch to
// another user and the creation of a new one.
#include <cstddef>
#include <string>
#include <vector>

namespace quorl {

class Session;

// The users below the program folder's Users folder, in name order: folders (not files) whose
// name is a valid user name not starting with "." and that hold a Preferences.txt. "Default" is not
// among them, not even as a folder.
std::vector<std::string> UserFolderNames(const Session& s);

// The process id in the name of a hidden folder in which an add puts a new user together
// (".Ann.adding1234"), 0 for any other name.
long StagingFolderOwner(const std::string& entry);

// Removes the hidden folders in which adds that ended part-way (their process is gone) put a new
// user together; the current user's folder stays whatever its name. Returns how many went.
size_t RemoveLeftStagingFolders(const Session& s);

// With no users yet: the user "Default" and its files are loaded again, the Users folder is made
// and the user is asked to add a user.
void StartFirstUser(Session& s);

// Makes name the current user: loads its files, shows the rows of its user-defined fields, records
// it in CurrentUser.txt and logs the switch; the layout button is shown for the developer user
// only. When the user's settings files cannot be loaded, says which and why, keeps the current
// user and returns false.
bool SwitchToUser(Session& s, const std::string& name);

// Asks for a user name and creates that user below Users with copies of the current user's
// settings and statistics files; the new user becomes the current one. The folder is filled while
// hidden and appears whole; a folder of that name that cannot be selected (a copy cut short) is
// completed, keeping the files it has, and loaded. A file with nothing to copy from is named in a
// message. False when the user cancels, the name is refused or a file cannot be written (the
// current user stays, and no part of the new one is left).
bool AddUser(Session& s);

}  // namespace quorl
