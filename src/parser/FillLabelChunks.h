#pragma once
// The label parser: cuts LabelText into lines, scores every line for the fields and runs the
// phases that fill the main window's fields. Callers clear the fields and set LabelText first.
#include <filesystem>

namespace quorl {

class Session;

void FillLabelChunks(Session& s);

// The scoring pass of the parse over LabelChunks: resets the per-line tables and the FoundLine of
// every definition, then scores every line for the fields.
void ScoreLabelLines(Session& s);

// The "Parse" command: clears the fields, takes the label window's text and parses it.
void ParseLabelWindow(Session& s);

// The "Open Text File" command once the file is chosen: clears the fields, loads the file into
// the label window through the AutoCorrect list, parses it and shows the file's name.
void OpenTextFileAndParse(Session& s, const std::filesystem::path& file);

}  // namespace quorl
