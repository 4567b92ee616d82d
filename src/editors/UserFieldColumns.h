#pragma once
// Keeps the output-format files in step with the user-defined fields after the field definitions
// editor saved: columns of deleted user fields go, later user fields take their new numbers, and
// every user field has a whole-field column in OutputFormat.txt and DarwinXML.txt. Lines are
// rewritten as text, so every other line keeps its bytes.
#include <string>
#include <string_view>
#include <vector>

#include "base/FileBytes.h"
#include "model/Records.h"

namespace quorl {

class Session;

// The file text with the column lines of user fields renumbered: renumber[old] is the field's new
// number, -1 when it was deleted (its lines go). Built-in fields, fields the table does not cover,
// and the first line (the record file's name) stay as they are.
std::string RenumberUserFieldColumns(std::string_view text, const std::vector<int>& renumber);

// Whether a column line after the first line holds the whole field (no sub-field part).
bool HasWholeFieldColumn(std::string_view text, int field);

// The text with the line "n TAB 1 TAB name TAB name" added for every user field n that has no
// whole-field column yet. With xmlNames the second name is made an XML element name
// ("Plant Height" gives "PlantHeight"), for the Darwin Core XML format.
std::string AddUserFieldColumns(std::string text, const std::vector<LabelFieldClass>& fields, bool xmlNames);

// The output-format files that the renumbering and the new columns of fields change, with their
// new text: OutputFormat.txt, DarwinXML.txt and DarwinCSV.txt get the renumbering, the first two
// the new columns; a missing file is left alone. Nothing is written here.
std::vector<FileReplacement> UserFieldColumnFiles(Session& s, const std::vector<int>& renumber,
                                                 const std::vector<LabelFieldClass>& fields);

}  // namespace quorl
