#include "commands/SessionStart.h"

#include <system_error>

#include "base/Encoding.h"
#include "fields/FieldAccess.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "model/UserFiles.h"

namespace quorl {

namespace fs = std::filesystem;

void StartSession(Session& s, const fs::path& programFolder) {
    std::error_code ec;
    s.ProgramFolder = programFolder;

    // The last user's name is the whole content of CurrentUser.txt.
    fs::path currentUser = s.ProgramFile("CurrentUser.txt");
    if (fs::exists(currentUser, ec)) {
        s.CurrentUserName = LoadFileToString(s, currentUser, true);
        s.UserFolder = UserFolderOf(s, s.CurrentUserName);
    } else {
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }
    if (!fs::exists(s.UserFile("Preferences.txt"), ec)) {
        s.dialogs.ShowMessage("Unable to open User " + s.CurrentUserName + ".  Setting User to Default");
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }

    s.form.SetText("UserNameLabel", s.CurrentUserName);
    for (const char* memo : {"DescriptionMemo", "LocalityMemo", "NotesMemo", "RichEdit1"}) s.form.SetText(memo, "");

    LoadUserFiles(s);
    LoadCountryList(s);
    LoadPlantList(s);
    ClearFields(s);

    fs::remove(s.UserFile("Log.txt"), ec);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "UserName: " + s.CurrentUserName);

    s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});
    s.OcrLanguage = "eng";
}

}  // namespace quorl
