#pragma once
// The application object of the program. An exception that escapes a window's event handler is
// shown and written to the log; the window, its fields and the label stay as they were. Only the
// end of the program (ProgramEnded) ends the event loop.
#include <QApplication>
#include <functional>
#include <string>

namespace quorl {

class Session;

class QuorlApplication : public QApplication {
public:
    QuorlApplication(int& argc, char** argv);

    // Where handler errors go once the session exists: its log, and showError for the user.
    void SetErrorReport(Session* s, std::function<void(const std::string&)> showError);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Session* session_ = nullptr;
    std::function<void(const std::string&)> showError_;
};

// Inside a catch block: logs and shows the exception being handled. True when it is the end of the
// program, which is neither shown nor logged.
bool ReportHandlerException(Session* s, const std::function<void(const std::string&)>& showError);

}  // namespace quorl
