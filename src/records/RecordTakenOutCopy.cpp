#include "records/RecordTakenOutCopy.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/Encoding.h"
#include "base/FileBytes.h"
#include "base/FileLock.h"
#include "base/Text.h"
#include "model/KeptRecordFiles.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/OutputPreview.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyName = "RecordTakenOut.txt";
// A copy the start cannot put back is set aside as RecordTakenOut-1.txt, -2, ...: the first name free.
constexpr const char* kKeptStem = "RecordTakenOut-";
constexpr const char* kKeptExtension = ".txt";
constexpr int kXmlOutput = 1;

// The length and a 64-bit FNV-1a hash of a file's bytes (given in one or two parts): enough to
// tell whether a record file is still the one a copy was made for.
std::string Fingerprint(std::string_view bytes, std::string_view more = {}) {
    uint64_t hash = 14695981039346656037ull;
    for (std::string_view part : {bytes, more})
        for (unsigned char c : part) hash = (hash ^ c) * 1099511628211ull;
    return std::to_string(bytes.size() + more.size()) + " " + std::to_string(hash);
}

// The copy's head ("key<TAB>value" lines up to an empty line) and the record below it, read as a
// record file of one record, in UTF-8, with the header line of a delimited file or the label
// element of an XML file. Added is what an add that writes the record back makes of the file.
struct RecordCopy {
    std::string before, after, added;
    OutputPreview record;
};

// nullopt when the text is no copy of a record: no head, no record file or output type named, or
// no record below.
std::optional<RecordCopy> ReadCopy(const std::string& text) {
    const size_t split = text.find("\r\n\r\n");
    if (split == std::string::npos) return std::nullopt;
    RecordCopy c;
    c.record.outputType = -1;
    for (const std::string& line : SplitLines(std::string_view(text).substr(0, split))) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "RecordFile") c.record.fileName = value;
        else if (key == "OutputType") c.record.outputType = TryStrToInt(value).value_or(-1);
        else if (key == "Before") c.before = value;
        else if (key == "After") c.after = value;
        else if (key == "Added") c.added = value;
    }
    c.record.bytes = c.record.text = text.substr(split + 4);
    if (c.record.fileName.empty() || c.record.outputType < 0 || c.record.outputType > 2) return std::nullopt;
    ReadPreviewTable(c.record);
    if (c.record.table.rows.empty()) return std::nullopt;
    return c;
}

// Nothing but a byte-order mark, blanks, line ends or other control characters.
bool HoldsNothing(std::string_view bytes) {
    for (std::string_view mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
        if (bytes.substr(0, mark.size()) == mark) {
            bytes.remove_prefix(mark.size());
            break;
        }
    for (unsigned char c : bytes)
        if (c > ' ') return false;
    return true;
}

std::unique_ptr<FileLock> LockCopy(const fs::path& path) {
    return std::make_unique<FileLock>(path, std::chrono::milliseconds(0));
}

void RemoveCopy(Session& s, const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) WriteToLog(s, "Unable to remove " + path.string() + " (" + ec.message() + ")");
}

// Renames a copy the start cannot put back to a name of its own, so that it holds up no later
// take-out; what the user is told of where it is.
std::string SetCopyAside(const fs::path& path) {
    const MovedFile kept = MoveToFreeName(path, kKeptStem, kKeptExtension);
    if (kept.result) return "It is kept in " + kept.to.string() + ".";
    return "It is kept in " + path.string() + ", as it could not be given a name of its own (" + kept.result.Reason() +
           "); until it is moved no record can be taken out to be edited again.";
}

void TellCopyWaits(Session& s, const fs::path& path, const std::string& fileName) {
    s.dialogs.ShowMessage("A record taken out earlier to be edited again has not been added back yet; it is kept in " +
                          path.string() + ". Nothing was taken out of " + fileName + ".");
}

// What the start does with a copy that holds a record, and what it tells the user.
std::string OfferRecord(Session& s, const fs::path& path, const RecordCopy& c, bool intoFields,
                        std::unique_ptr<FileLock>& lock) {
    const std::string& file = c.record.fileName;
    std::string now;
    // Empty when the record file cannot be read: it then matches none of the noted states.
    const std::string print = ReadFileBytes(s.ProgramFile(file), now) ? Fingerprint(now) : std::string();
    if (!print.empty() && print == c.before) {
        // Ended before the file was replaced: the record never left it.
        RemoveCopy(s, path);
        return "Quorl ended while it took a record out of " + file + " to be edited again. The record is still in " +
               file + ".";
    }
    if (!print.empty() && print == c.added) {
        // Ended after the record was written back, before its copy went.
        RemoveCopy(s, path);
        return "Quorl ended while it added back the record taken out of " + file +
               " to be edited again. The record is in " + file + " already.";
    }
    std::string message = "Quorl ended before the record taken out of " + file + " to be edited again was added back. ";
    if (file != s.OutputFileName || c.record.outputType != s.OutputType || !RecordFits(s, c.record, 0))
        return message + "It does not fit the current output format, so it was not put back into the fields. " +
               SetCopyAside(path);
    if (!intoFields)
        return message + "It is kept in " + path.string() + ", and put back into the fields when Quorl starts next.";
    PutRecordBack(s, c.record, 0);
    s.RecordTakenOutOf = file;
    s.RecordTakenOutCopy = path;
    s.RecordTakenOutCopyLock = std::move(lock);
    message += "It is in the fields again: add it to write it back. Until then a copy is kept in " + path.string() + ".";
    if (print.empty() || print != c.after)
        message += " " + file + " has changed since the record was taken out; it may hold the record already.";
    return message;
}

}  // namespace

