#include "records/OutputPreview.h"

#include <cerrno>
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
#include "records/RecordTakenOut.h"
#include "records/RecordTakenOutCopy.h"
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
std::optional<RecordToPutBack> DelimitedRecord(const Session& s, const OutputPreview& p, const RecordFileRow& row,
                                               std::string& refusal) {
    const std::vector<OutputFormatClass> columns = EnabledColumns(s);
    bool same = columns.size() == p.table.columns.size();
    for (size_t i = 0; same && i < columns.size(); ++i) same = columns[i].DatabaseName == p.table.columns[i];
    if (!same) {
        refusal = "The columns of " + p.fileName +
                  " are not those of the current output format, so this record cannot be put back "
                  "into the fields. The file was left unchanged.";
        return std::nullopt;
    }
    RecordToPutBack r{row.begin, row.end, {}};
    for (size_t i = 0; i < row.values.size() && i < columns.size(); ++i) r.values.emplace_back(columns[i], row.values[i]);
    return r;
}

// An XML record: the whole label element that holds the row's line; its elements find their
// columns by name.
std::optional<RecordToPutBack> XmlRecord(const Session& s, const OutputPreview& p, const RecordFileRow& row,
                                         std::string& refusal) {
    std::optional<XmlLabelElement> label = FindXmlLabelElement(p.text, row.begin);
    if (!label) {
        refusal = "This line belongs to no label record of " + p.fileName +
                  ". Double-click a line between <label> and </label> to re-edit that record.";
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

// The record goes into the log too, as the file holds it, before it leaves the file; whether or not
// the log is on. False, after telling the user why, when the log cannot take it: the record then
// stays in its file.
bool LogRecordTakenOut(Session& s, const OutputPreview& p, const RecordToPutBack& r) {
    const bool written =
        s.log.Write(s.UserFolder, "Log.txt", {"Record taken out of ", p.fileName, " to be edited again:"}) &&
        s.log.WriteUntimed(s.UserFolder, "Log.txt",
                           SplitLines(DecodeFileBytes(p.text.substr(r.begin, r.end - r.begin))));
    if (written) return true;
    const WriteResult failed{WriteFailure::Write, errno};
    s.dialogs.ShowMessage("Unable to write " + s.UserFile("Log.txt").string() + " (" + failed.Reason() +
                          "), which keeps a copy of the record while it is edited again. The record was left in " +
                          p.fileName + ".");
    return false;
}

// The record of a row, or nullopt with the reason in refusal.
std::optional<RecordToPutBack> RecordOfRow(const Session& s, const OutputPreview& p, size_t row, std::string& refusal) {
    return p.outputType == kXmlOutput ? XmlRecord(s, p, p.table.rows[row], refusal)
                                      : DelimitedRecord(s, p, p.table.rows[row], refusal);
}

// The same, telling the user why a row cannot be re-edited.
std::optional<RecordToPutBack> RecordOfRow(Session& s, const OutputPreview& p, size_t row) {
    std::string refusal;
    std::optional<RecordToPutBack> record = RecordOfRow(std::as_const(s), p, row, refusal);
    if (!record) s.dialogs.ShowMessage(refusal);
    return record;
}

void PutBack(Session& s, const RecordToPutBack& record) {
    StartPutBack(s);
    for (const auto& [column, value] : record.values) PutBackValue(s, column, value);
}

// The same record in a preview read again: same file, format and columns, and the row holds the
// same values.
bool SameRow(const OutputPreview& before, const OutputPreview& now, size_t row) {
    return now.fileName == before.fileName && now.outputType == before.outputType &&
           now.table.columns == before.table.columns && row < now.table.rows.size() &&
           now.table.rows[row].values == before.table.rows[row].values;
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
    preview.text = DecodedRecordFile(preview.bytes);
    ReadPreviewTable(preview);
    return true;
}

void ReadPreviewTable(OutputPreview& preview) {
    if (preview.outputType == kXmlOutput)
        preview.table = ReadLineTable(preview.text);
    else
        preview.table = ReadDelimitedTable(preview.text, preview.outputType == 2 ? ',' : '\t');
}

bool RecordFits(const Session& s, const OutputPreview& preview, size_t row) {
    std::string refusal;
    return row < preview.table.rows.size() && RecordOfRow(s, preview, row, refusal);
}

bool PutRecordBack(Session& s, const OutputPreview& preview, size_t row) {
    std::string refusal;
    std::optional<RecordToPutBack> record;
    if (row < preview.table.rows.size()) record = RecordOfRow(std::as_const(s), preview, row, refusal);
    if (!record) return false;
    PutBack(s, *record);
    return true;
}

ReEditResult ReEditRecord(Session& s, const OutputPreview& preview, size_t row) {
    if (row >= preview.table.rows.size()) return ReEditResult::Refused;
    std::optional<RecordToPutBack> record = RecordOfRow(s, preview, row);
    if (!record || RecordFileRefused(s, s.ProgramFile(preview.fileName), "Nothing was taken out of it.") ||
        !MayTakeRecordOut(s, preview.fileName))
        return ReEditResult::Refused;

    if (s.dialogs.Ask("Remove this line from output, clear QUORL form, and edit this line?", DialogKind::Warning,
                      {DialogButton::Yes, DialogButton::Cancel}) != DialogButton::Yes)
        return ReEditResult::Cancelled;

    // The fields may still hold a record taken out earlier: it is offered back before they are
    // replaced. Added back, it may have grown this very file after the rows shown; the row is then
    // taken out of the file as it is now, when the file still holds the same record in that row.
    const OutputPreview* p = &preview;
    OutputPreview current;
    if (!s.RecordTakenOutOf.empty()) {
        if (!OfferRecordTakenOutBack(s)) return ReEditResult::Cancelled;
        if (ReadFileBytes(s.ProgramFile(preview.fileName), current.bytes) && current.bytes != preview.bytes &&
            LoadOutputPreview(s, current) && SameRow(preview, current, row)) {
            p = &current;
            record = RecordOfRow(s, current, row);
            if (!record) return ReEditResult::Refused;
        }
    }

    // The record is taken out of the bytes the preview shows; a file changed meanwhile (a record
    // added since) would lose that change, and another output format (a switch of user) would put
    // the values into the wrong fields.
    const auto path = s.ProgramFile(p->fileName);
    const std::unique_ptr<FileLock> lock = LockRecordFile(s, path, "Nothing was taken out of it.");
    if (!lock) return ReEditResult::Refused;
    std::string now;
    const bool sameFormat = s.OutputFileName == p->fileName && s.OutputType == p->outputType;
    if (!sameFormat || !ReadFileBytes(path, now) || now != p->bytes) {
        s.dialogs.ShowMessage(p->fileName +
                              " has changed since the preview was read; nothing was taken out of it. "
                              "Open the preview again and choose the record once more.");
        return ReEditResult::Stale;
    }

    // A copy of the record is on the disk before the record leaves the file, so that it outlives
    // this program; it goes again when the record stays in the file after all.
    const std::string after = WithoutTextRange(p->bytes, p->text, record->begin, record->end);
    if (!KeepRecordTakenOutCopy(s, *p, record->begin, record->end, after)) return ReEditResult::NotWritten;
    if (!LogRecordTakenOut(s, *p, *record)) {
        DropRecordTakenOutCopy(s);
        return ReEditResult::NotWritten;
    }
    const WriteResult written = ReplaceFileAtomically(path, after);
    if (!written) {
        DropRecordTakenOutCopy(s);
        ShowWriteFailure(s, path, written);
        return ReEditResult::NotWritten;
    }
    PutBack(s, *record);
    s.RecordTakenOutOf = p->fileName;
    return ReEditResult::Done;
}

}  // namespace quorl
