#include "ui/QuorlApplication.h"

#include <exception>

#include "base/Dialogs.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

QuorlApplication::QuorlApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void QuorlApplication::SetErrorReport(Session* s, std::function<void(const std::string&)> showError) {
    session_ = s;
    showError_ = std::move(showError);
}

bool QuorlApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (ReportHandlerException(session_, showError_)) QCoreApplication::exit(0);
    }
    return false;
}

bool ReportHandlerException(Session* s, const std::function<void(const std::string&)>& showError) {
    std::string what;
    try {
        throw;
    } catch (const ProgramEnded&) {
        return true;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = "An unknown error happened.";
    }
    if (s) WriteToLog(*s, "Error: " + what);
    if (showError) showError(what);
    return false;
}

}  // namespace quorl
