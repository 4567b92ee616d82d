#pragma once
// All state the program shares: the user's settings and lists, the reference lists, the folders,
// the main window's Form and the Dialogs port. There are no mutable globals; every operation takes
// the Session it works on, so two Sessions never see each other.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Dialogs.h"
#include "base/FileLock.h"
#include "base/LogFile.h"
#include "model/Form.h"
#include "model/ParserState.h"
#include "model/Records.h"

namespace quorl {

class NameBrowser;
class THookHelpSystem;

class Session {
public:
    explicit Session(Dialogs& d) : dialogs(d) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Dialogs& dialogs;
    Form form;

    // Folders and user.
    std::filesystem::path ProgramFolder;
    std::filesystem::path UserFolder;
    std::string CurrentUserName;
    std::filesystem::path UserFile(const std::string& name) const { return UserFolder / name; }
    std::filesystem::path ProgramFile(const std::string& name) const { return ProgramFolder / name; }

    // The user's files.
    std::vector<LabelFieldClass> FieldDefinitions;
    int FileFormatVersion = 0;
    std::vector<BayesClass> WordStats;
    std::vector<std::string> NameStats;
    // Moves with every change to WordStats or NameStats: whoever changes either table calls
    // StatsChanged(), and the parser's look-ups of them are rebuilt before their next use.
    uint64_t StatsVersion = 0;
    void StatsChanged() { ++StatsVersion; }
    // The files whose last load left lines unread, with how many: a save that writes such a file
    // from what was read of it loses them. A file replaced since is no longer among them, unless
    // its save wrote them back (the statistics files).
    std::map<std::filesystem::path, size_t> UnreadLines;
    // The lines of WordStats.txt and NameStats.txt that their last load could not read at all, as
    // they stood: the statistics' saves write them back after the entries (a word line read in part
    // stays with its word, BayesClass::UnreadLine).
    std::vector<std::string> WordStatsUnread;
    std::vector<std::string> NameStatsUnread;
    std::vector<ReplacementClass> AutoCorrectList;
    std::vector<OutputFormatClass> OutputColumns;
    std::string OutputFileName;
    // The record file a record now in the fields was taken out of to be edited again, until that
    // record is written again ("" when the fields hold no such record).
    std::string RecordTakenOutOf;
    // The copy on disk of that record (records/RecordTakenOutCopy.h) and the lock that keeps other
    // copies of the program from taking it up: set while the session holds the copy.
    std::filesystem::path RecordTakenOutCopy;
    std::unique_ptr<FileLock> RecordTakenOutCopyLock;

    // Reference lists (program folder).
    std::vector<FamilyClass> PlantList;
    std::vector<FamilyClass> FamilyGenera;
    std::vector<CountryClass> CountryList;

    // Preferences, named by their Preferences.txt keys.
    int OutputType = 0;  // 0 TSV, 1 Darwin Core XML, 2 Darwin Core CSV
    int MinElevation = 0;
    bool LearnFromLabels = false;
    bool ApplyLearning = false;
    bool AutoCorrect = false;
    bool ReplaceNumerals = false;
    bool FillMeters = false;
    bool DateFormatCheck = false;
    bool DontSplitLines = false;
    bool DoubleSpace = false;
    bool AutoSplit = false;
    bool BarcodeFormatCheck = false;
    std::string BarcodeFormatTemplate;
    bool Debug = true;
    LogFile log;  // Log.txt of the user folder, kept open while lines are written

    // Main window layout, recorded once after construction.
    std::vector<ControlPositionClass> ControlPositions;
    int DesignWidth = 0;
    int DesignHeight = 0;

    // Label being worked on.
    std::string LabelText;
    std::string ConfirmedName;
    std::string LastHerbarium;
    std::string OcrLanguage;
    // The file last chosen in the main window's open dialog (text and batch files): the dialog
    // starts in its folder next time.
    std::filesystem::path OpenDialogFile;

    // Label parser: per-label state and the analyze trace.
    ParserState parser;
    TraceState trace;

    // Label window: the double-spacing editor's pending step (0 none, 1 a line break was typed,
    // 2 two lines were joined) and the caret correction that goes with it.
    int PendingReformat = 0;
    int CaretShift = 0;
    // Batch mode shows each parsed label this long (tests shorten it).
    int BatchPauseMs = 4000;
    // How long adding a record waits for another copy of the program that is writing the same
    // record file (tests shorten it).
    int RecordFileLockWaitMs = 10000;

    // Name lookup: the browser window (nullptr without one) and the lookup waiting for its page,
    // with the Scientific Name it was started for.
    NameBrowser* nameBrowser = nullptr;

    // The help hook of the main window (nullptr while there is none): every help request of the
    // windows goes to it.
    THookHelpSystem* HelpSystem = nullptr;
    bool NameLookupPending = false;
    std::string NameLookupName;
    // A name the user chose to add although its name-search page failed to load; the next name
    // check of that name passes once.
    std::string UncheckedNameAccepted;
    // The questions "Add to Database" asked, with the user's answers, kept while its name lookup
    // is pending: the add run again for the page asks none of them again.
    std::vector<std::pair<std::string, DialogButton>> AddAnswers;
    // The main window's field values when those answers were kept.
    std::vector<std::string> AddAnswersFields;
    // The Form's TextChanges() when "Add to Database" last cleared the fields for the next label
    // (none before the first record written): an add with no field changed since writes nothing.
    std::optional<uint64_t> FieldsClearedByAdd;
};

}  // namespace quorl
