#include "records/XmlLabelElement.h"

#include <charconv>

#include "base/Encoding.h"

namespace quorl {

namespace {

constexpr std::string_view kOpen = "<label>";
constexpr std::string_view kClose = "</label>";

// The entity at the start of text (after "&", up to ";"), or nullopt for one that is not known.
std::optional<std::string> Entity(std::string_view name) {
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name.size() < 2 || name[0] != '#') return std::nullopt;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    std::string_view digits = name.substr(hex ? 2 : 1);
    unsigned long cp = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), cp, hex ? 16 : 10);
    if (ec != std::errc() || end != digits.data() + digits.size() || cp == 0 || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    std::string out;
    AppendUtf8(out, static_cast<char32_t>(cp));
    return out;
}

bool OnlyBlanks(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::string XmlUnescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            size_t semi = text.find(';', i);
            if (semi != std::string_view::npos && semi - i <= 10) {
                if (auto e = Entity(text.substr(i + 1, semi - i - 1))) {
                    out += *e;
                    i = semi;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

std::optional<XmlLabelElement> FindXmlLabelElement(std::string_view bytes, size_t pos) {
    if (pos >= bytes.size()) return std::nullopt;
    // The last <label> that starts before the end of pos's line, and no </label> between it and pos.
    size_t lineEnd = bytes.find_first_of("\r\n", pos);
    if (lineEnd == std::string_view::npos) lineEnd = bytes.size();
    size_t open = bytes.substr(0, lineEnd).rfind(kOpen);
    if (open == std::string_view::npos) return std::nullopt;
    size_t close = bytes.find(kClose, open + kOpen.size());
    if (close == std::string_view::npos || close + kClose.size() <= pos) return std::nullopt;
    // A nested or second <label> before the closing tag: the file is not as written, so keep off it.
    if (bytes.substr(open + kOpen.size(), close - open - kOpen.size()).find(kOpen) != std::string_view::npos)
        return std::nullopt;

    XmlLabelElement e;
    size_t lineStart = bytes.find_last_of("\r\n", open);
    lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    e.begin = OnlyBlanks(bytes.substr(lineStart, open - lineStart)) ? lineStart : open;
    e.end = close + kClose.size();
    size_t after = bytes.find_first_not_of(" \t", e.end);
    if (after == std::string_view::npos) {
        e.end = bytes.size();
    } else if (bytes[after] == '\r' || bytes[after] == '\n') {
        e.end = after + (bytes.substr(after, 2) == "\r\n" ? 2 : 1);
    }

    // Children: <name>text</name>, each read up to its own closing tag.
    std::string_view body = bytes.substr(open + kOpen.size(), close - open - kOpen.size());
    size_t at = 0;
    while ((at = body.find('<', at)) != std::string_view::npos) {
        size_t gt = body.find('>', at);
        if (gt == std::string_view::npos) break;
        std::string_view tag = body.substr(at + 1, gt - at - 1);
        if (tag.empty() || tag[0] == '/' || tag[0] == '?' || tag[0] == '!' || tag.back() == '/') {
            at = gt + 1;
            continue;
        }
        std::string name(tag.substr(0, tag.find_first_of(" \t\r\n")));
        std::string closing = "</" + name + ">";
        size_t stop = body.find(closing, gt + 1);
        if (stop == std::string_view::npos) {
            at = gt + 1;
            continue;
        }
        e.children.emplace_back(name, XmlUnescape(body.substr(gt + 1, stop - gt - 1)));
        at = stop + closing.size();
    }
    return e;
}

}  // namespace quorl
