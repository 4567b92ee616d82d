#pragma once
// The help hook: every help request of the windows (F1 on a control with a help context, the Help
// commands) arrives here as a help command with its data, is written to the help log and shown by
// the help viewer.
#include <cstdint>
#include <functional>
#include <string>

#include "help/HelpDebugLog.h"
#include "help/HelpViewer.h"

namespace quorl {

class Dialogs;

// How help is shown: through the viewer (the only one this program uses), or by one of two outside
// viewer programs, which this platform does not have.
enum THostType { htHHAPI = 0, htKeyHHexe = 1, htHHexe = 2 };
enum class TPrefixType { None, ptIE3, ptIE4 };

// The help file text as the viewer is given it: "%20" read as a blank, blanks trimmed, a topic
// joined with "::", a window with ">", and the prefix in front.
std::string HHFormat(const std::string& file, const std::string& topic, const std::string& window, TPrefixType prefix);

// The message for a code of HHHelpContext; "" for 0.
std::string HHErrorText(int code);

class THookHelpSystem {
public:
    // Answers a help command before this hook does, when chaining is on.
    using Handler = std::function<bool(uint16_t command, int32_t data, bool& callHelp)>;

    THookHelpSystem(HelpViewer& viewer, Dialogs& dialogs, const HelpDebugLog& log, std::string chmFile,
                    std::string winDef, THostType hostType, Handler previous = {});
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // The application help event. callHelp comes back true for commands the hook leaves to the
    // caller.
    bool HelpHook(uint16_t command, int32_t data, bool& callHelp);
    // Shows a context of the help file; shows the error of a failure. Returns the code.
    int HelpContext(int id);

    // Optional handlers of context and popup-context requests, used instead of the viewer.
    std::function<void(int id)> onContext;
    std::function<void(int id, int x, int y)> onPopupContext;
    bool chain = false;

    int PopupX() const { return popupX_; }
    int PopupY() const { return popupY_; }
    const std::string& ChmFile() const { return chmFile_; }

private:
    int HHHelpContext(const std::string& file, int id, const std::string& window, THostType host);
    int HHContext(const std::string& path, int id, THostType host);
    void HHShowError(int code);

    HelpViewer& viewer_;
    Dialogs& dialogs_;
    const HelpDebugLog& log_;
    Handler previous_;
    std::string chmFile_;
    std::string winDef_;
    THostType hostType_;
    int popupX_ = 0;
    int popupY_ = 0;
};

}  // namespace quorl
