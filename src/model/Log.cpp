#include "model/Log.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "BuildVersion.h"
#include "base/LogTimeStamper.h"
#include "model/Session.h"

namespace quorl {

std::tm LocalTimeNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::string LogTimeStamp() {
    std::string stamp;
    LogTimeStamper().AppendTo(stamp, std::chrono::system_clock::now());
    return stamp;
}

void WriteToLog(Session& s, std::string_view text) {
    if (s.Debug) s.log.Write(s.UserFolder, "Log.txt", {text});  // the log never stops the program
}

void WriteToLog(Session& s, std::initializer_list<std::string_view> text) {
    if (s.Debug) s.log.Write(s.UserFolder, "Log.txt", text);  // the log never stops the program
}

void WriteLinesToLog(Session& s, const std::vector<std::string>& lines) {
    if (s.Debug) s.log.WriteUntimed(s.UserFolder, "Log.txt", lines);
}

void HoldLog(Session& s) { s.log.Hold(); }

void RestartLog(Session& s) {
    s.log.Close();
    std::error_code ec;
    std::filesystem::remove(s.UserFile("Log.txt"), ec);
    s.log.Release(s.UserFolder, "Log.txt");
}

void EndInCurrentLog(Session& s, std::string_view text) {
    if (!s.log.Holding()) return;  // only a start waits for its log; elsewhere the message says it
    s.log.Release(s.UserFolder, "Log.txt");
    WriteToLog(s, text);
}

std::string GetFileVersion() { return QUORL_FILE_VERSION; }

}  // namespace quorl
