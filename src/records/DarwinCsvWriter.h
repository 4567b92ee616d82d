#pragma once
// The Darwin Core CSV record writer: one comma-separated line per record in
// ProgramFolder/OutputFileName, below a header of the enabled columns' names.
#include <string>

namespace quorl {

class Session;

// Writes the main window's record; true when it was written.
bool AddDarwinCSV(Session& s);

// The coordinate as written on the label: "34d 12m 30s N" from the latitude (longitude) boxes.
std::string VerbatimLatitude(const Session& s);
std::string VerbatimLongitude(const Session& s);

// Today's local date as yyyy_mm_dd.
std::string ExportDateStamp();

}  // namespace quorl
