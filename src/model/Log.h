#pragma once
// The diagnostic log Log.txt in the user folder, and the program version.
#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

class Session;

// Appends a time-stamped line ("HH:mm:ss:zzz", two blanks, the text) while Debug is on. A text
// starting with "/" is written without the time and the "/"; a lone "." so written gets no line end.
void WriteToLog(Session& s, std::string_view text);
// The same with the text given in parts, joined only when the log is on: {"-->Fill ", name, ...}.
void WriteToLog(Session& s, std::initializer_list<std::string_view> text);
// Appends lines without the time, as WriteToLog does "/" + line for each, in one write.
void WriteLinesToLog(Session& s, const std::vector<std::string>& lines);

// The previous Log.txt stays as it is, and the lines written from now on wait in memory, until
// RestartLog: a start that fails while it reads the user's files leaves the last run's log.
void HoldLog(Session& s);
// Starts a new Log.txt in the user folder (the program does at each start), holding the lines
// that waited since HoldLog.
void RestartLog(Session& s);
// While a start holds its log: writes the lines that wait since HoldLog, and then text, to the log as it stands: the program is
// about to end before a new log was started, and the last run's log is the one to read.
void EndInCurrentLog(Session& s, std::string_view text);

// The current local time, broken down.
std::tm LocalTimeNow();

// The current local time as the log writes it: "HH:mm:ss:zzz".
std::string LogTimeStamp();

// The program version compiled in ("1.0.0.0").
std::string GetFileVersion();

}  // namespace quorl
