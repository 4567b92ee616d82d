#include "records/OutputListModel.h"

#include <optional>
#include <utility>

#include "base/Text.h"
#include "model/KeptFiles.h"
#include "model/Session.h"
#include "records/DarwinXmlWriter.h"

namespace quorl {

std::vector<OutputListRow> FillOutputListView(const Session& s) {
    std::vector<OutputListRow> rows;
    rows.reserve(s.OutputColumns.size());
    for (const OutputFormatClass& c : s.OutputColumns) {
        OutputListRow r;
        r.caption = c.Label;
        r.databaseName = c.DatabaseName;
        r.numeric = c.Numeric;
        r.order = IntToStr(c.Order);
        r.key = IntToStr(c.FieldIndex) + "." + IntToStr(c.SubIndex);
        r.enabled = c.Enabled;
        rows.push_back(std::move(r));
    }
    return rows;
}

namespace {

// The field and part of a row's key ("3.0", "18.10", or "3"); nullopt for a key that is no number.
std::optional<std::pair<int, int>> KeyPair(const std::string& key) {
    const size_t dot = key.find('.');
    std::optional<int> field = TryStrToInt(key.substr(0, dot));
    std::optional<int> sub = dot == std::string::npos ? 0 : TryStrToInt(key.substr(dot + 1));
    if (!field || !sub) return std::nullopt;
    return std::pair{*field, *sub};
}

}  // namespace

bool RowNamesXmlElement(const std::vector<OutputListRow>& rows, size_t row) {
    if (row >= rows.size() || !rows[row].enabled) return false;
    const auto pair = KeyPair(rows[row].key);
    if (!pair || !NamesXmlElement(pair->first, pair->second)) return false;
    for (size_t i = 0; i < row; ++i)
        if (KeyPair(rows[i].key) == pair) return false;
    return true;
}

std::string FieldNameProblem(int outputType, const std::vector<OutputListRow>& rows, size_t row,
                             const std::string& name) {
    // A comma, a quote or a line break in a CSV heading would split it, or start a quoted value,
    // when the record file is read.
    if (outputType == 2 && row < rows.size() && rows[row].enabled && name.find_first_of(",\"\r\n") != std::string::npos)
        return "\"" + name + "\" cannot head a CSV column: leave out commas, double quotes and line breaks.";
    if (outputType != 1 || !RowNamesXmlElement(rows, row) || IsXmlName(name)) return {};
    return "\"" + name + "\" cannot name an XML element: use a letter or _ first, then letters, digits, _ - or .";
}

std::string OutputFormatProblem(const std::filesystem::path& programFolder, int outputType, const std::string& fileName,
                                const std::vector<OutputListRow>& rows) {
    // The first line of the format file is the file name; a blank one would make the first column
    // line the file name when the file is read again.
    if (Trim(fileName).empty()) return "Enter an Output File Name.";
    if (std::string problem = KeptRecordFileProblem(programFolder, fileName); !problem.empty()) return problem;
    for (size_t i = 0; i < rows.size(); ++i)
        if (std::string problem = FieldNameProblem(outputType, rows, i, rows[i].databaseName); !problem.empty())
            return rows[i].caption + ": " + problem;
    return {};
}

std::vector<OutputFormatClass> OutputColumnsFromRows(const std::vector<OutputListRow>& rows) {
    std::vector<OutputFormatClass> columns;
    columns.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const OutputListRow& r = rows[i];
        OutputFormatClass c;
        size_t dot = r.key.find('.');
        if (dot == std::string::npos) {
            c.FieldIndex = StrToInt(r.key);
            c.SubIndex = 0;
        } else {
            c.FieldIndex = StrToInt(r.key.substr(0, dot));
            c.SubIndex = StrToInt(r.key.substr(dot + 1));
        }
        c.Label = r.caption;
        c.Order = static_cast<int32_t>(i);
        c.Enabled = r.enabled;
        c.DatabaseName = r.databaseName;
        c.Numeric = r.numeric;
        columns.push_back(std::move(c));
    }
    return columns;
}

}  // namespace quorl
