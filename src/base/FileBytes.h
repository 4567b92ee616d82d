#pragma once
// Raw file bytes: reading a whole file; replacing a file through a temporary file beside it;
// appending to a file; renaming one to a free name. A write reports whether its bytes reached the
// disk: every write, the flush and the close are checked, and a failed append cuts the file back to
// its old length.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// How a write ended. Open: the file (or its temporary file) could not be created or opened;
// Write: writing, flushing or closing failed and the file is as it was before; Restore: an append
// failed and the file could not be cut back, so it may end in part of the appended bytes.
enum class WriteFailure { None, Open, Write, Restore };

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    int error = 0;  // errno of the failed call
    bool ok() const { return failure == WriteFailure::None; }
    explicit operator bool() const { return ok(); }
    // The system's text for error ("No space left on device").
    std::string Reason() const;
};

// Reads raw bytes; false when the file cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Writes all of bytes to an open descriptor, going on after short writes and interruptions; false
// with errno set.
bool WriteAll(int fd, std::string_view bytes);

// Writes bytes to a temporary file beside path (path + ".tmp" + process id), makes sure they are
// on the disk and renames it over path. The file gets the rights perms, less the umask, from the
// moment it is created; a file that is replaced keeps its own rights, less any read or write right
// that perms leaves out. When path is a symbolic link, the file it points to is replaced and the
// link stays. On failure the temporary file is removed and path is left as it was. No message.
WriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                  std::filesystem::perms perms = static_cast<std::filesystem::perms>(0666));

// Replaces several files as one change: every file's bytes are written to its temporary file
// first, and only when all of them are on the disk are the temporary files renamed over their
// files. When any cannot be written, no file is touched and failed names it. No message.
struct FileReplacement {
    std::filesystem::path path;
    std::string bytes;
};
struct FileSetResult {
    WriteResult result;
    size_t failed = 0;  // index of the file that failed, when result is not ok
};
FileSetResult ReplaceFilesTogether(const std::vector<FileReplacement>& files);

// Appends bytes to an existing file and makes sure they are on the disk; on failure the file is
// cut back to the length it had before. No message.
WriteResult AppendFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Renames path to stem + N + extension in its folder, N the first of 1, 2, ... that no file has: a
// file of that name is never replaced, and a program killed meanwhile leaves path under one name or
// the other. The rename is on the disk when it returns. to is the new name; on failure it is empty
// and path is as it was. No message.
struct MovedFile {
    std::filesystem::path to;
    WriteResult result;
};
MovedFile MoveToFreeName(const std::filesystem::path& path, const std::string& stem, const std::string& extension);

// The process id in the name of a temporary file made by ReplaceFileAtomically, 0 for any other name.
long TemporaryFileOwner(const std::string& name);

// Removes the temporary files that ReplaceFileAtomically left in folder when its process was
// killed: names ending in ".tmp" and a process id that no running process has. Returns how many
// were removed.
size_t RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Whether a process with this id runs (one of another user counts as running).
bool ProcessRuns(long pid);

}  // namespace quorl
