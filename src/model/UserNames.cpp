#include "model/UserNames.h"

#include "base/ScriptedDialogs.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"

namespace quorl {

std::string UserNameProblem(std::string_view name) {
    if (name.empty()) return "Please give a user name.";
    if (name == "." || name == "..") return "\".\" and \"..\" cannot be user names.";
    if (name.find_first_of("/\\") != std::string_view::npos) return "A user name may not contain / or \\.";
    for (char ch : name)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) return "A user name may not contain control characters.";
    if (name.size() > kMaxUserNameBytes) return "A user name may have at most " + std::to_string(kMaxUserNameBytes) + " characters.";
    return {};
}

bool IsValidUserName(std::string_view name) { return UserNameProblem(name).empty(); }

std::string NewUserNameProblem(std::string_view name) {
    std::string problem = UserNameProblem(name);
    if (problem.empty() && name[0] == '.') problem = "A user name may not begin with \".\".";
    return problem;
}

std::string UserFilesProblem(const Session& s, const std::filesystem::path& folder) {
    // The loaders end the program on a missing file; in a scratch session that end is an exception
    // and its message is kept instead of shown.
    ScriptedDialogs quiet;
    Session trial(quiet);
    BuildMainForm(trial.form);
    trial.ProgramFolder = s.ProgramFolder;
    trial.UserFolder = folder;
    try {
        LoadFieldDefinitions(trial);
        LoadPreferences(trial);
        LoadAutoCorrect(trial);
        LoadOutputFormat(trial);
    } catch (const ProgramEnded&) {
        return quiet.messages.empty() ? "Unable to load the files of " + folder.string() : quiet.messages.back();
    }
    return {};
}

}  // namespace quorl
