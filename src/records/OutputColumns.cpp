#include "records/OutputColumns.h"

#include "model/Session.h"

namespace quorl {

OutputFormatClass FindOutputFormat(Session& s, int field, int subField) {
    for (size_t i = 0; i < s.OutputColumns.size(); ++i) {
        OutputFormatClass& c = s.OutputColumns[i];
        if (c.FieldIndex == field && c.SubIndex == subField) {
            c.Position = static_cast<int32_t>(i);
            return c;
        }
    }
    OutputFormatClass none;
    none.FieldIndex = -1;
    none.SubIndex = 0;
    none.Enabled = false;
    none.Position = -1;
    return none;
}

std::string CheckNumericField(Session& s, std::string value, int field, int subField) {
    // Indexes, not iterators: the input box is modal, but the columns must not be held across it.
    for (size_t i = 0; i < s.OutputColumns.size(); ++i) {
        const OutputFormatClass& c = s.OutputColumns[i];
        if (c.FieldIndex != field || c.SubIndex != subField) continue;
        if (!c.Numeric) return value;
        if (value.find_first_not_of("0123456789.") == std::string::npos) continue;
        std::string prompt = "Non-numeric detected in " + c.Label;
        std::string edited = value;
        if (s.dialogs.InputBox("Non-Numeric Error", prompt, edited)) value = edited;
    }
    return value;
}

}  // namespace quorl
