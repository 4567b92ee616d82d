#include "model/SkippedLines.h"

#include "base/Excerpt.h"
#include "base/Text.h"
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
