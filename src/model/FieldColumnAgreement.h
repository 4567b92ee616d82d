#pragma once
// Whether the output formats and FieldDefinitions.txt name the same user-defined fields. Both
// number the fields; a column of a user field is made with the field's name as its label. When
// they disagree (after a save that ended between its renames, or a hand edit), records would put a
// field's value under another field's heading or leave it out, so the user is told at the start.
#include <string>
#include <vector>

namespace quorl {

class Session;

// A column of a user-defined field in an output-format file: its file name, line and label.
struct UserFieldColumn {
    std::string file;
    size_t line = 0;
    int field = 0;
    std::string label;
};

// Every user-field column of OutputFormat.txt, DarwinXML.txt and DarwinCSV.txt, cut as the
// output-format loader cuts its lines (a missing file has none; a line with NUL bytes or without
// its field key is none). The field definitions loader finds by them the numbers of user fields
// whose lines a block of zeros took.
std::vector<UserFieldColumn> UserFieldColumns(const Session& s);

// One line per user-field column of OutputFormat.txt, DarwinXML.txt and DarwinCSV.txt (the files
// the field definitions editor renumbers) whose label is not the name of its field in
// FieldDefinitions, or whose field is not defined; empty when all agree.
std::vector<std::string> FieldColumnDisagreements(const Session& s);

// Shows and logs the disagreements, when there are any.
void ReportFieldColumnDisagreements(Session& s);

}  // namespace quorl
