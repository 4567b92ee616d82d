#pragma once
// Finding one label element of a Darwin Core XML record file and reading its child elements, so
// that a record can be taken out of the file whole.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorl {

struct XmlLabelElement {
    size_t begin = 0;  // start of the line of <label> (or <label> itself when text precedes it)
    size_t end = 0;    // past </label> and the line end after it
    // Child elements in order: name and text (entities replaced, still file bytes).
    std::vector<std::pair<std::string, std::string>> children;
};

// The label element that holds the byte at pos; nullopt when pos lies outside every label
// element, or the element has no closing tag.
std::optional<XmlLabelElement> FindXmlLabelElement(std::string_view bytes, size_t pos);

// Replaces the five named entities and numeric character references (written as UTF-8).
std::string XmlUnescape(std::string_view text);

}  // namespace quorl
