#pragma once
// The ways the parser cuts texts into words: the line-word rule of the scorers (separators blank,
// apostrophe, full stop, comma, semicolon and colon, with quoted stretches kept whole), the
// comma-separated word lists of the field definitions, and the comma-text rule used to count
// the words of a field's text.
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// Words of a text: a word ends at a separator, CR, LF or the end; CR and LF before a word are
// skipped; an apostrophe or double quote opens a stretch in which separators do not split,
// closed by the next quote character (a different quote character met inside takes over as the
// closing one); quote characters stay in the word; empty words are dropped.
std::vector<std::string> SplitLineWords(std::string_view text);

// Items of a comma-separated word list, each trimmed, in order (as NextToken(list, ",", trim)
// cuts them; empty items are kept).
std::vector<std::string> CutWordList(std::string list);

// Items of a comma text: items end at a comma or a character of code 32 or less; two commas in
// a row and a comma at the very end give empty items; an item starting with a double quote runs
// to its closing quote (a doubled quote inside stands for one).
std::vector<std::string> SplitCommaText(std::string_view text);

}  // namespace quorl
