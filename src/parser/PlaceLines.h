#pragma once
// The label lines as the country, state and county searches read them: a herbarium's or an
// institution's name ("The New York Botanical Garden", "University of Texas Herbarium") names the
// place of the institution, not the place where the plant was collected.
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

class Session;

// The text with every institution's name blanked out (each byte a blank, so that the text keeps
// its length). The name is the run of capitalised words around a word that begins with one of
// the lower-case keywords (a keyword of two words matches two words): the capitalised words
// before the keyword, and after it the words that follow of, the, de or and (as in "University
// of Arizona Herbarium"); a comma, colon, semicolon or TAB ends the run, and so does a word
// written all in capitals next to a name in small letters, or the reverse. A keyword with no
// capitalised word takes every word before it back to such a mark. A comma after the name
// followed by one to three capitalised words up to the next comma or the line's end takes those
// words too (the institution's town: "New York Botanical Garden, Bronx").
std::string BlankInstitutionNames(std::string_view text, const std::vector<std::string>& keywords);

// Makes ParserState::PlaceLines for the label: every line with the institutions' names blanked
// out, where the keywords are the words of a botanical garden, herbarium, museum, university,
// institute or college (in English, Spanish or French) and, when the herbarium phase will
// search, the Herbarium's contained words. A line that names an institution or that the
// herbarium phase will take is marked passOver. When every line of the label would be, no line is
// marked and no name blanked.
void PreparePlaceLines(Session& s);

}  // namespace quorl
