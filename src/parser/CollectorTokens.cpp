#include "parser/CollectorTokens.h"

#include <string_view>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "fields/FieldAccess.h"
#include "model/Session.h"
#include "parser/CollectionNumber.h"

namespace quorl {

namespace {

constexpr size_t kMaxTokens = 50;

bool HasDigit(const std::string& t) {
    for (char c : t)
        if (IsDigit(static_cast<unsigned char>(c))) return true;
    return false;
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
        if (HasDigit(w)) {
            if (w.find('-') != std::string::npos) SplitHyphenatedNumber(s, w);
            if (GetFieldText(s, fCollectionNumber).empty()) FindCollectionNumber(s, w);
            if (CharCount(w) > 2) tok.push_back(",");
        } else if (w.back() == ',') {
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

bool IsSplitToken(const std::string& t) {
    return StartsWithNoCase(t, "with") || t == "&" || t == "," || EqualsNoCase(t, "and");
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
    for (size_t k = 1; k < tok.size(); ++k) {
        if (!IsSplitToken(tok[k])) continue;
        split = static_cast<int>(k);
        std::string before;
        for (size_t j = 0; j < k; ++j) before += (j ? " " : "") + tok[j];
        const std::string name = CleanFieldText(before);
        if (!name.empty()) return name;
        break;
    }
    split = -1;
    std::string name;
    for (size_t k = 0; k < tok.size(); ++k) {
        name += tok[k] + " ";
        if (BeginsWithDigit(tok[k])) {
            split = static_cast<int>(k);
            break;
        }
    }
    return CleanFieldText(name);
}

}  // namespace quorl
