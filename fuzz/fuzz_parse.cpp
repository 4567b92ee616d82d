// Fuzz target: random label text through the whole parser, the paste-time splitter and the
// extractors. The first byte picks the parser preferences; the rest is the label (UTF-8 as the
// program holds it, or any bytes). Built by scripts/fuzz with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/ScriptedDialogs.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/AutoSplit.h"
#include "parser/CollectionNumber.h"
#include "parser/Coordinates.h"
#include "parser/DateRecognizer.h"
#include "parser/Elevation.h"
#include "parser/FillLabelChunks.h"
#include "parser/NumberText.h"
#include "parser/Numerals.h"

using namespace quorl;

namespace {

FamilyClass Node(const std::string& name, std::vector<FamilyClass> children = {}) {
    FamilyClass f;
    f.Name = name;
    f.Children = std::move(children);
    return f;
}

CountryClass Place(const std::string& name, std::vector<CountryClass> children = {}) {
    CountryClass c;
    c.Name = name;
    c.Children = std::move(children);
    return c;
}

void Learn(Session& s, const char* word, int d, int l, int h, int count) {
    BayesClass b;
    b.Word = word;
    b.Count = count;
    b.FieldPercent[fDescription] = d;
    b.FieldPercent[fLocation] = l;
    b.FieldPercent[fHabitat] = h;
    b.Followers.push_back(b);
    s.WordStats.push_back(b);
}

// One session for the whole run, as in the program: lists and definitions stay, fields are
// cleared before every label.
ScriptedDialogs& TheDialogs() {
    static ScriptedDialogs dialogs;
    return dialogs;
}

Session& TheSession() {
    ScriptedDialogs& dialogs = TheDialogs();
    static Session s(dialogs);
    static bool ready = false;
    if (ready) return s;
    ready = true;
    dialogs.fallbackAnswer = DialogButton::Ignore;
    s.Debug = false;
    BuildMainForm(s.form);
    CreateCustomFieldControls(s.form);
    for (int f = 0; f < kBuiltInFields + 2; ++f) {
        LabelFieldClass d;
        d.Minimum = f % 3;
        d.Maximum = 50;
        d.Name = f < kBuiltInFields ? FieldNames[static_cast<size_t>(f)] : "Custom " + std::to_string(f);
        s.FieldDefinitions.push_back(d);
    }
    s.FieldDefinitions[fCollector].StartWords = "coll,collector,leg";
    s.FieldDefinitions[fCollectionNumber].StartWords = "no.,number,#";
    s.FieldDefinitions[fOtherCollectors].StartWords = "with,&";
    s.FieldDefinitions[fAssociatedSpecies].StartWords = "associated species,assoc";
    s.FieldDefinitions[fDescription].ContainedWords = "shrub,tree,flowers";
    s.FieldDefinitions[fLocation].StartWords = "locality,loc";
    s.FieldDefinitions[fLocation].ContainedWords = "road,km,county";
    s.FieldDefinitions[fHabitat].StartWords = "habitat";
    s.FieldDefinitions[fHabitat].ContainedWords = "oak,woodland,rocky";
    s.FieldDefinitions[fElevation].StartWords = "elev,elevation,alt";
    s.FieldDefinitions[fLatLong].StartWords = "lat,gps";
    s.FieldDefinitions[fHerbarium].ContainedWords = "herbarium,university";
    s.FieldDefinitions[fDeterminer].StartWords = "det,determined";
    s.FieldDefinitions[fDeterminer].ContainedWords = "determined,det";
    s.FieldDefinitions[fTownship].StartWords = "township,t";
    s.FieldDefinitions[fBarcode].StartWords = "barcode:";
    s.FieldDefinitions[kBuiltInFields].StartWords = "note";
    s.FieldDefinitions[kBuiltInFields + 1].ContainedWords = "a";
    s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});

    s.PlantList = {Node("Asteraceae", {Node("Ambrosia", {Node("deltoidea"), Node("dumosa")}), Node("A")}),
                   Node("Fagaceae", {Node("Quercus", {Node("alba"), Node("emoryi"), Node("")})}),
                   Node("Pinaceae", {Node("Pinus", {Node("edulis")}), Node("")})};
    for (const auto& f : s.PlantList) s.form.AddItem("FamilyCombo", f.Name);
    s.CountryList = {Place("Mexico", {Place("Sonora", {Place("Alamos")}), Place("Mexico")}),
                     Place("United States", {Place("Arizona", {Place("Pima"), Place("")}), Place("New Mexico")}),
                     Place("")};
    for (const auto& c : s.CountryList) s.form.AddItem("CountryCombo", c.Name);
    BindCascadingLists(s);

    const char* words[] = {"oak", "woodland", "rocky", "slope", "shrub", "flowers", "road", "km", "canyon", "sandy",
                           "pine", "north"};
    int k = 0;
    for (const char* w : words) Learn(s, w, (k * 37) % 101, (k * 53) % 101, (k * 71) % 101, 1 + k % 3), ++k;
    s.NameStats = {"Smith", "J", "Garcia"};
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    Session& s = TheSession();
    ScriptedDialogs& d = TheDialogs();
    d.shown.clear(), d.messages.clear(), d.questions.clear(), d.traces.clear();
    const uint8_t switches = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    s.ApplyLearning = switches & 1;
    s.DontSplitLines = switches & 2;
    s.FillMeters = switches & 4;
    s.MinElevation = (switches & 8) ? 0 : 10;
    s.FieldDefinitions[fCollector].Preserve = switches & 16;
    s.FieldDefinitions[fCountry].Default = (switches & 32) ? "Mexico" : "";
    if (switches & 64) StartTrace(s, (switches >> 1) % 38);

    ClearFields(s);
    s.LabelText = text;
    FillLabelChunks(s);

    s.parser.CurrentLine = 0;
    AutoSplitText(s, text);
    std::string line = text;
    ExtractDate(s, line);
    ParseLatLong(s, text);
    LatLongScore(text);
    FindElevation(s, text);
    std::string number = text;
    FindCollectionNumber(s, number);
    SplitHyphenatedNumber(s, text);
    IsCollectionYear(s, text);
    CleanNumberText(text);
    FixNumerals(text);
    return 0;
}
