#include "model/FieldDefinitionsFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "base/Encoding.h"
#include "base/Letters.h"
#include "base/NumberRange.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/FieldColumnAgreement.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"

namespace quorl {

namespace {

// Whether the text ends in a letter.
bool EndsInLetter(std::string_view t) {
    if (t.empty()) return false;
    char32_t cp;
    NextCodePoint(t, CharsBack(t, t.size(), 1), cp);
    return IsLetterCode(cp);
}

LabelFieldClass ReadRecord(std::string_view line) {
    LabelFieldClass r;
    r.Reset();
    TokenCursor cols(line);
    r.Name = cols.NextString("\t", false);
    r.Preserve = cols.Next("\t", false) == "1";
    r.WarnIfEmpty = cols.Next("\t", false) == "1";
    r.Default = cols.NextString("\t", false);
    r.Minimum = ClampFieldLineLimit(TryStrToInt(cols.Next("\t", false)).value_or(0));
    r.Maximum = ClampFieldLineLimit(TryStrToInt(cols.Next("\t", false)).value_or(50));
    r.StartWords = LowerCase(cols.Next("\t", false));
    r.ContainedWords = ReadContainedWords(cols.Rest());
    return r;
}

bool HoldsNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// What stands in the place of a definition line that holds NUL bytes (what a power cut leaves): the
// line without them when its eight columns are still there, else default settings under the name
// that is left. A built-in field keeps its own name; a user field without one is named by label
// (the name its output-format columns carry), else "Field" + number.
LabelFieldClass DamagedRecord(std::string_view line, size_t field, const std::string& label) {
    std::string rest(line);
    std::erase(rest, '\0');
    LabelFieldClass r;
    if (std::count(rest.begin(), rest.end(), '\t') == 7) {
        r = ReadRecord(rest);
    } else {
        r.Reset();
        r.Maximum = 50;
        r.Name = rest.substr(0, rest.find('\t'));
    }
    if (field < static_cast<size_t>(kBuiltInFields))
        r.Name = FieldNames[field];
    else if (Trim(r.Name).empty())
        r.Name = Trim(label).empty() ? "Field " + IntToStr(static_cast<long long>(field)) : label;
    return r;
}

// The number of the user field named name by the output formats' columns, which carry a user
// field's name as their label; none when no column, or columns of several fields, carry it.
std::optional<size_t> UserFieldNumber(const std::vector<UserFieldColumn>& columns, const std::string& name) {
    std::optional<size_t> number;
    for (const UserFieldColumn& c : columns) {
        if (c.label != name || c.field >= kMaxFields) continue;
        if (number && *number != static_cast<size_t>(c.field)) return std::nullopt;
        number = static_cast<size_t>(c.field);
    }
    return number;
}

// How many definition lines a block of NUL bytes took with it, line ends and all, judged by the
// first whole line after the block: it stands at field number next, but when it holds a built-in
// field its name says the number it had; a user field's number is the one its columns give, and
// without one it comes after every built-in field.
size_t LinesTakenByNul(const LabelFieldClass& read, size_t next, const std::vector<UserFieldColumn>& columns) {
    if (next < static_cast<size_t>(kBuiltInFields) && read.Name == FieldNames[next]) return 0;
    const auto builtIn = FieldNames.begin() + kBuiltInFields;
    const auto named = std::find(FieldNames.begin(), builtIn, read.Name);
    const size_t had = named != builtIn ? static_cast<size_t>(named - FieldNames.begin())
                                        : UserFieldNumber(columns, read.Name)
                                              .value_or(std::max(next, static_cast<size_t>(kBuiltInFields)));
    return had > next ? had - next : 0;
}

// The label that the user-field columns of field agree on; empty when none or several.
std::string ColumnLabel(const std::vector<UserFieldColumn>& columns, size_t field) {
    std::optional<std::string> label;
    for (const UserFieldColumn& c : columns) {
        if (static_cast<size_t>(c.field) != field) continue;
        if (label && *label != c.label) return {};
        label = c.label;
    }
    return label.value_or("");
}

LabelFieldClass NamedRecord(const std::string& name) {
    LabelFieldClass r;
    r.Reset();
    r.Name = name;
    return r;
}

// Files of the first generation lack the Barcode field: it is added, the output formats are
// written again in the current form, and Preferences.txt receives the FillMeters key.
void UpgradeToBarcode(Session& s) {
    LabelFieldClass barcode = NamedRecord(FieldNames[fBarcode]);
    barcode.Minimum = 1;
    barcode.Maximum = 2;
    barcode.StartWords = "Barcode:";
    s.FieldDefinitions.push_back(barcode);

    // The preferences are not loaded yet: the output formats are written without them. Both are
    // read before either is written, so that a file that cannot be read ends nothing half done.
    const int current = s.OutputType;
    struct Format {
        std::string fileName;
        std::vector<OutputFormatClass> columns;
    } formats[2];
    for (int type : {0, 1}) {
        s.OutputType = type;
        LoadOutputFormat(s);
        formats[type] = {s.OutputFileName, s.OutputColumns};
    }
    for (int type : {0, 1}) {
        s.OutputType = type;
        s.OutputFileName = formats[type].fileName;
        s.OutputColumns = formats[type].columns;
        WriteOutputFormatFile(s);
    }
    s.OutputType = current;
    LoadOutputFormat(s);

    SaveFieldDefinitions(s);

    auto prefs = s.UserFile("Preferences.txt");
    std::string text = LoadFileToString(s, prefs, true);
    WriteStringToFile(s, text + "\r\n\r\n#Fill in meters elevation from feet\r\nFillMeters\tNo", prefs, true);
}

}  // namespace

std::string ReadContainedWords(std::string_view column) {
    std::string list;
    TokenCursor items(column);
    while (!items.Empty()) {
        std::string item = LowerCase(items.Next(",", false));
        while (!item.empty() && !EndsInLetter(item)) item.erase(CharsBack(item, item.size(), 1));
        if (item.empty()) continue;
        if (!list.empty()) list += ',';
        list += item;
    }
    return list;
}

void LoadFieldDefinitions(Session& s) {
    const std::filesystem::path path = s.UserFile("FieldDefinitions.txt");
    // The bytes are read here rather than through LoadFileToString, which leaves out lines holding
    // NUL bytes: a definition's place is its field number, so such a line must keep its place.
    std::string bytes;
    const std::string text =
        ReadFileBytes(path, bytes) ? CrLfLineEnds(DecodeFileBytes(bytes)) : LoadFileToString(s, path, true);

    std::vector<std::string> damaged;  // "line N (field name)" of every line holding NUL bytes
    auto noteDamaged = [&](size_t lineNo) {
        damaged.push_back("line " + IntToStr(static_cast<long long>(lineNo)) + " (" +
                          s.FieldDefinitions.back().Name + ")");
    };
    std::string_view body = text;
    size_t lineNo = 1;
    std::string firstLine = text.substr(0, text.find("\r\n"));
    std::erase(firstLine, '\0');
    // Whether the last line read held NUL bytes: the lines it swallowed are found at the next one.
    bool afterNul = false;
    // The user-field columns of the output formats, read only for a damaged file.
    std::optional<std::vector<UserFieldColumn>> columns;
    auto userColumns = [&]() -> const std::vector<UserFieldColumn>& {
        if (!columns) columns = UserFieldColumns(s);
        return *columns;
    };
    auto pushDamaged = [&](std::string_view line) {
        const size_t field = s.FieldDefinitions.size();
        const std::string label = field < static_cast<size_t>(kBuiltInFields) ? "" : ColumnLabel(userColumns(), field);
        s.FieldDefinitions.push_back(DamagedRecord(line, field, label));
    };
    if (StartsWith(firstLine, "Version")) {
        afterNul = HoldsNul(text.substr(0, text.find("\r\n")));
        if (afterNul) damaged.push_back("line 1");
        size_t eol = body.find("\r\n");
        body = eol == std::string_view::npos ? std::string_view{} : body.substr(eol + 2);
        s.FileFormatVersion = 1;
        lineNo = 2;
    } else {
        s.FileFormatVersion = 0;
    }
    // Blanks at the end are no text (NUL bytes are: they stand where text was).
    while (!body.empty() && static_cast<unsigned char>(body.back()) <= ' ' && body.back() != '\0')
        body.remove_suffix(1);

    s.FieldDefinitions.clear();
    // The file is cut into lines first, so that a short line cannot take the next line's columns.
    // Text after the last line break that is shorter than 6 characters is no record.
    size_t pos = 0;
    for (; body.size() - pos >= 6; ++lineNo) {
        size_t eol = body.find_first_of("\r\n", pos);
        std::string_view line = body.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
        if (eol == std::string_view::npos)
            pos = body.size();
        else
            pos = eol + ((body[eol] == '\r' && eol + 1 < body.size() && body[eol + 1] == '\n') ? 2 : 1);
        const bool holdsNul = HoldsNul(line);
        if (!holdsNul && TokenCursor::TrimView(line).empty()) continue;

        if (s.FileFormatVersion == 0 && s.FieldDefinitions.size() == 7) {
            s.FieldDefinitions.push_back(NamedRecord(FieldNames[fRank]));
            s.FieldDefinitions.push_back(NamedRecord(FieldNames[fSubSp]));
        }
        if (holdsNul) {
            pushDamaged(line);
            noteDamaged(lineNo);
        } else {
            LabelFieldClass read = ReadRecord(line);
            // The definitions whose lines went in the block get default settings in their places,
            // so that this one and the later ones keep their numbers.
            const size_t taken = afterNul && s.FileFormatVersion > 0
                                     ? LinesTakenByNul(read, s.FieldDefinitions.size(), userColumns())
                                     : 0;
            for (size_t k = 0; k < taken; ++k, ++lineNo) {
                pushDamaged("");
                noteDamaged(lineNo);
            }
            s.FieldDefinitions.push_back(std::move(read));
        }
        afterNul = holdsNul;
    }
    // A block that reached the end of the file took the built-in definitions it covered, and the
    // user fields up to the last one that has columns.
    size_t last = kBuiltInFields;
    if (afterNul && s.FileFormatVersion > 0)
        for (const UserFieldColumn& c : userColumns())
            if (c.field < kMaxFields) last = std::max(last, static_cast<size_t>(c.field) + 1);
    while (afterNul && s.FileFormatVersion > 0 && s.FieldDefinitions.size() < last) {
        pushDamaged("");
        noteDamaged(lineNo++);
    }
    if (damaged.empty() && HoldsNul(body.substr(pos))) damaged.push_back("its end");

    if (damaged.empty())
        s.UnreadLines.erase(path);
    else
        s.UnreadLines[path] = damaged.size();
    if (!damaged.empty()) {
        // A damaged file is read as well as it can be, but never taken for an older generation:
        // that would rewrite it and the other settings files.
        std::string where;
        for (const std::string& d : damaged) where += (where.empty() ? "" : ", ") + d;
        const std::string message = path.string() + " is damaged (it holds NUL bytes) at " + where +
                                    ". Those definitions were read from what is left of their lines; check them in "
                                    "Field Definitions. The file was not changed.";
        WriteToLog(s, message);
        s.dialogs.ShowMessage(message);
    } else if (s.FileFormatVersion < 2 && s.FieldDefinitions.size() == 29) {
        UpgradeToBarcode(s);
    }
    s.FileFormatVersion = 2;
}

std::string FieldDefinitionsText(const Session& s) { return FieldDefinitionsText(s.FieldDefinitions, s.FileFormatVersion); }

std::string FieldDefinitionsText(const std::vector<LabelFieldClass>& fields, int version) {
    std::string text = "Version " + IntToStr(version) + "\r\n";
    for (const LabelFieldClass& f : fields) {
        text += f.Name + '\t' + (f.Preserve ? "1" : "0") + '\t' + (f.WarnIfEmpty ? "1" : "0") + '\t' + f.Default +
                '\t' + IntToStr(f.Minimum) + '\t' + IntToStr(f.Maximum) + '\t' + f.StartWords + '\t' +
                f.ContainedWords + "\r\n";
    }
    return text;
}

void SaveFieldDefinitions(Session& s) {
    WriteStringToFile(s, FieldDefinitionsText(s), s.UserFile("FieldDefinitions.txt"), true);
}

}  // namespace quorl
