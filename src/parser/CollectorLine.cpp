#include "parser/CollectorLine.h"

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "model/Records.h"
#include "model/Session.h"

namespace quorl {

void SplitCollectorLine(Session& s, std::string text) {
    const ParserState& ps = s.parser;
    const bool joinPrevious =
        StartsWith(text, "&") || (StartsWithNoCase(text, "with") && ps.CurrentLine != ps.LineCount() - 1);
    if (joinPrevious && ps.CurrentLine > 0) text = ps.Line(ps.CurrentLine - 1) + " " + text;

    size_t p = 0;
    for (const char* sep : {" & ", " with ", " and ", " , ", " y "}) {
        const size_t at = Pos(sep, text);
        if (at > 0 && (p == 0 || at < p)) p = at;
    }
    if (p > 0) {
        SetFieldText(s, fCollector, CleanFieldText(text.substr(0, p - 1)), false);
        const std::string rest = Trim(text.substr(p));
        if (!rest.empty()) SetFieldText(s, fOtherCollectors, rest, false);
        return;
    }
    size_t digit = 0;
    while (digit < text.size() && !IsDigit(static_cast<unsigned char>(text[digit]))) ++digit;
    if (digit + 1 < text.size() && GetFieldText(s, fCollectionNumber).empty()) {
        size_t end = digit;
        while (end < text.size() && IsDigit(static_cast<unsigned char>(text[end]))) ++end;
        SetFieldText(s, fCollectionNumber, text.substr(digit, end - digit), false);
        text.erase(digit > 0 ? digit - 1 : 0);
    }
    SetFieldText(s, fCollector, Trim(text), false);
}

}  // namespace quorl
