#include "ui/ProgramRun.h"

#include <QCoreApplication>
#include <exception>

#include "base/Dialogs.h"
#include "ui/AppWindows.h"

namespace quorl {

int RunProgram(Session& s, const std::function<void(const std::string&)>& showError) {
    try {
        std::unique_ptr<AppWindows> windows = CreateAppWindows(s);
        QCoreApplication::exec();
    } catch (...) {
        ReportCurrentException(showError);
    }
    return 0;
}

void ReportCurrentException(const std::function<void(const std::string&)>& showError) {
    try {
        throw;
    } catch (const ProgramEnded&) {
    } catch (const std::exception& e) {
        showError(e.what());
    } catch (...) {
        showError("");
    }
}

}  // namespace quorl
