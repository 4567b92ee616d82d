#pragma once
// The time stamp of a log line, "HH:mm:ss:zzz" in local time. The hours, minutes and seconds of the
// last second stamped are kept, so that the lines of one second convert the time only once.
#include <chrono>
#include <ctime>
#include <string>

namespace quorl {

class LogTimeStamper {
public:
    // Appends the stamp of t to out.
    void AppendTo(std::string& out, std::chrono::system_clock::time_point t);

private:
    std::time_t second_ = 0;
    bool valid_ = false;
    char hms_[9] = {};  // "HH:mm:ss:" of second_
};

}  // namespace quorl
