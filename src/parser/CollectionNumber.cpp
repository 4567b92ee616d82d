#include "parser/CollectionNumber.h"

#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"
#include "model/Records.h"
#include "model/Session.h"

namespace quorl {

bool IsCollectionYear(Session& s, const std::string& number) {
    const int n = IntOrZero(number);
    const std::string d = GetFieldText(s, fCollectionDate);
    if (d.empty() || n == 0) return false;
    std::string year;
    if (n >= 1001) {
        const size_t blank = d.rfind(' ');
        year = blank == std::string::npos ? d : d.substr(blank + 1);
    } else if (n < 100) {
        year = d.size() >= 2 ? d.substr(d.size() - 2) : d;
    } else {
        return false;
    }
    auto y = TryStrToInt(year);
    return y && *y == n;
}

bool SplitHyphenatedNumber(Session& s, const std::string& token) {
    std::string t = token;
    if (!t.empty() && t.back() == ',') t.pop_back();
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t p = t.find('-', start);
        parts.push_back(t.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) break;
        start = p + 1;
    }
    if (parts.size() < 2) return false;
    Form& f = s.form;
    if (IsCollectionYear(s, parts[0])) {
        f.SetText("PrefixEdit", parts[0]);
        f.SetText("NumberEdit", parts[1]);
        if (parts.size() > 2) f.SetText("SuffixEdit", parts[2]);
        return true;
    }
    if (IsCollectionYear(s, parts[1])) {
        f.SetText("NumberEdit", parts[0]);
        f.SetText("SuffixEdit", parts[1]);
        return true;
    }
    if (parts.size() > 2 && IsCollectionYear(s, parts[2])) {
        f.SetText("PrefixEdit", parts[0]);
        f.SetText("NumberEdit", parts[1]);
        f.SetText("SuffixEdit", parts[2]);
        return true;
    }
    return false;
}

namespace {

// Whether the character that starts at byte i of the text is a letter or a digit.
bool LetterOrDigitAt(std::string_view text, size_t i) {
    return i < text.size() && HoldsLetterOrDigit(text.substr(i, CharsForward(text, i, 1) - i));
}

// Whether the name stands in the text in any letter case as words of their own, not inside a
// longer word: a collector read as S is not in "Harris 36046".
bool HoldsNameAsWords(std::string_view text, std::string_view name) {
    const bool wordFirst = LetterOrDigitAt(name, 0), wordLast = LetterOrDigitAt(name, CharsBack(name, name.size(), 1));
    for (size_t at = FindNoCase(text, name); at != std::string_view::npos; at = FindNoCase(text, name, at + 1)) {
        const size_t end = at + name.size();
        if ((!wordFirst || at == 0 || !LetterOrDigitAt(text, CharsBack(text, at, 1))) &&
            (!wordLast || !LetterOrDigitAt(text, end)))
            return true;
    }
    return false;
}

}  // namespace

int FindCollectionNumber(Session& s, std::string& text) {
    if (text.empty()) return 0;
    const std::string collector = GetFieldText(s, fCollector);
    if (!collector.empty() && HoldsNameAsWords(text, collector)) return 0;

    if (text.back() == ',') text.pop_back();
    const long q = static_cast<long>(Pos("-", text));
    // The search starts after the first start word of the number that the text holds.
    long from = 1;
    if (const LabelFieldClass* def = FindFieldDefinition(s, fCollectionNumber)) {
        for (const std::string& sw : CutWordList(def->StartWords)) {
            const size_t p = PosNoCase(sw, text);
            if (!sw.empty() && p > 0) {
                from = static_cast<long>(p + sw.size());
                break;
            }
        }
    }
    Form& f = s.form;
    const int latestYear = CurrentCalendarYear();
    bool traced = false;
    while (from <= static_cast<long>(text.size())) {
        long start = from;
        while (start <= static_cast<long>(text.size()) && !IsDigitChar(CharAt(text, start))) ++start;
        if (start > static_cast<long>(text.size())) return 0;
        if (!traced) {
            TraceAppend(s, fCollectionNumber, "Checking digits in: \"" + text + "\".\r\n");
            traced = true;
        }
        long end = start;  // position right after the digits
        while (IsDigitChar(CharAt(text, end))) ++end;
        std::string digits = Copy(text, start, end - start);
        if (CharAt(text, end) == 'm' || CharAt(text, end + 1) == 'm') digits.clear();
        const int n = IntOrZero(digits);

        if ((n > 99 && n < 1975) || n > latestYear) {
            TraceAppend(s, fCollectionNumber, "Looks like collection number: \"" + text + "\".\r\n");
            SetFieldText(s, fCollectionNumber, IntToStr(n), false);
            // The positions found so far are used in the text without the number marks, counted
            // in characters.
            const long qc = CharPosOf(text, q), startc = CharPosOf(text, start), endc = CharPosOf(text, end);
            text = ReplaceAll(ReplaceAll(text, "No.", ""), "N\xC2\xB0", "");
            if (q > 0 && f.Get("PrefixEdit").text.empty()) {
                if (q < start && qc == 2) {
                    f.SetText("PrefixEdit", CopyChars(text, 1, 1));
                } else if (q >= start) {
                    const std::string after = CopyChars(text, qc + 1, 10);
                    const size_t blank = after.find(' ');
                    f.SetText("SuffixEdit", blank == std::string::npos ? after : after.substr(0, blank + 1));
                    if (IsCollectionYear(s, f.Get("SuffixEdit").text)) f.SetText("SuffixEdit", after);
                }
            }
            if (startc == 2 && IsAsciiLetter(static_cast<unsigned char>(CharAt(text, 1))))
                f.SetText("PrefixEdit", CopyChars(text, 1, 1));
            if (CopyChars(text, endc, 1) == "-" && f.Get("SuffixEdit").text.empty())
                f.SetText("SuffixEdit", CopyChars(text, endc + 1, static_cast<long>(text.size())));
            return n;
        }
        if (end == q && IsCollectionYear(s, Copy(text, start, end - start)))
            f.SetText("PrefixEdit", Copy(text, 1, q - 1));
        from = end;  // always past the digits just rejected
    }
    return 0;
}

}  // namespace quorl
