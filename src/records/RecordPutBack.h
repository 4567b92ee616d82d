#pragma once
// Putting the values of a written record back into the main window's fields, column by column,
// so that the record can be corrected and added again.
#include <string>

#include "model/Records.h"

namespace quorl {

class Session;

// Prepares the main window for a record read back from the record file: clears the fields and the
// image number, forgets the last label's lines (so that no list picks from them), says in the
// label window that the original label is not available and names the record file in ImageLabel.
void StartPutBack(Session& s);

// Puts one value back by the column it was written for: the field of a whole-field column; the
// box of a coordinate, elevation or collection-number part; family, genus and species, country and
// state selected in their lists with the lists below them filled (a name not in its list leaves
// the field empty). An empty value, a part the fields cannot hold and a verbatim coordinate are
// skipped. A decimal latitude or longitude fills the degree box only when the record's degrees did
// not; one that is not a number is reported and skipped.
void PutBackValue(Session& s, const OutputFormatClass& column, const std::string& value);

}  // namespace quorl
