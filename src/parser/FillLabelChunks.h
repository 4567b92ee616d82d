#pragma once
// The label parser: cuts LabelText into lines, scores every line for the fields and runs the
// phases that fill the main window's fields. Callers clear the fields and set LabelText first.
namespace quorl {

class Session;

void FillLabelChunks(Session& s);

// The "Parse" command: clears the fields, takes the label window's text and parses it.
void ParseLabelWindow(Session& s);

}  // namespace quorl
