#include "records/TsvWriter.h"

#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/DelimitedRecord.h"
#include "records/OutputColumns.h"
#include "records/RecordValues.h"
#include "records/WriterGuard.h"

namespace quorl {

namespace {

// Degree, minute and second boxes of pair 18.n: checked, put back into the box, read again.
const char* CheckedCoordinateBox(int sub) {
    switch (sub) {
        case 1: return "LatDegreesEdit";
        case 2: return "LatMinutesEdit";
        case 3: return "LatSecondsEdit";
        case 6: return "LongDegreesEdit";
        case 7: return "LongMinutesEdit";
        case 8: return "LongSecondsEdit";
        default: return nullptr;
    }
}

const char* ElevationBox(int sub) {
    switch (sub) {
        case 1: return "ElevMetersLowEdit";
        case 2: return "ElevMetersHighEdit";
        case 3: return "ElevFeetLowEdit";
        case 4: return "ElevFeetHighEdit";
        default: return nullptr;
    }
}

struct TsvRecordState {
    CollectionDateParts date;
    bool latitudeGiven = false;
    bool longitudeGiven = false;
};

std::string TsvValue(Session& s, const TsvRecordState& st, const OutputFormatClass& c) {
    const int f = c.FieldIndex, sub = c.SubIndex;
    // The whole collection number goes as the field holds it, unchecked.
    if (f == fCollectionNumber && sub == 0) return GetFieldText(s, f);
    if (sub == 0) {
        std::string v = ReplaceAll(GetFieldText(s, f), "\t", " ");
        v = CheckNumericField(s, v, f, 0);
        return ReplaceAll(v, "\r\n", ";  ");
    }
    if (f == fCollectionNumber) {
        if (sub == 1) return CheckNumericField(s, BoxText(s, "NumberEdit"), 1, 1);
        if (sub == 2) return CheckNumericField(s, BoxText(s, "PrefixEdit"), 1, 2);
        if (sub == 3) return CheckNumericField(s, BoxText(s, "SuffixEdit"), 1, 3);
        return {};
    }
    if (f == fCollectionDate) return CollectionDateValue(s, st.date, sub);
    if (f == fElevation) {
        const char* box = ElevationBox(sub);
        return box ? CheckNumericField(s, BoxText(s, box), 17, sub) : std::string();
    }
    if (f == fLatLong) {
        if (const char* box = CheckedCoordinateBox(sub)) {
            SetBoxText(s, box, CheckNumericField(s, BoxText(s, box), 18, sub));
            return BoxText(s, box);
        }
        if (sub == 4) return st.latitudeGiven ? BoxText(s, "NSCombo") : std::string();
        if (sub == 5) return st.latitudeGiven ? DecimalDegrees(s, kLatitudeBoxes, DegreeForm::Fixed) : std::string();
        if (sub == 9) return st.longitudeGiven ? BoxText(s, "EWCombo") : std::string();
        if (sub == 10) return st.longitudeGiven ? DecimalDegrees(s, kLongitudeBoxes, DegreeForm::Fixed) : std::string();
    }
    return {};
}

}  // namespace

bool AddTSV(Session& s) {
    return RunRecordWriter(s, "Tab-separated", [&] {
        TsvRecordState st;
        st.date = SplitCollectionDate(s);
        st.latitudeGiven = CoordinateGiven(s, kLatitudeBoxes);
        st.longitudeGiven = CoordinateGiven(s, kLongitudeBoxes);
        // A TAB inside any value would shift the columns after it.
        DelimitedRecord r = BuildDelimitedRecord(s.OutputColumns, '\t', "", [&](const OutputFormatClass& c) {
            return ReplaceAll(TsvValue(s, st, c), "\t", " ");
        });
        return AppendDelimitedRecord(s, r.header, r.line, '\t');
    });
}

}  // namespace quorl
