#include "records/PlaceCheck.h"

#include <vector>

#include "base/Dialogs.h"
#include "base/Excerpt.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "records/RecordValues.h"

namespace quorl {

namespace {

// Degrees + minutes/60 + seconds/3600, negative when the hemisphere list reads exactly "S" ("W").
float Coordinate(Session& s, const CoordinateBoxes& b) {
    long double v = NumberOrZero(BoxText(s, b.degrees)) + NumberOrZero(BoxText(s, b.minutes)) / 60 +
                    NumberOrZero(BoxText(s, b.seconds)) / 3600;
    auto value = static_cast<float>(v);
    if (BoxText(s, b.hemisphere) == b.negativeLetter) value = -value;
    return value;
}

bool ListedOrReport(Session& s, const std::string& level, const std::string& text, const char* placeholder,
                    int index) {
    if (text.empty() || text == placeholder || index >= 0) return true;
    s.dialogs.ShowMessage(level + "\"" + Excerpt(text) + "\" not from the allowed list.");
    return false;
}

// Asks about a coordinate outside the node's box; false when the user cancels one of them.
bool InsideBox(Session& s, const CountryClass& node, const std::string& name, float lat, float lon) {
    bool ok = true;
    auto test = [&](float value, float low, float high, const std::string& what) {
        if (value >= low && value <= high) return;
        WriteToLog(s, "Error:  " + what + " " + FormatGeneralNumber(value) + " out of bounds for " + name);
        if (AskIgnoreOutOfRange(s, what, name))
            WriteToLog(s, "Error ignored.");
        else
            ok = false;
    };
    test(lat, node.MinLat, node.MaxLat, "Latitude");
    test(lon, node.MinLong, node.MaxLong, "Longitude");
    return ok;
}

}  // namespace

bool AskIgnoreOutOfRange(Session& s, const std::string& what, const std::string& where) {
    return s.dialogs.Ask(what + " out of range for " + where, DialogKind::Warning,
                         {DialogButton::Ignore, DialogButton::Cancel}) == DialogButton::Ignore;
}

bool CheckCountryStateCounty(Session& s) {
    const std::string country = GetFieldText(s, fCountry);
    const std::string state = GetFieldText(s, fState);
    const std::string county = GetFieldText(s, fCounty);
    const int ci = BoxItemIndex(s, "CountryCombo");
    const int si = BoxItemIndex(s, "StateCombo");
    const int pi = BoxItemIndex(s, "ParishCombo");
    if (!ListedOrReport(s, "Country ", country, "", ci)) return false;
    if (!ListedOrReport(s, "State ", state, "Select State", si)) return false;
    if (!ListedOrReport(s, "County ", county, "Select County", pi)) return false;

    const float lat = Coordinate(s, kLatitudeBoxes);
    const float lon = Coordinate(s, kLongitudeBoxes);
    if (ci < 0 || ci >= static_cast<int>(s.CountryList.size())) return true;
    const CountryClass& c = s.CountryList[static_cast<size_t>(ci)];
    if (c.MaxLong == 0 || lat == 0) return true;

    bool ok = InsideBox(s, c, country, lat, lon);
    if (si < 0 || si >= static_cast<int>(c.Children.size())) return ok;
    const CountryClass& st = c.Children[static_cast<size_t>(si)];
    if (st.MinLat == 0) return ok;
    ok = InsideBox(s, st, state, lat, lon) && ok;
    if (pi < 0 || pi >= static_cast<int>(st.Children.size())) return ok;
    const CountryClass& co = st.Children[static_cast<size_t>(pi)];
    if (co.MinLat == 0) return ok;
    return InsideBox(s, co, county, lat, lon) && ok;
}

}  // namespace quorl
