#include "model/AutoCorrect.h"

#include <algorithm>
#include <unordered_set>

#include "base/Letters.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/Session.h"

namespace quorl {

namespace {
// A whole-word entry matches only between one of these before and one of those after.
constexpr std::string_view kBefore = " \r\n-";
constexpr std::string_view kAfter = " ,.:;\r\n-";
// Every character of either set ends a word.
constexpr std::string_view kWordEnds = kAfter;

// The lower-case words of a text (in any alphabet), cut at kWordEnds. A whole-word match of From follows a
// character of kBefore and ends at one of kAfter, so the text then holds From's first word as a
// word of its own: an entry whose first word is not among them cannot match.
class TextWords {
public:
    void Reset(std::string_view text) {
        words_.clear();
        Add(text);
    }
    void Add(std::string_view text) {
        const std::string lower = LowerCaseText(text);
        for (size_t start = 0; start <= lower.size();) {
            const size_t end = std::min(lower.find_first_of(kWordEnds, start), lower.size());
            if (end > start) words_.emplace(lower, start, end - start);
            start = end + 1;
        }
    }
    bool MayHold(std::string_view from) const {
        const std::string lower = LowerCaseText(from);
        const size_t end = lower.find_first_of(kWordEnds);
        if (end == 0) return true;  // From starts with a word end: no word to look up
        return words_.count(lower.substr(0, end)) > 0;
    }

private:
    std::unordered_set<std::string> words_;
};
}  // namespace

size_t MaxCorrectedLength(size_t length) { return 10 * length + 100000; }

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
    // Whole-word entries are first looked up among the text's words, so that a long list costs
    // one pass over the text and a look-up per entry; only entries whose first word the text
    // holds are searched for.
    TextWords words;
    bool wordsCurrent = false;
    const size_t longest = MaxCorrectedLength(text.size());
    for (const ReplacementClass& r : list) {
        if (r.From.empty()) continue;
        if (r.WholeWord) {
            if (!wordsCurrent) words.Reset(text);
            wordsCurrent = true;
            if (!words.MayHold(r.From)) continue;
        }
        bool present = r.CaseSensitive ? Contains(text, r.From) : ContainsAnyCase(text, r.From);
        if (!present) continue;
        // An entry whose To holds its From multiplies the text it finds, and the next such entry
        // multiplies the result: an entry that would make the text too long is left out.
        const std::string before = text;
        bool tooLong = false;
        auto replace = [&](std::string_view from, std::string_view to) {
            if (tooLong) return;
            text = r.CaseSensitive ? ReplaceAll(text, from, to) : ReplaceAllAnyCase(text, from, to);
            tooLong = text.size() > longest;
        };
        if (!r.WholeWord) {
            replace(r.From, r.To);
        } else {
            for (char a : kBefore)
                for (char b : kAfter) replace(a + r.From + b, a + r.To + b);
        }
        if (tooLong) {
            text = before;
        } else if (r.WholeWord) {
            words.Add(r.To);  // between a word end before and one after, the only new words are To's
        } else {
            wordsCurrent = false;  // the replacement may have joined or split words anywhere
        }
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
