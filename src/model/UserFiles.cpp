#include "model/UserFiles.h"

#include <system_error>

#include "model/AutoCorrect.h"
#include "model/Encoding.h"
#include "model/FieldDefinitionsFile.h"
#include "model/Files.h"
#include "model/LearningStatsFile.h"
#include "model/Log.h"
#include "model/PreferencesFile.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "record/FieldAccess.h"
#include "record/OutputFormatFile.h"

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

void StartSession(Session& s, const fs::path& programFolder) {
    std::error_code ec;
    s.ProgramFolder = programFolder;

    // The last user's name is the whole content of CurrentUser.txt.
    fs::path currentUser = s.ProgramFile("CurrentUser.txt");
    if (fs::exists(currentUser, ec)) {
        s.CurrentUserName = LoadFileToString(s, currentUser, true);
        s.UserFolder = s.CurrentUserName == "Default" ? s.ProgramFolder : s.ProgramFolder / "Users" / Cp1252ToUtf8(s.CurrentUserName);
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
    s.form.SetText("RichEdit1", "");

    fs::remove(s.UserFile("Log.txt"), ec);
    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "UserName: " + s.CurrentUserName);

    s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});
    s.OcrLanguage = "eng";
}

}  // namespace quorl
