#include "records/RecordFileTable.h"

#include <algorithm>

#include "base/Encoding.h"

namespace quorl {

namespace {

// Turns the file's bytes into inner text; the file's encoding is decided once for the whole file,
// so that a value of a Windows-1252 file is never taken for UTF-8 by chance.
class ValueDecoder {
public:
    explicit ValueDecoder(std::string_view bytes) : utf8_(IsUtf8Text(bytes)) {}
    std::string operator()(std::string_view value) const {
        return DecodeFileBytes(utf8_ ? Utf8WithStrayBytesToUtf8(value) : Cp1252ToUtf8(value));
    }

private:
    bool utf8_;
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Moves pos past the line end at pos (CR LF, CR or LF), if there is one.
size_t SkipLineEnd(std::string_view bytes, size_t pos) {
    if (pos < bytes.size() && bytes[pos] == '\r') {
        ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    } else if (pos < bytes.size() && bytes[pos] == '\n') {
        ++pos;
    }
    return pos;
}

// Reads the record that starts at pos; pos ends past its line end.
std::vector<std::string> ReadRecord(std::string_view bytes, size_t& pos, char separator, const ValueDecoder& decode) {
    std::vector<std::string> values;
    const size_t n = bytes.size();
    while (true) {
        std::string raw;
        if (pos < n && bytes[pos] == '"') {
            ++pos;
            while (pos < n) {
                if (bytes[pos] != '"') {
                    raw += bytes[pos++];
                } else if (pos + 1 < n && bytes[pos + 1] == '"') {
                    raw += '"';
                    pos += 2;
                } else {
                    ++pos;
                    break;
                }
            }
        }
        // Unquoted text, or text after a closing quote, runs to the separator or the line end.
        while (pos < n && bytes[pos] != separator && !IsLineEnd(bytes[pos])) raw += bytes[pos++];
        values.push_back(decode(raw));
        if (pos < n && bytes[pos] == separator) {
            ++pos;
            continue;
        }
        pos = SkipLineEnd(bytes, pos);
        return values;
    }
}

}  // namespace

RecordFileTable ReadDelimitedTable(std::string_view bytes, char separator) {
    RecordFileTable table;
    const ValueDecoder decode(bytes);
    size_t pos = 0;
    bool header = true;
    while (pos < bytes.size()) {
        if (IsLineEnd(bytes[pos])) {
            pos = SkipLineEnd(bytes, pos);
            continue;
        }
        RecordFileRow row;
        row.begin = pos;
        row.values = ReadRecord(bytes, pos, separator, decode);
        row.end = pos;
        if (header) {
            table.columns = std::move(row.values);
            if (table.columns.size() > 1 && table.columns.back().empty()) table.columns.pop_back();
            header = false;
        } else {
            table.rows.push_back(std::move(row));
        }
    }
    return table;
}

RecordFileTable ReadLineTable(std::string_view bytes) {
    RecordFileTable table;
    const ValueDecoder decode(bytes);
    size_t pos = 0;
    bool header = true;
    while (pos < bytes.size()) {
        const size_t begin = pos;
        while (pos < bytes.size() && !IsLineEnd(bytes[pos])) ++pos;
        std::string_view line = bytes.substr(begin, pos - begin);
        pos = SkipLineEnd(bytes, pos);
        if (header) {
            table.columns.push_back(decode(line));
            header = false;
        } else if (!line.empty()) {
            table.rows.push_back(RecordFileRow{{decode(line)}, begin, pos});
        }
    }
    return table;
}

std::string WithoutRange(std::string_view bytes, size_t begin, size_t end) {
    end = std::min(end, bytes.size());
    begin = std::min(begin, end);
    std::string out(bytes.substr(0, begin));
    out += bytes.substr(end);
    return out;
}

std::string DecodedRecordFile(std::string_view bytes) {
    return IsUtf16(bytes) ? DecodeFileBytes(bytes) : std::string(bytes);
}

std::string WithoutTextRange(std::string_view bytes, std::string_view text, size_t begin, size_t end) {
    if (!IsUtf16(bytes)) return WithoutRange(bytes, begin, end);
    // Every character of the UTF-8 text came from one UTF-16 code unit, or from a surrogate pair
    // when it lies beyond U+FFFF (an unpaired surrogate was read as U+FFFD, still one unit), so
    // counting units gives the byte offset after the two-byte mark.
    auto byteOffset = [text](size_t pos) {
        size_t units = 0;
        for (size_t i = 0; i < pos && i < text.size();) {
            char32_t cp;
            i += NextCodePoint(text, i, cp);
            units += cp >= 0x10000 ? 2 : 1;
        }
        return 2 + 2 * units;
    };
    return WithoutRange(bytes, byteOffset(begin), byteOffset(end));
}

}  // namespace quorl
