#include "base/LogTimeStamper.h"

namespace quorl {

namespace {

void PutTwoDigits(char* at, int n) {
    at[0] = static_cast<char>('0' + n / 10 % 10);
    at[1] = static_cast<char>('0' + n % 10);
}

}  // namespace

void LogTimeStamper::AppendTo(std::string& out, std::chrono::system_clock::time_point t) {
    using namespace std::chrono;
    const std::time_t second = system_clock::to_time_t(t);
    if (!valid_ || second != second_) {
        std::tm tm{};
        localtime_r(&second, &tm);
        PutTwoDigits(hms_, tm.tm_hour);
        PutTwoDigits(hms_ + 3, tm.tm_min);
        PutTwoDigits(hms_ + 6, tm.tm_sec);
        hms_[2] = hms_[5] = hms_[8] = ':';
        second_ = second;
        valid_ = true;
    }
    const int ms = static_cast<int>(duration_cast<milliseconds>(t.time_since_epoch()).count() % 1000);
    out.append(hms_, sizeof hms_);
    out += static_cast<char>('0' + ms / 100);
    out += static_cast<char>('0' + ms / 10 % 10);
    out += static_cast<char>('0' + ms % 10);
}

}  // namespace quorl
