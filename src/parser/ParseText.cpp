#include "parser/ParseText.h"

#include <chrono>
#include <ctime>

#include "model/Text.h"

namespace quorl {

size_t PosNoCase(std::string_view needle, std::string_view text) {
    return Pos(LowerCase(needle), LowerCase(text));
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    const std::string lowText = LowerCase(text), lowFrom = LowerCase(from);
    std::string out;
    size_t i = 0;
    while (true) {
        size_t p = lowText.find(lowFrom, i);
        if (p == std::string::npos) break;
        out.append(text.substr(i, p - i));
        out.append(to);
        i = p + from.size();
    }
    out.append(text.substr(i));
    return out;
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
