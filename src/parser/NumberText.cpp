#include "parser/NumberText.h"

#include "base/Text.h"
#include "fields/FieldAccess.h"

namespace quorl {

std::string CleanNumberText(const std::string& text) {
    if (text.empty()) return "";
    std::string t = CleanFieldText(text);
    if (t.empty()) return t;
    if (t.back() == ')') t.pop_back();
    if (t.empty()) return t;
    size_t lead = 0;
    while (t.size() - lead > 1 && (IsDigit(static_cast<unsigned char>(t[lead])) || t[lead] == ' ')) ++lead;
    t.erase(0, lead);
    while (!t.empty() && IsDigit(static_cast<unsigned char>(t.back()))) t.pop_back();
    return t;
}

}  // namespace quorl
