#pragma once
// The files and folders Quorl keeps for itself in the program folder and the users' folders, and
// whether a record file's name meets one of them: records written there would be deleted or
// overwritten by the program's own writes (the log is cleared at each start, the settings files
// are replaced whole, temporary files and staging folders of ended runs are removed).
#include <filesystem>
#include <string>

namespace quorl {

// What the record file named recordFile (relative to programFolder, as an output format holds it;
// an absolute path stays as it is) would be of Quorl's own files, for a message: "one of Quorl's
// own files (the log)"; "" when it is none of them. The name is trimmed as the format file's reader
// trims it, and met as the file system meets it: "./Log.txt", "Users/../Log.txt", a symbolic link
// to the log and the log's own path are the log; "log.txt" is another file, unless the file
// system holds it as the same file.
std::string KeptFileMet(const std::filesystem::path& programFolder, const std::string& recordFile);

// The output-format editor's message for a record-file name that is one of Quorl's own files;
// "" for any other name.
std::string KeptRecordFileProblem(const std::filesystem::path& programFolder, const std::string& recordFile);

// Whether a and b name the same file or folder: the same path once made absolute and its links
// followed, or two names the file system holds as one (a hard link, a folder that ignores case).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace quorl
