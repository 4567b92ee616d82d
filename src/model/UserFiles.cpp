#include "model/UserFiles.h"

#include <algorithm>
#include <system_error>

#include "base/Encoding.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/Files.h"
#include "model/LearningStatsFile.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"

namespace quorl {

namespace fs = std::filesystem;

void LoadUserFiles(Session& s) {
    LoadFieldDefinitions(s);
    LoadPreferences(s);
    LoadAutoCorrect(s);
    LoadOutputFormat(s);
    LoadLearningStats(s);
    s.form.SetText("UserEdit", s.CurrentUserName);
}

fs::path UserFolderOf(const Session& s, const std::string& name) {
    return name == "Default" ? s.ProgramFolder : s.ProgramFolder / "Users" / fs::path(Cp1252ToUtf8(name));
}

std::vector<std::string> UserFolderNames(const Session& s) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(s.ProgramFolder / "Users", ec), end; !ec && it != end; it.increment(ec))
        names.push_back(Utf8ToCp1252(it->path().filename().string()));
    std::sort(names.begin(), names.end());
    return names;
}

void StartFirstUser(Session& s) {
    s.UserFolder = s.ProgramFolder;
    LoadUserFiles(s);
    std::error_code ec;
    fs::create_directories(s.ProgramFolder / "Users", ec);
    s.dialogs.ShowMessage("Please add a user.");
}

void SwitchToUser(Session& s, const std::string& name) {
    s.CurrentUserName = name;
    s.UserFolder = UserFolderOf(s, name);
    s.dialogs.ShowBusy("Loading " + name, "Please wait...");
    s.form.SetText("UserNameLabel", name);
    LoadUserFiles(s);
    WriteStringToFile(s, name, s.ProgramFile("CurrentUser.txt"), true);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "Switch User to " + name);
    bool developer = name == "Ossim";
    s.form.SetEnabled("LayoutButton", developer);
    s.form.SetVisible("LayoutButton", developer);
    s.dialogs.HideBusy();
}

bool AddUser(Session& s) {
    const fs::path users = s.ProgramFolder / "Users";
    std::error_code ec;
    fs::create_directories(users, ec);
    std::string name;
    if (!s.dialogs.InputBox("Adding User Name", "Add the user name", name)) return false;
    // A name is one folder below Users; a separator would reach elsewhere.
    if (name.find_first_of("/\\") != std::string::npos) {
        s.dialogs.ShowMessage("A user name may not contain / or \\.");
        return false;
    }
    const fs::path folder = UserFolderOf(s, name);
    if (name == "Default" || fs::exists(folder)) {
        s.dialogs.ShowMessage("User " + name + " already exists!");
        return false;
    }
    const fs::path old = s.UserFolder;
    s.CurrentUserName = name;
    s.UserFolder = folder;
    fs::create_directories(folder, ec);
    // The new user's file is a copy of the current user's file, or of its fallback.
    auto copy = [&](const char* to, const char* from, const char* fallback) {
        const char* source = fs::exists(old / from) ? from : fallback;
        std::string bytes;
        if (fs::exists(old / source) && ReadFileBytes(old / source, bytes)) ReplaceFileAtomically(folder / to, bytes);
    };
    copy("Preferences.txt", "Preferences.txt", "Preferences.txt");
    copy("AutoCorrect.txt", "AutoCorrect.txt", "AutoCorrect.txt");
    copy("DarwinXML.txt", "DarwinXML.txt", "DarwinFormat.txt");
    copy("FieldDefinitions.txt", "FieldDefinitions.txt", "FieldDefinitions.txt");
    copy("NameStats.txt", "NameStats.txt", "NameStats.txt");
    copy("OutputFormat.txt", "OutputFormat.txt", "OutputFormat.txt");
    copy("DarwinCSV.txt", "DarwinCSV.txt", "OutputFormat.txt");
    copy("WordStats.txt", "WordStats.txt", "WordStats.txt");
    s.form.SetText("UserNameLabel", name);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "New user created: " + name);
    WriteStringToFile(s, name, s.ProgramFile("CurrentUser.txt"), true);
    s.dialogs.ShowMessage("New user " + name + " created");
    return true;
}

}  // namespace quorl
