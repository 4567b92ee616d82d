#pragma once
// What the Photo window's text buttons do with the main window: the OCR text through the
// AutoCorrect list and double spacing, into the label window, and the parse.
#include <string>

namespace quorl {

class Session;

// The OCR text as the label windows receive it: through the AutoCorrect list, and double spaced
// when DoubleSpace is on.
std::string PrepareOcrText(const Session& s, const std::string& ocrText);

// "OCR && Parse" once the text is read: the fields are cleared, the prepared text becomes the
// label window's text and LabelText, and it is parsed. A record taken out to be edited again and
// still in the fields is offered back first (here and in ParsePhotoText); cancelled, nothing changes.
void ParseOcrText(Session& s, const std::string& ocrText);

// "Parse": the fields are cleared and the Photo window's text, as it stands, is parsed.
void ParsePhotoText(Session& s, const std::string& photoText);

}  // namespace quorl
