#pragma once
// The help of the running program, owned by the main window: the help log, the help viewer over
// the collection beside the program, the help hook that every request goes through, and F1 in
// every window.
#include <QObject>
#include <QString>
#include <memory>

#include "help/HelpDebugLog.h"

namespace quorl {

class Session;
class THookHelpSystem;
class QtHelpViewer;

class ProgramHelp : public QObject {
    Q_OBJECT
public:
    // Opens the collection, starts the help log (in help-debug mode) and puts the hook in the
    // session. A collection that cannot be opened is said once: "HTML Help not loaded".
    ProgramHelp(Session& s, const QString& collectionFile);
    ~ProgramHelp() override;

    bool Loaded() const;
    QtHelpViewer& Viewer() { return *viewer_; }
    const HelpDebugLog& Log() const { return log_; }

protected:
    // F1 anywhere asks for the help context of the highlighted menu item when it has one, else of
    // the focused control, or of the first of its parents that has one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    HelpDebugLog log_;
    std::unique_ptr<QtHelpViewer> viewer_;
    std::unique_ptr<THookHelpSystem> hook_;
};

// What the help log's header says about this machine and program.
HelpEnvironment DescribeHelpEnvironment(bool helpLoaded);

}  // namespace quorl
