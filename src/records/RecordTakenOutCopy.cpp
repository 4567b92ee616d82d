#include "records/RecordTakenOutCopy.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "base/Encoding.h"
#include "base/FileBytes.h"
#include "base/FileLock.h"
#include "base/Text.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/OutputPreview.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyName = "RecordTakenOut.txt";
constexpr int kXmlOutput = 1;

// The length and a 64-bit FNV-1a hash of a file's bytes: enough to tell whether a record file is
// still the one a copy was made for.
std::string Fingerprint(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    return std::to_string(bytes.size()) + " " + std::to_string(hash);
}

// The copy's head ("key<TAB>value" lines up to an empty line) and the record below it: a record file
// of one record, in UTF-8, with the header line of a delimited file or the label element of an XML file.
struct RecordCopy {
    std::string recordFile, before, after, body;
    int outputType = -1;
};

RecordCopy ReadCopy(const std::string& text) {
    RecordCopy c;
    const size_t split = text.find("\r\n\r\n");
    if (split == std::string::npos) return c;
    for (const std::string& line : SplitLines(std::string_view(text).substr(0, split))) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "RecordFile") c.recordFile = value;
        else if (key == "OutputType") c.outputType = TryStrToInt(value).value_or(-1);
        else if (key == "Before") c.before = value;
        else if (key == "After") c.after = value;
    }
    c.body = text.substr(split + 4);
    return c;
}

std::unique_ptr<FileLock> LockCopy(const fs::path& path) {
    return std::make_unique<FileLock>(path, std::chrono::milliseconds(0));
}

void RemoveCopy(Session& s, const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) WriteToLog(s, "Unable to remove " + path.string() + " (" + ec.message() + ")");
}

}  // namespace

bool KeepRecordTakenOutCopy(Session& s, const OutputPreview& p, size_t begin, size_t end, const std::string& after) {
    const fs::path path = s.UserFile(kCopyName);
    std::unique_ptr<FileLock> lock = LockCopy(path);
    std::error_code ec;
    if (lock->busy() || fs::exists(path, ec)) {
        s.dialogs.ShowMessage("A record taken out earlier to be edited again has not been added back yet; it is kept in " +
                              path.string() + ". Nothing was taken out of " + p.fileName + ".");
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
    if (s.RecordTakenOutCopyLock || !fs::exists(path, ec)) return;
    std::unique_ptr<FileLock> lock = LockCopy(path);
    if (lock->busy()) {
        WriteToLog(s, "A record taken out by another running copy of Quorl is kept in " + path.string());
        return;
    }
    std::string bytes, now;
    ReadFileBytes(path, bytes);
    const RecordCopy c = ReadCopy(bytes);
    const std::string file = c.recordFile.empty() ? "its record file" : c.recordFile;
    const bool read = !c.recordFile.empty() && ReadFileBytes(s.ProgramFile(c.recordFile), now);
    std::string message;
    if (read && !c.before.empty() && Fingerprint(now) == c.before) {
        // Ended before the file was replaced: the record never left it.
        RemoveCopy(s, path);
        message = "Quorl ended while it took a record out of " + file +
                  " to be edited again. The record is still in " + file + ".";
    } else {
        message = "Quorl ended before the record taken out of " + file + " to be edited again was added back. ";
        OutputPreview p;
        p.fileName = c.recordFile;
        p.outputType = c.outputType;
        p.bytes = p.text = c.body;
        ReadPreviewTable(p);
        if (!intoFields) {
            message += "It is kept in " + path.string() + ", and put back into the fields when Quorl starts next.";
        } else if (c.recordFile != s.OutputFileName || c.outputType != s.OutputType || !PutRecordBack(s, p, 0)) {
            message += "It does not fit the current output format, so it was not put back into the fields. It is kept in " +
                       path.string() + ".";
        } else {
            s.RecordTakenOutOf = c.recordFile;
            s.RecordTakenOutCopy = path;
            s.RecordTakenOutCopyLock = std::move(lock);
            message += "It is in the fields again: add it to write it back. Until then a copy is kept in " +
                       path.string() + ".";
            if (!read || Fingerprint(now) != c.after)
                message += " " + file + " has changed since the record was taken out; it may hold the record already.";
        }
    }
    WriteToLog(s, message);
    s.dialogs.ShowMessage(message);
}

}  // namespace quorl
