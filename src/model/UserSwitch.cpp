#include "model/UserSwitch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/FileBytes.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/MainForm.h"
#include "model/Session.h"
#include "model/UserFiles.h"
#include "model/UserNames.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

// The user whose name shows the layout button.
constexpr const char* kDeveloperUser = "Ossim";

// The rows of the user-defined fields follow the field definitions, where the window has them.
void ShowUserFieldRows(Session& s) {
    if (s.form.Find(CustomButtonName(0))) SetupCustomFields(s);
}

void ShowUserName(Session& s) {
    s.form.SetText("UserNameLabel", s.CurrentUserName);
    s.form.SetText("UserEdit", s.CurrentUserName);
}

// A new user's file: what it is called in the new folder, and the file it is copied from in the
// current user's folder (the fallback when that one is missing).
struct NewUserFile {
    const char* to;
    const char* from;
    const char* fallback;
};
constexpr NewUserFile kNewUserFiles[] = {
    {"Preferences.txt", "Preferences.txt", nullptr},
    {"AutoCorrect.txt", "AutoCorrect.txt", nullptr},
    {"DarwinXML.txt", "DarwinXML.txt", "DarwinFormat.txt"},
    {"FieldDefinitions.txt", "FieldDefinitions.txt", nullptr},
    {"NameStats.txt", "NameStats.txt", nullptr},
    {"OutputFormat.txt", "OutputFormat.txt", nullptr},
    {"DarwinCSV.txt", "DarwinCSV.txt", "OutputFormat.txt"},
    {"WordStats.txt", "WordStats.txt", nullptr},
};

// Copies one file through a temporary file and a rename; false when it cannot be read or written.
bool CopyUserFile(const fs::path& from, const fs::path& fallback, const fs::path& to) {
    std::error_code ec;
    const fs::path& source = fs::exists(from, ec) || fallback.empty() ? from : fallback;
    std::string bytes;
    return ReadFileBytes(source, bytes) && ReplaceFileAtomically(to, bytes);
}

}  // namespace

std::vector<std::string> UserFolderNames(const Session& s) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(s.ProgramFolder / "Users", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_directory(entryError)) continue;
        std::string name = it->path().filename().string();
        // A folder named "Default" could never be selected: that name is the program folder's.
        if (!IsValidUserName(name) || name[0] == '.' || name == "Default") continue;
        if (!fs::is_regular_file(it->path() / "Preferences.txt", entryError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void StartFirstUser(Session& s) {
    // The folder and the name go together: without users, the user is "Default".
    s.CurrentUserName = "Default";
    s.UserFolder = s.ProgramFolder;
    ShowUserName(s);
    LoadUserFiles(s);
    ShowUserFieldRows(s);
    std::error_code ec;
    fs::create_directories(s.ProgramFolder / "Users", ec);
    s.dialogs.ShowMessage("Please add a user.");
}

bool SwitchToUser(Session& s, const std::string& name) {
    std::string problem = name == "Default" ? std::string() : UserNameProblem(name);
    const fs::path folder = UserFolderOf(s, name);
    if (problem.empty()) problem = UserFilesProblem(s, folder);
    if (!problem.empty()) {
        s.dialogs.ShowMessage(problem + "\r\n\r\nUser " + name + " was not selected; " + s.CurrentUserName +
                              " stays the current user.");
        return false;
    }
    s.CurrentUserName = name;
    s.UserFolder = folder;
    s.dialogs.ShowBusy("Loading " + name, "Please wait...");
    s.form.SetText("UserNameLabel", name);
    LoadUserFiles(s);
    ShowUserFieldRows(s);
    WriteStringToFile(s, name, s.ProgramFile("CurrentUser.txt"), true);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "Switch User to " + name);
    const bool developer = name == kDeveloperUser;
    s.form.SetEnabled("LayoutButton", developer);
    s.form.SetVisible("LayoutButton", developer);
    s.dialogs.HideBusy();
    return true;
}

bool AddUser(Session& s) {
    const fs::path users = s.ProgramFolder / "Users";
    std::error_code ec;
    fs::create_directories(users, ec);
    std::string name;
    if (!s.dialogs.InputBox("Adding User Name", "Add the user name", name)) return false;
    if (std::string problem = UserNameProblem(name); !problem.empty()) {
        s.dialogs.ShowMessage(problem);
        return false;
    }
    const fs::path folder = UserFolderOf(s, name);
    if (name == "Default" || fs::exists(folder, ec)) {
        s.dialogs.ShowMessage("User " + name + " already exists!");
        return false;
    }
    if (!fs::create_directory(folder, ec)) {
        s.dialogs.ShowMessage("Unable to create the folder " + folder.string() + " for user " + name + ".");
        return false;
    }
    const fs::path old = s.UserFolder;
    std::string notCopied;
    for (const NewUserFile& f : kNewUserFiles) {
        if (CopyUserFile(old / f.from, f.fallback ? old / f.fallback : fs::path(), folder / f.to)) continue;
        notCopied += (notCopied.empty() ? "" : ", ") + std::string(f.to);
    }
    s.CurrentUserName = name;
    s.UserFolder = folder;
    ShowUserName(s);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "New user created: " + name);
    WriteStringToFile(s, name, s.ProgramFile("CurrentUser.txt"), true);
    if (!notCopied.empty())
        s.dialogs.ShowMessage("These files could not be copied from " + old.string() +
                              " into the new user's folder: " + notCopied + ".");
    s.dialogs.ShowMessage("New user " + name + " created");
    return true;
}

}  // namespace quorl
