#include "records/DelimitedRecord.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/Encoding.h"
#include "base/Excerpt.h"
#include "base/Text.h"
#include "model/Files.h"
#include "model/Session.h"
#include "records/RecordFileEncoding.h"
#include "records/RecordFileLock.h"
#include "records/RecordFileTable.h"
#include "records/RecordTakenOutCopy.h"

namespace quorl {

namespace fs = std::filesystem;

DelimitedRecord BuildDelimitedRecord(const std::vector<OutputFormatClass>& columns, char separator,
                                     const std::string& quoteIfHolds,
                                     const std::function<std::string(const OutputFormatClass&)>& valueOf) {
    DelimitedRecord r;
    for (size_t i = 0; i < columns.size(); ++i) {
        // A copy: valueOf may show an input box, and the column list must not be held across it.
        const OutputFormatClass c = columns[i];
        if (!c.Enabled) continue;
        // A heading that holds a separator, a quote or a line break is quoted, its quotes doubled,
        // so that it stays one heading when the file is read.
        if (c.DatabaseName.find_first_of(quoteIfHolds) != std::string::npos)
            r.header += "\"" + ReplaceAll(c.DatabaseName, "\"", "\"\"") + "\"";
        else
            r.header += c.DatabaseName;
        r.header += separator;
        std::string value = valueOf(c);
        bool quote = !c.Numeric || value.find_first_of(quoteIfHolds) != std::string::npos;
        if (quote) value = "\"" + ReplaceAll(value, "\"", "'") + "\"";
        r.line += value;
        if (i + 1 < columns.size()) r.line += separator;
    }
    r.line = ReplaceAll(r.line, "'", "`");
    return r;
}

bool AppendDelimitedRecord(Session& s, const std::string& header, const std::string& line, char separator) {
    if (header.empty()) {
        s.dialogs.ShowMessage("No column of the output format is enabled: nothing was written to " +
                              s.OutputFileName + ".");
        return false;
    }
    fs::path path = s.ProgramFile(s.OutputFileName);
    std::string shownPath = path.string();
    // Held from the read to the write: another copy adding at the same time waits.
    const std::unique_ptr<FileLock> lock = LockRecordFile(s, path, "The record was not added.");
    if (!lock) return false;
    std::error_code ec;
    std::string bytes;
    bool exists = fs::exists(path, ec);
    if (exists && !ReadFileBytes(path, bytes)) {
        s.dialogs.ShowMessage("Unable to open file: " + shownPath);
        return false;
    }
    if (!RecordFileInStep(s, s.OutputFileName, bytes)) return false;
    std::string text;
    if (!exists || bytes.empty()) {
        text = header + "\r\n" + line + "\r\n";
        NoteRecordFileAfterAdd(s, bytes, text);
    } else {
        // The checks read the file's text; the record is then added in the file's own encoding.
        const std::string decoded = DecodeFileBytes(bytes);
        std::string_view rest(decoded);
        size_t start = 0;
        while (start < rest.size() && static_cast<unsigned char>(rest[start]) <= ' ') ++start;
        rest.remove_prefix(start);
        std::string_view first = rest.substr(0, rest.find("\r\n"));
        // A file whose header reads as the same headings (one written before its quoted heading
        // was quoted) is of the same format.
        if (Trim(header) != Trim(first) &&
            ReadDelimitedTable(header, separator).columns != ReadDelimitedTable(first, separator).columns) {
            DialogButton b = s.dialogs.Ask("Data format in existing file " + Excerpt(s.OutputFileName) + " is different!",
                                           DialogKind::Warning, {DialogButton::Ignore, DialogButton::Cancel});
            if (b != DialogButton::Ignore) return false;
        }
        if (!decoded.empty() && decoded.back() == '\r') {
            text = "\n";
        } else if (!decoded.empty() && decoded.back() != '\n') {
            text = "\r\n";
        }
        text += line + "\r\n";
        RecordFileText t{std::move(bytes), std::move(text)};
        if (!EncodeForRecordFile(s, s.OutputFileName, t)) return false;
        NoteRecordFileAfterAdd(s, t.existing, t.added);
        if (t.convertWhole) {
            const WriteResult converted = ReplaceFileAtomically(path, t.existing + t.added);
            ShowWriteFailure(s, path, converted);
            return converted.ok();
        }
        text = std::move(t.added);
    }
    return WriteStringToFile(s, text, path, false);
}

}  // namespace quorl
