#include "model/FieldWordLists.h"

#include "base/Text.h"
#include "base/WordSplitter.h"

namespace quorl {

const FieldWordList& FieldWordLists::Get(std::deque<FieldWordList>& lists, int field, const std::string& list) {
    size_t i = field < 0 ? 0 : static_cast<size_t>(field);
    if (lists.size() <= i) lists.resize(i + 1);
    FieldWordList& entry = lists[i];
    if (entry.source != list) {  // a new entry's empty source holds no words, as an empty list
        entry.source = list;
        entry.words = CutWordList(list);
        entry.lower.clear();
        for (const std::string& w : entry.words) entry.lower.push_back(LowerCase(w));
    }
    return entry;
}

}  // namespace quorl
