#pragma once
// The start-word and contained-word lists of the field definitions, cut into words once and kept
// while the definition's list text stays the same, for the scorers that consult them per line.
#include <deque>
#include <string>
#include <vector>

namespace quorl {

struct FieldWordList {
    std::string source;              // the list text the words were cut from
    std::vector<std::string> words;  // as cut (trimmed)
    std::vector<std::string> lower;  // the same, lower-cased
};

class FieldWordLists {
public:
    // References stay valid until the next call for the same field.
    const FieldWordList& Start(int field, const std::string& list) { return Get(start_, field, list); }
    const FieldWordList& Contained(int field, const std::string& list) { return Get(contained_, field, list); }

private:
    static const FieldWordList& Get(std::deque<FieldWordList>& lists, int field, const std::string& list);
    std::deque<FieldWordList> start_, contained_;
};

}  // namespace quorl
