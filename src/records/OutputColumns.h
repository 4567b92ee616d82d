#pragma once
// What the record writers share about output columns: the lookup of a column by its (field,
// sub-field) pair and the numeric check of a value bound for a numeric column.
#include <string>

#include "model/Records.h"

namespace quorl {

class Session;

// The first column of OutputColumns with the pair; its Position is set to its index. When none
// matches: a record with FieldIndex -1, Enabled false and empty Label and DatabaseName.
OutputFormatClass FindOutputFormat(Session& s, int field, int subField);

// Visits every column of the pair in order: a non-numeric one returns the value as it stands; a
// numeric one whose value holds anything but digits and "." asks for a correction in the
// "Non-Numeric Error" input box (OK takes the edited text, Cancel keeps the value).
std::string CheckNumericField(Session& s, std::string value, int field, int subField);

}  // namespace quorl
