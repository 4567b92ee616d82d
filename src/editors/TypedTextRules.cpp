#include "editors/TypedTextRules.h"

#include "base/Dialogs.h"
#include "base/Text.h"
#include "editors/ForbiddenCharacters.h"

namespace quorl {

bool AcceptTypedText(Dialogs& d, std::string_view what, std::string_view text, bool commaBreaks, bool mayBeEmpty) {
    if (auto character = FirstForbiddenCharacter(text, commaBreaks ? "\t\r\n," : "\t\r\n")) {
        d.ShowMessage(std::string(what) + " cannot contain " + *character + ".");
        return false;
    }
    if (!mayBeEmpty && Trim(text).empty()) {
        d.ShowMessage(std::string(what) + " cannot be empty.");
        return false;
    }
    return true;
}

}  // namespace quorl
