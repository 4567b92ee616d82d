#pragma once
// The field checks of record validation that look at one text at a time: the collection date form,
// the barcode against its template, letters-only person names and degree/minute/second ranges.
#include <string>
#include <string_view>

namespace quorl {

class Session;

// The date form "1 Jan 2005": a day of one or two digits not starting with 0 and at most 31, a
// three-character month that holds no digit, a four-digit year, single blanks between them.
bool CheckCollectionDateText(std::string_view date);

// Barcode against a template of the same length: '#' a digit, '@' a letter, anything else itself.
bool CheckBarcodeText(std::string_view barcode, std::string_view pattern);
// The Barcode field against BarcodeFormatTemplate.
bool CheckBarcodeFormat(Session& s);

// The field's text holds only letters, blanks, ' & . - , and the accented letters of names; the
// user is told of the first field that does not.
bool CheckAlphabetic(Session& s, int field);

// A degree, minute or second text: empty, or a number v with min <= v < max (a text that is no
// number counts -1). A failure is shown and logged.
bool CheckLatLongRange(Session& s, const std::string& text, int min, int max);

// An elevation box's text: empty, a text that is no number (left to the numeric column check), or
// a number (thousands commas allowed) from min to max. A number out of that range, or too large to
// read, is shown and logged.
bool CheckElevationRange(Session& s, const std::string& text, int min, int max, const std::string& unit);

}  // namespace quorl
