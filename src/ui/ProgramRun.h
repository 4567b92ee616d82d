#pragma once
// One run of the program: the windows in their fixed order, then the event loop until the main
// window closes. An exception out of a window's construction is reported and ends the run.
#include <functional>
#include <string>

namespace quorl {

class Session;

// Returns the program's exit code: 0, also after a reported exception.
int RunProgram(Session& s, const std::function<void(const std::string&)>& showError);

// Inside a catch block: reports the exception being handled, unless it is the end of the program.
void ReportCurrentException(const std::function<void(const std::string&)>& showError);

}  // namespace quorl
