#include "help/HelpHook.h"

#include "base/Dialogs.h"
#include "base/Text.h"
#include "help/HelpCommands.h"

namespace quorl {

namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string Clean(const std::string& s) { return Trim(ReplaceAll(s, "%20", " ")); }

}  // namespace

std::string HHFormat(const std::string& file, const std::string& topic, const std::string& window, TPrefixType prefix) {
    std::string f = Clean(file), t = Clean(topic), w = Clean(window);
    std::string result = f;
    if (!t.empty()) {
        t = ReplaceAll(t, "\\", "/");
        if (t[0] != '/') t = "/" + t;
        result = f.empty() ? t : f + "::" + t;
    }
    if (!w.empty()) result += ">" + w;
    if (prefix == TPrefixType::ptIE3) result = "mk:@MSITStore:" + result;
    if (prefix == TPrefixType::ptIE4) result = "ms-its:" + result;
    return result;
}

std::string HHErrorText(int code) {
    switch (code) {
        case 0: return "";
        case 1: return "The Quorl help is not installed on this computer.";
        case 2: return "The help viewer program KeyHH is not available on this computer.";
        case 3: return "The help viewer program HH is not available on this computer.";
        default: return "Unknown error returned by HHHelpContext";
    }
}

THookHelpSystem::THookHelpSystem(HelpViewer& viewer, Dialogs& dialogs, const HelpDebugLog& log, std::string chmFile,
                                 std::string winDef, THostType hostType, Handler previous)
    : viewer_(viewer), dialogs_(dialogs), log_(log), previous_(std::move(previous)), chmFile_(std::move(chmFile)),
      winDef_(std::move(winDef)), hostType_(hostType) {
    log_.Out("THookHelpSystem.Create(" + Quoted(chmFile_) + "," + Quoted(winDef_) + ", " +
             std::to_string(hostType_) + ")");
}

THookHelpSystem::~THookHelpSystem() {
    if (hostType_ == htHHAPI) viewer_.CloseAll();
    log_.Out("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(uint16_t command, int32_t data, bool& callHelp) {
    log_.Out("THookHelpSystem.HelpHook(" + HelpCommandName(command) + ", " + std::to_string(data) + ")");
    bool result = true;
    if (chain && previous_) result = previous_(command, data, callHelp);
    callHelp = false;
    switch (command) {
        case HELP_CONTEXT:
            if (onContext)
                onContext(data);
            else
                HelpContext(data);
            break;
        case HELP_CONTEXTPOPUP:
            if (onPopupContext)
                onPopupContext(data, popupX_, popupY_);
            else
                HelpContext(data);
            break;
        case HELP_SETPOPUP_POS:
            UnpackPopupPosition(data, popupX_, popupY_);
            break;
        default:
            callHelp = true;
            break;
    }
    return result;
}

int THookHelpSystem::HelpContext(int id) {
    const int code = HHHelpContext(chmFile_, id, winDef_, hostType_);
    HHShowError(code);
    return code;
}

int THookHelpSystem::HHHelpContext(const std::string& file, int id, const std::string& window, THostType host) {
    log_.Out("HHHelpContext(" + Quoted(file) + ", " + std::to_string(id) + ", " + Quoted(window) + ", " +
             std::to_string(host) + ")");
    const TPrefixType prefix = host == htHHexe ? TPrefixType::ptIE3 : TPrefixType::None;
    return HHContext(HHFormat(file, "", window, prefix), id, host);
}

int THookHelpSystem::HHContext(const std::string& path, int id, THostType host) {
    log_.Out("ShowContext(" + Quoted(path) + ", " + std::to_string(id) + ")");
    int code = 0;
    if (!viewer_.Loaded())
        code = 1;
    else if (host == htHHAPI) {
        if (!viewer_.ShowContext(id)) log_.Out("  no page for context " + std::to_string(id) + ": contents shown");
    } else
        code = host == htKeyHHexe ? 2 : 3;  // no outside viewer programs on this platform
    log_.Out("  returned - " + std::to_string(code));
    return code;
}

void THookHelpSystem::HHShowError(int code) {
    const std::string text = HHErrorText(code);
    if (code != 0) dialogs_.Ask(text, DialogKind::Warning, {DialogButton::Ok});
    log_.Out("HHShowError(" + std::to_string(code) + "), " + Quoted(text));
}

}  // namespace quorl
