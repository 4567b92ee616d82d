#include "model/UserSwitch.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "base/FileBytes.h"
#include "model/Files.h"
#include "model/KeptRecordFiles.h"
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
// current user's folder (the fallback when that one is missing). Preferences.txt comes last: a
// folder is offered as a user once it holds that file, so it must be the last to arrive.
struct NewUserFile {
    const char* to;
    const char* from;
    const char* fallback;
};
constexpr NewUserFile kNewUserFiles[] = {
    {"AutoCorrect.txt", "AutoCorrect.txt", nullptr},
    {"DarwinXML.txt", "DarwinXML.txt", "DarwinFormat.txt"},
    {"FieldDefinitions.txt", "FieldDefinitions.txt", nullptr},
    {"NameStats.txt", "NameStats.txt", nullptr},
    {"OutputFormat.txt", "OutputFormat.txt", nullptr},
    {"DarwinCSV.txt", "DarwinCSV.txt", "OutputFormat.txt"},
    {"WordStats.txt", "WordStats.txt", nullptr},
    {"Preferences.txt", "Preferences.txt", nullptr},
};
constexpr std::string_view kMarkerFile = "Preferences.txt";

// A user being added is put together in a hidden folder beside the others, ".Ann.adding1234"
// (name and process id), and renamed to its name only once every file is in it.
constexpr std::string_view kStagingMark = ".adding";

fs::path StagingFolder(const fs::path& users, const std::string& name) {
    return users / ("." + name + std::string(kStagingMark) + std::to_string(::getpid()));
}

// Removes the staging folders of adds whose process has ended (killed part-way), except keep: an
// earlier version accepted names such as ".Bob.adding99" for users, and the user in use is kept.
size_t RemoveStaleStagingFolders(const fs::path& users, const fs::path& keep) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(users, ec), end; !ec && it != end; it.increment(ec)) {
        const long owner = StagingFolderOwner(it->path().filename().string());
        if (owner != 0 && !ProcessRuns(owner) && it->path() != keep) stale.push_back(it->path());
    }
    size_t removed = 0;
    for (const fs::path& p : stale)
        if (fs::remove_all(p, ec); !ec) ++removed;
    return removed;
}

// Copies the new user's files from the current user's folder old into folder; with keepOwn the
// files folder already holds stay as they are. A file with nothing to copy from is skipped and
// named in notCopied, except Preferences.txt, without which there is no user. Returns why the
// folder could not be filled, "" when it was.
std::string CopyNewUserFiles(const fs::path& old, const fs::path& folder, bool keepOwn, std::string& notCopied) {
    for (const NewUserFile& f : kNewUserFiles) {
        std::error_code ec;
        if (keepOwn && fs::exists(folder / f.to, ec)) continue;
        const fs::path from = old / f.from;
        const fs::path source = fs::exists(from, ec) || !f.fallback ? from : old / f.fallback;
        std::string bytes;
        if (!ReadFileBytes(source, bytes)) {
            if (f.to == kMarkerFile) return "there is no readable " + std::string(f.from) + " in " + old.string() + " to copy.";
            notCopied += (notCopied.empty() ? "" : ", ") + std::string(f.to);
            continue;
        }
        if (const WriteResult w = ReplaceFileAtomically(folder / f.to, bytes); !w)
            return std::string(f.to) + " could not be written (" + w.Reason() + ").";
    }
    return {};
}

// A new user's folder, filled while hidden and then renamed into place.
std::string CreateUserFolder(const fs::path& old, const fs::path& folder, const std::string& name,
                             std::string& notCopied) {
    const fs::path users = folder.parent_path();
    RemoveStaleStagingFolders(users, old);
    const fs::path staging = StagingFolder(users, name);
    std::error_code ec;
    fs::remove_all(staging, ec);
    if (!fs::create_directory(staging, ec))
        return "the folder " + staging.string() + " could not be created (" + ec.message() + ").";
    std::string failure = CopyNewUserFiles(old, staging, false, notCopied);
    if (failure.empty()) {
        fs::rename(staging, folder, ec);
        if (ec) failure = "the folder " + folder.string() + " could not be made (" + ec.message() + ").";
    }
    if (!failure.empty()) fs::remove_all(staging, ec);
    return failure;
}

}  // namespace

long StagingFolderOwner(const std::string& entry) {
    const size_t mark = entry.rfind(kStagingMark);
    if (entry.empty() || entry[0] != '.' || mark == std::string::npos || mark == 0) return 0;
    const std::string digits = entry.substr(mark + kStagingMark.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stol(digits);
}

size_t RemoveLeftStagingFolders(const Session& s) {
    return RemoveStaleStagingFolders(s.ProgramFolder / "Users", s.UserFolder);
}

std::vector<std::string> UserFolderNames(const Session& s) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(s.ProgramFolder / "Users", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_directory(entryError)) continue;
        std::string name = it->path().filename().string();
        // A folder named "Default" could never be selected: that name is the program folder's.
        if (!NewUserNameProblem(name).empty() || name == "Default") continue;
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
    KeepLogOutOfRecordFiles(s);
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
    ReportRecordFilesOnKeptFiles(s);
    KeepLogOutOfRecordFiles(s);
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
    if (std::string problem = NewUserNameProblem(name); !problem.empty()) {
        s.dialogs.ShowMessage(problem);
        return false;
    }
    const fs::path folder = UserFolderOf(s, name);
    const bool present = name != "Default" && fs::exists(fs::symlink_status(folder, ec));
    if (present && !fs::is_directory(folder, ec)) {
        s.dialogs.ShowMessage("User " + name + " cannot be added: " + folder.string() + " is a file, not a folder.");
        return false;
    }
    // A folder that holds a user who can be selected is that user. One that cannot (a copy that was
    // cut short) is completed: the files it lacks are copied, the ones it has are kept.
    if (name == "Default" || (present && UserFilesProblem(s, folder).empty())) {
        s.dialogs.ShowMessage("User " + name + " already exists!");
        return false;
    }
    const fs::path old = s.UserFolder;
    std::string notCopied;
    std::string failure = present ? CopyNewUserFiles(old, folder, true, notCopied)
                                  : CreateUserFolder(old, folder, name, notCopied);
    if (failure.empty() && present) failure = UserFilesProblem(s, folder);
    if (!failure.empty()) {
        const std::string message = "User " + name + " was not created: " + failure + "\r\n\r\n" +
                                    s.CurrentUserName + " stays the current user.";
        WriteToLog(s, message);
        s.dialogs.ShowMessage(message);
        return false;
    }
    s.CurrentUserName = name;
    s.UserFolder = folder;
    ShowUserName(s);
    if (present) {
        // The files kept in the folder are this user's own, not the ones in memory.
        LoadUserFiles(s);
        ShowUserFieldRows(s);
    }
    KeepLogOutOfRecordFiles(s);
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
