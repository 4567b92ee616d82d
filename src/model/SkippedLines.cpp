#include "model/SkippedLines.h"

#include "base/Encoding.h"
#include "base/Excerpt.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

void SkippedLines::Skip(size_t lineNumber, std::string_view line, std::string_view reason) {
    ++count_;
    WriteToLog(s_, "Skipped line " + IntToStr(static_cast<long long>(FileLineNumber(lineNumber))) + " of " +
                       file_.filename().string() + " (" + std::string(reason) + "): " +
                       Excerpt(line, kLogExcerptBytes));
}

size_t SkippedLines::FileLineNumber(size_t lineNumber) const {
    for (const NulLine& removed : removed_)
        if (removed.number <= lineNumber) ++lineNumber;
    return lineNumber;
}

void SkippedLines::FileRead(std::string bytes) {
    bytes_ = std::move(bytes);
    lines_.clear();
    const std::optional<std::string_view> inStep = BytesInStepWithLines(bytes_);
    if (!inStep) return;
    ForEachLine(*inStep, [&](size_t, std::string_view line) {
        lines_.emplace_back(static_cast<size_t>(line.data() - bytes_.data()), line.size());
    });
}

std::string SkippedLines::LineAsInFile(size_t fileLineNumber, std::string_view read) const {
    if (fileLineNumber == 0 || fileLineNumber > lines_.size()) return std::string(read);
    const auto [offset, size] = lines_[fileLineNumber - 1];
    return bytes_.substr(offset, size);
}

void SkippedLines::Report() {
    if (count_ == 0) {
        s_.UnreadLines.erase(file_);
        return;
    }
    s_.UnreadLines[file_] = count_;
    s_.dialogs.ShowMessage("Skipped " + IntToStr(static_cast<long long>(count_)) +
                           " unreadable line(s) in " + file_.string());
    count_ = 0;
}

bool ConfirmDropUnreadLines(Session& s, const std::filesystem::path& file) {
    const auto unread = s.UnreadLines.find(file);
    if (unread == s.UnreadLines.end()) return true;
    const std::string question = IntToStr(static_cast<long long>(unread->second)) + " line(s) of " + file.string() +
                                 " could not be read when it was loaded (Log.txt names them). Saving writes the "
                                 "file without what could not be read.\r\n\r\nSave anyway?";
    return s.dialogs.Ask(question, DialogKind::Warning, {DialogButton::Yes, DialogButton::No}) == DialogButton::Yes;
}

}  // namespace quorl
