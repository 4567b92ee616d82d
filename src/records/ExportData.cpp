#include "records/ExportData.h"

#include <string>

#include "base/Dialogs.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "records/AddQuestions.h"
#include "records/DarwinCsvWriter.h"
#include "records/DarwinXmlWriter.h"
#include "records/Learning.h"
#include "records/PlaceCheck.h"
#include "records/PlantNameCheck.h"
#include "records/RecordChecks.h"
#include "records/RecordFileLock.h"
#include "records/RecordValues.h"
#include "records/TsvWriter.h"

namespace quorl {

namespace {

// A warning with Ignore and Cancel; true for Ignore (closing the box counts as Cancel). The log
// tells which the user chose.
bool Ignored(Session& s, const std::string& question, const std::string& abortedLog, const std::string& ignoredLog) {
    const bool ignored = AskOnce(s, question, DialogKind::Warning, {DialogButton::Ignore, DialogButton::Cancel}) ==
                         DialogButton::Ignore;
    WriteToLog(s, ignored ? ignoredLog : abortedLog);
    return ignored;
}

// Hides the busy window however the export ends.
struct BusyWindow {
    Session& s;
    BusyWindow(Session& session, const std::string& title, const std::string& message) : s(session) {
        s.dialogs.ShowBusy(title, message);
    }
    ~BusyWindow() { s.dialogs.HideBusy(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;
};

}  // namespace

bool ExportData(Session& s) {
    bool ok = true;
    WriteToLog(s, "Start of Export Data.");
    // Before any question about the record: it could not be written anyway.
    if (RecordFileRefused(s, s.ProgramFile(s.OutputFileName), "The record was not added.")) return false;
    if (!BoxText(s, "LatDegreesEdit").empty() && BoxText(s, "NSCombo").empty()) {
        s.dialogs.ShowMessage("Enter N or S Latitude");
        ok = false;
    }
    if (!BoxText(s, "LongDegreesEdit").empty() && BoxText(s, "EWCombo").empty()) {
        s.dialogs.ShowMessage("Enter E or W Longitude");
        ok = false;
    }
    if (!WarnIfEmpty(s, -1)) ok = false;
    if (!ok) {
        if (!Ignored(s, "Not all required fields filled in.", "Not all required fields filled in.  Export aborted.",
                     "Not all required fields filled in.  Warning ignored."))
            return false;
        ok = true;
    }

    WriteToLog(s, "Export Step 1");
    if (s.DateFormatCheck && !CheckCollectionDateText(GetFieldText(s, fCollectionDate))) {
        WriteToLog(s, "Failed for Collection Date Format");
        s.dialogs.ShowMessage("Collection Date Format is not right.  Should be formatted:   1 Jan 2005");
        ok = false;
    }

    WriteToLog(s, "Export Step 2");
    if (!CheckGenusSpecies(s)) return false;

    WriteToLog(s, "Export Step 3");
    if (!GetFieldText(s, fSubSp).empty() && GetFieldText(s, fRank).empty()) {
        if (!Ignored(s, "Subspecies denoted, but no rank selected.", "Subspecies without Rank.  Export aborted.",
                     "Subspecies without Rank ignored."))
            return false;
        // Ignoring this warning forgives only this warning: a failed date check stays failed.
    }

    WriteToLog(s, "Export Step 4");
    if (!CheckCountryStateCounty(s)) ok = false;
    if (s.BarcodeFormatCheck && !CheckBarcodeFormat(s)) {
        if (!Ignored(s, "Barcode is wrong format.", "Barcode format incorrect.  Export aborted.",
                     "Barcode format error ignored."))
            return false;
    }

    WriteToLog(s, "Export Step 5");
    const std::pair<const char*, int> ranges[] = {{"LatDegreesEdit", 90}, {"LatMinutesEdit", 60},
                                                  {"LatSecondsEdit", 60}, {"LongDegreesEdit", 180},
                                                  {"LongMinutesEdit", 60}, {"LongSecondsEdit", 60}};
    for (const auto& [box, max] : ranges)
        if (!CheckLatLongRange(s, BoxText(s, box), 0, max)) ok = false;
    for (const char* box : {"ElevMetersLowEdit", "ElevMetersHighEdit"})
        if (!CheckElevationRange(s, BoxText(s, box), kLowestElevationMeters, kHighestElevationMeters, "meters"))
            ok = false;
    for (const char* box : {"ElevFeetLowEdit", "ElevFeetHighEdit"})
        if (!CheckElevationRange(s, BoxText(s, box), kLowestElevationFeet, kHighestElevationFeet, "feet")) ok = false;
    for (int field : {fCollector, fOtherCollectors, fDeterminer})
        if (!CheckAlphabetic(s, field)) ok = false;

    WriteToLog(s, "Export Step 6");
    if (!ok) return false;
    s.parser.CurrentLine = 0;
    for (int field : {fFamily, fGenus, fSpecies, fCountry, fState, fCounty})
        if (Contains(GetFieldText(s, field), "Select")) SetFieldText(s, field, "", false);

    WriteToLog(s, "Data OK.  Exporting.");
    WriteToLog(s, "Export Step 7");
    bool written = false;
    switch (s.OutputType) {
        case 1: written = AddDarwinXML(s); break;
        case 2: written = AddDarwinCSV(s); break;
        default: written = AddTSV(s); break;
    }
    // Learn only from a record that is in the file: a record the disk refused is still in the
    // window, and learning from it now would count its words again when the user adds it later.
    if (written && s.LearnFromLabels) UpdateLearningFiles(s);
    return written;
}

namespace {

// Told when the add button is pressed again with nothing new in the fields, as the second click
// of a double click: the record was written and the fields cleared by the first.
constexpr const char* kNothingChanged =
    "No field was changed since the last record was added.  No record was written.";

void AddRecord(Session& s) {
    {
        BusyWindow busy(s, "Writing to file", s.OutputFileName);
        if (ExportData(s)) {
            WriteToLog(s, "Export Step 8");
            if (std::string herbarium = GetFieldText(s, fHerbarium); !herbarium.empty()) s.LastHerbarium = herbarium;
            WriteToLog(s, "Export Step 9");
            ClearFields(s);
            SetBoxText(s, "RichEdit1", "");
            s.LabelText.clear();
            if (s.form.Find("ImageNameEdit")) {
                long long number = TryStrToInt(s.form.Get("ImageNameEdit").text).value_or(0);
                s.form.SetText("ImageNameEdit", IntToStr(number + 1));
            }
            s.FieldsClearedByAdd = s.form.TextChanges();
        } else {
            WriteToLog(s, "Export aborted for some reason.");
        }
    }
    WriteToLog(s, "Done Exporting Data");
}

void RunAdd(Session& s) {
    if (s.FieldsClearedByAdd && !ClearedFieldsChangedSince(s, *s.FieldsClearedByAdd)) {
        WriteToLog(s, "No field changed since the last record.  Export aborted.");
        s.dialogs.ShowMessage(kNothingChanged);
    } else {
        AddRecord(s);
    }
    if (s.NameLookupPending)
        KeepAddAnswers(s);
    else
        s.AddAnswers.clear();
}

}  // namespace

void AddDataButtonClick(Session& s) {
    s.AddAnswers.clear();
    RunAdd(s);
}

void AddDataAfterNameSearch(Session& s) { RunAdd(s); }

}  // namespace quorl
