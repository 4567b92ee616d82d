#include "parser/Elevation.h"

#include <algorithm>
#include <optional>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Coordinates.h"
#include "parser/LineScoring.h"
#include "parser/Numerals.h"

namespace quorl {

namespace {

constexpr size_t kMaxTokens = 50;
// The highest summit: a number above it is a catalogue or record number, not an elevation.
constexpr int kHighestMeters = 8850;
constexpr int kHighestFeet = 29035;

bool PositiveInteger(std::string_view t) {
    auto v = TryStrToInt(t);
    return v && *v > 0;
}

bool IsSeaLevel(const std::string& text) {
    const size_t p = PosNoCase("sea level", text);
    return StartsWithNoCase(text, "0 m") || (p >= 1 && CharCount(std::string_view(text).substr(0, p - 1)) <= 4);
}

const std::string& Token(const std::vector<std::string>& tok, int i) {
    static const std::string kNone;
    return i >= 0 && i < static_cast<int>(tok.size()) ? tok[static_cast<size_t>(i)] : kNone;
}

// The number before the unit at token k, when there is one and it is no higher than the highest.
std::optional<int> ElevationBefore(const std::vector<std::string>& tok, int k, int highest) {
    if (k <= 0 || !BeginsWithDigit(Token(tok, k - 1))) return std::nullopt;
    const int n = IntOrZero(Token(tok, k - 1));
    if (n > highest) return std::nullopt;
    return n;
}

bool IsDegreeMark(const std::string& t) {
    return t == "d" || t == "D" || t.find(kDegreeSign) != std::string::npos;
}

// An apostrophe at token i that marks the minutes of a coordinate: its number follows a degree
// sign or a "d" (66°56'), or it stands between two numbers of a degree-minute-second group
// (17 48' 30").
bool MarksMinutes(const std::vector<std::string>& tok, int i) {
    if (IsDegreeMark(Token(tok, i - 2))) return true;
    const std::string& after = Token(tok, i + 2);
    return PositiveInteger(Token(tok, i + 1)) && (StartsWith(after, "\"") || StartsWith(after, "''"));
}

// "7,500 ft", "1,200 m": a comma between a digit and exactly three digits that a non-digit (or
// the end of the text) follows groups thousands.
bool IsThousandsComma(std::string_view w, size_t i) {
    if (w[i] != ',' || i == 0 || !IsDigitChar(w[i - 1]) || i + 3 >= w.size()) return false;
    for (size_t k = i + 1; k <= i + 3; ++k)
        if (!IsDigitChar(w[k])) return false;
    return i + 4 == w.size() || !IsDigitChar(w[i + 4]);
}

}  // namespace

int FindTokenIndex(const std::vector<std::string>& tokens, const std::string& word, int from, int to) {
    const std::string low = LowerCase(word);
    to = std::min(to, static_cast<int>(tokens.size()) - 1);
    for (int k = std::max(from, 0); k <= to; ++k) {
        std::string t = LowerCase(tokens[static_cast<size_t>(k)]);
        if (t.find(low) == std::string::npos) continue;
        t = t.substr(0, t.find('.'));
        if (t == low) return k;
    }
    return -1;
}

std::string FindElevation(Session& s, const std::string& text) {
    if (text.empty()) return "";
    Form& f = s.form;
    if (IsSeaLevel(text)) {
        f.SetText("ElevMetersLowEdit", "0");
        return text;
    }

    const std::string w = FixNumerals(text);
    // The text read without its thousands commas, so that a grouped number is one token; at[j] is
    // the place in w of character j.
    std::string plain;
    std::vector<size_t> at;
    for (size_t i = 0; i < w.size(); ++i) {
        if (IsThousandsComma(w, i)) continue;
        plain += w[i];
        at.push_back(i);
    }
    std::vector<std::string> tok(1);
    for (size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        const bool boundary = c == ' ' || (i > 0 && IsDigitChar(c) != IsDigitChar(plain[i - 1]));
        if (boundary && !tok.back().empty()) {
            if (tok.size() == kMaxTokens) break;
            tok.emplace_back();
        }
        if (c != ' ') tok.back() += c;
    }
    const int count = static_cast<int>(tok.size()) - 1;

    for (int i = 1; i <= count; ++i)
        if (tok[static_cast<size_t>(i)] == "'" && PositiveInteger(tok[static_cast<size_t>(i - 1)]) &&
            !MarksMinutes(tok, i))
            tok[static_cast<size_t>(i)] = "ft.";

    const std::string quoted = "\"" + text + "\"";
    const auto isRange = [&](int k) {
        return k >= 3 && Token(tok, k - 2) == "-" && BeginsWithDigit(Token(tok, k - 3));
    };
    int firstUsed = 100;
    bool feetFound = false, meterRange = false;

    // Feet.
    int k = FindTokenIndex(tok, "ft", 0, count);
    if (k < 0) k = FindTokenIndex(tok, "feet", 0, count);
    if (const auto n = ElevationBefore(tok, k, kHighestFeet)) {
        if (*n >= s.MinElevation * 3.28) {
            feetFound = true;
            firstUsed = k - 1;
            TraceAppend(s, fElevation, "Found foot Elevation in " + quoted + ".\r\n");
            if (isRange(k)) {
                f.SetText("ElevFeetLowEdit", Token(tok, k - 3));
                f.SetText("ElevFeetHighEdit", Token(tok, k - 1));
                firstUsed = k - 3;
            } else {
                f.SetText("ElevFeetLowEdit", Token(tok, k - 1));
            }
        } else {
            TraceAppend(s, fElevation, Token(tok, k - 1) + " ft less than min Elev of " + IntToStr(s.MinElevation) +
                                           " meters in " + quoted + ".\r\n");
        }
    }

    // Meters.
    if (!feetFound) {
        int from = 0;
        while (true) {
            k = FindTokenIndex(tok, "m", from, count);
            if (k < 0) k = FindTokenIndex(tok, "meters", from, count);
            if (const auto n = ElevationBefore(tok, k, kHighestMeters)) {
                if (*n >= s.MinElevation) {
                    TraceAppend(s, fElevation, "Found Meter Elevation in " + quoted + ".\r\n");
                    firstUsed = std::min(firstUsed, k - 1);
                    if (isRange(k)) {
                        f.SetText("ElevMetersLowEdit", Token(tok, k - 3));
                        f.SetText("ElevMetersHighEdit", Token(tok, k - 1));
                        firstUsed = k - 3;
                        meterRange = true;
                    } else {
                        f.SetText("ElevMetersLowEdit", Token(tok, k - 1));
                    }
                } else {
                    TraceAppend(s, fElevation, Token(tok, k - 1) + " meters less than min Elev of " +
                                                   IntToStr(s.MinElevation) + " meters in " + quoted + ".\r\n");
                }
            }
            if (k < 0 || k >= count || !f.Get("ElevMetersLowEdit").text.empty()) break;
            from = k + 1;
        }
    }

    // A start word followed by a bare number.
    const LabelFieldClass* def = FindFieldDefinition(s, fElevation);
    const std::vector<std::string> startWords = def ? CutWordList(def->StartWords) : std::vector<std::string>{};
    if (!feetFound && !meterRange) {
        std::string first;
        for (char c : tok[0])
            if (c != ':' && c != '.' && c != ',' && c != ';') first += c;
        first = LowerCase(CleanFieldText(first));
        for (const std::string& sw : startWords) {
            if (LowerCase(CleanFieldText(sw)) != first || !PositiveInteger(Token(tok, 1))) continue;
            const bool feet = StartsWithNoCase(Token(tok, 2), "ft");
            if (IntOrZero(Token(tok, 1)) > (feet ? kHighestFeet : kHighestMeters)) break;
            f.SetText(feet ? "ElevFeetLowEdit" : "ElevMetersLowEdit", Token(tok, 1));
            break;
        }
    }

    // Cut the elevation, and a start word standing before it, off the text.
    if (firstUsed >= 100) return w;
    int cut = firstUsed;
    for (const std::string& sw : startWords) {
        const std::string low = LowerCase(sw);
        for (int j = 0; j < cut && j <= count; ++j) {
            if (LowerCase(tok[static_cast<size_t>(j)]) == low) {
                cut = j;
                break;
            }
        }
    }
    const size_t p = Pos(LowerCase(Token(tok, cut)), LowerCase(plain));
    if (p == 0) return w;
    return w.substr(0, at[p - 1]);
}

namespace {

int32_t ElevationScoreOf(Session& s, int line, const ScoringLine* prepared) {
    std::string t = s.parser.Line(line);
    if (t.find("  ") != std::string::npos) t = ReplaceAll(ReplaceAll(t, "   ", " "), "  ", " ");
    t = Trim(t);
    if (IsSeaLevel(t)) return 100;
    // Without a digit no word below is a number (the steps below make no digits).
    if (std::none_of(t.begin(), t.end(), [](char c) { return IsDigitChar(c); })) return 0;

    // A blank between a digit and a character of another kind; then every blank becomes a comma and
    // full stops go.
    std::string spaced;
    spaced.reserve(2 * t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == ' ') spaced += ',';
        else if (t[i] != '.') spaced += t[i];
        if (i + 1 < t.size() && IsDigitChar(t[i]) != IsDigitChar(t[i + 1]) && t[i + 1] != ' ') spaced += ',';
    }
    t = ReplaceAllNoCase(spaced, "feet", "ft");
    t = ReplaceAllNoCase(t, "meters", "meter");

