#pragma once
// The help commands that windows send to the help hook, and their names for the help log.
#include <cstdint>
#include <string>

namespace quorl {

enum HelpCommand : uint16_t {
    HELP_CONTEXT = 1,
    HELP_QUIT = 2,
    HELP_CONTENTS = 3,
    HELP_HELPONHELP = 4,
    HELP_SETCONTENTS = 5,
    HELP_CONTEXTPOPUP = 8,
    HELP_FORCEFILE = 9,
    HELP_CONTEXTMENU = 10,
    HELP_FINDER = 11,
    HELP_WM_HELP = 12,
    HELP_SETPOPUP_POS = 13,
    HELP_KEY = 257,
    HELP_COMMAND = 258,
    HELP_PARTIALKEY = 261,
    HELP_MULTIKEY = 513,
    HELP_SETWINPOS = 515,
};

// The command's name followed by its number, as in "HELP_CONTEXT (1)"; "?? (n)" for an unknown one.
std::string HelpCommandName(uint16_t command);

// A screen position packed into one number: x in the low 16 bits, y in the high 16 bits.
int32_t PackPopupPosition(int x, int y);
void UnpackPopupPosition(int32_t data, int& x, int& y);

}  // namespace quorl
