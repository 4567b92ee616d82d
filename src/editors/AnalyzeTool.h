#pragma once
// The analyze window's two commands: re-parse the label window explaining one built-in field, or
// leave without an explanation.
namespace quorl {

class Session;

// "Analyze": the label window's text is parsed once with the scoring of field (0-29) explained;
// the explanation is shown when the parse ends. A number outside 0-29 does nothing, and so does a
// cancelled offer to add back a record taken out to be edited again and still in the fields.
void AnalyzeField(Session& s, int field);

// "Cancel", and closing the window by its frame: the next parse explains nothing.
void CancelAnalyze(Session& s);

}  // namespace quorl
