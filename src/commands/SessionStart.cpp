#include "commands/SessionStart.h"

#include <system_error>

#include "base/Excerpt.h"
#include "base/FileBytes.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "model/Files.h"
#include "model/KeptRecordFiles.h"
#include "model/Log.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "model/UserFiles.h"
#include "model/UserNames.h"
#include "model/UserSwitch.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

// Temporary files of replaced files, left by a run that was killed during a write, in the program
// folder and the users' folders.
size_t RemoveLeftTemporaryFiles(const Session& s) {
    size_t removed = RemoveStaleTemporaryFiles(s.ProgramFolder);
    std::error_code ec;
    for (fs::directory_iterator it(s.ProgramFolder / "Users", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (it->is_directory(kindError)) removed += RemoveStaleTemporaryFiles(it->path());
    }
    return removed;
}

}  // namespace

void StartSession(Session& s, const fs::path& programFolder) {
    std::error_code ec;
    s.ProgramFolder = programFolder;

    // The last user's name is the whole content of CurrentUser.txt. A name that is no user name
    // could name a folder anywhere ("../x", "/x"): it is treated as a user that cannot be opened.
    fs::path currentUser = s.ProgramFile("CurrentUser.txt");
    if (fs::exists(currentUser, ec)) {
        s.CurrentUserName = LoadFileToString(s, currentUser, true);
        s.UserFolder = IsValidUserName(s.CurrentUserName) ? UserFolderOf(s, s.CurrentUserName) : fs::path();
    } else {
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }
    if (s.UserFolder.empty() || !fs::exists(s.UserFile("Preferences.txt"), ec)) {
        s.dialogs.ShowMessage("Unable to open User " + Excerpt(s.CurrentUserName) + ".  Setting User to Default");
        s.CurrentUserName = "Default";
        s.UserFolder = s.ProgramFolder;
    }

    s.form.SetText("UserNameLabel", s.CurrentUserName);
    for (const char* memo : {"DescriptionMemo", "LocalityMemo", "NotesMemo", "RichEdit1"}) s.form.SetText(memo, "");

    // The previous log goes only once the files are read: a missing file ends the program here,
    // and that log may tell why. The lines about skipped file lines wait and open the new log.
    HoldLog(s);
    LoadUserFiles(s);
    LoadCountryList(s);
    LoadPlantList(s);
    ClearFields(s);
    // A record file that is one of the program's own files keeps its records: a log that is one
    // stays as it is, and this run's lines wait in memory.
    const bool recordsOnKeptFiles = ReportRecordFilesOnKeptFiles(s);
    if (!NamedAsRecordFile(s, s.UserFile("Log.txt"))) RestartLog(s);

    WriteToLog(s, "Quorl Version " + GetFileVersion());
    WriteToLog(s, "UserName: " + s.CurrentUserName);
    // What an ended run left is removed once the record files are known: one of them may bear
    // the name of a temporary file or lie in a staging folder. Then nothing is removed this time.
    if (recordsOnKeptFiles) {
        WriteToLog(s, "Temporary files and folders of earlier runs are left as they are while a record file is one "
                      "of Quorl's own files.");
    } else {
        const size_t staleFiles = RemoveLeftTemporaryFiles(s);
        const size_t staleAdds = RemoveLeftStagingFolders(s);
        if (staleFiles > 0)
            WriteToLog(s, "Removed " + IntToStr(static_cast<long long>(staleFiles)) +
                              " temporary file(s) left by an earlier run that ended during a write.");
        if (staleAdds > 0)
            WriteToLog(s, "Removed " + IntToStr(static_cast<long long>(staleAdds)) +
                              " folder(s) of users whose adding an earlier run did not finish.");
    }

    s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});
    s.OcrLanguage = "eng";
}

}  // namespace quorl
