#include "model/Files.h"

#include <system_error>

#include "base/Encoding.h"
#include "base/NulLines.h"
#include "base/Text.h"
#include "model/Log.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace fs = std::filesystem;

std::string LoadFileToString(Session& s, const fs::path& path, bool report, SkippedLines* skipped) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        if (!report) return {};
        std::string p = path.string();
        if (ContainsNoCase(p, "WordStats") || ContainsNoCase(p, "NameStats.txt")) {
            s.dialogs.ShowMessage("Learning file not found. A new one will be created with next data export.");
            return {};
        }
        s.dialogs.ShowMessage("Unable to open file: " + p);
        EndInCurrentLog(s, "Unable to open file: " + p);
        s.dialogs.EndProgram(1);
    }
    std::string text = DecodeFileBytes(bytes);
    if (skipped) skipped->FileRead(std::move(bytes));
    std::vector<NulLine> unreadable = RemoveNulLines(text);
    if (!unreadable.empty()) {
        SkippedLines own(s, path);
        SkippedLines& counted = skipped ? *skipped : own;
        for (const NulLine& line : unreadable) counted.Skip(line.number, line.text, "it holds NUL bytes");
        counted.LinesRemoved(std::move(unreadable));
        own.Report();
    }
    return CrLfLineEnds(text);
}

void ShowWriteFailure(Session& s, const fs::path& path, const WriteResult& result) {
    const std::string shown = path.string();
    std::string message;
    switch (result.failure) {
        case WriteFailure::None: return;
        case WriteFailure::Open: message = "Unable to create or open file " + shown + " (" + result.Reason() + ")"; break;
        case WriteFailure::Write:
            message = "Unable to write file " + shown + " (" + result.Reason() + "). The file was left as it was.";
            break;
        case WriteFailure::Restore:
            message = "Unable to write file " + shown + " (" + result.Reason() +
                      "), and it could not be cut back: its end may hold part of what was being written.";
            break;
    }
    WriteToLog(s, message);
    s.dialogs.ShowMessage(message);
}

bool WriteStringToFile(Session& s, const std::string& text, const fs::path& path, bool replace) {
    const std::string& bytes = text;
    std::error_code ec;
    const bool append = !replace && fs::exists(path, ec);
    const WriteResult result = append ? AppendFileBytes(path, bytes) : ReplaceFileAtomically(path, bytes);
    ShowWriteFailure(s, path, result);
    if (result.ok() && !append) s.UnreadLines.erase(path);
    return result.ok();
}

bool WriteFilesTogether(Session& s, const std::vector<FileReplacement>& files) {
    const FileSetResult written = ReplaceFilesTogether(files);
    if (!written.result) ShowWriteFailure(s, files[written.failed].path, written.result);
    if (written.result.ok())
        for (const FileReplacement& f : files) s.UnreadLines.erase(f.path);
    return written.result.ok();
}

}  // namespace quorl
