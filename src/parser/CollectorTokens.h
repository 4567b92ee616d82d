#pragma once
// The collector's token split: a collector text cut into words, the collection number taken from
// the words that hold digits, and the person's name read from the words before the first
// separator (used by the collector phase and by the second try at the collector near the date).
#include <string>
#include <vector>

namespace quorl {

class Session;

// The words of a collector text, its start word removed: a word holding a digit fills the
// Collection Number (and its prefix and suffix) when it is still empty and stands as a ","
// separator; "date" is dropped; "Smith & Jones J. K." lends the initials: "Smith J. & Jones J. K.".
std::vector<std::string> CollectorTokens(Session& s, std::string text);

// The collector's name: the words before the first separator ("&", ",", "and", "with..."), else
// the words up to and including the first that begins with a digit. split is that word's index,
// or -1 when there is none.
std::string CollectorName(const std::vector<std::string>& tokens, int& split);

}  // namespace quorl
