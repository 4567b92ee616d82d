#pragma once
// The commands of the main window's menu and buttons that bring label text in and out of the
// label window: open a text file, paste from the clipboard, clear, the layout file, the start of
// the analyze mode and the label window's own popup.
#include <filesystem>
#include <string>

namespace quorl {

class Session;

// Filter of the open dialog of the label commands.
constexpr const char* kTextFileFilter = "Text Files|*.txt;*.rtf";

// Runs the open dialog of the label commands in the folder of the file last chosen with it (the
// program folder the first time); false when the user cancels.
bool ChooseLabelFile(Session& s, std::filesystem::path& chosen);

// True when the file can be read; otherwise shows "Unable to open file: " and the path.
bool CanReadFile(Session& s, const std::filesystem::path& file);

// "Open Text File": a text file chosen with the open dialog goes through the AutoCorrect list
// into the label window and is parsed; its name shows in ImageLabel. A file that cannot be read
// is reported and nothing changes. A record taken out to be edited again and still in the fields
// is offered back first (so in every command here that replaces the fields).
void Open1Click(Session& s);

// "Parse": the label window's text is parsed into the fields.
void ParseOnlyButtonClick(Session& s);

// "Paste from Clipboard": the clipboard's text through the AutoCorrect list, the automatic line
// splitting (AutoSplit) and double spacing (DoubleSpace) into the label window. No parse.
void PasteLabelText(Session& s);

// "Clear All": after "Clear all fields?" is answered Yes, the fields, the label window, LabelText
// and the label lines the lists search are emptied.
void ClearAllButtonClick(Session& s);

// "Layout": writes Layout.txt in the current directory, one line "Tag, Top, Left, Height, Width"
// for every control on the window whose Tag is 0..99.
void LayoutButtonClick(Session& s);

// "Analyze Parse": the next parse explains the scoring of the Description field.
void Analyze1Click(Session& s);

// Right click in the label window: false, after the message "Nothing Selected", when nothing is
// selected (the window then gets no popup menu).
bool RichEdit1ContextPopup(Session& s);

// Caption of the AutoCorrect window for the label window's selection: "Change <sel> to:".
std::string AutoCorrectCaption(const Session& s);

}  // namespace quorl
