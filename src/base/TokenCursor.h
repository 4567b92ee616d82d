#pragma once
// A read position in a text that cuts tokens off its front exactly like NextToken, but without
// copying the rest of the text at every cut: large files are read in linear time.
#include <string>
#include <string_view>

namespace quorl {

class TokenCursor {
public:
    explicit TokenCursor(std::string_view text) : rest_(text) {}

    // The part before the first delimiter (the whole rest when it is absent), which is then cut
    // off together with the delimiter. With trim, the rest is trimmed before the search and the
    // token after it (blanks and control characters).
    std::string_view Next(std::string_view delimiter, bool trim) {
        if (trim) rest_ = TrimView(rest_);
        size_t p = delimiter.empty() ? std::string_view::npos : rest_.find(delimiter);
        std::string_view token;
        if (p == std::string_view::npos) {
            token = rest_;
            rest_ = {};
            return token;
        }
        token = rest_.substr(0, p);
        rest_.remove_prefix(p + delimiter.size());
        return trim ? TrimView(token) : token;
    }
    std::string NextString(std::string_view delimiter, bool trim) { return std::string(Next(delimiter, trim)); }

    std::string_view Rest() const { return rest_; }
    size_t Size() const { return rest_.size(); }
    bool Empty() const { return rest_.empty(); }

    static std::string_view TrimView(std::string_view s) {
        while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
        while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
        return s;
    }

private:
    std::string_view rest_;
};

// Calls f(lineNumber, line) for every line of text (CR LF, LF or CR end a line; 1-based numbers)
// without copying the text. Text after the last line end is a line too; an empty text has none.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    size_t pos = 0, number = 0;
    while (pos < text.size()) {
        size_t eol = text.find_first_of("\r\n", pos);
        if (eol == std::string_view::npos) eol = text.size();
        f(++number, text.substr(pos, eol - pos));
        pos = eol;
        if (pos == text.size()) break;
        bool crlf = text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
        pos += crlf ? 2 : 1;
    }
}

}  // namespace quorl
