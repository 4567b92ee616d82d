#include "parser/DateRecognizer.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/Trace.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Numerals.h"

namespace quorl {

namespace {

// Each entry stands for the month of its index modulo 12.
const std::array<const char*, 48> kMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
    "January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December",
    "Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
    "Octubre", "Noviembre", "Deciembre",
    "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

// Spellings that labels use besides the table: the four-letter September, the Spanish
// diciembre and setiembre, and the Spanish abbreviations that differ from the English ones.
struct OtherMonthName {
    const char* name;
    int month;
};
constexpr OtherMonthName kOtherMonthNames[] = {{"Sept", 9}, {"Diciembre", 12}, {"Setiembre", 9},
                                               {"Ene", 1},  {"Abr", 4},        {"Ago", 8},
                                               {"Dic", 12}};

// The names of kMonthNames and then of kOtherMonthNames in lower case, made once.
const std::vector<std::string>& LowerMonthNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> lower;
        for (const char* name : kMonthNames) lower.push_back(LowerCase(name));
        for (const OtherMonthName& m : kOtherMonthNames) lower.push_back(LowerCase(m.name));
        return lower;
    }();
    return names;
}

// The month (1-12) a token names in any letter case, 0 for none. The table is read from its end,
// so a Roman numeral loses to nothing; the other spellings are tried last.
int MonthOfToken(std::string_view token) {
    if (token.empty() || !IsAsciiLetter(static_cast<unsigned char>(token[0]))) return 0;  // every name is letters
    const std::vector<std::string>& lower = LowerMonthNames();
    for (int e = 47; e >= 0; --e)
        if (EqualsNoCase(token, lower[static_cast<size_t>(e)])) return e % 12 + 1;
    for (size_t m = 0; m < std::size(kOtherMonthNames); ++m)
        if (EqualsNoCase(token, lower[kMonthNames.size() + m])) return kOtherMonthNames[m].month;
    return 0;
}

// A day written with an ordinal suffix (1st, 2nd, 3rd, 7th): its number, else 0.
int OrdinalDay(std::string_view token) {
    if (token.size() < 3 || token.size() > 4) return 0;
    const std::string_view suffix = token.substr(token.size() - 2);
    if (!EqualsNoCase(suffix, "st") && !EqualsNoCase(suffix, "nd") && !EqualsNoCase(suffix, "rd") &&
        !EqualsNoCase(suffix, "th"))
        return 0;
    return IntOrZero(token.substr(0, token.size() - 2));
}

constexpr int kMaxTokens = 100;

bool LetterOrDigit(char c) { return IsAsciiLetter(static_cast<unsigned char>(c)) || IsDigitChar(c); }

std::string MonthAbbreviation(int month1to12) { return kMonthNames[static_cast<size_t>(month1to12 - 1)]; }

void TraceFound(Session& s, std::string_view token, const std::string& line) {
    if (Tracing(s, fCollectionDate) || Tracing(s, fDeterminedDate))
        s.trace.TraceText += "Found \"" + std::string(token) + "\" in \"" + line + "\".\r\n";
}

// Whether a digit and an ASCII letter stand side by side somewhere in the text.
bool DigitBesideLetter(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(text[i]), b = static_cast<unsigned char>(text[i + 1]);
        if ((IsDigit(a) && IsAsciiLetter(b)) || (IsAsciiLetter(a) && IsDigit(b))) return true;
    }
    return false;
}

// Whether two digits follow each other somewhere in the text.
bool TwoDigitsInARow(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (IsDigitChar(text[i]) && IsDigitChar(text[i + 1])) return true;
    return false;
}

