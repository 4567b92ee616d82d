#include "editors/UserFieldColumns.h"

#include <filesystem>
#include <optional>

#include "base/Text.h"
#include "model/Files.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"
#include "records/DarwinXmlWriter.h"

namespace quorl {

namespace {

struct ColumnKey {
    int field = 0;
    bool whole = true;
    size_t fieldEnd = 0;  // offset in the line where the field number ends
    size_t fieldBegin = 0;
};

// The field key at the start of a column line: a number, or number "." part.
std::optional<ColumnKey> ReadKey(std::string_view line) {
    size_t begin = 0;
    while (begin < line.size() && static_cast<unsigned char>(line[begin]) <= ' ') ++begin;
    size_t end = line.find('\t', begin);
    if (end == std::string_view::npos) end = line.size();
    std::string_view key = line.substr(begin, end - begin);
    ColumnKey k;
    size_t dot = key.find('.');
    k.whole = dot == std::string_view::npos;
    std::string_view number = key.substr(0, dot);
    while (!number.empty() && static_cast<unsigned char>(number.back()) <= ' ') number.remove_suffix(1);
    std::optional<int> field = TryStrToInt(number);
    if (!field || number.empty() || !IsDigit(static_cast<unsigned char>(number[0]))) return std::nullopt;
    k.field = *field;
    k.fieldBegin = begin;
    k.fieldEnd = begin + number.size();
    return k;
}

// Calls f(line, lineEnd) for every line after the first, lineEnd being its CR LF, LF, CR or "".
template <class F>
void ForEachColumnLine(std::string_view text, std::string& out, F&& f) {
    size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        size_t eol = text.find_first_of("\r\n", pos);
        size_t next = eol == std::string_view::npos ? text.size() : eol + 1;
        if (eol != std::string_view::npos && text[eol] == '\r' && next < text.size() && text[next] == '\n') ++next;
        std::string_view line = text.substr(pos, (eol == std::string_view::npos ? text.size() : eol) - pos);
        std::string_view end = text.substr(pos + line.size(), next - pos - line.size());
        if (first)
            out.append(line).append(end);
        else
            f(line, end);
        first = false;
        pos = next;
    }
}

}  // namespace

std::string RenumberUserFieldColumns(std::string_view text, const std::vector<int>& renumber) {
    std::string out;
    out.reserve(text.size());
    ForEachColumnLine(text, out, [&](std::string_view line, std::string_view end) {
        std::optional<ColumnKey> key = ReadKey(line);
        if (!key || key->field < kBuiltInFields || key->field >= static_cast<int>(renumber.size())) {
            out.append(line).append(end);
            return;
        }
        int to = renumber[key->field];
        if (to < 0) return;
        out.append(line.substr(0, key->fieldBegin)).append(IntToStr(to)).append(line.substr(key->fieldEnd)).append(end);
    });
    return out;
}

bool HasWholeFieldColumn(std::string_view text, int field) {
    bool found = false;
    std::string ignored;
    ForEachColumnLine(text, ignored, [&](std::string_view line, std::string_view) {
        std::optional<ColumnKey> key = ReadKey(line);
        if (key && key->whole && key->field == field) found = true;
    });
    return found;
}

std::string AddUserFieldColumns(std::string text, const std::vector<LabelFieldClass>& fields, bool xmlNames) {
    for (size_t n = kBuiltInFields; n < fields.size(); ++n) {
        if (HasWholeFieldColumn(text, static_cast<int>(n))) continue;
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
        const std::string& name = fields[n].Name;
        const std::string databaseName = xmlNames ? XmlElementNameFor(name, static_cast<int>(n)) : name;
        text += IntToStr(static_cast<long long>(n)) + "\t1\t" + name + "\t" + databaseName + "\r\n";
    }
    return text;
}

std::vector<FileReplacement> UserFieldColumnFiles(Session& s, const std::vector<int>& renumber,
                                                 const std::vector<LabelFieldClass>& fields) {
    std::vector<FileReplacement> files;
    for (int type : {0, 1, 2}) {
        const std::filesystem::path path = s.UserFile(OutputFormatFileName(type));
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) continue;
        const std::string text = LoadFileToString(s, path, true);
        std::string updated = RenumberUserFieldColumns(text, renumber);
        // The Darwin Core CSV format names its columns by Darwin Core terms: user fields are added
        // there by the user, not here.
        if (type != 2) updated = AddUserFieldColumns(std::move(updated), fields, type == 1);
        if (updated != text) files.push_back({path, std::move(updated)});
    }
    return files;
}

}  // namespace quorl
