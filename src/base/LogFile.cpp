#include "base/LogFile.h"

#include <chrono>

namespace quorl {

bool LogFile::Write(const std::filesystem::path& folder, std::string_view name,
                    std::initializer_list<std::string_view> text) {
    line_.clear();
    bool timed = true, first = true;
    for (std::string_view part : text) {
        if (part.empty()) continue;
        if (first) {
            first = false;
            timed = part.front() != '/';
            if (timed) {
                stamp_.AppendTo(line_, std::chrono::system_clock::now());
                line_ += "  ";
            } else {
                part.remove_prefix(1);
            }
        }
        line_ += part;
    }
    if (first) {  // an empty text is a line of its own, with the time
        stamp_.AppendTo(line_, std::chrono::system_clock::now());
        line_ += "  ";
    }
    if (timed || line_ != ".") line_ += "\r\n";
    return Put(folder, name);
}

bool LogFile::WriteUntimed(const std::filesystem::path& folder, std::string_view name,
                           const std::vector<std::string>& lines) {
    line_.clear();
    for (const std::string& line : lines) {
        line_ += line;
        if (line != ".") line_ += "\r\n";
    }
    return Put(folder, name);
}

bool LogFile::Put(const std::filesystem::path& folder, std::string_view name) {
    if (!holding_) return file_.Append(folder, name, line_);
    held_ += line_;
    return true;
}

bool LogFile::Release(const std::filesystem::path& folder, std::string_view name) {
    holding_ = false;
    if (held_.empty()) return true;
    const bool written = file_.Append(folder, name, held_);
    held_.clear();
    return written;
}

}  // namespace quorl
