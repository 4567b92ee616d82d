// The elevation phase: the best elevation line (with a following line that holds only the unit)
// goes through the elevation extractor, which cuts the elevation out of the line; when it gives
// none (a plant's height below the lowest elevation, say), the next best line is tried. Feet are
// converted to meters when the user wants both.
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

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

// The lines that may hold the elevation, best score first (equal scores in label order): a line
// that scores for it, unless it is a long line that scores far better for description, location
// or habitat. Line 0 when no line does.
std::vector<int> ElevationLines(const ParserState& p) {
    std::vector<int> lines;
    for (int i = 0; i < p.LineCount(); ++i) {
        const int score = p.Score(fElevation, i);
        if (score > 0 && (p.LineLDHScore[static_cast<size_t>(i)] < 3 * score || CharCount(p.Line(i)) < 20))
            lines.push_back(i);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [&](int a, int b) { return p.Score(fElevation, a) > p.Score(fElevation, b); });
    if (lines.empty()) lines.push_back(0);
    return lines;
}

// Line c, with the next line joined to it when that line holds only the unit.
std::string TextWithUnitLine(const ParserState& p, int c) {
    if (c < p.LineCount() - 1) {
        const std::string next = Trim(p.Line(c + 1));
        for (const char* unit : {"feet", "m.", "ft", "m "})
            if (StartsWithNoCase(next, unit)) return p.Line(c) + " " + p.Line(c + 1);
    }
    return p.Line(c);
}

}  // namespace

void ElevationPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Elevation");
    ParserState& p = s.parser;
    Form& f = s.form;
    const auto found = [&] {
        return !f.Get("ElevFeetLowEdit").text.empty() || !f.Get("ElevMetersLowEdit").text.empty();
    };
    // The best line is rewritten as the extractor returns it even when it gives nothing; a line
    // tried after it only when it gives the elevation.
    const std::vector<int> lines = ElevationLines(p);
    p.CurrentLine = lines.front();
    p.SetLine(p.CurrentLine, FindElevation(s, TextWithUnitLine(p, p.CurrentLine)));
    for (const int c : std::span(lines).subspan(1)) {
        if (found()) break;
        std::string rest = FindElevation(s, TextWithUnitLine(p, c));
        if (!found()) continue;
        p.CurrentLine = c;
        p.SetLine(c, std::move(rest));
    }

    if (s.FillMeters) {
        FillMetersFromFeet(f, "ElevFeetLowEdit", "ElevMetersLowEdit");
        FillMetersFromFeet(f, "ElevFeetHighEdit", "ElevMetersHighEdit");
    }
    if (found()) SetFoundLine(s, fElevation, p.CurrentLine);
}

}  // namespace quorl
