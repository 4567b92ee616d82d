#pragma once
// The user's AutoCorrect list (AutoCorrect.txt) and the correction of label text: list
// replacements, then the repair of letters that the OCR engine read for digits.
#include <string>
#include <vector>

#include "base/Text.h"
#include "model/Records.h"

namespace quorl {

class Session;

// Empties AutoCorrectList and reads the user's AutoCorrect.txt into it (flags TAB From TAB To).
void LoadAutoCorrect(Session& s);

// The text as the AutoCorrect list (when AutoCorrect is on) and the numeral repair (when
// ReplaceNumerals is on) change it.
std::string AutoCorrectText(const Session& s, const std::string& text);

// The list replacements alone. An entry that would make the text longer than
// MaxCorrectedLength of the text's own length is left out.
std::string ApplyReplacements(const std::vector<ReplacementClass>& list, std::string text);
size_t MaxCorrectedLength(size_t length);
// The numeral repair alone: a letter between a digit and a non-letter becomes a digit.
std::string ReplaceNumerals(std::string text);

// B -> 8, O -> 0, S -> 5, Q -> 4, b -> 6; every other character is returned unchanged.
char ReplaceNumeral(char c);

}  // namespace quorl
