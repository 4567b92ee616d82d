#pragma once
// Runs a record writer so that no exception leaves it: an unexpected failure is logged and the
// writer's result is false (the main window keeps its fields). A record written is no longer one
// taken out of its file and waiting to be added back.
#include <functional>
#include <string>

namespace quorl {

class Session;

// Ending the program (ProgramEnded) still passes through.
bool RunRecordWriter(Session& s, const std::string& writerName, const std::function<bool()>& writer);

}  // namespace quorl
