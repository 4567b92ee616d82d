#pragma once
// The port through which core code talks to the user: messages, questions, input boxes, the
// busy window, the analyze trace, and ending the program. Qt implements it for the real windows;
// tests use ScriptedDialogs. All texts are inner (UTF-8) strings.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorl {

enum class DialogButton { Ok, Cancel, Yes, No, Ignore, Abort, Retry };
enum class DialogKind { Information, Warning, Error, Confirmation };

// Thrown by implementations of EndProgram that must not end the process (tests).
struct ProgramEnded : std::runtime_error {
    int exitCode;
    explicit ProgramEnded(int code) : std::runtime_error("program ended"), exitCode(code) {}
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // Asks a question with the given buttons and returns the one the user chose.
    virtual DialogButton Ask(const std::string& text, DialogKind kind,
                             const std::vector<DialogButton>& buttons) = 0;
    // Returns false when the user cancels; value holds the initial text and receives the answer.
    virtual bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) = 0;
    // The busy window: an empty title keeps the last one.
    virtual void ShowBusy(const std::string& title, const std::string& message) = 0;
    virtual void HideBusy() = 0;
    // Moves the busy window's progress bar to position of maximum, showing the bar.
    virtual void BusyProgress(int /*position*/, int /*maximum*/) {}
    virtual void ShowTrace(const std::string& text) = 0;
    // Ends the program with the exit code; never returns.
    [[noreturn]] virtual void EndProgram(int exitCode) = 0;

    // The open-file dialog: filter as "Name|*.a;*.b"; false when the user cancels.
    virtual bool ChooseFile(const std::string& /*filter*/, const std::filesystem::path& /*folder*/,
                            std::filesystem::path& /*chosen*/) {
        return false;
    }
    // The clipboard's text (CR LF line ends), "" when it holds none.
    virtual std::string ClipboardText() { return {}; }
    // Repaints the windows and waits, keeping them painted, before a long command goes on. False
    // when the program is ending meanwhile: the command stops.
    virtual bool Pause(int /*milliseconds*/) { return true; }
};

}  // namespace quorl
