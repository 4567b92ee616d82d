#pragma once
// A log file as the program writes it: kept open, each line built in one buffer that is reused from
// line to line, and handed to the system in one write before the call returns, so that a line once
// written is not lost when the program dies.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/AppendFile.h"
#include "base/LogTimeStamper.h"

namespace quorl {

class LogFile {
public:
    // Appends the text joined from its parts as one line of the file name in folder: the time
    // ("HH:mm:ss:zzz"), two blanks, the text and CR LF. A text starting with "/" is written without
    // the time and the "/"; a lone "." so written gets no line end. False when it cannot be written.
    bool Write(const std::filesystem::path& folder, std::string_view name, std::initializer_list<std::string_view> text);
    // Appends lines without the time, each as Write does a "/" text, all in one write.
    bool WriteUntimed(const std::filesystem::path& folder, std::string_view name, const std::vector<std::string>& lines);
    void Close() { file_.Close(); }

    // From now on the lines are kept in memory instead of written, until Release: the file they
    // belong in does not exist yet.
    void Hold() { holding_ = true; }
    bool Holding() const { return holding_; }
    // Ends holding: the lines kept go to the file name in folder in one write (none: no file is
    // made). False when they cannot be written.
    bool Release(const std::filesystem::path& folder, std::string_view name);

private:
    bool Put(const std::filesystem::path& folder, std::string_view name);

    AppendFile file_;
    std::string line_;
    LogTimeStamper stamp_;
    bool holding_ = false;
    std::string held_;
};

}  // namespace quorl
