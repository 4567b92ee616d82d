// Quorl entry point: the application object, the session with the Qt dialogs, and the run of the
// windows. An exception out of a window's construction is shown and ends the program with exit
// code 0; one out of an event handler is shown and logged, and the program goes on.
#include <QMessageBox>
#include <unistd.h>

#include "model/Session.h"
#include "ui/AskingWindow.h"
#include "ui/ProgramRun.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"
#include "ui/QuorlApplication.h"

namespace {

void ShowException(const std::string& what) {
    const quorl::AskingScope asking(nullptr);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("QUORL"), quorl::ToQtLines(what), QMessageBox::Ok,
                    asking.Owner());
    box.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // The embedded web view refuses to start as root without this.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    quorl::QuorlApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUORL"));
    app.setQuitOnLastWindowClosed(false);  // only the main window ends the program

    quorl::QtDialogs dialogs;
    quorl::Session session(dialogs);
    app.SetErrorReport(&session, ShowException);
    return quorl::RunProgram(session, ShowException);
}
