#include "records/OutputListModel.h"

#include "base/Text.h"
#include "model/Session.h"

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
