#pragma once
// Whether a text typed into an editor's input box may be written. The settings files it ends up in
// are TAB-separated lines without any escaping, so a TAB or a line break (and, inside a comma
// list, a comma) would cut the value apart when the file is read again.
#include <string_view>

namespace quorl {

class Dialogs;

// Shows "<what> cannot contain <character>." (or "<what> cannot be empty." when mayBeEmpty is
// false and the text is blank) and returns false; true when the text may be written.
bool AcceptTypedText(Dialogs& d, std::string_view what, std::string_view text, bool commaBreaks, bool mayBeEmpty);

}  // namespace quorl
