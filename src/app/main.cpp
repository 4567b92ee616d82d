// Quorl entry point: the application object, the session with the Qt dialogs, and the run of the
// windows. An exception that reaches this level is shown in a message box and the program ends
// with exit code 0.
#include <QApplication>
#include <QMessageBox>
#include <unistd.h>

#include "model/Session.h"
#include "ui/ProgramRun.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

namespace {

void ShowException(const std::string& what) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("QUORL"), quorl::ToQtLines(what), QMessageBox::Ok);
    box.exec();
}

// An exception out of an event handler is shown and ends the event loop.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            quorl::ReportCurrentException(ShowException);
        }
        QCoreApplication::exit(0);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    // The embedded web view refuses to start as root without this.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUORL"));
    app.setQuitOnLastWindowClosed(false);  // only the main window ends the program

    quorl::QtDialogs dialogs;
    quorl::Session session(dialogs);
    return quorl::RunProgram(session, ShowException);
}
