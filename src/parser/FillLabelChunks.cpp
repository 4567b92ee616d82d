#include "parser/FillLabelChunks.h"

#include "base/Encoding.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/AutoCorrect.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Elevation.h"
#include "parser/LatinScore.h"
#include "parser/LineScoring.h"
#include "parser/NameScore.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

// Cuts LabelText into trimmed lines: every line that is not blank is one, however short (a last
// line USA or #12 too). Lines beyond the per-line tables are not kept.
void CutIntoLines(Session& s) {
    auto& chunks = s.parser.LabelChunks;
    int ignored = 0;
    TokenCursor rest(s.LabelText);
    do {
        const std::string_view line = rest.Next("\n", true);
        if (line.empty()) continue;
        if (static_cast<int>(chunks.size()) < kMaxLabelLines)
            chunks.emplace_back(line);
        else
            ++ignored;
    } while (!rest.Empty());
    s.LabelText = std::string(rest.Rest());
    if (ignored > 0)
        WriteToLog(s, "Label has more than " + IntToStr(kMaxLabelLines) + " lines: " + IntToStr(ignored) +
                          " lines after line " + IntToStr(kMaxLabelLines) + " ignored.");
}

void ResetTables(Session& s) {
    ParserState& p = s.parser;
    p.LineNameScore.fill(0);
    p.LineLatinScore.fill(0);
    p.LineLDHScore.fill(0);
    p.LineOwner.fill(0);
    for (auto& row : p.LineScores) row.fill(0);
    for (auto& d : s.FieldDefinitions) d.FoundLine = 0;
}

void ScoreLine(Session& s, int i) {
    ParserState& p = s.parser;
    auto& ls = p.LineScores;
    const std::string& line = p.Line(i);
    const ScoringLine prepared = PrepareScoringLine(s, i);  // the same for every field
    if (s.ApplyLearning) {
        if (prepared.text == line)  // the words of the untrimmed line are those of the trimmed one
            ScoreDescriptionLocalityHabitat(s, i, prepared.words);
        else
            ScoreDescriptionLocalityHabitat(s, i);
        p.LineLDHScore[i] = std::max({ls[fDescription][i], ls[fLocation][i], ls[fHabitat][i]});
    } else {
        p.LineLDHScore[i] = 0;
    }
    p.LineLatinScore[i] = LatinScore(line);
    p.LineNameScore[i] = NameScore(s, line, p.LineLatinScore[i]);
    ls[fLatLong][i] = ScoreLineForField(s, fLatLong, i, prepared);
    ls[fElevation][i] = ElevationScore(s, i, prepared);
    ls[fLocation][i] += ScoreLineForField(s, fLocation, i, prepared);
    ls[fDescription][i] += ScoreLineForField(s, fDescription, i, prepared);
    ls[fHabitat][i] += ScoreLineForField(s, fHabitat, i, prepared);
    ls[fCountry][i] = ScoreLineForField(s, fCountry, i, prepared);
    ls[fCollector][i] = ScoreLineForField(s, fCollector, i, prepared) + p.LineNameScore[i];
    ls[fOtherCollectors][i] = ScoreLineForField(s, fOtherCollectors, i, prepared) + p.LineNameScore[i];
    ls[fDeterminer][i] = ScoreLineForField(s, fDeterminer, i, prepared) + p.LineNameScore[i];
    ls[fAssociatedSpecies][i] = ScoreLineForField(s, fAssociatedSpecies, i, prepared);
    int lastField = std::min(static_cast<int>(s.FieldDefinitions.size()), kMaxFields);
    for (int f = kBuiltInFields; f < lastField; ++f)
        if (!s.FieldDefinitions[static_cast<size_t>(f)].Name.empty()) ls[f][i] = ScoreLineForField(s, f, i, prepared);
}

void RunPhases(Session& s) {
    PhaseState ps;
    FamilyPhase(s, ps);
    if (ps.familyFound && !ps.genusAndSpeciesFound) GenusPhase(s, ps);
    if (ps.genusFound) SpeciesPhase(s, ps);
    if (ps.speciesChosen) RankPhase(s, ps);
    ps.found = false;
    CountryPhase(s, ps);
    if (ps.countryFound) StatePhase(s, ps);
    CountyPhase(s, ps);
    HerbariumPhase(s, ps);
    LatLongPhase(s, ps);
    ElevationPhase(s, ps);
    CustomFieldsPhase(s, ps);
    DeterminerPhase(s, ps);
    CollectorPhase(s, ps);
    AgainCollectionNumberPhase(s, ps);
    AssociatedSpeciesPhase(s, ps);
    DescriptionLocationHabitatPhase(s, ps);
    SecondDatePhase(s, ps);
    DateCleanupPhase(s, ps);
}

}  // namespace

void ScoreLabelLines(Session& s) {
    WriteToLog(s, "Setting up probabilities");
    ResetTables(s);

    if (s.trace.Trace) s.trace.TraceText += "Scoring Lines:\r\n";
    WriteLinesToLog(s, s.parser.LabelChunks);
    for (int i = 0; i < s.parser.LineCount(); ++i)
        if (!s.parser.Line(i).empty()) ScoreLine(s, i);
    if (s.trace.Trace) s.trace.TraceText += "\r\nDone scoring Lines:\r\n";
}

void FillLabelChunks(Session& s) {
    s.parser.LabelChunks.clear();
    s.parser.PlaceLines.clear();
    s.dialogs.ShowBusy("Please Wait...", "Parsing Information");
    WriteToLog(s, std::string(64, '*'));
    WriteToLog(s, "Start FillLabelChunks");

    CutIntoLines(s);
    if (s.parser.LineCount() < 4) {
        DialogButton answer = s.dialogs.Ask("Doesn't look like a label...", DialogKind::Warning,
                                            {DialogButton::Ignore, DialogButton::Cancel});
        if (answer != DialogButton::Ignore) {
            ClearFields(s);
            SetBoxText(s, "RichEdit1", "");
            s.dialogs.HideBusy();
            return;
        }
    }

    ScoreLabelLines(s);
    RunPhases(s);

    WriteToLog(s, "Before WarnIfEmpty");
    WarnIfEmpty(s, -1);
    s.dialogs.HideBusy();
    WriteToLog(s, "End FillLabelChunks");
    if (s.trace.Trace) {
        s.dialogs.ShowTrace(s.trace.TraceText);
        s.trace.Trace = false;
    }
}

void ParseLabelWindow(Session& s) {
    ClearFields(s);
    s.LabelText = BoxText(s, "RichEdit1");
    FillLabelChunks(s);
}

void OpenTextFileAndParse(Session& s, const std::filesystem::path& file) {
    ClearFields(s);
    s.form.SetText("RichEdit1", "");
    std::string text = AutoCorrectText(s, LoadFileToString(s, file, true));
    s.form.SetText("RichEdit1", text);
    s.LabelText = s.form.Get("RichEdit1").text;
    FillLabelChunks(s);
    SetBoxText(s, "ImageLabel", file.filename().string());
}

}  // namespace quorl
