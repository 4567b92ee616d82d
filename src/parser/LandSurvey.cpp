#include "parser/LandSurvey.h"

#include <algorithm>
#include <string_view>

#include "base/ParseText.h"
#include "base/Text.h"
#include "parser/Coordinates.h"

namespace quorl {

namespace {

constexpr char kDegreeByte = '\xB0', kQuarterByte = '\xBC', kHalfByte = '\xBD';

struct SurveyWord {
    std::string_view word;
    int kind;
};
// Longer words first, so that Twp is not taken for T.
constexpr SurveyWord kSurveyWords[] = {{"Township", kTownship}, {"Twp", kTownship},   {"Range", kRange},
                                       {"Rge", kRange},         {"Section", kSection}, {"Sec", kSection},
                                       {"T", kTownship},        {"R", kRange}};

bool Letter(char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); }

size_t SkipBlanks(const std::string& t, size_t k) {
    while (k < t.size() && t[k] == ' ') ++k;
    return k;
}

// The survey word at i and its end; nullptr where none stands there.
const SurveyWord* SurveyWordAt(const std::string& t, size_t i, size_t& end) {
    const std::string_view rest = std::string_view(t).substr(i);
    for (const SurveyWord& w : kSurveyWords) {
        if (w.word.size() == 1 ? rest.front() == w.word.front() : StartsWithNoCase(rest, w.word)) {
            end = i + w.word.size();
            return &w;
        }
    }
    return nullptr;
}

// Digits at k that no degree sign or decimal part follows (29°37'N, 5.5 km are no survey
// numbers): their end, or k.
size_t SurveyNumberEnd(const std::string& t, size_t k) {
    size_t e = k;
    while (e < t.size() && IsDigitChar(t[e])) ++e;
    if (e == k) return k;
    const size_t after = SkipBlanks(t, e);
    if (after < t.size() && t[after] == kDegreeByte) return k;
    if (e + 1 < t.size() && t[e] == '.' && IsDigitChar(t[e + 1])) return k;
    return e;
}

// Blanks and a direction letter in either case that no letter follows: their end, or k.
size_t DirectionEnd(const std::string& t, size_t k, bool eastOrWestOnly) {
    const size_t d = SkipBlanks(t, k);
    if (d == t.size() || (d + 1 < t.size() && Letter(t[d + 1]))) return k;
    const char c = t[d] >= 'a' && t[d] <= 'z' ? static_cast<char>(t[d] - 'a' + 'A') : t[d];
    const bool direction = eastOrWestOnly ? c == 'E' || c == 'W' : IsCompassLetter(c);
    return direction ? d + 1 : k;
}

// The quarter letters at k (N, SE: one compass letter, or N or S and then E or W): their end, or k.
size_t QuarterLettersEnd(const std::string& t, size_t k) {
    if (k == t.size() || !IsCompassLetter(t[k])) return k;
    const bool second = (t[k] == 'N' || t[k] == 'S') && k + 1 < t.size() && (t[k + 1] == 'E' || t[k + 1] == 'W');
    return k + (second ? 2 : 1);
}

// A quarter call at k: its letters, perhaps blanks, and 1/4 or 1/2 (the 1 perhaps read as l or I),
// ¼ or ½. Its end, or k.
size_t QuarterCallEnd(const std::string& t, size_t k) {
    const size_t letters = QuarterLettersEnd(t, k);
    if (letters == k) return k;
    const size_t f = SkipBlanks(t, letters), len = t.size();
    if (f < len && (t[f] == kQuarterByte || t[f] == kHalfByte)) return f + 1;
    const bool fraction = f + 2 < len && (t[f] == '1' || t[f] == 'l' || t[f] == 'I') && t[f + 1] == '/' &&
                          (t[f + 2] == '4' || t[f + 2] == '2') && (f + 3 == len || !IsDigitChar(t[f + 3]));
    return fraction ? f + 3 : k;
}

// Quarter calls from k joined by blanks, commas or "of" (SE1/4 of NW 1/4): the end of the last, or k.
size_t QuarterCallsEnd(const std::string& t, size_t k) {
    size_t end = QuarterCallEnd(t, k);
    if (end == k) return k;
    while (true) {
        size_t next = end;
        while (next < t.size() && (t[next] == ' ' || t[next] == ',')) ++next;
        if (t.compare(next, 3, "of ") == 0) next = SkipBlanks(t, next + 3);
        const size_t e = QuarterCallEnd(t, next);
        if (e == next) return end;
        end = e;
    }
}

// After a section's number: its quarter calls, or its quarter letters where neither a letter nor,
// after blanks, a number follows them. Their end, or k.
size_t SectionQuartersEnd(const std::string& t, size_t k) {
    const size_t q = SkipBlanks(t, k);
    const size_t calls = QuarterCallsEnd(t, q);
    if (calls != q) return calls;
    const size_t letters = QuarterLettersEnd(t, q);
    if (letters == q || (letters < t.size() && Letter(t[letters]))) return k;
    const size_t next = SkipBlanks(t, letters);
    return next < t.size() && IsDigitChar(t[next]) ? k : letters;
}

// The end of the survey mark that starts at i, or i.
size_t SurveyMarkEnd(const std::string& t, size_t i, int& found) {
    size_t k = i;
    const SurveyWord* w = SurveyWordAt(t, i, k);
    if (!w) return QuarterCallsEnd(t, i);
    while (k < t.size() && (t[k] == '.' || t[k] == ',' || t[k] == ' ')) ++k;
    const size_t number = SurveyNumberEnd(t, k);
    if (number == k) return i;
    const bool needsEastOrWest = w->word == "Range";
    const size_t end = w->kind == kSection ? SectionQuartersEnd(t, number) : DirectionEnd(t, number, needsEastOrWest);
    if (needsEastOrWest && end == number) return i;
    found |= w->kind;
    return end;
}

}  // namespace

int BlankLandSurvey(std::string& t) {
    int found = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (i > 0 && (Letter(t[i - 1]) || IsDigitChar(t[i - 1]))) continue;
        const size_t end = SurveyMarkEnd(t, i, found);
        if (end == i) continue;
        std::fill(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(end), ' ');
        i = end - 1;
    }
    return found;
}

}  // namespace quorl
