#pragma once
// Repair of the usual OCR confusions between letters and digits (O for 0; l, I, ! and | for 1)
// where the letter stands next to a digit. Lengths never change, so positions stay valid.
#include <string>

namespace quorl {

// Replaces from by to wherever it touches a digit, pass after pass until nothing changes.
std::string ReplaceCharNearDigit(std::string text, char from, char to);

std::string FixNumerals(std::string text);

}  // namespace quorl
