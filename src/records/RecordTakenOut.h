#pragma once
// A record taken out of its record file to be edited again lives in the main window's fields (and
// its copy on disk, RecordTakenOutCopy.h) until it is added again. Commands that would end the
// program or replace the fields offer to add it back first.
namespace quorl {

class Session;

// True when the command may go on: no record taken out waits in the fields, or the user let it be
// added back (through the add button's own checks) and it was written, or chose to lose it (and was
// told so; its copy goes too). False when the user cancels or the record could not be added back:
// the command stops and the fields keep the record.
bool OfferRecordTakenOutBack(Session& s);

}  // namespace quorl
