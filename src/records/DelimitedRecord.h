#pragma once
// What the tab-separated and the CSV writer share: building the header and the record line from
// the enabled output columns, and appending that line to the record file in the program folder
// (with the header when the file is new, after the header-mismatch question when it is not).
#include <functional>
#include <string>

#include "model/Records.h"

namespace quorl {

class Session;

struct DelimitedRecord {
    std::string header;  // every enabled column's DatabaseName followed by the separator
    std::string line;    // values; a separator follows every value but that of the last column
};

// Walks OutputColumns in order and asks valueOf for each enabled column's value (in that order).
// A text column's value has its double quotes turned into single quotes and is put between double
// quotes; a numeric one is written bare unless quoteIfHolds names a character it contains. Every
// single quote of the finished line becomes a backquote. A heading that holds a character of
// quoteIfHolds is put between double quotes with its own double quotes doubled.
DelimitedRecord BuildDelimitedRecord(const std::vector<OutputFormatClass>& columns, char separator,
                                     const std::string& quoteIfHolds,
                                     const std::function<std::string(const OutputFormatClass&)>& valueOf);

// Appends the record line to ProgramFolder/OutputFileName. A missing or empty file gets the header
// first. For an existing file whose first line differs from the header (both trimmed) and does not
// read as the same headings at the separator, the user is asked whether to go on; a file that does
// not end with a line end gets one first. Returns false, writing nothing, when no column is
// enabled, the file cannot be read, the user cancels or the write fails (each reported to the user).
bool AppendDelimitedRecord(Session& s, const std::string& header, const std::string& line, char separator);

}  // namespace quorl
