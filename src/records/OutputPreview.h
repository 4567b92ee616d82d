#pragma once
// The output preview: the current record file read as a table, and the re-edit of one record,
// which takes it out of the file and puts its values back into the main window's fields.
#include <cstddef>
#include <string>

#include "records/RecordFileTable.h"

namespace quorl {

class Session;

// What the preview shows, with the bytes it was read from.
struct OutputPreview {
    std::string fileName;  // OutputFileName when read
    int outputType = 0;    // 0 tab-separated, 1 Darwin Core XML, 2 Darwin Core CSV
    std::string bytes;
    std::string text;  // what the table was read from (DecodedRecordFile); its rows' offsets index it
    RecordFileTable table;
};

// Reads ProgramFolder/OutputFileName for the current output type. False, after "Unable to open
// file " and the name (missing or empty file) or the name and " seems too small." (fewer than 25
// bytes), when there is nothing to show.
bool LoadOutputPreview(Session& s, OutputPreview& preview);

// Reads preview.table from preview.text, by preview.outputType.
void ReadPreviewTable(OutputPreview& preview);

// Whether the row is a record that fits the current output format, so that it can be put back.
bool RecordFits(const Session& s, const OutputPreview& preview, size_t row);

// Puts the record of row back into the fields, as a re-edit does, without touching any file. False,
// with no message, when the row is no record that fits the current output format.
bool PutRecordBack(Session& s, const OutputPreview& preview, size_t row);

enum class ReEditResult {
    Done,       // the record is in the fields and no longer in the file
    Cancelled,  // the user said no; nothing changed
    Refused,    // the record cannot be re-edited (a message said why); nothing changed
    Stale,      // the file or the output format changed since it was read (a message said so)
    NotWritten, // the file, or a copy of the record (RecordTakenOutCopy.h, the log), could not be
                // written (a message said why); the record is still in the file
};

// Re-edits the record of row (an index into preview.table.rows) after the user agrees: checks that
// the output format is the one the preview was read for and the file still holds the same bytes,
// fills the fields from the record's values by the output columns, and replaces the file by one
// without that record (through a temporary file and a rename); every other byte stays. The record
// is written to its copy in the user folder and to the log first, and stays in the file when
// either cannot take it; the fields are filled only once the file no longer holds it, and the
// Session then remembers that they hold a record taken out. A record taken out earlier and still
// in the fields is offered back first; the copy of one that this session does not hold refuses the
// re-edit before the question. For XML the whole label element holding the row's line is taken
// out and its child elements fill the fields by their names.
ReEditResult ReEditRecord(Session& s, const OutputPreview& preview, size_t row);

}  // namespace quorl
