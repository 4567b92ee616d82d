#pragma once
// FieldDefinitions.txt of the user folder: one field definition per field number, with the
// upgrades of files written by older versions (Rank/SubSp and Barcode records).
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Fills FieldDefinitions from the user's file; ends the program when the file is missing.
void LoadFieldDefinitions(Session& s);

// Writes the header "Version " + FileFormatVersion and every record, replacing the file.
void SaveFieldDefinitions(Session& s);

// The file text that SaveFieldDefinitions writes.
std::string FieldDefinitionsText(const Session& s);
// The file text for the definitions under the header "Version " + version.
std::string FieldDefinitionsText(const std::vector<LabelFieldClass>& fields, int version);

// Reads one ContainedWords column: items lower-cased, trailing non-letters cut, empty items dropped.
std::string ReadContainedWords(std::string_view column);

}  // namespace quorl
