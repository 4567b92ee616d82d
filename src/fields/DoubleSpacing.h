#pragma once
// Double spacing of the label window: every line followed by one empty line, both for pasted text
// and while the user types (Enter splits a line, Backspace or Delete at a line break joins two).
#include <string>

namespace quorl {

class Session;

// Line breaks as the user typed them, before the edit reformats them.
enum class LabelKey { Enter, Backspace, Delete, Other };

// Every run of line breaks collapsed so that each line is followed by exactly one empty line
// ("\r\n\r\n" twice folded to "\r\n", then every "\r\n" doubled).
std::string DoubleSpaceText(const std::string& text);

// Key down in the label window: text is the window's text and caret the number of characters
// before the caret. Sets PendingReformat and CaretShift.
void RichEdit1KeyDown(Session& s, LabelKey key, const std::string& text, int caret);

// The reformat step alone: the double breaks are kept, every single break (the one just typed or
// left over by a join) becomes a double break (pending 1) or is removed (pending 2). Any byte of
// the text is kept as it is.
std::string ReformatDoubleSpacing(const std::string& text, int pending);

// Change of the label window: with a reformat pending and DoubleSpace on, rewrites the window's
// text and moves its caret (selection start) by CaretShift. Returns true when it rewrote the text.
bool RichEdit1Change(Session& s);

}  // namespace quorl
