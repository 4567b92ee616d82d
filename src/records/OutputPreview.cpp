#include "records/OutputPreview.h"

#include <optional>
#include <utility>
#include <vector>

#include "base/Encoding.h"
#include "base/FileBytes.h"
#include "base/Text.h"
#include "model/Files.h"
#include "model/Session.h"
#include "records/RecordFileLock.h"
#include "records/RecordPutBack.h"
#include "records/XmlLabelElement.h"

namespace quorl {

namespace {

constexpr int kXmlOutput = 1;
// The XML writer's element for the accession value, written whatever the output columns say.
constexpr const char* kXmlCatalogNumber = "CatalogNumber";

// A record taken apart: the bytes it takes in the file, and each value with its column.
struct RecordToPutBack {
    size_t begin = 0, end = 0;
    std::vector<std::pair<OutputFormatClass, std::string>> values;
};

std::vector<OutputFormatClass> EnabledColumns(const Session& s) {
    std::vector<OutputFormatClass> enabled;
    for (const OutputFormatClass& c : s.OutputColumns)
        if (c.Enabled) enabled.push_back(c);
    return enabled;
}

// A delimited record: the file's columns must be the enabled output columns, in order, or the
// values would land in the wrong fields.
std::optional<RecordToPutBack> DelimitedRecord(Session& s, const OutputPreview& p, const RecordFileRow& row) {
    const std::vector<OutputFormatClass> columns = EnabledColumns(s);
    bool same = columns.size() == p.table.columns.size();
    for (size_t i = 0; same && i < columns.size(); ++i) same = columns[i].DatabaseName == p.table.columns[i];
    if (!same) {
        s.dialogs.ShowMessage("The columns of " + p.fileName +
                              " are not those of the current output format, so this record cannot be put back "
                              "into the fields. The file was left unchanged.");
        return std::nullopt;
    }
    RecordToPutBack r{row.begin, row.end, {}};
    for (size_t i = 0; i < row.values.size() && i < columns.size(); ++i) r.values.emplace_back(columns[i], row.values[i]);
    return r;
}

// An XML record: the whole label element that holds the row's line; its elements find their
// columns by name.
std::optional<RecordToPutBack> XmlRecord(Session& s, const OutputPreview& p, const RecordFileRow& row) {
    std::optional<XmlLabelElement> label = FindXmlLabelElement(p.text, row.begin);
    if (!label) {
        s.dialogs.ShowMessage("This line belongs to no label record of " + p.fileName +
                              ". Double-click a line between <label> and </label> to re-edit that record.");
        return std::nullopt;
    }
    const bool utf8 = IsUtf8Text(p.text);
    RecordToPutBack r{label->begin, label->end, {}};
    for (const auto& [name, text] : label->children) {
        const OutputFormatClass* column = nullptr;
        for (const OutputFormatClass& c : s.OutputColumns)
            if (c.Enabled && c.DatabaseName == name) {
                column = &c;
                break;
            }
        OutputFormatClass catalog;
        if (!column && name == kXmlCatalogNumber) {
            catalog.FieldIndex = fAccession;
            catalog.DatabaseName = name;
            column = &catalog;
        }
        if (column) r.values.emplace_back(*column, DecodeFileBytes(utf8 ? Utf8WithStrayBytesToUtf8(text) : Cp1252ToUtf8(text)));
    }
    return r;
}

// Until the record is added again its only copies are the fields and the log, so it goes into the
// log, as the file holds it, before it leaves the file; whether or not the log is on.
void LogRecordTakenOut(Session& s, const OutputPreview& p, const RecordToPutBack& r) {
    s.log.Write(s.UserFolder, "Log.txt", {"Record taken out of ", p.fileName, " to be edited again:"});
    s.log.WriteUntimed(s.UserFolder, "Log.txt", SplitLines(DecodeFileBytes(p.text.substr(r.begin, r.end - r.begin))));
}

}  // namespace

bool LoadOutputPreview(Session& s, OutputPreview& preview) {
    preview = OutputPreview{};
    preview.fileName = s.OutputFileName;
    preview.outputType = s.OutputType;
    ReadFileBytes(s.ProgramFile(s.OutputFileName), preview.bytes);
    if (preview.bytes.size() < 25) {
        s.dialogs.ShowMessage(preview.bytes.empty() ? "Unable to open file " + s.OutputFileName
                                                    : s.OutputFileName + " seems too small.");
        return false;
    }
    preview.text = RecordFileText(preview.bytes);
    if (preview.outputType == kXmlOutput)
        preview.table = ReadLineTable(preview.text);
    else
        preview.table = ReadDelimitedTable(preview.text, preview.outputType == 2 ? ',' : '\t');
    return true;
}

ReEditResult ReEditRecord(Session& s, const OutputPreview& preview, size_t row) {
    if (row >= preview.table.rows.size()) return ReEditResult::Refused;
    std::optional<RecordToPutBack> record = preview.outputType == kXmlOutput
                                                ? XmlRecord(s, preview, preview.table.rows[row])
                                                : DelimitedRecord(s, preview, preview.table.rows[row]);
    if (!record) return ReEditResult::Refused;

    if (s.dialogs.Ask("Remove this line from output, clear QUORL form, and edit this line?", DialogKind::Warning,
                      {DialogButton::Yes, DialogButton::Cancel}) != DialogButton::Yes)
        return ReEditResult::Cancelled;

    // The record is taken out of the bytes the preview shows; a file changed meanwhile (a record
    // added since) would lose that change, and another output format (a switch of user) would put
    // the values into the wrong fields.
    const auto path = s.ProgramFile(preview.fileName);
    const std::unique_ptr<FileLock> lock = LockRecordFile(s, path, "Nothing was taken out of it.");
    if (!lock) return ReEditResult::Refused;
    std::string now;
    const bool sameFormat = s.OutputFileName == preview.fileName && s.OutputType == preview.outputType;
    if (!sameFormat || !ReadFileBytes(path, now) || now != preview.bytes) {
        s.dialogs.ShowMessage(preview.fileName +
                              " has changed since the preview was read; nothing was taken out of it. "
                              "Open the preview again and choose the record once more.");
        return ReEditResult::Stale;
    }

    LogRecordTakenOut(s, preview, *record);
    const WriteResult written =
        ReplaceFileAtomically(path, WithoutTextRange(preview.bytes, preview.text, record->begin, record->end));
    if (!written) {
        ShowWriteFailure(s, path, written);
        return ReEditResult::NotWritten;
    }
    StartPutBack(s);
    for (const auto& [column, value] : record->values) PutBackValue(s, column, value);
    return ReEditResult::Done;
}

}  // namespace quorl
