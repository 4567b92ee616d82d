#include "editors/TypedTextRules.h"

#include "base/Dialogs.h"
#include "base/Text.h"

namespace quorl {

std::string BreakingCharacter(std::string_view text, bool commaBreaks) {
    for (char c : text) {
        if (c == '\t') return "a TAB";
        if (c == '\r' || c == '\n') return "a line break";
        if (c == ',' && commaBreaks) return "a comma";
    }
    return {};
}

bool AcceptTypedText(Dialogs& d, std::string_view what, std::string_view text, bool commaBreaks, bool mayBeEmpty) {
    std::string character = BreakingCharacter(text, commaBreaks);
    if (!character.empty()) {
        d.ShowMessage(std::string(what) + " cannot contain " + character + ".");
        return false;
    }
    if (!mayBeEmpty && Trim(text).empty()) {
        d.ShowMessage(std::string(what) + " cannot be empty.");
        return false;
    }
    return true;
}

}  // namespace quorl
