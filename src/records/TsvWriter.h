#pragma once
// The tab-separated record writer: one line per record in ProgramFolder/OutputFileName, below a
// header of the enabled columns' names.
namespace quorl {

class Session;

// Writes the main window's record; true when it was written. Before writing it may have rewritten
// the collection date box and the six degree/minute/second boxes with their checked values.
bool AddTSV(Session& s);

}  // namespace quorl
