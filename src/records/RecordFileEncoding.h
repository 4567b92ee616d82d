#pragma once
// A record file holds one encoding: UTF-8, UTF-16 with its byte-order mark (a spreadsheet's
// "Unicode text"), or the single-byte code page (Windows-1252) of a file that an older
// installation wrote. New records are written in the file's own encoding; when a
// record holds a character that the single-byte file cannot store, the user is asked once whether
// to convert the whole file to UTF-8.
#include <string>

namespace quorl {

class Session;

struct RecordFileText {
    std::string existing;       // the file's bytes; its UTF-8 form when convertWhole is set
    std::string added;          // the new text, given as UTF-8, on return in the file's encoding
    bool convertWhole = false;  // the whole file must be rewritten as existing + added
};

// A UTF-16 file holds whole two-byte units: in one of an odd number of bytes (a stray byte) every
// unit added would be read one byte out of step. For such a file the user is told and false is
// returned; nothing may be written then. True for any other file.
bool RecordFileInStep(Session& s, const std::string& fileName, const std::string& bytes);

// Decides how t.added joins t.existing. Returns false when the user declines the conversion:
// nothing may be written then.
bool EncodeForRecordFile(Session& s, const std::string& fileName, RecordFileText& t);

}  // namespace quorl
