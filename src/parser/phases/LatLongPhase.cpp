// The lat/long phase: the best coordinate line (joined with a neighbouring coordinate line when
// the coordinates run over two lines) goes through the coordinate extractor.
#include "base/Text.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Coordinates.h"
#include "parser/Phases.h"

namespace quorl {

void LatLongPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start LatLong");
    ParserState& p = s.parser;
    int best = 0;
    p.CurrentLine = 0;
    for (int i = 0; i < p.LineCount(); ++i) {
        const int score = p.Score(fLatLong, i);
        if (score > best && score > p.LineLDHScore[static_cast<size_t>(i)]) {
            best = score;
            p.CurrentLine = i;
        }
    }
    const int c = p.CurrentLine;
    std::string text;
    if (s.DontSplitLines) {
        text = Trim(p.Line(c));
    } else if (c < p.LineCount() - 1 && p.Score(fLatLong, c + 1) > 2) {
        text = Trim(p.Line(c)) + " " + Trim(p.Line(c + 1));
    } else if (c > 0 && p.Score(fLatLong, c - 1) > 2) {
        const std::string& before = p.Line(c - 1);
        bool digitAtEnd = false;  // among the last four characters
        for (size_t k = CharsBack(before, before.size(), 4); k < before.size(); ++k)
            if (IsDigit(static_cast<unsigned char>(before[k]))) digitAtEnd = true;
        text = CharCount(before) > 5 && digitAtEnd ? Trim(before) + " " + Trim(p.Line(c)) : p.Line(c);
    } else {
        text = Trim(p.Line(c));
    }
    if (best > 4 && !text.empty() && ParseLatLong(s, text) > 0) {
        SetFoundLine(s, fLatLong, c);
        p.SetOwner(c, fLatLong);
    }
}

int32_t LatLongScore(Session&, const std::string& text) { return LatLongScore(std::string_view(text)); }

}  // namespace quorl
