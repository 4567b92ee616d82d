#include "records/RecordValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/NumberRange.h"
#include "base/Text.h"
#include "fields/FieldValues.h"
#include "model/Session.h"
#include "records/OutputColumns.h"

namespace quorl {

const CoordinateBoxes kLatitudeBoxes{"LatDegreesEdit", "LatMinutesEdit", "LatSecondsEdit", "NSCombo", "S"};
const CoordinateBoxes kLongitudeBoxes{"LongDegreesEdit", "LongMinutesEdit", "LongSecondsEdit", "EWCombo", "W"};

namespace {

bool IsFourDigitYear(std::string_view part) {
    return part.size() == 4 &&
           std::all_of(part.begin(), part.end(), [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
}

}  // namespace

CollectionDateParts SplitCollectionDate(Session& s) {
    CollectionDateParts p;
    std::string d = BoxText(s, "CollectionDateEdit");
    if (d.empty() || !IsDigit(static_cast<unsigned char>(d[0]))) return p;
    if (d.size() <= 4) {
        p.year = d;
        return p;
    }
    p.day = CheckNumericField(s, NextToken(d, " ", true), 3, 2);
    p.month = NextToken(d, " ", true);
    // A date whose month could not be read ("4  1954") or was never typed ("1 1935") has its year
    // right after the day: a four-digit part with nothing after it is the year, not the month.
    if (Trim(d).empty() && IsFourDigitYear(p.month)) {
        d = p.month;
        p.month.clear();
    }
    p.year = CheckNumericField(s, d, 3, 4);
    SetBoxText(s, "CollectionDateEdit", p.day + " " + p.month + " " + p.year);
    return p;
}

std::string CollectionDateValue(Session& s, const CollectionDateParts& date, int sub) {
    switch (sub) {
        case 1: return BoxText(s, "CollectionDateEdit");
        case 2: return CheckNumericField(s, date.day, 3, 2);
        case 3: return CheckNumericField(s, date.month, 3, 3);
        case 4: return CheckNumericField(s, date.year, 3, 4);
        default: return {};
    }
}

bool CoordinateGiven(const Session& s, const CoordinateBoxes& b) {
    return !(BoxText(s, b.degrees) + BoxText(s, b.minutes) + BoxText(s, b.seconds)).empty();
}

std::optional<long double> DecimalNumber(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    // Only plain decimal notation: no "inf", "nan" or hexadecimal forms.
    for (char& c : t) {
        if (c == ',') c = '.';
        bool ok = IsDigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
        if (!ok) return std::nullopt;
    }
    const char* b = t.data();
    const char* e = b + t.size();
    if (*b == '+') ++b;
    long double v = 0;
    auto r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e) return std::nullopt;
    return v;
}

long double NumberOrZero(std::string_view text) { return DecimalNumber(text).value_or(0); }

namespace {

// Scientific digits of value: sign, significant digits without trailing zeros, decimal exponent.
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Digits ScientificDigits(long double value, int significant) {
    char buf[128];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string t(buf, r.ptr);
    Digits d;
    size_t i = 0;
    if (t[i] == '-') {
        d.negative = true;
        ++i;
    }
    size_t e = t.find('e');
    for (size_t k = i; k < e; ++k)
        if (t[k] != '.') d.digits += t[k];
    d.exponent = std::atoi(t.c_str() + e + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

}  // namespace

std::string FormatFixedDegrees(long double value) {
    if (!std::isfinite(value)) return "0.00000";
    // One rounding only: to 7 significant digits, but never to more than 5 decimals.
    int decimals = 5;
    if (value != 0) decimals = std::min(5, 6 - ScientificDigits(value, 7).exponent);
    char buf[128];
    std::string t;
    if (decimals >= 0) {
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        t.assign(buf, r.ptr);
    } else {
        long double scale = std::pow(10.0L, -decimals);
        auto r = std::to_chars(buf, buf + sizeof buf, std::round(value / scale) * scale, std::chars_format::fixed, 0);
        t.assign(buf, r.ptr);
        decimals = 0;
    }
    if (decimals == 0) t += '.';
    t.append(static_cast<size_t>(5 - decimals), '0');
    if (t == "-0.00000") t = "0.00000";
    return t;
}

std::string FormatGeneralNumber(long double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    Digits d = ScientificDigits(value, 15);
    std::string t = d.negative ? "-" : "";
    if (d.exponent < -5 || d.exponent >= 15) {
        t += d.digits[0];
        if (d.digits.size() > 1) t += "." + d.digits.substr(1);
        t += "E" + std::to_string(d.exponent);
        return t;
    }
    if (d.exponent < 0) {
        t += "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
        return t;
    }
    size_t whole = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) {
        t += d.digits + std::string(whole - d.digits.size(), '0');
    } else {
        t += d.digits.substr(0, whole) + "." + d.digits.substr(whole);
    }
    return t;
}

std::string DecimalDegrees(const Session& s, const CoordinateBoxes& b, DegreeForm form) {
    // A degree typed with its own minus sign counts like the S or W hemisphere letter: the value
    // gets one sign, and the minutes and seconds add to the degrees' magnitude.
    long double degrees = NumberOrZero(BoxText(s, b.degrees));
    long double value = std::fabs(degrees) + NumberOrZero(BoxText(s, b.minutes)) * (1.0L / 60) +
                        NumberOrZero(BoxText(s, b.seconds)) * (1.0L / 3600);
    bool negative = UpperCase(BoxText(s, b.hemisphere)) == b.negativeLetter || degrees < 0;
    std::string sign = negative ? "-" : "";
    return sign + (form == DegreeForm::Fixed ? FormatFixedDegrees(value) : FormatGeneralNumber(value));
}

namespace {

// 12,000 and 1,250.5: one to three digits, then groups of a comma and three digits.
bool ThousandsGrouped(std::string_view t) {
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) t.remove_prefix(1);
    const size_t end = std::min(t.find('.'), t.size());
    const size_t firstComma = t.find(',');
    if (firstComma == 0 || firstComma > 3 || firstComma >= end) return false;
    for (size_t i = 0; i < end; ++i) {
        const bool commaPlace = i >= firstComma && (i - firstComma) % 4 == 0;
        if (commaPlace != (t[i] == ',')) return false;
        if (!commaPlace && !IsDigit(static_cast<unsigned char>(t[i]))) return false;
    }
    return (end - firstComma) % 4 == 0;
}

}  // namespace

std::optional<long double> ElevationNumber(std::string_view text) {
    std::string t = Trim(text);
    if (ThousandsGrouped(t)) t.erase(std::remove(t.begin(), t.end(), ','), t.end());
    return DecimalNumber(t);
}

std::optional<long long> MetersFromFeet(std::string_view feet) {
    const long double meters = ElevationNumber(feet).value_or(0) * 12 * (1.0L / 39.37L);
    return WholeMeasurement(std::floor(meters));
}

}  // namespace quorl
