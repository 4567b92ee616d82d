#include "model/SkippedLines.h"

#include "base/Excerpt.h"
#include "base/Text.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

void SkippedLines::Skip(size_t lineNumber, std::string_view line, std::string_view reason) {
    ++count_;
    for (size_t removed : removed_)
        if (removed <= lineNumber) ++lineNumber;
    WriteToLog(s_, "Skipped line " + IntToStr(static_cast<long long>(lineNumber)) + " of " +
                       file_.filename().string() + " (" + std::string(reason) + "): " +
                       Excerpt(line, kLogExcerptBytes));
}

void SkippedLines::Report() {
    if (count_ == 0) return;
    s_.dialogs.ShowMessage("Skipped " + IntToStr(static_cast<long long>(count_)) +
                           " unreadable line(s) in " + file_.string());
    count_ = 0;
}

}  // namespace quorl
