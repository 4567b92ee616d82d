// quorl-parse --program-folder DIR [--log OUT] FILE...
// Parses label text files without a window, each the way the "Open Text File" command does, with
// the user's files of DIR loaded as at start-up (from a scratch copy of DIR, so DIR is never
// written). Prints one JSON object per file and line: "file", "parseMicroseconds" and the text
// of every field control by control name; "error" when the file could not be parsed. With --log,
// the session's Log.txt is copied to OUT at the end (to compare what the log writes).
#include <QJsonObject>
#include <QString>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ToolSession.h"
#include "parser/FillLabelChunks.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

int Usage() {
    std::cerr << "usage: quorl-parse --program-folder DIR [--log OUT] FILE...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path programFolder, logCopy;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--program-folder" && i + 1 < argc)
            programFolder = argv[++i];
        else if (a == "--log" && i + 1 < argc)
            logCopy = argv[++i];
        else if (a.rfind("--", 0) == 0)
            return Usage();
        else
            files.emplace_back(a);
    }
    if (programFolder.empty() || files.empty()) return Usage();
    if (!fs::is_directory(programFolder)) {
        std::cerr << "quorl-parse: no folder " << programFolder << "\n";
        return 2;
    }
    std::unique_ptr<ToolSession> tool;
    try {
        tool = std::make_unique<ToolSession>(programFolder);
    } catch (const std::exception& e) {
        std::cerr << "quorl-parse: " << e.what() << "\n";
        return 1;
    }
    Session& s = tool->session;

    int status = 0;
    for (const fs::path& file : files) {
        tool->dialogs.messages.clear();
        const bool ok = PrintFileResult(file, [&](QJsonObject& out) {
            if (!fs::is_regular_file(file)) throw std::runtime_error("no such file");
            auto start = std::chrono::steady_clock::now();
            OpenTextFileAndParse(s, file);
            auto end = std::chrono::steady_clock::now();
            out["parseMicroseconds"] =
                static_cast<qint64>(std::chrono::duration_cast<std::chrono::microseconds>(end - start).count());
            tool->PutFields(out);
        });
        if (!ok) status = 1;
    }
    if (!logCopy.empty()) {
        std::error_code ec;
        fs::copy_file(s.UserFile("Log.txt"), logCopy, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::cerr << "quorl-parse: the log could not be copied: " << ec.message() << "\n";
            status = 1;
        }
    }
    return status;
}
