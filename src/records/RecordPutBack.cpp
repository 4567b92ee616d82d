#include "records/RecordPutBack.h"

#include <filesystem>

#include "base/Text.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/MainForm.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"

namespace quorl {

namespace {

// Index of the first name equal to value, -1 when there is none.
template <typename Nodes>
int IndexOfName(const Nodes& nodes, const std::string& value) {
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].Name == value) return static_cast<int>(i);
    return -1;
}

int IndexOfItem(const Session& s, const char* list, const std::string& value) {
    const Control* c = s.form.Find(list);
    if (!c) return -1;
    for (size_t i = 0; i < c->items.size(); ++i)
        if (c->items[i] == value) return static_cast<int>(i);
    return -1;
}

void SelectAndSet(Session& s, int field, int index, const std::string& value) {
    SelectFieldComboItem(s, field, index, -1);
    SetFieldText(s, field, value, false);
}

void PutBackDecimalDegrees(Session& s, const OutputFormatClass& c, std::string v) {
    if (!TryStrToFloat(v)) {
        s.dialogs.ShowMessage(c.DatabaseName + " \"" + v + "\" is not a number; it was not put back into the fields.");
        return;
    }
    const bool latitude = ContainsNoCase(c.DatabaseName, "Lat");
    // Degrees, minutes and seconds of the same record name the same place more exactly; the
    // decimal value would otherwise stand beside their minutes as degrees.
    if (!BoxText(s, latitude ? "LatDegreesEdit" : "LongDegreesEdit").empty()) return;
    const bool negative = !v.empty() && v[0] == '-';
    if (negative) v.erase(0, 1);
    if (latitude) {
        SetBoxText(s, "NSCombo", negative ? "S" : "N");
        SetBoxText(s, "LatDegreesEdit", v);
    } else {
        SetBoxText(s, "EWCombo", negative ? "W" : "E");
        SetBoxText(s, "LongDegreesEdit", v);
    }
}

const char* CoordinateBox(int sub) {
    switch (sub) {
        case 1: return "LatDegreesEdit";
        case 2: return "LatMinutesEdit";
        case 3: return "LatSecondsEdit";
        case 4: return "NSCombo";
        case 6: return "LongDegreesEdit";
        case 7: return "LongMinutesEdit";
        case 8: return "LongSecondsEdit";
        case 9: return "EWCombo";
        default: return nullptr;
    }
}

void PutBackCoordinate(Session& s, const OutputFormatClass& c, const std::string& v) {
    if (ContainsNoCase(c.DatabaseName, "Decimal")) {
        PutBackDecimalDegrees(s, c, v);
        return;
    }
    // A verbatim coordinate ("12d 30m N") fits no single box; the decimal columns carry the place.
    if (ContainsNoCase(c.DatabaseName, "Verbatim")) return;
    if (const char* box = CoordinateBox(c.SubIndex)) SetBoxText(s, box, v);
}

void PutBackElevation(Session& s, const OutputFormatClass& c, std::string v) {
    switch (c.SubIndex) {
        case 1: SetBoxText(s, "ElevMetersLowEdit", v); return;
        case 2: SetBoxText(s, "ElevMetersHighEdit", v); return;
        case 3:
            // A verbatim elevation is written "1000 - 1200 feet": the feet box takes the numbers.
            if (ContainsNoCase(c.DatabaseName, "Verbatim")) {
                if (ContainsNoCase(v, "Meters")) v.clear();
                else if (ContainsNoCase(v, "Feet")) v = Trim(ReplaceAllNoCase(v, "Feet", ""));
            }
            SetBoxText(s, "ElevFeetLowEdit", v);
            return;
        case 4: SetBoxText(s, "ElevFeetHighEdit", v); return;
        default: return;
    }
}

}  // namespace

void StartPutBack(Session& s) {
    ClearFields(s);
    s.form.SetText("ImageNameEdit", "");
    s.parser.LabelChunks.clear();
    s.parser.CurrentLine = -1;
    s.form.SetText(kLabelWindow, "-->DATA Reloaded from Output File.  \r\n\r\n-->Original label not available.");
    // The values come from the record file, not from the label file or photo opened last.
    SetBoxText(s, "ImageLabel", std::filesystem::path(s.OutputFileName).filename().string());
}

void PutBackValue(Session& s, const OutputFormatClass& c, const std::string& v) {
    if (v.empty()) return;
    const int f = c.FieldIndex, sub = c.SubIndex;
    switch (f) {
        case fLatLong: PutBackCoordinate(s, c, v); return;
        case fCountry:
            if (int i = IndexOfName(s.CountryList, v); i >= 0) {
                SelectAndSet(s, fCountry, i, v);
                FillStateCombo(s);
            }
            return;
        case fState: {
            const int ci = BoxItemIndex(s, "CountryCombo");
            if (ci < 0 || ci >= static_cast<int>(s.CountryList.size())) return;
            if (int i = IndexOfName(s.CountryList[static_cast<size_t>(ci)].Children, v); i >= 0) {
                SelectAndSet(s, fState, i, v);
                StateComboChange(s);
            }
            return;
        }
        case fFamily:
            if (int i = IndexOfName(s.PlantList, v); i >= 0) {
                SelectAndSet(s, fFamily, i, v);
                GetOneFamily(s, i);
            }
            return;
        case fGenus:
            if (int i = IndexOfItem(s, "GenusCombo", v); i >= 0) {
                SelectAndSet(s, fGenus, i, v);
                FillSpeciesCombo(s);
            }
            return;
        case fSpecies:
            if (int i = IndexOfItem(s, "SpeciesCombo", v); i >= 0) SelectAndSet(s, fSpecies, i, v);
            return;
        default: break;
    }
    if (sub == 0) {
        SetFieldText(s, f, v, false);
    } else if (f == fCollectionNumber) {
        if (sub == 1) SetFieldText(s, f, v, false);
        else if (sub == 2) SetBoxText(s, "PrefixEdit", v);
        else if (sub == 3) SetBoxText(s, "SuffixEdit", v);
    } else if (f == fCollectionDate) {
        if (sub == 1) SetFieldText(s, f, v, false);
    } else if (f == fElevation) {
        PutBackElevation(s, c, v);
    }
}

}  // namespace quorl
