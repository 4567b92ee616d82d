#include "records/RecordChecks.h"

#include <algorithm>
#include <cstring>

#include "base/Encoding.h"
#include "base/Excerpt.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "records/RecordValues.h"

namespace quorl {

namespace {

bool AllDigits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
}

// Accented letters that person names may hold (their code points).
constexpr char32_t kNameAccents[] = {0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xC3, 0xE3, 0xE7, 0xEA, 0xEB,
                                          0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC9, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9,
                                          0xFF, 0xD6, 0xD5, 0xF5, 0xDC, 0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1};

bool NameCharacter(char32_t c) {
    if (c < 0x80) return c != 0 && (IsAsciiLetter(static_cast<unsigned char>(c)) || std::strchr(" '&.-,", static_cast<int>(c)));
    return std::find(std::begin(kNameAccents), std::end(kNameAccents), c) != std::end(kNameAccents);
}

}  // namespace

bool CheckCollectionDateText(std::string_view date) {
    // Every part is looked at, so a date is judged the same whatever part is wrong.
    bool ok = true;
    std::string_view t = date;
    size_t blank = t.find(' ');
    size_t dayLength = blank == std::string_view::npos ? 0 : blank;
    if (blank != std::string_view::npos && blank + 1 > 3) ok = false;
    std::string_view day = t.substr(0, dayLength);
    if (!AllDigits(day)) ok = false;
    if (!t.empty()) {
        if (TryStrToInt(day).value_or(0) > 31) ok = false;
        if (t[0] == '0') ok = false;
    }
    if (blank != std::string_view::npos) t.remove_prefix(blank + 1);
    size_t monthEnd = t.find(' ');
    if (monthEnd != 3) ok = false;
    for (size_t i = 0; i < 3 && i < t.size(); ++i)
        if (IsDigit(static_cast<unsigned char>(t[i]))) ok = false;
    if (monthEnd != std::string_view::npos) t.remove_prefix(monthEnd + 1);
    if (t.size() != 4 || !AllDigits(t)) ok = false;
    return ok;
}

bool CheckBarcodeText(std::string_view barcode, std::string_view pattern) {
    if (barcode.size() != pattern.size()) return false;
    for (size_t i = 0; i < barcode.size(); ++i) {
        auto b = static_cast<unsigned char>(barcode[i]);
        char p = pattern[i];
        if (barcode[i] == p) continue;
        if (p == '#' && IsDigit(b)) continue;
        if (p == '@' && IsAsciiLetter(b)) continue;
        return false;
    }
    return true;
}

bool CheckBarcodeFormat(Session& s) { return CheckBarcodeText(GetFieldText(s, fBarcode), s.BarcodeFormatTemplate); }

bool CheckAlphabetic(Session& s, int field) {
    const std::string text = GetFieldText(s, field);
    for (size_t i = 0; i < text.size();) {
        char32_t c;
        i += NextCodePoint(text, i, c);
        if (NameCharacter(c)) continue;
        s.dialogs.ShowMessage(FieldName(field) + " is not all alphabetic.");
        return false;
    }
    return true;
}

bool CheckElevationRange(Session& s, const std::string& text, int min, int max, const std::string& unit) {
    const std::string t = Trim(text);
    const bool numberLike = t.find_first_of("0123456789") != std::string::npos &&
                            t.find_first_not_of("0123456789.,eE+-") == std::string::npos;
    const std::optional<long double> v = ElevationNumber(t);
    if (!v && !numberLike) return true;
    if (v && *v >= min && *v <= max) return true;
    const std::string range = IntToStr(min) + " to " + IntToStr(max) + " " + unit;
    s.dialogs.ShowMessage("Elevation value " + text + " out of range of " + range);
    WriteToLog(s, "Error:  Elevation " + text + " is out of the range of " + range);
    return false;
}

bool CheckLatLongRange(Session& s, const std::string& text, int min, int max) {
    if (text.empty()) return true;
    const float v = static_cast<float>(TryStrToFloat(text).value_or(-1.0));
    if (v >= static_cast<float>(min) && v < static_cast<float>(max)) return true;
    s.dialogs.ShowMessage("Latitude or Longitude value " + Excerpt(text) + " out of range of " + IntToStr(min) + " to " +
                          IntToStr(max));
    WriteToLog(s, "Error:  Lat/Long " + Excerpt(text) + " is out of the range of " + IntToStr(min) + " to " + IntToStr(max));
    return false;
}

}  // namespace quorl
