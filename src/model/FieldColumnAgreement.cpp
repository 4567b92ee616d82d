#include "model/FieldColumnAgreement.h"

#include <filesystem>

#include "base/Encoding.h"
#include "base/FileBytes.h"
#include "base/LineNumbers.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"

namespace quorl {

std::vector<UserFieldColumn> UserFieldColumns(const Session& s) {
    std::vector<UserFieldColumn> columns;
    for (int type : {0, 1, 2}) {
        const std::string name = OutputFormatFileName(type);
        std::string bytes;
        if (!ReadFileBytes(s.UserFile(name), bytes)) continue;  // the loader has told of a missing file
        const std::string text = CrLfLineEnds(DecodeFileBytes(bytes));
        // The column lines are cut as the output-format loader cuts them.
        TokenCursor rest(text);
        rest.Next("\r\n", true);
        LineNumbers lines(text);
        while (rest.Size() > 1) {
            const std::string_view lineText = rest.Next("\r\n", true);
            if (lineText.find('\0') != std::string_view::npos || ColumnKeyIsMissing(text, lineText)) continue;
            TokenCursor line(lineText);
            const size_t dot = Pos(".", lineText);
            const std::optional<int> field = TryStrToInt(line.Next(dot >= 1 && dot <= 3 ? "." : "\t", true));
            if (dot >= 1 && dot <= 3) line.Next("\t", true);
            if (!field || *field < kBuiltInFields) continue;
            line.Next("\t", true);  // enabled
            columns.push_back({name, lines.At(lineText.data()), *field, line.NextString("\t", true)});
        }
    }
    return columns;
}

std::vector<std::string> FieldColumnDisagreements(const Session& s) {
    std::vector<std::string> found;
    for (const UserFieldColumn& c : UserFieldColumns(s)) {
        const std::string where = c.file + " line " + IntToStr(static_cast<long long>(c.line)) + ": the column \"" +
                                  c.label + "\" is for field " + IntToStr(c.field);
        if (c.field >= static_cast<int>(s.FieldDefinitions.size()))
            found.push_back(where + ", which FieldDefinitions.txt does not define");
        else if (c.label != s.FieldDefinitions[static_cast<size_t>(c.field)].Name)
            found.push_back(where + ", which FieldDefinitions.txt names \"" +
                            s.FieldDefinitions[static_cast<size_t>(c.field)].Name + "\"");
    }
    return found;
}

void ReportFieldColumnDisagreements(Session& s) {
    const std::vector<std::string> found = FieldColumnDisagreements(s);
    if (found.empty()) return;
    std::string message = "The output formats and FieldDefinitions.txt in " + s.UserFolder.string() +
                          " do not agree about the user-defined fields:\r\n";
    for (const std::string& line : found) message += line + "\r\n";
    message += "Records would put these fields' values under other fields' headings or leave them out. "
               "Correct the files before you add records.";
    WriteToLog(s, message);
    s.dialogs.ShowMessage(message);
}

}  // namespace quorl
