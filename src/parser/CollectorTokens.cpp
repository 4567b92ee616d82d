#include "parser/CollectorTokens.h"

#include <string_view>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "fields/FieldAccess.h"
#include "model/Session.h"
#include "parser/CollectionNumber.h"
#include "parser/LatinScore.h"

namespace quorl {

namespace {

constexpr size_t kMaxTokens = 50;

bool IsSplitToken(std::string_view t) {
    return StartsWithNoCase(t, "with") || t == "&" || t == "," || EqualsNoCase(t, "and");
}

// Initials: one or more capitals, each followed by a stop (R., R.C.).
bool AreInitials(std::string_view w) {
    if (w.empty() || w.size() % 2 != 0) return false;
    for (size_t i = 0; i < w.size(); i += 2)
        if (!IsUpperLetter(w[i]) || w[i + 1] != '.') return false;
    return true;
}

// Whether the words of the text begin with initials that close a name: after them comes the end of
// the text, a comma, a separator or a word holding a digit (Harris, R. C. 42164), not a surname.
bool InitialsCloseAName(std::string_view text) {
    TokenCursor cursor(text);
    bool initials = false;
    while (!cursor.Empty()) {
        std::string_view w = cursor.Next(" ", true);
        if (w.empty()) continue;
        const bool comma = w.back() == ',';
        if (comma) w.remove_suffix(1);
        if (AreInitials(w)) {
            initials = true;
            if (comma) return true;
            continue;
        }
        return initials && (HoldsDigit(w) || IsSplitToken(w));
    }
    return initials;
}

// A comma that stands inside a person's name rather than between two names: after a single
// capital (R, Yahr, where the stop was read as a comma) or between a surname that opens a name and
// its initials (Harris, R. C.).
bool CommaInsideAName(const std::vector<std::string>& tok, std::string_view word, std::string_view rest) {
    const std::string_view name = word.substr(0, word.size() - 1);
    if (name.empty()) return false;
    if (name.size() == 1) return IsUpperLetter(name[0]);
    return (tok.empty() || IsSplitToken(tok.back())) && IsUpperLetter(name[0]) && InitialsCloseAName(rest);
}

// Whether a word is signs without a letter or a digit (__, °, -), no part of a name; "&" is a
// separator of its own, and signs with a stop may be an initial that could not be read
// (William _. Buck). A comma after the word does not count.
bool IsSigns(std::string_view w) {
    if (!w.empty() && w.back() == ',') w.remove_suffix(1);
    return !w.empty() && w != "&" && w.back() != '.' && !HoldsLetterOrDigit(w);
}

std::vector<std::string> NameTokens(Session& s, std::string text) {
    std::vector<std::string> tok;
    // " No. " is taken out of the rest of the text before every word. Once a rest holds none, no
    // later rest (a part of it) can: the rest is then read in place, so that a line of many short
    // numbers, which add no token, is not copied once per number.
    std::string_view rest = text;
    bool mayHoldNo = true;
    while (!rest.empty() && tok.size() < kMaxTokens) {
        if (mayHoldNo) {
            std::string replaced = ReplaceAll(rest, " No. ", " ");
            mayHoldNo = replaced.size() != rest.size();  // every replacement is 4 bytes shorter
            text = std::move(replaced);
            rest = text;
        }
        TokenCursor cursor(rest);
        std::string w(cursor.Next(" ", true));
        rest = cursor.Rest();
        if (w.empty()) continue;
        if (HoldsDigit(w)) {
            if (w.find('-') != std::string::npos) SplitHyphenatedNumber(s, w);
            if (GetFieldText(s, fCollectionNumber).empty()) FindCollectionNumber(s, w);
            if (CharCount(w) > 2) tok.push_back(",");
        } else if (IsSigns(w)) {
            tok.push_back(",");
        } else if (w.back() == ',' && !CommaInsideAName(tok, w, rest)) {
            w.pop_back();
            tok.push_back(w);
            if (tok.size() < kMaxTokens) tok.push_back(",");
        } else if (!EqualsNoCase(w, "date")) {
            tok.push_back(w);
        }
    }
    return tok;
}

// "Smith & Jones J. K." reads as "Smith J. & Jones J. K.": the first surname gets initials.
void LendInitials(std::vector<std::string>& tok) {
    if (tok.size() < 2 || tok[1] != "&") return;
    std::string lent = "&";
    if (tok.size() >= 4 && tok[3].find('.') != std::string::npos) lent = tok[3];
    else if (tok.size() >= 5) lent = tok[4];
    std::vector<std::string> out = {tok[0], lent, "&"};
    out.insert(out.end(), tok.begin() + 2, tok.end());
    if (out.size() > kMaxTokens) out.resize(kMaxTokens);
    tok = std::move(out);
}

// The index of the first separator token after token from, tok.size() when there is none.
size_t NextSplit(const std::vector<std::string>& tok, size_t from) {
    for (size_t k = from + 1; k < tok.size(); ++k)
        if (IsSplitToken(tok[k])) return k;
    return tok.size();
}

std::string Joined(const std::vector<std::string>& tok, size_t from, size_t to) {
    std::string text;
    for (size_t j = from; j < to; ++j) text += (j > from ? " " : "") + tok[j];
    return text;
}

// Whether the tokens may name a person: one of them is initials (H.) or a word of two letters or
// more with a capital among them (Weber, J.W.Thomson, Dr.); a letter beyond ASCII counts as both.
bool MayNameAPerson(const std::vector<std::string>& tok, size_t from, size_t to) {
    for (size_t j = from; j < to; ++j) {
        if (AreInitials(tok[j])) return true;
        int letters = 0;
        bool capital = false;
        for (const char ch : tok[j]) {
            const unsigned char c = static_cast<unsigned char>(ch);
            if (IsAsciiLetter(c) || c >= 0x80) ++letters;
            if (IsUpperLetter(ch) || c >= 0x80) capital = true;
        }
        if (capital && letters >= 2) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> CollectorTokens(Session& s, std::string text) {
    text = Trim(RemoveStartWord(s, fCollector, text));
    text = ReplaceAll(text, "\t", " ");
    text = ReplaceAll(text, "&", " & ");
    text = ReplaceAll(text, "  ", " ");
    std::vector<std::string> tok = NameTokens(s, std::move(text));
    LendInitials(tok);
    return tok;
}

std::string CollectorName(const std::vector<std::string>& tok, int& split) {
    split = -1;
    const size_t k = NextSplit(tok, 0);
    const std::string name = k < tok.size() ? CleanFieldText(Joined(tok, 0, k)) : std::string();
    if (!name.empty()) {
        split = static_cast<int>(k);
        if (MayNameAPerson(tok, 0, k)) return name;
        // Words without initials or a surname (I pek, the remains of a date read wrongly) are no
        // person: the first later group of words that may be one is the collector.
        for (size_t from = k + 1; from < tok.size();) {
            while (from < tok.size() && IsSplitToken(tok[from])) ++from;
            const size_t to = NextSplit(tok, from);
            if (from < tok.size() && MayNameAPerson(tok, from, to)) {
                split = to < tok.size() ? static_cast<int>(to) : -1;
                return CleanFieldText(Joined(tok, from, to));
            }
            from = to + 1;
        }
        return name;
    }
    std::string digits;
    for (size_t j = 0; j < tok.size(); ++j) {
        digits += tok[j] + " ";
        if (BeginsWithDigit(tok[j])) {
            split = static_cast<int>(j);
            break;
        }
    }
    return CleanFieldText(digits);
}

}  // namespace quorl
