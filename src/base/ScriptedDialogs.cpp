#include "base/ScriptedDialogs.h"

namespace quorl {

void ScriptedDialogs::ShowMessage(const std::string& text) {
    messages.push_back(text);
    shown.push_back("message: " + text);
}

DialogButton ScriptedDialogs::Ask(const std::string& text, DialogKind kind, const std::vector<DialogButton>& buttons) {
    questions.push_back(text);
    questionKinds.push_back(kind);
    questionButtons.push_back(buttons);
    shown.push_back("ask: " + text);
    DialogButton answer = fallbackAnswer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return answer;
}

bool ScriptedDialogs::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
    shown.push_back("input: " + caption + " / " + prompt);
    if (inputs.empty()) return false;
    value = inputs.front();
    inputs.pop_front();
    return true;
}

void ScriptedDialogs::ShowBusy(const std::string& title, const std::string& message) {
    if (!title.empty()) busyTitle = title;
    busyMessage = message;
    busyVisible = true;
    shown.push_back("busy: " + busyTitle + " / " + message);
}

void ScriptedDialogs::HideBusy() { busyVisible = false; }

void ScriptedDialogs::ShowTrace(const std::string& text) { traces.push_back(text); }

void ScriptedDialogs::EndProgram(int exitCode) { throw ProgramEnded(exitCode); }

bool ScriptedDialogs::ChooseFile(const std::string& filter, const std::filesystem::path& folder,
                                 std::filesystem::path& chosen) {
    shown.push_back("open: " + filter);
    fileFolders.push_back(folder);
    if (files.empty()) return false;
    chosen = files.front();
    files.pop_front();
    return true;
}

bool ScriptedDialogs::Pause(int milliseconds) {
    pauses.push_back(milliseconds);
    shown.push_back("pause: " + std::to_string(milliseconds));
    return true;
}

}  // namespace quorl
