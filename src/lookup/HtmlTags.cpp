#include "lookup/HtmlTags.h"

#include "base/Text.h"

namespace quorl {

namespace {

bool NameStart(char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); }
bool NameChar(char c) {
    auto u = static_cast<unsigned char>(c);
    return IsAsciiLetter(u) || IsDigit(u) || c == '-' || c == '_' || c == ':';
}

// Position just after the '>' that ends a tag whose attributes start at from.
size_t TagEnd(std::string_view html, size_t from) {
    char quote = 0;
    for (size_t p = from; p < html.size(); ++p) {
        char c = html[p];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return p + 1;
        }
    }
    return html.size();
}

// Position of the closing tag of a raw-text element (script, style) at or after from, ignoring case.
size_t RawTextEnd(std::string_view html, size_t from, std::string_view name) {
    const std::string closing = "</" + UpperCase(name);
    for (size_t p = html.find('<', from); p != std::string_view::npos; p = html.find('<', p + 1)) {
        if (p + closing.size() > html.size()) break;
        if (UpperCase(html.substr(p, closing.size())) == closing) return p;
    }
    return html.size();
}

}  // namespace

std::string UpperCaseTagNames(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<') {
            out += html[i++];
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            size_t end = html.find("-->", i + 4);
            end = end == std::string_view::npos ? html.size() : end + 3;
            out.append(html.substr(i, end - i));
            i = end;
            continue;
        }
        size_t n = i + 1;
        const bool closing = n < html.size() && html[n] == '/';
        if (closing) ++n;
        if (n >= html.size() || !NameStart(html[n])) {
            out += html[i++];
            continue;
        }
        size_t end = n;
        while (end < html.size() && NameChar(html[end])) ++end;
        const std::string name = UpperCase(html.substr(n, end - n));
        out.append(html.substr(i, n - i));
        out += name;
        // Attributes, as they are, up to the end of the tag; quoted values may hold '<' and '>'.
        i = TagEnd(html, end);
        out.append(html.substr(end, i - end));
        if (!closing && (name == "SCRIPT" || name == "STYLE")) {
            size_t bodyEnd = RawTextEnd(html, i, name);
            out.append(html.substr(i, bodyEnd - i));
            i = bodyEnd;
        }
    }
    return out;
}

}  // namespace quorl
