#pragma once
// The session of a command-line tool: started without windows on a scratch copy of a program
// folder (so the folder itself is never written), answering every question from a script.
#include <QJsonObject>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ScriptedDialogs.h"
#include "model/Session.h"

namespace quorl {

// Answers every question with the button that lets the work go on: Ignore when it is offered
// (warnings such as the short-label question), else Yes (confirmations such as adding a record
// whose name could not be checked), else the fallback answer.
class ToolDialogs : public ScriptedDialogs {
public:
    DialogButton Ask(const std::string& text, DialogKind kind, const std::vector<DialogButton>& buttons) override;
};

class ToolSession {
public:
    // Loads the user's files of programFolder as at start-up; throws std::runtime_error with the
    // reason and the messages shown when the folder cannot be loaded.
    explicit ToolSession(const std::filesystem::path& programFolder);
    ~ToolSession();
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    ToolDialogs dialogs;
    Session session{dialogs};

    // The text of every field control of the main window, by control name.
    void PutFields(QJsonObject& out) const;

private:
    std::filesystem::path scratch_;
};

// Prints one JSON line for file: its name as "file" and what work puts in, or "error" with the
// message of an exception from work. False after an error.
bool PrintFileResult(const std::filesystem::path& file, const std::function<void(QJsonObject&)>& work);

// Writes the object as one line to the standard output at once, with a single write where the
// system allows it, so that lines of several runs on one pipe, or of the error stream merged in,
// never cut into each other. False when the output cannot be written.
bool WriteJsonLine(const QJsonObject& object);

}  // namespace quorl
