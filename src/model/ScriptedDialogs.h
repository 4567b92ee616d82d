#pragma once
// A Dialogs implementation that answers from queues and records everything shown: for tests and
// for the headless batch tool.
#include <deque>
#include <string>
#include <vector>

#include "model/Dialogs.h"

namespace quorl {

class ScriptedDialogs : public Dialogs {
public:
    // Queued answers; when a queue is empty, Ask returns its fallback and InputBox cancels.
    std::deque<DialogButton> answers;
    std::deque<std::string> inputs;
    DialogButton fallbackAnswer = DialogButton::Yes;

    // What was shown, in order: "message: ...", "ask: ...", "input: ...", "busy: ...".
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> traces;
    bool busyVisible = false;
    std::string busyTitle, busyMessage;

    void ShowMessage(const std::string& text) override;
    DialogButton Ask(const std::string& text, DialogKind kind,
                     const std::vector<DialogButton>& buttons) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    void ShowBusy(const std::string& title, const std::string& message) override;
    void HideBusy() override;
    void ShowTrace(const std::string& text) override;
    [[noreturn]] void EndProgram(int exitCode) override;
};

}  // namespace quorl
