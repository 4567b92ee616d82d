#include "ToolSession.h"

#include <QJsonDocument>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <random>
#include <unistd.h>

#include "base/FileBytes.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "model/MainForm.h"
#include "model/UserFiles.h"

namespace fs = std::filesystem;

namespace quorl {

namespace {

bool IsFieldValueControl(const Session& s, const Control& c) {
    if (c.kind != ControlKind::Edit && c.kind != ControlKind::Memo && c.kind != ControlKind::Combo) return false;
    if (c.tag == kPrefixEditTag || c.tag == kSuffixEditTag) return true;
    return c.tag >= 0 && c.tag < static_cast<int>(s.FieldDefinitions.size());
}

fs::path ScratchCopy(const fs::path& folder) {
    std::random_device rd;
    fs::path scratch = fs::temp_directory_path() / ("quorl-tool-" + std::to_string(rd()));
    fs::copy(folder, scratch, fs::copy_options::recursive);
    return scratch;
}

}  // namespace

DialogButton ToolDialogs::Ask(const std::string& text, DialogKind kind, const std::vector<DialogButton>& buttons) {
    const DialogButton scripted = ScriptedDialogs::Ask(text, kind, buttons);
    for (DialogButton goOn : {DialogButton::Ignore, DialogButton::Yes})
        if (std::find(buttons.begin(), buttons.end(), goOn) != buttons.end()) return goOn;
    return scripted;
}

ToolSession::ToolSession(const fs::path& programFolder) {
    if (!fs::is_directory(programFolder)) throw std::runtime_error("no folder " + programFolder.string());
    scratch_ = ScratchCopy(programFolder);
    BuildMainForm(session.form);
    CreateCustomFieldControls(session.form);
    BindCascadingLists(session);
    try {
        StartSession(session, scratch_);
        SetupCustomFields(session);
    } catch (const std::exception& e) {
        std::string reason = std::string("the program folder could not be loaded: ") + e.what();
        for (const std::string& m : dialogs.messages) reason += "\n  " + m;
        std::error_code ec;
        fs::remove_all(scratch_, ec);
        throw std::runtime_error(reason);
    }
}

ToolSession::~ToolSession() {
    std::error_code ec;
    fs::remove_all(scratch_, ec);
}

void ToolSession::PutFields(QJsonObject& out) const {
    for (const auto& c : session.form.Controls())
        if (IsFieldValueControl(session, *c))
            out[QString::fromStdString(c->name)] = QString::fromStdString(c->text);
}

bool PrintFileResult(const fs::path& file, const std::function<void(QJsonObject&)>& work) {
    QJsonObject out;
    out["file"] = QString::fromStdString(file.filename().string());
    bool ok = true;
    try {
        work(out);
    } catch (const std::exception& e) {
        out["error"] = QString::fromStdString(e.what());
        ok = false;
    }
    WriteJsonLine(out);
    return ok;
}

bool WriteJsonLine(const QJsonObject& object) {
    const std::string line = QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + "\n";
    std::cout.flush();  // anything written before goes first
    std::fflush(stdout);
    return WriteAll(STDOUT_FILENO, line);
}

}  // namespace quorl
