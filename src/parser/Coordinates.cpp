#include "parser/Coordinates.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "model/Session.h"
#include "parser/LandSurvey.h"
#include "parser/Numerals.h"

namespace quorl {

namespace {

// The scanners below count characters: they run on the text's one-byte-per-character view, in
// which the degree sign is this byte.
constexpr char kDegreeByte = '\xB0';

template <class F>
auto OnCharView(std::string_view text, F scan) {
    if (IsAscii(text)) return scan(text);
    const std::string view = OneBytePerChar(text);
    return scan(std::string_view(view));
}

bool Letter(char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); }

bool IsLatLongSeparator(char c) {
    return c == ' ' || c == ',' || c == '"' || c == '\'' || c == ':' || c == ';' || c == kDegreeByte;
}

// Decimal value of a token, with a fallback when it is no number.
double TokenValue(const std::string& t, double fallback) {
    if (t.empty()) return fallback;
    for (char c : t)
        if (!IsDigitChar(c) && c != '.' && c != '-' && c != '+') return fallback;
    auto v = TryStrToFloat(t);
    return v ? *v : fallback;
}

int CompassLetterScoreOfChars(std::string_view whole, char letter) {
    std::string_view text = whole;
    while (true) {
        const long p = static_cast<long>(Pos(std::string_view(&letter, 1), text));
        if (p == 0) return 0;
        const long len = static_cast<long>(text.size());
        if (p >= 3) {
            for (long k = p - 1; k >= 1; --k) {
                char c = CharAt(text, k);
                if (IsDigitChar(c)) {
                    if (p - k < 5) return 3;
                    break;
                }
                if (Letter(c)) break;
            }
        }
        if (p < len - 2) {
            for (long k = p + 1; k < len; ++k) {
                char c = CharAt(text, k);
                if (IsDigitChar(c)) {
                    if (k - p < 3 && k < len) return 3;
                    break;
                }
                if (Letter(c)) break;
            }
        }
        text.remove_prefix(static_cast<size_t>(p));
    }
}

int LatLongScoreOfChars(std::string_view text) {
    int s = 0;
    if (text.find(kDegreeByte) != std::string_view::npos) s += 10;
    for (char c : {'N', 'S', 'E', 'W'}) s += CompassLetterScoreOfChars(text, c);
    if (PosNoCase("latitude", text) > 0) s += 5;
    if (PosNoCase("longitude", text) > 0) s += 5;
    if (text.find('"') != std::string_view::npos) s += 1;
    if (PosNoCase("DEG", text) > 0) s += 1;

    const long len = static_cast<long>(text.size());
    long q = 1;
    do {
        const long start = q;
        while (q < len && !IsDigitChar(CharAt(text, q))) ++q;
        if (q - start < 3) ++s;
        const long digits = q;
        while (q < len && IsDigitChar(CharAt(text, q))) ++q;
        if (q > digits) {
            auto v = TryStrToInt(text.substr(static_cast<size_t>(digits - 1), static_cast<size_t>(q - digits)));
            if ((v ? *v : 200) < 180) ++s;
        }
    } while (q < len);
    return s - 1;
}

}  // namespace

bool IsCompassLetter(char c) { return c == 'E' || c == 'N' || c == 'S' || c == 'W'; }

int CompassLetterScore(std::string_view text, char letter) {
    return OnCharView(text, [&](std::string_view chars) { return CompassLetterScoreOfChars(chars, letter); });
}

int LatLongScore(std::string_view text) { return OnCharView(text, LatLongScoreOfChars); }

void SetLatLongFields(Session& s, const std::string& degrees, const std::string& minutes,
                      const std::string& seconds, const std::string& hemisphere) {
    const bool latitude = hemisphere == "N" || hemisphere == "S";
    Form& f = s.form;
    f.SetText(latitude ? "LatDegreesEdit" : "LongDegreesEdit", degrees);
    f.SetText(latitude ? "LatMinutesEdit" : "LongMinutesEdit", minutes);
    f.SetText(latitude ? "LatSecondsEdit" : "LongSecondsEdit", seconds);
    f.SetText(latitude ? "NSCombo" : "EWCombo", hemisphere);
}

