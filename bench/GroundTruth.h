#pragma once
// The ground truth of a development label (a CSV file of Darwin Core terms with one row of values)
// and the comparison of a parsed field value with it: each field is compared in the way its values
// are written, so that "Scioto County" matches "Scioto" and "21 May 2006" matches "2006-05-21".
#include <map>
#include <string>
#include <string_view>

namespace quorl {

// Term -> value of a ground-truth file: the first row names the terms ("dwc:recordedBy", kept as
// written), the first later row that is not a repeat of the header holds the values. A term with
// no value maps to "". Empty for a file without such a row.
std::map<std::string, std::string> ReadGroundTruth(std::string_view csvBytes);

// The value of the first of the terms (separated by "|") that has a non-empty value, else "".
std::string TruthValue(const std::map<std::string, std::string>& truth, std::string_view terms);

// Text for comparison: accents taken off, lower case, every run of characters that are neither
// letters nor digits turned into one blank, no blank at either end.
std::string ComparableText(std::string_view text);

// "YYYY", "YYYY-MM" or "YYYY-MM-DD" of a date text: an ISO date (the start of an ISO range), or a
// year with an English month name (or its abbreviation) and a day; "" when no year is found.
std::string IsoDate(std::string_view text);

// Share of words the two texts have in common, counted with repeats: 2 x common / (words of a +
// words of b), on their comparable texts; 1 when both are empty.
double WordOverlap(std::string_view a, std::string_view b);

// How a field's parsed value is held against its ground truth. Two empty values always match.
enum class Comparison {
    Text,        // equal comparable texts
    Collector,   // the whole list of collectors, or its first person
    Date,        // the same ISO date, as precise as the truth's
    Place,       // equal, leaving out a closing "County", "Co" or "Parish"
    Country,     // equal, with "U.S.A." and its other spellings read as "United States"
    Name,        // the truth's name starts with the parsed name (authors left out), or is equal
    Coordinate,  // decimal degrees within 0.005 (the truth is given to three decimals)
};
bool SameValue(Comparison how, std::string_view parsed, std::string_view truth);

}  // namespace quorl