bool MayTakeRecordOut(Session& s, const std::string& fileName) {
    const fs::path path = s.UserFile(kCopyName);
    std::error_code ec;
    if (s.RecordTakenOutCopyLock || !fs::exists(path, ec)) return true;
    TellCopyWaits(s, path, fileName);
    return false;
}

void NoteRecordFileAfterAdd(Session& s, std::string_view kept, std::string_view added) {
    if (!s.RecordTakenOutCopyLock || s.RecordTakenOutOf != s.OutputFileName) return;
    std::string copy;
    const size_t split = ReadFileBytes(s.RecordTakenOutCopy, copy) ? copy.find("\r\n\r\n") : std::string::npos;
    WriteResult written{WriteFailure::Open, EINVAL};
    if (split != std::string::npos) {
        // The line of an earlier add that failed, the last of the head, goes.
        const size_t earlier = std::min(split, copy.find("\r\nAdded\t"));
        written = ReplaceFileAtomically(s.RecordTakenOutCopy, copy.substr(0, earlier) + "\r\nAdded\t" +
                                                                  Fingerprint(kept, added) + copy.substr(split));
    }
    if (!written)
        WriteToLog(s, "Unable to note the add in " + s.RecordTakenOutCopy.string() + " (" + written.Reason() + ")");
}

bool KeepRecordTakenOutCopy(Session& s, const OutputPreview& p, size_t begin, size_t end, const std::string& after) {
    const fs::path path = s.UserFile(kCopyName);
    std::unique_ptr<FileLock> lock = LockCopy(path);
    std::error_code ec;
    if (lock->busy() || fs::exists(path, ec)) {
        TellCopyWaits(s, path, p.fileName);
        return false;
    }
    // As UTF-8 whatever the record file's encoding, read as the preview reads the whole file.
    const bool utf8 = IsUtf8Text(p.text);
    const auto text = [&](std::string_view part) { return utf8 ? Utf8WithStrayBytesToUtf8(part) : Cp1252ToUtf8(part); };
    const std::string header =
        p.outputType == kXmlOutput || p.table.rows.empty() ? "" : p.text.substr(0, p.table.rows[0].begin);
    const std::string copy = "RecordFile\t" + p.fileName + "\r\nOutputType\t" + IntToStr(p.outputType) +
                             "\r\nBefore\t" + Fingerprint(p.bytes) + "\r\nAfter\t" + Fingerprint(after) + "\r\n\r\n" +
                             text(header) + text(std::string_view(p.text).substr(begin, end - begin));
    const WriteResult written = ReplaceFileAtomically(path, copy);
    if (!written) {
        s.dialogs.ShowMessage("Unable to write " + path.string() + " (" + written.Reason() +
                              "), which keeps a copy of the record while it is edited again. The record was left in " +
                              p.fileName + ".");
        return false;
    }
    s.RecordTakenOutCopy = path;
    s.RecordTakenOutCopyLock = std::move(lock);
    return true;
}

void DropRecordTakenOutCopy(Session& s) {
    if (!s.RecordTakenOutCopyLock) return;
    RemoveCopy(s, s.RecordTakenOutCopy);
    s.RecordTakenOutCopy.clear();
    s.RecordTakenOutCopyLock.reset();
}

void OfferRecordTakenOutCopy(Session& s, bool intoFields) {
    const fs::path path = s.UserFile(kCopyName);
    std::error_code ec;
    // A record file of that name is no copy: the start has told about it.
    if (s.RecordTakenOutCopyLock || !fs::exists(path, ec) || NamedAsRecordFile(s, path)) return;
    std::unique_ptr<FileLock> lock = LockCopy(path);
    if (lock->busy()) {
        WriteToLog(s, "A record taken out by another running copy of Quorl is kept in " + path.string());
        return;
    }
    std::string bytes, message;
    std::optional<RecordCopy> copy;
    if (!ReadFileBytes(path, bytes)) {
        message = "Unable to read " + path.string() + ", which keeps a record taken out to be edited again. " +
                  SetCopyAside(path);
    } else if (HoldsNothing(bytes)) {
        RemoveCopy(s, path);
        message = path.string() + " held no record taken out to be edited again, only blanks, and was removed.";
    } else if (copy = ReadCopy(bytes); !copy) {
        message = path.string() + " cannot be read as a record taken out to be edited again. " + SetCopyAside(path);
    } else {
        message = OfferRecord(s, path, *copy, intoFields, lock);
    }
    WriteToLog(s, message);
    s.dialogs.ShowMessage(message);
}

}  // namespace quorl