// Blanks between a month name and digits glued to it (12Jan, Jan15). The line is searched in a
// lower-cased copy that takes the same blanks. The names are letters and the blanks part a digit
// from a letter, so a line where no digit touches a letter is left as it is.
void SeparateGluedMonths(std::string& line) {
    if (!DigitBesideLetter(line)) return;
    std::string lower = LowerCase(line);
    auto insertBlank = [&](long at) {
        line.insert(static_cast<size_t>(at), 1, ' ');
        lower.insert(static_cast<size_t>(at), 1, ' ');
    };
    for (const std::string& name : LowerMonthNames()) {
        const long len = static_cast<long>(name.size());
        long p = static_cast<long>(Pos(name, lower));
        if (p == 0) continue;
        if (p > 1 && IsDigitChar(CharAt(line, p - 1))) insertBlank(p - 1);
        p = static_cast<long>(Pos(name, lower));
        const long e = p + len;
        if (IsDigitChar(CharAt(line, e))) insertBlank(e - 1);
    }
}

// The number of a token that stands beside a month; a lone l there is the day 1 misread (l-V-2001).
int NumberBesideMonth(std::string_view token) { return token == "l" ? 1 : IntOrZero(token); }

// A one-letter Roman month (I, V, X) at token i is read only between a day and a year, separators
// aside (12 V 1998, 12.V.1998); anywhere else it is an initial (Det. J. V. Brown 1998).
bool RomanLetterBetweenDayAndYear(const std::vector<std::string_view>& tok, int i) {
    int before = i - 1, after = i + 1;
    while (before >= 0 && tok[static_cast<size_t>(before)] == "/") --before;
    while (after < static_cast<int>(tok.size()) && tok[static_cast<size_t>(after)] == "/") ++after;
    if (before < 0 || after >= static_cast<int>(tok.size())) return false;
    const int day = NumberBesideMonth(tok[static_cast<size_t>(before)]);
    return day >= 1 && day <= 31 && IntOrZero(tok[static_cast<size_t>(after)]) > 31;
}

// Whether the separator of a "/" token is the hyphen or the stop that joins a month written in
// front of its day and year (X-9-55, VII.4.1954).
bool JoinsMonthDayYear(char madeBy) { return madeBy == '-' || madeBy == '.'; }

// A one-letter Roman month (I, V, X) at token i also stands in front of the day and the year when
// the one separator joins the three (X-9-55, V.23.1976).
bool RomanLetterBeforeDayAndYear(const std::vector<std::string_view>& tok, const std::vector<char>& madeBy, int i) {
    const size_t k = static_cast<size_t>(i);
    if (k + 4 >= tok.size() || !JoinsMonthDayYear(madeBy[k + 1]) || madeBy[k + 3] != madeBy[k + 1]) return false;
    const int day = IntOrZero(tok[k + 2]);
    return day >= 1 && day <= 31 && IntOrZero(tok[k + 4]) > 31;
}

// Whether a token is a separator, or the empty token that a separator after a blank leaves.
bool IsSeparatorToken(std::string_view token) { return token.empty() || token == "/"; }

// The index of the first token from k on that is no separator.
size_t SkipSeparators(const std::vector<std::string_view>& tok, size_t k) {
    while (k < tok.size() && IsSeparatorToken(tok[k])) ++k;
    return k;
}

// A word of three letters that differs in one letter from one month abbreviation only is that
// month misread (AAg for Aug) where a month must stand: right in front of a day and a year,
// separators aside (AAg- 1, 1957). A word as near to two months (Jon) names neither.
int MisreadMonthBeforeDayAndYear(const std::vector<std::string_view>& tok, int i) {
    const std::string_view t = tok[static_cast<size_t>(i)];
    if (t.size() != 3 || !std::all_of(t.begin(), t.end(), [](char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); }))
        return 0;
    int month = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::string_view name = kMonthNames[static_cast<size_t>(m - 1)];
        int wrong = 0;
        for (size_t k = 0; k < 3; ++k) wrong += LowerAscii(t[k]) != LowerAscii(name[k]);
        if (wrong != 1) continue;
        if (month != 0) return 0;
        month = m;
    }
    if (month == 0) return 0;
    const size_t dayAt = SkipSeparators(tok, static_cast<size_t>(i) + 1);
    const size_t yearAt = SkipSeparators(tok, dayAt + 1);
    if (yearAt >= tok.size()) return 0;
    const int day = IntOrZero(tok[dayAt]);
    return day >= 1 && day <= 31 && IntOrZero(tok[yearAt]) > 31 ? month : 0;
}

}  // namespace

