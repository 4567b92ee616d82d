#pragma once
// Batch mode: a text file of many labels, each marked by a barcode line, parsed and shown one
// label after the other. It adds no records.
#include <string>
#include <vector>

namespace quorl {

class Session;

// Start of every barcode in a batch file; a barcode is the 10 characters from here on.
constexpr const char* kBatchMarker = "QZV00";

// The labels of a batch file's text, in the order they are parsed. A label runs up to the line
// that opens the next barcode (which starts the next label) or to a line repeating its own
// barcode (which ends it). Text after the last barcode line is the last label.
std::vector<std::string> SplitBatchLabels(const std::string& text);

// The "Batch Mode" command: chooses a file in the program folder, parses every label of it into
// the main window and pauses BatchPauseMs on each, then says "Batch file complete.". A file that
// cannot be read is reported and nothing is parsed; when the program ends during a pause, the
// batch stops there.
void BatchMode1Click(Session& s);

}  // namespace quorl
