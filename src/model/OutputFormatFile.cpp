#include "model/OutputFormatFile.h"

#include <algorithm>

#include "base/Encoding.h"
#include "base/FileBytes.h"
#include "base/LineNumbers.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/KeptRecordFiles.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace fs = std::filesystem;

std::string OutputFormatFileName(int outputType) {
    switch (outputType) {
        case 0: return "OutputFormat.txt";
        case 2: return "DarwinCSV.txt";
        default: return "DarwinXML.txt";
    }
}

fs::path OutputFormatReadPath(const Session& s) { return OutputFormatReadPath(s, s.OutputType); }

fs::path OutputFormatReadPath(const Session& s, int outputType) {
    fs::path path = s.UserFile(OutputFormatFileName(outputType));
    std::error_code ec;
    if (outputType == 2 && !fs::exists(path, ec)) path = s.UserFile(OutputFormatFileName(0));
    // Older installations kept the XML format in DarwinFormat.txt.
    if (outputType == 1 && !fs::exists(path, ec) && fs::exists(s.UserFile("DarwinFormat.txt"), ec))
        path = s.UserFile("DarwinFormat.txt");
    return path;
}

std::vector<SavedRecordFile> SavedRecordFiles(const Session& s) {
    std::vector<SavedRecordFile> named;
    for (int type : {0, 1, 2}) {
        const fs::path path = OutputFormatReadPath(s, type);
        std::string bytes;
        if (!ReadFileBytes(path, bytes)) continue;
        std::string text = CrLfLineEnds(DecodeFileBytes(bytes));
        std::string name = NextToken(text, "\r\n", true);  // as LoadOutputFormat reads it
        const bool known =
            std::any_of(named.begin(), named.end(), [&](const SavedRecordFile& f) { return f.recordFile == name; });
        if (!name.empty() && !known) named.push_back({path.filename().string(), std::move(name)});
    }
    return named;
}

bool ColumnKeyIsMissing(std::string_view text, std::string_view line) {
    const std::string_view before = text.substr(0, static_cast<size_t>(line.data() - text.data()));
    const size_t lineEnd = before.find_last_of("\r\n");
    const std::string_view trimmed = before.substr(lineEnd == std::string_view::npos ? 0 : lineEnd + 1);
    return trimmed.find('\t') != std::string_view::npos;
}

void LoadOutputFormat(Session& s) {
    fs::path path = OutputFormatReadPath(s);
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    const char* caption = s.OutputType == 0 ? "Export TSV" : s.OutputType == 2 ? "Export Darwin CSV" : "Export Darwin XML";
    s.form.SetText("AddDataButton", caption);

    s.OutputColumns.clear();
    TokenCursor rest(text);
    s.OutputFileName = rest.NextString("\r\n", true);
    s.form.SetText("OutputLabel", s.OutputFileName);

    LineNumbers lines(text);
    while (rest.Size() > 1) {
        std::string_view lineText = rest.Next("\r\n", true);
        const size_t lineNo = lines.At(lineText.data());
        if (ColumnKeyIsMissing(text, lineText)) {
            skipped.Skip(lineNo, lineText, "the field key is missing");
            continue;
        }
        TokenCursor line(lineText);
        OutputFormatClass col;
        size_t dot = Pos(".", lineText);
        std::optional<int> field, sub = 0;
        if (dot >= 1 && dot <= 3) {
            field = TryStrToInt(line.Next(".", true));
            sub = TryStrToInt(line.Next("\t", true));
        } else {
            field = TryStrToInt(line.Next("\t", true));
        }
        if (!field || !sub) {
            skipped.Skip(lineNo, lineText, "the field key is not a number");
            continue;
        }
        if (TokenCursor::TrimView(line.Rest()).empty()) {  // cut short: it would be a column without a heading
            skipped.Skip(lineNo, lineText, "nothing follows the field key");
            continue;
        }
        col.FieldIndex = *field;
        col.SubIndex = *sub;
        col.Order = static_cast<int32_t>(s.OutputColumns.size());
        col.Enabled = line.Next("\t", true) == "1";
        col.Label = line.NextString("\t", true);
        col.DatabaseName = line.NextString("\t", true);
        col.Numeric = !line.Empty() && line.Next("\r\n", true) == "1";
        s.OutputColumns.push_back(std::move(col));
    }
    s.FileFormatVersion = 2;
    skipped.Report();
}

std::string OutputFormatText(const Session& s) {
    std::string text = s.OutputFileName + "\r\n";
    for (const OutputFormatClass& c : s.OutputColumns) {
        text += IntToStr(c.FieldIndex);
        if (c.SubIndex > 0) text += "." + IntToStr(c.SubIndex);
        text += '\t';
        text += c.Enabled ? "1\t" : "0\t";
        text += c.Label + '\t' + c.DatabaseName + '\t' + (c.Numeric ? "1" : "0") + "\r\n";
    }
    return text;
}

bool WriteOutputFormatFile(Session& s) {
    const bool written = WriteStringToFile(s, OutputFormatText(s), s.UserFile(OutputFormatFileName(s.OutputType)), true);
    s.form.SetText("OutputLabel", s.OutputFileName);
    return written;
}

bool SaveOutputFormat(Session& s) {
    const bool preferences = SavePreferences(s);
    const bool written = WriteOutputFormatFile(s);
    KeepLogOutOfRecordFiles(s);  // the record file may have been the log
    return written && preferences;
}

}  // namespace quorl
