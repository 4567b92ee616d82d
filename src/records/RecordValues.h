#pragma once
// Values the record writers derive from the main window's boxes: the split of the collection
// date, decimal degrees from the degree/minute/second boxes, and meters from feet. Numbers are
// always written with "." as the decimal separator.
#include <optional>
#include <string>
#include <string_view>

namespace quorl {

class Session;

// Day, month and year of CollectionDateEdit. A date of more than four characters that starts with
// a digit is cut at its blanks (day and year checked as pairs 3.2 and 3.4) and the box is rewritten
// as day, blank, month, blank, year. A four-digit part right after the day, with nothing after it,
// is the year: the month stays empty.
struct CollectionDateParts {
    std::string day, month, year;
};
CollectionDateParts SplitCollectionDate(Session& s);
// Value of pair 3.sub: 1 the date box after the split, 2-4 day, month and year, each checked
// against its own pair; "" for other parts.
std::string CollectionDateValue(Session& s, const CollectionDateParts& date, int sub);

// The boxes of one coordinate and the hemisphere letter that makes it negative.
struct CoordinateBoxes {
    const char* degrees;
    const char* minutes;
    const char* seconds;
    const char* hemisphere;
    const char* negativeLetter;
};
extern const CoordinateBoxes kLatitudeBoxes;
extern const CoordinateBoxes kLongitudeBoxes;

// A coordinate is given when its three number boxes joined are not empty.
bool CoordinateGiven(const Session& s, const CoordinateBoxes& boxes);

enum class DegreeForm {
    Fixed,    // 7 significant digits, printed with exactly 5 decimals: 34.20833
    General,  // up to 15 significant digits, no trailing zeros: 34.2083333333333
};
// "-" when the hemisphere box holds the negative letter (any case), then degrees + minutes/60 +
// seconds/3600 in the given form; boxes that hold no number count 0.
std::string DecimalDegrees(const Session& s, const CoordinateBoxes& boxes, DegreeForm form);

std::string FormatFixedDegrees(long double value);
std::string FormatGeneralNumber(long double value);

// A box's number in extended precision (plain decimal notation, a comma read as the decimal
// point); nullopt, or 0 for NumberOrZero, when the text is no number.
std::optional<long double> DecimalNumber(std::string_view text);
long double NumberOrZero(std::string_view text);

// Elevations of the earth's surface, with room to spare: the Dead Sea shore lies at -430 m, the
// highest summit at 8849 m.
constexpr int kLowestElevationMeters = -500;
constexpr int kHighestElevationMeters = 9000;
constexpr int kLowestElevationFeet = -1600;
constexpr int kHighestElevationFeet = 29600;

// An elevation box's number: plain decimal notation, or whole thousands written with commas
// (12,000 or 1,250.5); a comma elsewhere is a decimal comma. nullopt when the text is no number.
std::optional<long double> ElevationNumber(std::string_view text);

// Whole meters (rounded down) of a feet text (thousands commas read); a text that is no number
// counts 0; nullopt for a number of feet beyond any real elevation.
std::optional<long long> MetersFromFeet(std::string_view feet);

}  // namespace quorl