std::string ExtractDate(Session& s, std::string& line) {
    if (line.empty()) return "";

    if (line.size() > 4 && StartsWithNoCase(line, "date") && IsDigitChar(line[4])) line.insert(4, 1, ' ');
    if (line.find("ApriI") != std::string::npos) line = ReplaceAll(line, "ApriI", "April");
    SeparateGluedMonths(line);
    const std::string work = FixNumerals(line);
    // A date needs a number of 51 or more (below), that is two digits in a row.
    if (!TwoDigitsInARow(work)) return "";

    // Tokens with their 1-based positions; separators become "/" tokens of their own. A token is a
    // run of the working text (a blank or separator ends it), so it is kept as a view of it.
    std::vector<std::string_view> tok(1);
    std::vector<long> pos(1, 0);
    std::vector<char> madeBy(1, '\0');  // the separator character of a "/" token
    tok.reserve(32);
    pos.reserve(32);
    madeBy.reserve(32);
    auto nextSlot = [&]() {
        if (static_cast<int>(tok.size()) == kMaxTokens) return false;
        tok.emplace_back();
        pos.push_back(0);
        madeBy.push_back('\0');
        return true;
    };
    for (size_t i = 0; i < work.size(); ++i) {
        const char c = work[i];
        if (c == ' ' || c == '\t') {
            if (!tok.back().empty() && !nextSlot()) break;
        } else if (c == '/' || c == '.' || c == '-' || c == ',' || c == ':' || c == ';') {
            if (!nextSlot()) break;
            tok.back() = "/";
            pos.back() = static_cast<long>(i) + 1;
            madeBy.back() = c;
            if (!nextSlot()) break;
        } else {
            if (tok.back().empty()) {
                pos.back() = static_cast<long>(i) + 1;
                tok.back() = std::string_view(work).substr(i, 1);
            } else {
                tok.back() = std::string_view(tok.back().data(), tok.back().size() + 1);
            }
        }
    }
    const int n = static_cast<int>(tok.size()) - 1;

    // A number of 51 or more that is no elevation hints at a date.
    bool hint = IntOrZero(tok[static_cast<size_t>(n)]) >= 51;
    for (int i = 0; i < n && !hint; ++i) {
        const std::string_view after = tok[static_cast<size_t>(i + 1)];
        if (IntOrZero(tok[static_cast<size_t>(i)]) >= 51 && after != "m" && after != "ft" && after != "meters")
            hint = true;
    }
    if (!hint) return "";

    std::string month;
    bool monthFound = false;  // a month name may stand in the first token (May 12, 1995)
    int monthIndex = 0, yearIndex = 0, year = 0, dayIndex = 0, day = 0;
    int first = kMaxTokens, last = 0;
    auto span = [&](int i) {
        first = std::min(first, i);
        last = std::max(last, i);
    };

    for (int i = 0; i < n; ++i) {
        int m = MonthOfToken(tok[static_cast<size_t>(i)]);
        if (m == 0) m = MisreadMonthBeforeDayAndYear(tok, i);
        if (m == 0) continue;
        if (tok[static_cast<size_t>(i)].size() == 1 && !RomanLetterBetweenDayAndYear(tok, i) &&
            !RomanLetterBeforeDayAndYear(tok, madeBy, i))
            continue;
        month = MonthAbbreviation(m);
        monthFound = true;
        monthIndex = first = last = i;
        TraceFound(s, tok[static_cast<size_t>(i)], line);
    }

    const int to = monthFound ? std::min(monthIndex + 4, n) : n;
    const int latestYear = CurrentCalendarYear();
    for (int pass = 0; pass < 2 && yearIndex == 0; ++pass) {
        for (int i = monthIndex; i <= to; ++i) {
            const int v = IntOrZero(tok[static_cast<size_t>(i)]);
            const bool fullYear = pass == 0 && v > 1900 && v <= latestYear;
            const bool shortYear = pass == 1 && v > 31 && v < 100;
            if (!fullYear && !shortYear) continue;
            year = shortYear ? v + 1900 : v;
            yearIndex = i;
            span(i);
            TraceFound(s, tok[static_cast<size_t>(i)], line);
            break;
        }
    }
    // The month belongs to the year when at most two tokens part them; the separators "," and "."
    // (Nov. 4, 1994) do not count, nor does "-" (VII-4-54).
    int distance = yearIndex - monthIndex;
    for (int i = monthIndex + 1; i < yearIndex; ++i)
        if (madeBy[static_cast<size_t>(i)] == ',' || JoinsMonthDayYear(madeBy[static_cast<size_t>(i)])) --distance;
    if (distance > 2) month.clear();

    int dayFrom = -1, dayTo = 0;
    if (monthFound) {
        dayFrom = std::min(monthIndex + 2, n);
        dayTo = std::max(monthIndex - 2, 0);
    } else if (yearIndex >= 1) {
        dayFrom = yearIndex - 1;
        dayTo = std::max(yearIndex - 5, 0);
    }
    // A lone l beside a month is the day 1 only where no number around the month is a day: after
    // a whole date it is a stray mark (26 July 1998 l).
    for (int pass = 0; pass < (monthFound ? 2 : 1) && day == 0; ++pass) {
        for (int i = dayFrom; i >= dayTo && dayFrom >= 0; --i) {
            const std::string_view t = tok[static_cast<size_t>(i)];
            int v = pass == 0 ? IntOrZero(t) : NumberBesideMonth(t);
            if (v == 0 && pass == 0) v = OrdinalDay(t);
            if (v >= 1 && v <= 31) {
                day = v;
                dayIndex = i;
                span(i);
                break;
            }
        }
    }

    // A numeric month: between day and year, else the number right before the day, separators
    // aside (month-day order unless the earlier number cannot be a month). A number with words
    // between it and the day is no part of the date (Route 9, 3 mi S, 25/12/1995).
    if (month.empty()) {
        if (yearIndex > dayIndex) {
            for (int i = dayIndex + 1; i <= yearIndex - 1; ++i) {
                const int v = IntOrZero(tok[static_cast<size_t>(i)]);
                if (v >= 1 && v <= 12) {
                    month = MonthAbbreviation(v);
                    span(i);
                }
            }
        }
        if (month.empty()) {
            int i = std::max(dayIndex - 1, 0);
            while (i > 0 && IsSeparatorToken(tok[static_cast<size_t>(i)])) --i;
            const int v = IntOrZero(tok[static_cast<size_t>(i)]);
            if (v >= 13 && v <= 31 && day >= 1 && day <= 12) {
                month = MonthAbbreviation(day);
                day = v;
                span(i);
            } else if (v >= 1 && v <= 12) {
                month = MonthAbbreviation(v);
                span(i);
            }
        }
    }

    if (yearIndex == 0) return "";
    const long lastPos = pos[static_cast<size_t>(last)];
    const long firstPos = pos[static_cast<size_t>(first)];
    if (day > 0 && !month.empty() && lastPos >= 1) {
        long e = lastPos;
        while (LetterOrDigit(CharAt(line, e))) ++e;
        line.erase(static_cast<size_t>(lastPos - 1), static_cast<size_t>(e - lastPos));
    }
    if (firstPos >= 1 && lastPos > firstPos)
        line.erase(static_cast<size_t>(firstPos - 1), static_cast<size_t>(lastPos - firstPos));
    if (day == 0) return Trim(month + " " + IntToStr(year));
    return Trim(IntToStr(day) + " " + month + " " + IntToStr(year));
}

}  // namespace quorl
