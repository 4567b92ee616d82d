#include "ui/Startup.h"

#include <system_error>

#include "model/Files.h"
#include "model/Log.h"
#include "model/Session.h"
#include "model/Text.h"

namespace quorl {

namespace fs = std::filesystem;

void LoadUserFiles(Session& s) { s.form.SetText("UserEdit", s.CurrentUserName); }

void StartSession(Session& s, const fs::path& programFolder) {
    s.ProgramFolder = programFolder;
    if (fs::exists(s.ProgramFile("CurrentUser.txt"))) {
        s.CurrentUserName = LoadFileToString(s, s.ProgramFile("CurrentUser.txt"), true);
        s.UserFolder = s.CurrentUserName == "Default" ? s.ProgramFolder : s.ProgramFolder / "Users" / s.CurrentUserName;
    } else {
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }
    if (!fs::exists(s.UserFile("Preferences.txt"))) {
        s.dialogs.ShowMessage("Unable to open User " + s.CurrentUserName + ".  Setting User to Default");
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }
    s.form.SetText("UserNameLabel", s.CurrentUserName);
    LoadUserFiles(s);
    std::string countries = LoadFileToString(s, s.ProgramFile("CountryList.txt"), true);
    std::vector<std::string> names;
    for (std::string& line : SplitLines(countries)) {
        std::string name = NextToken(line, "\t", true);
        names.push_back(Trim(name.substr(0, name.find('('))));
    }
    s.form.SetItems("CountryCombo", names);
    names.clear();
    for (std::string& line : SplitLines(LoadFileToString(s, "PlantList.txt", true)))
        names.push_back(NextToken(line, "\t", false));
    s.form.SetItems("FamilyCombo", names);
    std::error_code ec;
    fs::remove(s.UserFile("Log.txt"), ec);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "UserName: " + s.CurrentUserName);
    s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});
    s.OcrLanguage = "eng";
}

}  // namespace quorl
