#include "base/ParseText.h"

#include <chrono>
#include <ctime>

#include "base/Text.h"

namespace quorl {

size_t PosNoCase(std::string_view needle, std::string_view text) {
    return Pos(LowerCase(needle), LowerCase(text));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && LowerCase(text.substr(0, prefix.size())) == LowerCase(prefix);
}

std::string Copy(std::string_view text, long p, long count) {
    if (p < 1) p = 1;
    if (count <= 0 || static_cast<size_t>(p) > text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(p - 1), static_cast<size_t>(count)));
}

int CurrentCalendarYear() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

}  // namespace quorl
