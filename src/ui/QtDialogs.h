#pragma once
// Dialogs port on Qt: message boxes, input boxes, the busy window and the trace text.
#include <functional>

#include "base/Dialogs.h"

class QWidget;

namespace quorl {

class QtDialogs : public Dialogs {
public:
    // The busy window is created after the main window; until then busy requests are ignored.
    std::function<void(const std::string&, const std::string&)> showBusy;
    std::function<void()> hideBusy;
    std::function<void(int, int)> busyProgress;
    std::function<void(const std::string&)> showTrace;
    // The main window: a box belongs to the window that asks (the active one), and to this one when
    // no window of the program is active.
    QWidget* parent = nullptr;

    void ShowMessage(const std::string& text) override;
    DialogButton Ask(const std::string& text, DialogKind kind,
                     const std::vector<DialogButton>& buttons) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    void ShowBusy(const std::string& title, const std::string& message) override;
    void HideBusy() override;
    void BusyProgress(int position, int maximum) override;
    void ShowTrace(const std::string& text) override;
    [[noreturn]] void EndProgram(int exitCode) override;
    bool ChooseFile(const std::string& filter, const std::filesystem::path& folder,
                    std::filesystem::path& chosen) override;
    std::string ClipboardText() override;
    bool Pause(int milliseconds) override;
};

}  // namespace quorl
