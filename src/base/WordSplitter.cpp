#include "base/WordSplitter.h"

#include "base/Text.h"

namespace quorl {

namespace {
bool IsSeparator(char c) {
    return c == ' ' || c == '\'' || c == '.' || c == ',' || c == ';' || c == ':';
}
bool IsQuote(char c) { return c == '\'' || c == '"'; }
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::vector<std::string> SplitLineWords(std::string_view text) {
    // A NUL byte ends the text, as it ends a C string.
    if (size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        while (i < n && (text[i] == '\r' || text[i] == '\n')) ++i;
        size_t head = i;
        char quote = 0;
        while (i < n) {
            char c = text[i];
            if (quote) {
                if (IsQuote(c)) quote = (c == quote) ? 0 : c;
                ++i;
            } else if (IsQuote(c)) {
                quote = c;
                ++i;
            } else if (IsSeparator(c) || c == '\r' || c == '\n') {
                break;
            } else {
                ++i;
            }
        }
        if (i > head) words.emplace_back(text.substr(head, i - head));
        ++i;  // past the separator
    }
    return words;
}

std::vector<std::string> CutWordList(std::string list) {
    std::vector<std::string> items;
    while (!list.empty()) items.push_back(NextToken(list, ",", true));
    return items;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] { while (i < n && text[i] != '\0' && IsBlankOrControl(text[i])) ++i; };
    skipBlanks();
    while (i < n && text[i] != '\0') {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            size_t start = i;
            while (i < n && !IsBlankOrControl(text[i]) && text[i] != ',') ++i;
            item.assign(text.substr(start, i - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < n && text[i] == ',') {
            if (i + 1 >= n || text[i + 1] == '\0') items.emplace_back();
            ++i;
            skipBlanks();
        }
    }
    return items;
}

}  // namespace quorl
