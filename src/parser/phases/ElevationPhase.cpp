// The elevation phase: the best elevation line (with a following line that holds only the unit)
// goes through the elevation extractor, which cuts the elevation out of the line; feet are
// converted to meters when the user wants both.
#include <cmath>

#include "base/NumberRange.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Elevation.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

void FillMetersFromFeet(Form& f, const char* feetEdit, const char* metersEdit) {
    const std::string feet = f.Get(feetEdit).text;
    if (feet.empty() || !f.Get(metersEdit).text.empty()) return;
    auto v = TryStrToFloat(feet);
    if (!v) return;
    // An elevation beyond any real one gives no meters rather than an overflow.
    const std::optional<long long> meters = WholeMeasurement(std::trunc(*v * 0.3048));
    if (meters) f.SetText(metersEdit, IntToStr(*meters));
}

}  // namespace

void ElevationPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Elevation");
    ParserState& p = s.parser;
    int best = 0;
    p.CurrentLine = 0;
    for (int i = 0; i < p.LineCount(); ++i) {
        const int score = p.Score(fElevation, i);
        if (score > best && (p.LineLDHScore[static_cast<size_t>(i)] < 3 * score || CharCount(p.Line(i)) < 20)) {
            best = score;
            p.CurrentLine = i;
        }
    }
    const int c = p.CurrentLine;
    std::string text = p.Line(c);
    if (c < p.LineCount() - 1) {
        const std::string next = Trim(p.Line(c + 1));
        for (const char* unit : {"feet", "m.", "ft", "m "}) {
            if (StartsWithNoCase(next, unit)) {
                text = p.Line(c) + " " + p.Line(c + 1);
                break;
            }
        }
    }
    p.SetLine(c, FindElevation(s, text));

    Form& f = s.form;
    if (s.FillMeters) {
        FillMetersFromFeet(f, "ElevFeetLowEdit", "ElevMetersLowEdit");
        FillMetersFromFeet(f, "ElevFeetHighEdit", "ElevMetersHighEdit");
    }
    if (!f.Get("ElevFeetLowEdit").text.empty() || !f.Get("ElevMetersLowEdit").text.empty())
        SetFoundLine(s, fElevation, c);
}

}  // namespace quorl
