#include "records/OutputListModel.h"

#include "base/Text.h"
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

std::string FieldNameProblem(int outputType, const std::string& name) {
    if (outputType != 1 || IsXmlName(name)) return {};
    return "\"" + name + "\" cannot name an XML element: use a letter or _ first, then letters, digits, _ - or .";
}

std::string OutputFormatProblem(int outputType, const std::string& fileName, const std::vector<OutputListRow>& rows) {
    // The first line of the format file is the file name; a blank one would make the first column
    // line the file name when the file is read again.
    if (Trim(fileName).empty()) return "Enter an Output File Name.";
    for (const OutputListRow& r : rows)
        if (std::string problem = FieldNameProblem(outputType, r.databaseName); !problem.empty())
            return r.caption + ": " + problem;
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
