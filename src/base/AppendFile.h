#pragma once
// A file kept open for appending while the program runs, so that writing one line costs no open
// and close. Each append is handed to the system at once: nothing written is lost when the
// program dies. Moving to another path closes the old file. A file deleted (or replaced) while it
// is open is noticed within a second, and the file is made again at its path.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorl {

class AppendFile {
public:
    AppendFile() = default;
    ~AppendFile() { Close(); }
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Appends bytes to the file name in folder (created when missing); false when it cannot be
    // written. The file stays open until another folder or name is asked for, or Close.
    bool Append(const std::filesystem::path& folder, std::string_view name, std::string_view bytes);
    void Close();

private:
    // True when the open file has no name left; asked of the system at most once a second.
    bool Unlinked();

    std::string folder_, name_;  // of the open file, compared as plain strings
    int fd_ = -1;
    std::chrono::steady_clock::time_point nextCheck_{};
};

}  // namespace quorl
