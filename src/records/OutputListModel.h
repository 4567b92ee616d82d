#pragma once
// The rows of the output-format editor's column list, as data: what each row shows, and the
// columns that the rows give back when the editor saves.
#include <filesystem>
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

struct OutputListRow {
    std::string caption;       // Name column: the column's Label
    std::string databaseName;  // Field Name column
    bool numeric = false;      // Num column shows its mark
    std::string order;         // Order column: the row number given by the loader
    std::string key;           // Default column: field "." part, 3.0 for a whole field
    bool enabled = false;      // the row's own mark
};

// One row per output column, in column order.
std::vector<OutputListRow> FillOutputListView(const Session& s);

// Why the editor may not save the rows for the output type: an empty or blank file name, a file
// name that is one of Quorl's own files in programFolder or a user folder, for Darwin Core XML a
// field name that is no XML element name in a row that names an element, or for Darwin Core CSV a
// comma, a double quote or a line break in the field name of an enabled row; "" when it may.
std::string OutputFormatProblem(const std::filesystem::path& programFolder, int outputType, const std::string& fileName,
                                const std::vector<OutputListRow>& rows);

// Whether the row's field name is written as an XML element name: the row is enabled, its pair
// names an element, and no row before it has the same pair.
bool RowNamesXmlElement(const std::vector<OutputListRow>& rows, size_t row);

// Why a field name typed for a row may not be taken for the output type; "" when it may.
std::string FieldNameProblem(int outputType, const std::vector<OutputListRow>& rows, size_t row,
                             const std::string& name);

// The columns the rows stand for, in list order: the key gives the field and part (a key without
// "." is a whole field). Throws ConversionError for a key that is no number.
std::vector<OutputFormatClass> OutputColumnsFromRows(const std::vector<OutputListRow>& rows);

}  // namespace quorl