namespace {

// Only digits, '.' and compass letters reach the controls, so the view's bytes can be written.
int ParseLatLongOfChars(Session& s, std::string_view input) {
    // Normalise: the words latitude and longitude go first, before the O of LONGITUDE can be read
    // as a zero; then O read as zero; "Â" (the first half of a degree sign read in the wrong
    // encoding), DEG and '*' as degree signs; OCR numerals.
    std::string t = ReplaceAllNoCase(input, "latitude", "");
    t = ReplaceAllNoCase(t, "longitude", "");
    for (char& c : t)
        if (c == 'O') c = '0';
    for (char& c : t)
        if (c == '\xC2') c = kDegreeByte;
    t = ReplaceAllNoCase(t, "DEG", std::string(1, kDegreeByte));
    // OCR makes stars of minute marks too: a star parts numbers as a degree sign does, but marks no
    // degrees (below).
    std::vector<bool> star(t.size(), false);
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i] == '*') t[i] = kDegreeByte, star[i] = true;
    t = FixNumerals(std::move(t));
    BlankLandSurvey(t);

    // Tokens of digits and '.', or of other characters, split at the separators; marked are the
    // tokens a degree sign follows.
    constexpr size_t kMaxTokens = 100;
    std::vector<std::string> tok(1);
    std::vector<bool> marked(1, false);
    bool tokIsNumber = false;
    const size_t len = t.size();
    for (size_t i = 0; i < len; ++i) {
        const char c = t[i];
        if (IsLatLongSeparator(c)) {
            if (c == kDegreeByte && !star[i] && !tok.back().empty()) marked.back() = true;
            if (!tok.back().empty() && i + 1 < len) {
                if (tok.size() == kMaxTokens) break;
                tok.emplace_back();
                marked.push_back(false);
            }
            continue;
        }
        const bool number = IsDigitChar(c) || c == '.';
        if (!tok.back().empty() && number != tokIsNumber) {
            if (tok.size() == kMaxTokens) break;
            tok.emplace_back();
            marked.push_back(false);
        }
        tokIsNumber = number;
        tok.back() += c;
    }
    if (tok.size() - 1 < 3) return 0;

    for (auto& x : tok)
        if (x == "n" || x == "s" || x == "e" || x == "w") x[0] = static_cast<char>(x[0] - 32);

    // Leading rubbish is dropped until a small number or a lone compass letter leads. Once rubbish
    // was dropped, a leader needs a number among the next three tokens and one among the three
    // after the next ("26, Frog Lake Campground, 45 13 30 N" and "125, 6.1 mi ENE of" have not),
    // or, for a number, the next tokens must close its group: more numbers and then a lone
    // compass letter ("27 N, Long. 108 W", "27 01 N, Long. 108 56 W"). A number that three more
    // follow is rubbish too: degrees, minutes and seconds are three ("CR 30, 31 14 50 N"). A number
    // with a degree sign after it is degrees and leads when its minutes or its letter come next
    // ("52°55.q'N", OCR), not before rubbish ("bO°[]q. _'Nr").
    const auto isNumber = [&](size_t k) { return !tok[k].empty() && IsDigitChar(tok[k][0]); };
    const auto isLetter = [&](size_t k) { return tok[k].size() == 1 && IsCompassLetter(tok[k][0]); };
    auto closesGroup = [&] {
        for (size_t k = 1; k <= 3; ++k) {
            if (isLetter(k)) return true;
            if (!isNumber(k)) return false;
        }
        return false;
    };
    auto acceptable = [&](bool dropped) {
        const bool number = isNumber(0);
        bool ok = (number && TokenValue(tok[0], 500) <= 180) || isLetter(0);
        if (ok && dropped && tok.size() - 1 > 4 && !(number && marked[0] && (isNumber(1) || isLetter(1)))) {
            const bool digitsFollow =
                (isNumber(1) || isNumber(2) || isNumber(3)) && (isNumber(2) || isNumber(3) || isNumber(4));
            ok = digitsFollow || (number && closesGroup());
            if (number && isNumber(1) && isNumber(2) && isNumber(3)) ok = false;
        }
        return ok;
    };
    bool dropped = false;
    while (!acceptable(dropped)) {
        tok.erase(tok.begin());
        marked.erase(marked.begin());
        dropped = true;
        // Fewer than three tokens after the drop cannot hold a coordinate.
        if (tok.size() - 1 < 3) return 0;
    }

    // Pairing numbers with hemisphere letters. A label gives one latitude and one longitude: a
    // second group of the first one's kind that has numbers is no coordinate and is passed over
    // ("(63°3'N, l_9°3''rf), .S km", OCR).
    std::string deg, min, sec, hemi;
    bool degMarked = false, firstIsLatitude = false, misread = false;
    int groups = 0;
    const auto writeGroup = [&] {
        const bool latitude = hemi == "N" || hemi == "S";
        if (groups == 1 && latitude == firstIsLatitude && !deg.empty()) return;
        firstIsLatitude = latitude;
        SetLatLongFields(s, deg, min, sec, hemi);
        ++groups;
    };
    for (size_t k = 0; k < tok.size(); ++k) {
        const std::string& x = tok[k];
        if (x.empty() || TokenValue(x, 0) > 180) continue;
        if (x == "of" || (x.size() > 4 && !IsDigitChar(x[0]))) {
            SetLatLongFields(s, "", "", "", "N");
            SetLatLongFields(s, "", "", "", "E");
            return 0;
        }
        if (IsCompassLetter(x[0])) {
            if (misread) {
                misread = false;
                continue;
            }
            if (hemi.empty()) {
                hemi = std::string(1, x[0]);
                if (!deg.empty()) {
                    writeGroup();
                    deg.clear(), min.clear(), sec.clear(), hemi.clear();
                }
            } else {
                writeGroup();
                deg.clear(), min.clear(), sec.clear();
                hemi = std::string(1, x[0]);
            }
            if (groups > 1) break;
            continue;
        }
        const bool number = IsDigitChar(x[0]);
        if (marked[k] && number) {
            // A number with a degree sign after it is the degrees: the numbers before it that had
            // none are no part of the coordinate ("Hwy 22, 29°37'N").
            if (!deg.empty() && !degMarked) deg.clear(), min.clear(), sec.clear();
            misread = false;
        } else if (marked[k] && hemi.empty() && std::any_of(x.begin(), x.end(), Letter)) {
            // Degrees misread as letters ("l_Z°28'E", OCR): up to its letter, that group is no
            // coordinate, and the numbers before it have lost their own letter ("52°48.5'H,
            // TZ°QE.B'E"). A sign alone is no misread number ("55°1'_°N").
            deg.clear(), min.clear(), sec.clear();
            misread = true;
        }
        if (number && !misread) {
            if (deg.empty()) deg = x, degMarked = marked[k];
            else if (min.empty()) min = x;
            else sec = x;
        }
    }
    if (groups == 1 && !hemi.empty() && !deg.empty()) writeGroup();
    return 1;
}

}  // namespace

int ParseLatLong(Session& s, std::string_view text) {
    return OnCharView(text, [&](std::string_view chars) { return ParseLatLongOfChars(s, chars); });
}

}  // namespace quorl
