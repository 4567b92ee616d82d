#include "model/Log.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "BuildVersion.h"
#include "model/Session.h"

namespace quorl {

std::tm LocalTimeNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::string LogTimeStamp() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d:%03d", tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
    return buf;
}

void WriteToLog(Session& s, const std::string& text) {
    if (!s.Debug) return;
    std::string line;
    if (!text.empty() && text[0] == '/')
        line = text.substr(1);
    else
        line = LogTimeStamp() + "  " + text;
    if (line != ".") line += "\r\n";
    s.logFile.Append(s.UserFolder, "Log.txt", line);  // the log never stops the program
}

void RestartLog(Session& s) {
    s.logFile.Close();
    std::error_code ec;
    std::filesystem::remove(s.UserFile("Log.txt"), ec);
}

std::string GetFileVersion() { return QUORL_FILE_VERSION; }

}  // namespace quorl
