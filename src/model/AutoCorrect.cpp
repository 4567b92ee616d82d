#include "model/AutoCorrect.h"

#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/Session.h"

namespace quorl {

namespace {
// A whole-word entry matches only between one of these before and one of those after.
constexpr std::string_view kBefore = " \r\n-";
constexpr std::string_view kAfter = " ,.:;\r\n-";
}  // namespace

void LoadAutoCorrect(Session& s) {
    std::string text = LoadFileToString(s, s.UserFile("AutoCorrect.txt"), true);
    s.AutoCorrectList.clear();
    TokenCursor rest(text);
    // Each entry is cut from its own line, so a line with missing columns cannot take the next one's.
    do {
        TokenCursor line(rest.Next("\r\n", true));
        ReplacementClass r;
        std::string_view flags = line.Next("\t", true);
        r.CaseSensitive = flags.find('1') != std::string_view::npos;
        r.WholeWord = flags.find('2') != std::string_view::npos;
        r.From = line.NextString("\t", true);
        r.To = std::string(TokenCursor::TrimView(line.Rest()));
        s.AutoCorrectList.push_back(std::move(r));
    } while (rest.Size() > 4);
}

std::string ApplyReplacements(const std::vector<ReplacementClass>& list, std::string text) {
    for (const ReplacementClass& r : list) {
        if (r.From.empty()) continue;
        bool present = r.CaseSensitive ? Contains(text, r.From) : ContainsNoCase(text, r.From);
        if (!present) continue;
        auto replace = [&](std::string_view from, std::string_view to) {
            text = r.CaseSensitive ? ReplaceAll(text, from, to) : ReplaceAllNoCase(text, from, to);
        };
        if (!r.WholeWord) {
            replace(r.From, r.To);
            continue;
        }
        for (char a : kBefore)
            for (char b : kAfter) replace(a + r.From + b, a + r.To + b);
    }
    return text;
}

char ReplaceNumeral(char c) {
    switch (c) {
        case 'B': return '8';
        case 'O': return '0';
        case 'S': return '5';
        case 'Q': return '4';
        case 'b': return '6';
        default: return c;
    }
}

std::string ReplaceNumerals(std::string text) {
    auto letter = [&](size_t i) { return IsAsciiLetter(static_cast<unsigned char>(text[i])); };
    auto digit = [&](size_t i) { return IsDigit(static_cast<unsigned char>(text[i])); };
    // The first and the last character are never changed.
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (!letter(i)) continue;
        if ((digit(i - 1) && !letter(i + 1)) || (digit(i + 1) && !letter(i - 1))) text[i] = ReplaceNumeral(text[i]);
    }
    return text;
}

std::string AutoCorrectText(const Session& s, const std::string& text) {
    std::string out = text;
    if (s.AutoCorrect) out = ApplyReplacements(s.AutoCorrectList, std::move(out));
    if (s.ReplaceNumerals) out = ReplaceNumerals(std::move(out));
    return out;
}

}  // namespace quorl
