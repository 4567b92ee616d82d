#pragma once
// The shared reference trees of the program folder: plant names (PlantList.txt, family > genus >
// species) and places (CountryList.txt, country > state > county with latitude/longitude boxes),
// and the genus list of one family.
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Fills PlantList from the program folder's PlantList.txt and appends the family names to
// FamilyCombo. A missing file ends the program after "Unable to open file: " and the path.
void LoadPlantList(Session& s);

// Empties CountryList and CountryCombo and fills both from the program folder's CountryList.txt.
void LoadCountryList(Session& s);

// Sets the node's name and, when the entry carries "(MinLat/MaxLat/MinLong/MaxLong)", its box.
// Returns false when a box number is not a number; the node then keeps its name and has no box.
// afterBox, when given, receives the text that follows the box's ")" (trimmed), which is not read.
bool ParseBoundedName(CountryClass& node, std::string_view entry, std::string_view* afterBox = nullptr);

// Fills GenusCombo with the genera of the family at that index of PlantList ("Select Genus" as
// its text) and copies them into FamilyGenera.
void GetOneFamily(Session& s, int familyIndex);

// Splits text the way a delimited-text list does when the delimiter is not strict: runs of blanks
// and control characters also separate items and are dropped, an item starting with '"' is a
// quoted string ("" stands for one quotation mark), and an empty item between two delimiters is
// kept unless the delimiter is itself a blank or control character.
std::vector<std::string> SplitDelimitedText(std::string_view text, char delimiter);

}  // namespace quorl
