#pragma once
// The output-format files of the user folder (OutputFormat.txt, DarwinXML.txt, DarwinCSV.txt):
// the record file's name and the columns written for the current output type.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

class Session;

// File name written for an output type: "OutputFormat.txt" (0), "DarwinXML.txt" (1),
// "DarwinCSV.txt" (2).
std::string OutputFormatFileName(int outputType);
// File read for the current output type: DarwinCSV.txt falls back to OutputFormat.txt when missing.
std::filesystem::path OutputFormatReadPath(const Session& s);
std::filesystem::path OutputFormatReadPath(const Session& s, int outputType);

// The record file that an output-format file of the user names on its first line.
struct SavedRecordFile {
    std::string formatFile;  // "OutputFormat.txt", ...
    std::string recordFile;  // as the format holds it, relative to the program folder
};
// The record files of the user's output-format files, each name once, in output-type order.
std::vector<SavedRecordFile> SavedRecordFiles(const Session& s);

// Fills OutputColumns and OutputFileName from the current type's file, sets the captions of
// AddDataButton and OutputLabel, and FileFormatVersion = 2. Lines whose field key is missing or
// not a number, or that hold nothing after it, are skipped (one message for the file).
void LoadOutputFormat(Session& s);

// Whether a column line, cut from text by trimming (a view into text), began with a TAB: its
// field key is missing, and the enabled flag would be read in its place.
bool ColumnKeyIsMissing(std::string_view text, std::string_view line);

// Saves the preferences (so that they hold the current output type), then the current type's file;
// a log kept out of a record file goes to Log.txt again once no format names it as one. False when
// either file could not be written (the user has been told).
bool SaveOutputFormat(Session& s);

// Writes the current type's file from OutputColumns and OutputFileName, without the preferences,
// and shows OutputFileName in OutputLabel. False when it could not be written (the user has been told).
bool WriteOutputFormatFile(Session& s);

// The text of an output-format file for OutputColumns and OutputFileName.
std::string OutputFormatText(const Session& s);

}  // namespace quorl
