#pragma once
// Collects the lines of one file that a loader could not read: each is logged and skipped, and the
// user hears of them once per file instead of losing the whole file or the program.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/NulLines.h"

namespace quorl {

class Session;

class SkippedLines {
public:
    SkippedLines(Session& s, std::filesystem::path file) : s_(s), file_(std::move(file)) {}

    // Logs the skipped line (1-based number) and the reason.
    void Skip(size_t lineNumber, std::string_view line, std::string_view reason);
    // The lines (ascending by file number) that were taken out of the text before the loader saw
    // it: a number the loader counts in the rest of the text is logged as the file's own number.
    void LinesRemoved(std::vector<NulLine> lines) { removed_ = std::move(lines); }
    const std::vector<NulLine>& RemovedLines() const { return removed_; }
    // The file's own number of the line the loader counts as lineNumber in the rest of the text.
    size_t FileLineNumber(size_t lineNumber) const;
    // The file's bytes as they were read, so that a line can be kept as it stands in the file.
    void FileRead(std::string bytes);
    // The line of the file's own number fileLineNumber byte for byte, whatever its encoding; the line
    // as the loader read it (read) for a UTF-16 file, whose lines are kept as text.
    std::string LineAsInFile(size_t fileLineNumber, std::string_view read) const;
    size_t Count() const { return count_; }
    // Shows one message naming the file and the number of skipped lines, when there are any, and
    // keeps that number in the Session's UnreadLines (none: the file is taken out of it).
    void Report();

private:
    Session& s_;
    std::filesystem::path file_;
    size_t count_ = 0;
    std::vector<NulLine> removed_;
    std::string bytes_;
    std::vector<std::pair<size_t, size_t>> lines_;  // offset and length in bytes_ of each line
};

// Before a save that writes file from what was read of it: when its last load left lines unread,
// asks whether to write it without them. True when nothing was left unread or the user agrees.
bool ConfirmDropUnreadLines(Session& s, const std::filesystem::path& file);

}  // namespace quorl
