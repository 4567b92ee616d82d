#include "model/UserFiles.h"

#include "model/AutoCorrect.h"
#include "model/FieldColumnAgreement.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"

namespace quorl {

namespace fs = std::filesystem;

void LoadUserFiles(Session& s) {
    LoadFieldDefinitions(s);
    LoadPreferences(s);
    LoadAutoCorrect(s);
    LoadOutputFormat(s);
    ReportFieldColumnDisagreements(s);
    LoadLearningStats(s);
    s.form.SetText("UserEdit", s.CurrentUserName);
}

fs::path UserFolderOf(const Session& s, const std::string& name) {
    return name == "Default" ? s.ProgramFolder : s.ProgramFolder / "Users" / fs::path(name);
}

}  // namespace quorl
