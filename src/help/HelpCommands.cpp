#include "help/HelpCommands.h"

namespace quorl {

std::string HelpCommandName(uint16_t command) {
    const char* name = "??";
    switch (command) {
        case HELP_CONTEXT: name = "HELP_CONTEXT"; break;
        case HELP_QUIT: name = "HELP_QUIT"; break;
        case HELP_CONTENTS: name = "HELP_INDEX or HELP_CONTENTS"; break;
        case HELP_HELPONHELP: name = "HELP_HELPONHELP"; break;
        case HELP_SETCONTENTS: name = "HELP_SETINDEX or HELP_SETCONTENTS"; break;
        case HELP_CONTEXTPOPUP: name = "HELP_CONTEXTPOPUP"; break;
        case HELP_FORCEFILE: name = "HELP_FORCEFILE"; break;
        case HELP_CONTEXTMENU: name = "HELP_CONTEXTMENU"; break;
        case HELP_FINDER: name = "HELP_FINDER"; break;
        case HELP_WM_HELP: name = "HELP_WM_HELP"; break;
        case HELP_SETPOPUP_POS: name = "HELP_SETPOPUP_POS"; break;
        case HELP_KEY: name = "HELP_KEY"; break;
        case HELP_COMMAND: name = "HELP_COMMAND"; break;
        case HELP_PARTIALKEY: name = "HELP_PARTIALKEY"; break;
        case HELP_MULTIKEY: name = "HELP_MULTIKEY"; break;
        case HELP_SETWINPOS: name = "HELP_SETWINPOS"; break;
        default: break;
    }
    return std::string(name) + " (" + std::to_string(command) + ")";
}

int32_t PackPopupPosition(int x, int y) {
    const uint32_t packed = (static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF);
    return static_cast<int32_t>(packed);
}

void UnpackPopupPosition(int32_t data, int& x, int& y) {
    const uint32_t packed = static_cast<uint32_t>(data);
    x = static_cast<int16_t>(packed & 0xFFFF);
    y = static_cast<int16_t>(packed >> 16);
}

}  // namespace quorl
