#include "records/DarwinCsvWriter.h"

#include <chrono>
#include <cstdio>
#include <ctime>

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

std::string Verbatim(const Session& s, const CoordinateBoxes& b) {
    std::string t;
    std::string deg = BoxText(s, b.degrees), min = BoxText(s, b.minutes), sec = BoxText(s, b.seconds);
    if (!deg.empty()) t = deg + "d";
    if (!min.empty()) t += " " + min + "m";
    if (!sec.empty()) t += " " + sec + "s";
    return t + " " + BoxText(s, b.hemisphere);
}

struct CsvRecordState {
    CollectionDateParts date;
    bool latitudeGiven = false;
    bool longitudeGiven = false;
    std::string verbatimCoordinates;  // grows with the 18.3 and 18.4 columns, in column order
};

std::string ComposedCollectionNumber(Session& s) {
    std::string prefix = BoxText(s, "PrefixEdit"), suffix = BoxText(s, "SuffixEdit");
    std::string t = prefix.empty() ? "" : prefix + "-";
    t += CheckNumericField(s, GetFieldText(s, fCollectionNumber), 1, 0);
    if (!suffix.empty()) t += "-" + suffix;
    return t;
}

std::string VerbatimElevation(const Session& s) {
    std::string low = BoxText(s, "ElevFeetLowEdit"), high = BoxText(s, "ElevFeetHighEdit");
    if (low.empty()) return {};
    return low + (high.empty() ? "" : " - " + high) + " feet";
}

// Darwin Core's month is a number: Jan to Dec become 1 to 12; any other text stays as it is.
std::string MonthNumber(const std::string& month) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        if (month == kMonths[i]) return IntToStr(i + 1);
    return month;
}

std::string CsvValue(Session& s, CsvRecordState& st, const OutputFormatClass& c) {
    const int f = c.FieldIndex, sub = c.SubIndex;
    if (f == fCollectionNumber) return ComposedCollectionNumber(s);
    if (f == 30) return BoxText(s, "UserEdit") + " " + ExportDateStamp();
    if (sub == 0) return ReplaceAll(CheckNumericField(s, GetFieldText(s, f), f, 0), "\r\n", ";  ");
    // The month is checked as it is written: a numeric column gets "9" for "Sep", not the name.
    if (f == fCollectionDate && sub == 3) return CheckNumericField(s, MonthNumber(st.date.month), 3, 3);
    if (f == fCollectionDate) return CollectionDateValue(s, st.date, sub);
    if (f == fElevation) {
        if (sub == 1) return CheckNumericField(s, BoxText(s, "ElevMetersLowEdit"), 17, 1);
        if (sub == 2) return CheckNumericField(s, BoxText(s, "ElevMetersHighEdit"), 17, 2);
        if (sub == 3) return VerbatimElevation(s);
        return {};
    }
    if (f == fLatLong) {
        switch (sub) {
            case 1: return st.latitudeGiven ? DecimalDegrees(s, kLatitudeBoxes, DegreeForm::Fixed) : "";
            case 2: return st.longitudeGiven ? DecimalDegrees(s, kLongitudeBoxes, DegreeForm::Fixed) : "";
            case 3:
                if (!st.latitudeGiven) return {};
                st.verbatimCoordinates = VerbatimLatitude(s);
                return st.verbatimCoordinates;
            case 4:
                if (!st.longitudeGiven) return {};
                st.verbatimCoordinates += ", " + VerbatimLongitude(s);
                return VerbatimLongitude(s);
            case 5:
                if (st.verbatimCoordinates.empty())
                    st.verbatimCoordinates = VerbatimLatitude(s) + ", " + VerbatimLongitude(s);
                return Trim(st.verbatimCoordinates) == "," ? std::string() : st.verbatimCoordinates;
            default: return {};
        }
    }
    return {};
}

}  // namespace

std::string VerbatimLatitude(const Session& s) { return Verbatim(s, kLatitudeBoxes); }
std::string VerbatimLongitude(const Session& s) { return Verbatim(s, kLongitudeBoxes); }

std::string ExportDateStamp() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d_%02d_%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buf;
}

bool AddDarwinCSV(Session& s) {
    return RunRecordWriter(s, "Darwin CSV", [&] {
        WriteToLog(s, "Start Add Darwin CSV");
        CsvRecordState st;
        st.date = SplitCollectionDate(s);
        WriteToLog(s, "Add Darwin CSV Step 1");
        st.latitudeGiven = CoordinateGiven(s, kLatitudeBoxes);
        st.longitudeGiven = CoordinateGiven(s, kLongitudeBoxes);
        // A numeric value holding a comma, a quote or a line break is quoted too, so the row
        // keeps its columns.
        DelimitedRecord r = BuildDelimitedRecord(s.OutputColumns, ',', ",\"\r\n", [&](const OutputFormatClass& c) {
            WriteToLog(s, "Adding " + c.DatabaseName);
            return CsvValue(s, st, c);
        });
        WriteToLog(s, "Add Darwin CSV Step 2");
        if (!r.header.empty()) r.header.pop_back();
        if (!AppendDelimitedRecord(s, r.header, r.line, ',')) return false;
        WriteToLog(s, "End Add Darwin CSV");
        return true;
    });
}

}  // namespace quorl
