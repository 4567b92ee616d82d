#pragma once
// Whole-file reading and writing. Texts are UTF-8 in memory and on disk; a file that is not valid
// UTF-8 is read as Windows-1252 and a UTF-16 file (with its byte-order mark) is read too. Texts
// read have CR LF line ends whatever the file had (CR LF, LF or CR); texts are written as given.
#include <filesystem>
#include <string>
#include <vector>

#include "base/FileBytes.h"

namespace quorl {

class Session;
class SkippedLines;

// Reads the whole file. When it cannot be opened: without report returns ""; with report, the
// statistics files give the learning-file message and "", every other file ends the program
// after "Unable to open file: " and the path. A line holding NUL bytes is left out and counted in
// skipped (the loader's one message about the file), or, without skipped, in a message of its own.
std::string LoadFileToString(Session& s, const std::filesystem::path& path, bool report,
                             SkippedLines* skipped = nullptr);

// Replaces (through a temporary file and a rename) or appends. Returns true only when the bytes
// reached the disk; otherwise the file is left as it was and the user is told (ShowWriteFailure).
// A replaced file has no unread lines any more (Session::UnreadLines).
bool WriteStringToFile(Session& s, const std::string& text, const std::filesystem::path& path, bool replace);

// Replaces the files as one change (ReplaceFilesTogether): when one of them cannot be written, none
// is replaced and the user is told about that one. True when all were replaced.
bool WriteFilesTogether(Session& s, const std::vector<FileReplacement>& files);

// Tells the user that a write of path failed, why (the system's reason) and how ("Unable to create
// or open file " and the path when it could not be opened; the state of the file otherwise), and logs it.
void ShowWriteFailure(Session& s, const std::filesystem::path& path, const WriteResult& result);


}  // namespace quorl
