// quorl-parse --program-folder DIR FILE...
// Parses label text files without a window, each the way the "Open Text File" command does, with
// the user's files of DIR loaded as at start-up (from a scratch copy of DIR, so DIR is never
// written). Prints one JSON object per file and line: "file", "parseMicroseconds" and the text
// of every field control by control name; "error" when the file could not be parsed.
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "base/Encoding.h"
#include "base/ScriptedDialogs.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "model/MainForm.h"
#include "model/Session.h"
#include "model/UserFiles.h"
#include "parser/FillLabelChunks.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

QString Q(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

int Usage() {
    std::cerr << "usage: quorl-parse --program-folder DIR FILE...\n";
    return 2;
}

bool IsFieldValueControl(const Session& s, const Control& c) {
    if (c.kind != ControlKind::Edit && c.kind != ControlKind::Memo && c.kind != ControlKind::Combo) return false;
    if (c.tag == kPrefixEditTag || c.tag == kSuffixEditTag) return true;
    return c.tag >= 0 && c.tag < static_cast<int>(s.FieldDefinitions.size());
}

fs::path ScratchCopy(const fs::path& folder) {
    std::random_device rd;
    fs::path scratch = fs::temp_directory_path() / ("quorl-parse-" + std::to_string(rd()));
    fs::copy(folder, scratch, fs::copy_options::recursive);
    return scratch;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path programFolder;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--program-folder" && i + 1 < argc)
            programFolder = argv[++i];
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

    fs::path scratch = ScratchCopy(programFolder);
    ScriptedDialogs dialogs;
    dialogs.fallbackAnswer = DialogButton::Ignore;  // the short-label question
    Session s(dialogs);
    BuildMainForm(s.form);
    CreateCustomFieldControls(s.form);
    BindCascadingLists(s);
    int status = 0;
    try {
        StartSession(s, scratch);
        SetupCustomFields(s);
    } catch (const std::exception& e) {
        std::cerr << "quorl-parse: the program folder could not be loaded: " << e.what() << "\n";
        for (const std::string& m : dialogs.messages) std::cerr << "  " << Cp1252ToUtf8(m) << "\n";
        std::error_code ec;
        fs::remove_all(scratch, ec);
        return 1;
    }

    for (const fs::path& file : files) {
        QJsonObject out;
        out["file"] = QString::fromStdString(file.filename().string());
        dialogs.messages.clear();
        try {
            if (!fs::is_regular_file(file)) throw std::runtime_error("no such file");
            auto start = std::chrono::steady_clock::now();
            OpenTextFileAndParse(s, file);
            auto end = std::chrono::steady_clock::now();
            out["parseMicroseconds"] =
                static_cast<qint64>(std::chrono::duration_cast<std::chrono::microseconds>(end - start).count());
            for (const auto& c : s.form.Controls())
                if (IsFieldValueControl(s, *c)) out[QString::fromStdString(c->name)] = Q(c->text);
        } catch (const std::exception& e) {
            out["error"] = QString::fromStdString(e.what());
            status = 1;
        }
        std::cout << QJsonDocument(out).toJson(QJsonDocument::Compact).toStdString() << "\n";
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return status;
}
