#pragma once
// A record file read as a table for the output preview: the column names, and one row per record
// with its values and the byte range it takes in the file, so that one record can be taken out
// while every other byte of the file stays as it was.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

struct RecordFileRow {
    std::vector<std::string> values;  // inner text, quotes taken off
    size_t begin = 0;                 // first byte of the record in the file
    size_t end = 0;                   // one past its line end (or the end of the file)
};

struct RecordFileTable {
    std::vector<std::string> columns;
    std::vector<RecordFileRow> rows;
};

// Reads a tab-separated (separator TAB) or CSV (separator ",") record file whose first record is
// the header. A value that starts with a double quote runs to the closing quote, a doubled quote
// inside it stands for one quote, and separators and line breaks inside it belong to the value.
// Records end at CR LF, CR or LF outside quotes; empty lines are no records. An empty last column
// of the header (a header line ending in its separator) is dropped.
RecordFileTable ReadDelimitedTable(std::string_view bytes, char separator);

// Reads a file line by line (the Darwin Core XML record file): one column titled with the first
// line, then one row per further non-empty line, holding that line.
RecordFileTable ReadLineTable(std::string_view bytes);

// The file without the bytes from begin to end.
std::string WithoutRange(std::string_view bytes, size_t begin, size_t end);

// The text a record file is read as a table from: a UTF-16 file (a spreadsheet's "Unicode text")
// as UTF-8 without its byte-order mark; any other file as its bytes, whose values the table
// decodes (UTF-8, or Windows-1252 for an older single-byte file).
std::string DecodedRecordFile(std::string_view bytes);

// The file without the part that holds text[begin, end), text being DecodedRecordFile(bytes): the
// same bytes in the file's own encoding, so a UTF-16 file keeps its byte-order mark, its byte
// order and every other code unit as it was.
std::string WithoutTextRange(std::string_view bytes, std::string_view text, size_t begin, size_t end);

}  // namespace quorl
