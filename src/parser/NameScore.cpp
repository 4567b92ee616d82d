#include "parser/NameScore.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/Trace.h"
#include "model/Session.h"
#include "parser/LandSurvey.h"
#include "parser/LatinScore.h"

namespace quorl {

const std::array<std::string_view, 8> NameRejectWords = {"Municip", "Herbarium", "Agua",  "Provinc",
                                                         "University", "Mun.",    "Yuma", "County"};

namespace {

constexpr std::string_view kBefore = " \r\n-";
constexpr std::string_view kAfter = " ,.:;\r\n-";

// A known name counts when a separator stands before it (or it opens the text) and one after it.
// Opening the text, the separator after it may follow any occurrence of the name.
bool KnownNameCounts(std::string_view text, std::string_view name) {
    bool someSeparatorAfter = false;
    for (size_t p = text.find(name); p != std::string_view::npos; p = text.find(name, p + 1)) {
        const size_t end = p + name.size();
        if (end >= text.size() || kAfter.find(text[end]) == std::string_view::npos) continue;
        someSeparatorAfter = true;
        if (p > 0 && kBefore.find(text[p - 1]) != std::string_view::npos) return true;
    }
    return someSeparatorAfter && StartsWith(text, name);
}

}  // namespace

int32_t NameScore(Session& s, std::string_view text) { return NameScore(s, text, LatinScore(text)); }

int32_t NameScore(Session& s, std::string_view text, int32_t latinScore) {
    if (text.empty()) return 0;
    // A township and range together (T.10S., R.20E.) would score as initials of a name.
    std::string blanked;
    if (std::any_of(text.begin(), text.end(), IsDigitChar)) {
        blanked = text;
        if ((BlankLandSurvey(blanked) & (kTownship | kRange)) == (kTownship | kRange)) text = blanked;
    }
    int32_t score = 0;
    std::vector<int32_t> candidates;
    s.parser.nameIndex.Candidates(s, text, candidates);
    for (int32_t k : candidates) {
        const std::string& n = s.NameStats[static_cast<size_t>(k)];
        if (CharCount(n) < 2 || !Contains(text, n)) continue;
        if (KnownNameCounts(text, n)) {
            score += 5;
            break;
        }
    }
    for (std::string_view w : NameRejectWords)
        if (ContainsNoCase(text, w)) {
            if (Tracing(s, fCollector) || Tracing(s, fOtherCollectors))
                s.trace.TraceText += "Rejected for Name because of: \"" + std::string(w) + "\" in \"" + std::string(text) + "\".\r\n";
            return 0;
        }
    score -= latinScore / 2;
    int letters = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        char c = text[i], d = text[i + 1];
        if (IsUpperLetter(c)) {
            score += (d == '.' || IsLowerLetter(d)) ? 1 : -1;
        } else if (c == '.') {
            score += (i > 0 && IsUpperLetter(text[i - 1])) ? 1 : -1;
        } else if (c == ' ') {
            if (IsUpperLetter(d))
                score += 1;
            else if (d != ' ' && !IsDigit(static_cast<unsigned char>(d)))
                score -= 1;
        }
        if (IsUpperLetter(c) || IsLowerLetter(c)) ++letters;
    }
    if (letters < 5) return 0;
    if (Contains(text, " y ")) score += 2;
    if (Contains(text, " & ")) score += 1;
    int32_t blanks = 0;
    for (char c : text)
        if (c == ' ') ++blanks;
    int32_t length = static_cast<int32_t>(CharCount(text)) - blanks;
    score = score * 15 / (length + 3);
    if ((Tracing(s, fCollector) || Tracing(s, fOtherCollectors) || Tracing(s, fDeterminer)) && score > 0)
        s.trace.TraceText += "Name score: " + IntToStr(score) + " for \"" + std::string(text) + "\".\r\n";
    return score;
}

}  // namespace quorl
