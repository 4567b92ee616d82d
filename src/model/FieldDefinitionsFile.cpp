#include "model/FieldDefinitionsFile.h"

#include "base/Encoding.h"
#include "base/Letters.h"
#include "base/NumberRange.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
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
    std::string text = LoadFileToString(s, s.UserFile("FieldDefinitions.txt"), true);
    std::string_view body = text;
    if (StartsWith(text, "Version")) {
        body = TokenCursor::TrimView(body);
        size_t eol = body.find("\r\n");
        body = eol == std::string_view::npos ? std::string_view{} : body.substr(eol + 2);
        s.FileFormatVersion = 1;
    } else {
        s.FileFormatVersion = 0;
    }

    s.FieldDefinitions.clear();
    // The file is cut into lines first, so that a short line cannot take the next line's columns.
    // Text after the last line break that is shorter than 6 characters is no record.
    size_t pos = 0;
    while (body.size() - pos >= 6) {
        size_t eol = body.find_first_of("\r\n", pos);
        std::string_view line = body.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
        if (eol == std::string_view::npos)
            pos = body.size();
        else
            pos = eol + ((body[eol] == '\r' && eol + 1 < body.size() && body[eol + 1] == '\n') ? 2 : 1);
        if (TokenCursor::TrimView(line).empty()) continue;

        if (s.FileFormatVersion == 0 && s.FieldDefinitions.size() == 7) {
            s.FieldDefinitions.push_back(NamedRecord(FieldNames[fRank]));
            s.FieldDefinitions.push_back(NamedRecord(FieldNames[fSubSp]));
        }
        s.FieldDefinitions.push_back(ReadRecord(line));
    }

    if (s.FileFormatVersion < 2 && s.FieldDefinitions.size() == 29) UpgradeToBarcode(s);
    s.FileFormatVersion = 2;
}

std::string FieldDefinitionsText(const Session& s) {
    std::string text = "Version " + IntToStr(s.FileFormatVersion) + "\r\n";
    for (const LabelFieldClass& f : s.FieldDefinitions) {
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
