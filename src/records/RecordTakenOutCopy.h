#pragma once
// The copy on disk of a record taken out of its record file to be edited again: RecordTakenOut.txt
// in the user folder. It is written before the record leaves its file and removed once the record
// is written again or given up, so that a program that ends in between (killed, crashed, logged
// out) loses nothing: the next start finds the copy and puts the record back into the fields.
// While a session holds the copy it keeps a lock on it, so that another copy of the program
// working in the same folder leaves it alone.
#include <cstddef>
#include <string>
#include <string_view>

namespace quorl {

class Session;
struct OutputPreview;

// False, after telling the user why, when a copy that this session does not hold waits in the user
// folder (one kept for the next start, or held by another running copy of the program): nothing
// may be taken out of fileName then. A copy the session holds is offered back by the take-out.
bool MayTakeRecordOut(Session& s, const std::string& fileName);

// Writes the copy of the record p.text[begin, end) (with the file's header line, as UTF-8), and
// what the record file holds before and after the take-out (after: its new bytes). False, after
// telling the user why, when the copy cannot be written or a copy not yet added back is there
// already: nothing may be taken out then.
bool KeepRecordTakenOutCopy(Session& s, const OutputPreview& p, size_t begin, size_t end, const std::string& after);

// An add is about to make the record file kept + added. When it is the file the fields' record was
// taken out of, the copy notes what the file will then hold, so that a start after a program that
// ended before the copy went finds the record in its file. The add goes on when the note cannot be
// written (the log says so).
void NoteRecordFileAfterAdd(Session& s, std::string_view kept, std::string_view added);

// The record the session took out is written again or given up: its copy goes. A copy the session
// does not hold (another program's, or one the start did not take up) stays.
void DropRecordTakenOutCopy(Session& s);

// A copy left by a program that ended before its record was added back. When the record file is
// still the one the record was taken out of, the take-out never happened; when it is the file an
// add noted, the record was written back: either way the copy goes and the user is told that the
// record is in its file. Otherwise, with intoFields (at start), the record is put back into the
// fields as the re-edit put it there and the session holds the copy again; the user is told, and
// told also when the file has changed since. Without intoFields (a switch to the user, whose fields
// may hold other work) the message says where the copy waits for the next start. A copy whose
// record does not fit the current output format, that cannot be read or that is no copy of a
// record is renamed RecordTakenOut-1.txt (or -2, ..., the first name free) and the message names
// it, so that it holds up no later take-out; one that holds only blanks is removed. A copy held by
// a running program is left alone.
void OfferRecordTakenOutCopy(Session& s, bool intoFields);

}  // namespace quorl
