#pragma once
// The Darwin Core XML record writer: adds one label element to the XML file
// ProgramFolder/OutputFileName and writes the file again. The elements and their order are
// fixed; the output columns only say which elements are wanted and what they are called.
#include <string>
#include <string_view>

namespace quorl {

class Session;

// Writes the main window's record; true when it was written. An existing file that does not hold
// the closing labelData line or holds more than blanks (NUL bytes among them, which are not written
// back) and the closing root element after the last one, or an enabled column whose element name is
// no XML name, leaves the file as it is (the user is told) and false is returned.
bool AddDarwinXML(Session& s);

// An element name that keeps the file well-formed: a letter or "_" first, then letters, digits,
// "_", "-" and "."; characters beyond ASCII count as letters. No blank, no ":" (the file declares
// no namespaces), not empty.
bool IsXmlName(std::string_view name);

// Whether a column of the pair names an element of the label element: the collector (0), the
// whole fields of the fixed element list, minimum and maximum elevation (17.1, 17.2) and the
// decimal coordinates (18.5, 18.10). Other columns, user-defined fields among them, have none.
bool NamesXmlElement(int field, int subField);

// An element name made from a field name: characters an element name cannot hold are left out
// ("Plant Height" gives "PlantHeight"), "_" goes in front of a name that cannot start one, and
// "Field" + the field number stands in for a name with nothing left.
std::string XmlElementNameFor(std::string_view name, int field);

// The message for the first column that names an element (the first of its pair, enabled) whose
// name is no XML name; "" when all are.
std::string XmlNameProblem(const Session& s);

// The element line of one whole field: three TABs, the element named by the column of pair
// (field, 0), the field's text and CR LF; "" when that column is not enabled or the field is empty.
std::string XmlFieldElement(Session& s, int field);

// Text with "&", "<" and ">" written as entities and control characters other than TAB, CR and LF
// left out, so that the XML stays well-formed.
std::string XmlText(const std::string& text);

}  // namespace quorl
