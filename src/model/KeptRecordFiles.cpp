#include "model/KeptRecordFiles.h"

#include <system_error>

#include "base/FileBytes.h"
#include "base/Text.h"
#include "model/KeptFiles.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxCopies = 99;

// The name, beside file, of a copy that holds bytes: one there already with these bytes, or a new
// one. Empty, with the reason in failure, when none could be written.
std::string CopyAside(const Session& s, const fs::path& file, const std::string& bytes, std::string& failure) {
    const fs::path folder = file.parent_path();
    for (int n = 1; n <= kMaxCopies; ++n) {
        const std::string name = "Records from " + file.filename().string() + (n > 1 ? " (" + IntToStr(n) + ")" : "");
        const fs::path copy = folder / name;
        if (!KeptFileMet(s.ProgramFolder, copy.string()).empty()) continue;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(copy, ec))) {
            std::string there;
            if (ReadFileBytes(copy, there) && there == bytes) return name;
            continue;
        }
        const WriteResult written = ReplaceFileAtomically(copy, bytes);
        if (written) return name;
        failure = written.Reason();
        return {};
    }
    failure = "the names up to \"Records from " + file.filename().string() + " (" + IntToStr(kMaxCopies) +
              ")\" are taken";
    return {};
}

}  // namespace

bool ReportRecordFilesOnKeptFiles(Session& s) {
    bool any = false;
    for (const SavedRecordFile& f : SavedRecordFiles(s)) {
        const std::string kept = KeptFileMet(s.ProgramFolder, f.recordFile);
        if (kept.empty()) continue;
        any = true;
        const std::string choose = "Output File Name in the Output Format window.";
        std::string advice = "Choose another " + choose;
        const fs::path file = s.ProgramFile(f.recordFile);
        std::string bytes, failure;
        std::error_code ec;
        if (fs::is_regular_file(file, ec) && ReadFileBytes(file, bytes) && !bytes.empty()) {
            const std::string copy = CopyAside(s, file, bytes, failure);
            const std::string shown = (fs::path(f.recordFile).parent_path() / copy).lexically_normal().string();
            advice = copy.empty() ? "Its content could not be copied aside (" + failure +
                                        "): copy the file yourself before you choose another " + choose
                                  : "Its content was copied to \"" + shown +
                                        "\": choose that name, or another one, as the " + choose;
        }
        const std::string message = "The output format " + f.formatFile + " names " + f.recordFile +
                                    " as its record file, but that is " + kept +
                                    ". Quorl leaves it as it is: no record is added to it or taken out of it, and the "
                                    "Output Preview still shows it. " + advice;
        WriteToLog(s, message);
        s.dialogs.ShowMessage(message);
    }
    return any;
}

bool NamedAsRecordFile(const Session& s, const fs::path& file) {
    for (const SavedRecordFile& f : SavedRecordFiles(s))
        if (SameFile(s.ProgramFile(f.recordFile), file)) return true;
    return false;
}

void KeepLogOutOfRecordFiles(Session& s) {
    if (NamedAsRecordFile(s, s.UserFile("Log.txt"))) {
        if (s.log.Holding()) return;
        s.log.Close();
        s.log.Hold();
    } else if (s.log.Holding()) {
        s.log.Release(s.UserFolder, "Log.txt");
    }
}

}  // namespace quorl
