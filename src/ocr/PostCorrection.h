#pragma once
// Repairs of the typical confusions of the OCR engine in a label text (UTF-8): "/" read for "l",
// a blank inside a decimal number, "tt" for "ft", "lVl" for "M", letters between digits, and
// symbols outside ASCII that are not letters.
#include <string>

namespace quorl {

// In this order: "/" between two non-digits becomes "l" (the scan ends at the first "/" that
// stands first, last or next to a digit); "1 ." becomes "1." throughout when its first occurrence
// stands between digits; " tt." becomes " ft." and "lVl" "M"; typographic quotes and primes
// become ASCII ' and "; every other character outside ASCII that is not a letter becomes one blank
// (so does a degree sign, and the left quotation mark the engine reads for one); "l" between two
// digits becomes "1", "o" or "O" between two digits "0".
std::string PostCorrectOcrText(std::string text);

// The barcode's digits as read: every "O" and "o" becomes "0".
std::string CorrectBarcodeText(std::string text);

}  // namespace quorl
