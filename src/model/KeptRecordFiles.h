#pragma once
// Record files that the user's output formats name although they are Quorl's own files (formats
// saved before the editor refused such names): the user is told, the file is left as it is, its
// content is copied aside where the program never writes, and the log stays out of it.
#include <filesystem>

namespace quorl {

class Session;

// Tells the user, and the log, of every record file of the user's output formats that is one of
// Quorl's own files, and copies the content of each to "Records from NAME" beside it (a copy with
// the same content already there is taken instead; "Records from NAME (2)" when that name holds
// something else). True when there was any.
bool ReportRecordFilesOnKeptFiles(Session& s);

// Whether one of the user's output formats names file as its record file.
bool NamedAsRecordFile(const Session& s, const std::filesystem::path& file);

// While one of the user's output formats names the user's Log.txt as its record file, the log's
// lines wait in memory, so that the log neither clears that file nor writes into it; once none
// does, they go to Log.txt.
void KeepLogOutOfRecordFiles(Session& s);

}  // namespace quorl
