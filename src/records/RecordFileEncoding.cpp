#include "records/RecordFileEncoding.h"

#include "base/Encoding.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

bool RecordFileInStep(Session& s, const std::string& fileName, const std::string& bytes) {
    if (!IsUtf16(bytes) || bytes.size() % 2 == 0) return true;
    s.dialogs.ShowMessage("The record file " + fileName +
                          " is UTF-16 text with an odd number of bytes (a stray byte in it), so the record "
                          "cannot be added in step with it. The file was left unchanged.");
    WriteToLog(s, "Record not added: " + fileName + " is UTF-16 text of an odd number of bytes.");
    return false;
}

bool EncodeForRecordFile(Session& s, const std::string& fileName, RecordFileText& t) {
    t.convertWhole = false;
    if (IsUtf16(t.existing)) {  // a spreadsheet's "Unicode text": the record in the same byte order
        t.added = Utf8ToUtf16(t.added, t.existing[0] == '\xFE');
        return true;
    }
    // UTF-8 (a stray byte in it included), empty or plain ASCII: written as it is.
    if (IsUtf8Text(t.existing)) return true;
    if (FitsCp1252(t.added)) {
        t.added = Utf8ToCp1252(t.added);
        return true;
    }
    DialogButton b = s.dialogs.Ask("The record file " + fileName +
                                       " uses an older single-byte encoding that cannot hold every character of "
                                       "this record. Convert the whole file to UTF-8 and add the record?",
                                   DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No});
    if (b != DialogButton::Yes) {
        WriteToLog(s, "Record not added: " + fileName + " was not converted to UTF-8.");
        return false;
    }
    WriteToLog(s, "Record file " + fileName + " converted to UTF-8.");
    t.existing = Cp1252ToUtf8(t.existing);
    t.convertWhole = true;
    return true;
}

}  // namespace quorl