    std::vector<std::string_view> words;
    for (size_t start = 0;;) {
        const size_t c = t.find(',', start);
        words.push_back(std::string_view(t).substr(start, c == std::string::npos ? std::string::npos : c - start));
        if (c == std::string::npos) break;
        start = c + 1;
    }
    bool anyNumber = false;
    for (const std::string_view wd : words) {
        auto v = TryStrToInt(wd);
        if (v && *v >= 0 && !wd.empty() && wd[0] != '+' && wd[0] != ' ') anyNumber = true;
    }
    if (!anyNumber) return 0;

    int bonus = 0;
    int k = -1;
    for (const char* unit : {"ft", "m", "meter"}) {
        for (size_t i = 0; i < words.size() && k < 0; ++i)
            if (EqualsNoCase(words[i], unit)) k = static_cast<int>(i);
        if (k >= 0) break;
    }
    if (k > 0 && PositiveInteger(words[static_cast<size_t>(k - 1)])) bonus = 5;

    int32_t score = prepared ? ScoreLineForField(s, fElevation, line, *prepared) : ScoreLineForField(s, fElevation, line);
    if (PosNoCase("high", t) > 0 || PosNoCase("tall", t) > 0 || t.find('/') != std::string::npos) score -= 5;
    if (bonus + score > 1) {
        TraceAppend(s, fElevation, "Added " + IntToStr(bonus) + " for numbers before key words.\r\n");
        return bonus + score;
    }
    return 0;
}

}  // namespace

int32_t ElevationScore(Session& s, int line) { return ElevationScoreOf(s, line, nullptr); }

int32_t ElevationScore(Session& s, int line, const ScoringLine& prepared) {
    return ElevationScoreOf(s, line, &prepared);
}

}  // namespace quorl
