#pragma once
// A Dialogs implementation that answers from queues and records everything shown: for tests and
// for the headless batch tool.
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Dialogs.h"

namespace quorl {

class ScriptedDialogs : public Dialogs {
public:
    // Queued answers; when a queue is empty, Ask returns its fallback and InputBox cancels.
    std::deque<DialogButton> answers;
    std::deque<std::string> inputs;
    DialogButton fallbackAnswer = DialogButton::Yes;
    // Files the open dialog chooses, in turn; when empty, the dialog is cancelled.
    std::deque<std::filesystem::path> files;
    std::string clipboard;

    // What was shown, in order: "message: ...", "ask: ...", "input: ...", "busy: ...".
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<DialogKind> questionKinds;                  // kind and buttons of each question
    std::vector<std::vector<DialogButton>> questionButtons;
    std::vector<std::string> traces;
    bool busyVisible = false;
    std::string busyTitle, busyMessage;
    std::vector<std::filesystem::path> fileFolders;  // folder each open dialog started in
    std::vector<int> pauses;
    int busyProgress = -1, busyProgressMaximum = 0;  // the progress bar's last position

    void ShowMessage(const std::string& text) override;
    DialogButton Ask(const std::string& text, DialogKind kind,
                     const std::vector<DialogButton>& buttons) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    void ShowBusy(const std::string& title, const std::string& message) override;
    void HideBusy() override;
    void BusyProgress(int position, int maximum) override {
        busyProgress = position;
        busyProgressMaximum = maximum;
    }
    void ShowTrace(const std::string& text) override;
    [[noreturn]] void EndProgram(int exitCode) override;
    bool ChooseFile(const std::string& filter, const std::filesystem::path& folder,
                    std::filesystem::path& chosen) override;
    std::string ClipboardText() override { return clipboard; }
    bool Pause(int milliseconds) override;
};

}  // namespace quorl
