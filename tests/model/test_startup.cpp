#include "LoaderTestSupport.h"
#include "commands/SessionStart.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/UserFiles.h"
#include "records/ExportData.h"
#include "records/OutputPreview.h"
#include "records/RecordTakenOut.h"
#include "records/RecordTakenOutCopy.h"
#include "records/TsvWriter.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class StartupTest : public LoaderTest {
protected:
    StartupTest() {
        WriteUserFiles(program);
        WriteReferenceLists(program);
    }
    const fs::path& program = folder;
};

TEST_F(StartupTest, DefaultUserLoadsEverythingAndStartsTheLog) {
    WriteFile(program / "Log.txt", "old log\r\n");
    s.form.SetText("CollectorEdit", "left over");
    StartSession(s, program);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.ProgramFolder, program);
    EXPECT_EQ(s.UserFolder, program);
    EXPECT_EQ(s.CurrentUserName, "Default");
    EXPECT_EQ(s.form.Get("UserNameLabel").text, "Default");
    EXPECT_EQ(s.form.Get("UserEdit").text, "Default");
    EXPECT_EQ(s.FieldDefinitions.size(), 30u);
    EXPECT_TRUE(s.LearnFromLabels);
    EXPECT_EQ(s.AutoCorrectList.size(), 1u);
    EXPECT_EQ(s.OutputColumns.size(), 2u);
    EXPECT_EQ(s.form.Get("OutputLabel").text, "Database.tsv");
    EXPECT_EQ(s.WordStats.size(), 1u);
    EXPECT_EQ(s.NameStats.size(), 2u);
    EXPECT_EQ(s.form.Get("FamilyCombo").items, (std::vector<std::string>{"Pinaceae", "Poaceae"}));
    EXPECT_EQ(s.form.Get("CountryCombo").items, (std::vector<std::string>{"Chad", "Peru"}));
    EXPECT_EQ(s.form.Get("CollectorEdit").text, "");
    EXPECT_EQ(s.form.Get("RankCombo").items,
              (std::vector<std::string>{"f.", "form", "forma", "ssp.", "subsp.", "var."}));
    EXPECT_EQ(s.OcrLanguage, "eng");

    std::string log = ReadFile(program / "Log.txt");
    EXPECT_EQ(log.find("old log"), std::string::npos);
    size_t v = log.find("  Quorl Version " + GetFileVersion() + "\r\n");
    size_t u = log.find("  UserName: Default\r\n");
    ASSERT_NE(v, std::string::npos);
    ASSERT_NE(u, std::string::npos);
    EXPECT_LT(v, u);
}

TEST_F(StartupTest, SkippedLinesOfTheUserFilesAreInTheRestartedLog) {
    WriteFile(program / "Log.txt", "old log\r\n");
    WriteFile(program / "WordStats.txt", "rock\t4\t20\t60\t20\t\r\nsand\tmany\t1\t2\t3\t\r\n");
    StartSession(s, program);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 1 unreadable line(s)"), std::string::npos);
    const std::string log = ReadFile(program / "Log.txt");
    EXPECT_EQ(log.find("old log"), std::string::npos);
    EXPECT_NE(log.find("Skipped line 2 of WordStats.txt"), std::string::npos) << log;
    EXPECT_NE(log.find("UserName: Default"), std::string::npos);

    // The log stays open while the program runs; every line is in the file at once.
    WriteToLog(s, "one");
    EXPECT_NE(ReadFile(program / "Log.txt").find("  one\r\n"), std::string::npos);
    WriteToLog(s, "/two");
    WriteToLog(s, "/.");
    EXPECT_EQ(ReadFile(program / "Log.txt").substr(ReadFile(program / "Log.txt").size() - 6), "two\r\n.");
}

TEST_F(StartupTest, NamedUserUsesTheirFolder) {
    WriteFile(program / "CurrentUser.txt", "Ann");
    fs::path ann = program / "Users" / "Ann";
    WriteUserFiles(ann);
    WriteFile(ann / "Preferences.txt", "OutputFormat\tDarwin\r\n");
    StartSession(s, program);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.CurrentUserName, "Ann");
    EXPECT_EQ(s.UserFolder, ann);
    EXPECT_EQ(s.OutputType, 1);
    EXPECT_EQ(s.OutputFileName, "Database.xml");
    EXPECT_NE(ReadFile(ann / "Log.txt").find("UserName: Ann\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(program / "Log.txt"));
}

TEST_F(StartupTest, UserWithoutPreferencesFallsBackToDefault) {
    // The whole file is the name, line end included: no such folder exists.
    WriteFile(program / "CurrentUser.txt", "Default\r\n");
    StartSession(s, program);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Unable to open User Default\r\n.  Setting User to Default");
    EXPECT_EQ(s.CurrentUserName, "Default");
    EXPECT_EQ(s.UserFolder, program);
    EXPECT_EQ(ReadFile(program / "CurrentUser.txt"), "Default\r\n");  // not rewritten
    EXPECT_EQ(s.form.Get("UserNameLabel").text, "Default");
}

TEST_F(StartupTest, MissingSettingsFileEndsWithAFailureCode) {
    fs::remove(program / "AutoCorrect.txt");
    ExpectProgramEndsWithFailure([&] { StartSession(s, program); });
    EXPECT_EQ(dialogs.messages.back(), "Unable to open file: " + (program / "AutoCorrect.txt").string());
}

TEST_F(StartupTest, StartEndedByAMissingFileLeavesThePreviousLog) {
    // A user file with a line that is skipped (and logged) before the missing file is met.
    const std::string nulLine = std::string("bad") + '\0' + "line\r\n";
    for (const char* missing : {"OutputFormat.txt", "CountryList.txt", "PlantList.txt"}) {
        SCOPED_TRACE(missing);
        WriteUserFiles(program);
        WriteReferenceLists(program);
        WriteFile(program / "FieldDefinitions.txt", "Version 2\r\n" + FieldLines(0, kBuiltInFields) + nulLine);
        WriteFile(program / "Log.txt", "12:00:00:000  last run's line\r\n");
        fs::remove(program / missing);
        ScriptedDialogs d;
        Session fresh(d);
        BuildMainForm(fresh.form);
        ExpectProgramEndsWithFailure([&] { StartSession(fresh, program); });
        EXPECT_EQ(d.messages.back(), "Unable to open file: " + (program / missing).string());
        // The last run's lines stay; the lines of this start that waited for the new log, and
        // the reason it ended, follow them.
        const std::string log = ReadFile(program / "Log.txt");
        EXPECT_EQ(log.rfind("12:00:00:000  last run's line\r\n", 0), 0u) << log;
        const size_t skipped = log.find("bad");
        const size_t reason = log.find("Unable to open file: " + (program / missing).string());
        EXPECT_NE(skipped, std::string::npos) << log;
        EXPECT_NE(reason, std::string::npos) << log;
        EXPECT_LT(skipped, reason);
    }
}

TEST_F(StartupTest, MissingStatisticsStartEmpty) {
    fs::remove(program / "WordStats.txt");
    fs::remove(program / "NameStats.txt");
    StartSession(s, program);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(s.WordStats.empty());
    EXPECT_TRUE(s.NameStats.empty());
}

}  // namespace

TEST_F(StartupTest, CurrentUserThatNamesAFolderOutsideUsersFallsBackToDefault) {
    // Folders that hold a user's files, reached by names that are no user names.
    const fs::path outside = program / "elsewhere";
    WriteUserFiles(outside);
    WriteFile(outside / "Log.txt", "not ours\r\n");
    WriteUserFiles(program / "Users" / "x");
    for (const std::string& name : {outside.string(), std::string("../elsewhere"), std::string("x/../../elsewhere")}) {
        SCOPED_TRACE(name);
        ScriptedDialogs fresh;
        Session started(fresh);
        BuildMainForm(started.form);
        WriteFile(program / "CurrentUser.txt", name);
        StartSession(started, program);
        ASSERT_EQ(fresh.messages.size(), 1u);
        EXPECT_EQ(fresh.messages[0], "Unable to open User " + name + ".  Setting User to Default");
        EXPECT_EQ(started.CurrentUserName, "Default");
        EXPECT_EQ(started.UserFolder, program);
        EXPECT_EQ(ReadFile(outside / "Log.txt"), "not ours\r\n");
    }
}

TEST_F(StartupTest, HugeCurrentUserFileIsShownCut) {
    WriteFile(program / "CurrentUser.txt", std::string(1 << 20, 'n'));
    StartSession(s, program);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Unable to open User " + std::string(80, 'n') + "....  Setting User to Default");
    EXPECT_EQ(s.CurrentUserName, "Default");
}

TEST_F(StartupTest, TemporaryFilesOfAKilledRunAreRemovedAtStart) {
    const fs::path ann = program / "Users" / "Ann";
    WriteUserFiles(ann);
    // No process has an id this high, so these were left by a run that is gone.
    WriteFile(program / "Quorl.xml.tmp999999999", std::string(1000, 'x'));
    WriteFile(ann / "WordStats.txt.tmp999999999", "x");
    WriteFile(program / ("Quorl.xml.tmp" + std::to_string(::getpid())), "being written");
    // The hidden folders of user adds that were killed go too; one of a running add, and the
    // current user's however it is named, stay.
    WriteFile(program / "Users" / ".Cy.adding999999999" / "AutoCorrect.txt", "half");
    const fs::path adding = program / "Users" / (".Bo.adding" + std::to_string(::getpid()));
    WriteFile(adding / "AutoCorrect.txt", "in progress");
    WriteUserFiles(program / "Users" / ".Ed.adding999999998");
    WriteFile(program / "CurrentUser.txt", ".Ed.adding999999998");
    StartSession(s, program);
    EXPECT_FALSE(fs::exists(program / "Users" / ".Cy.adding999999999"));
    EXPECT_TRUE(fs::exists(adding / "AutoCorrect.txt"));
    EXPECT_EQ(s.CurrentUserName, ".Ed.adding999999998");
    EXPECT_TRUE(fs::exists(s.UserFile("Preferences.txt")));
    EXPECT_FALSE(fs::exists(program / "Quorl.xml.tmp999999999"));
    EXPECT_FALSE(fs::exists(ann / "WordStats.txt.tmp999999999"));
    EXPECT_TRUE(fs::exists(program / ("Quorl.xml.tmp" + std::to_string(::getpid()))));
    EXPECT_NE(ReadFile(s.UserFile("Log.txt")).find("Removed 2 temporary file(s)"), std::string::npos);
    EXPECT_NE(ReadFile(s.UserFile("Log.txt")).find("Removed 1 folder(s) of users"), std::string::npos);
}

namespace {

// One run of the program on a folder, started as the main window starts it (or, without
// intoFields, switched to the user of the folder).
struct ProgramRun {
    ScriptedDialogs d;
    Session s{d};
    explicit ProgramRun(const fs::path& program, bool intoFields = true) {
        BuildMainForm(s.form);
        StartSession(s, program);
        OfferRecordTakenOutCopy(s, intoFields);
    }
    std::string Collector() const { return s.form.Get("CollectorEdit").text; }
};

}  // namespace

// A record taken out to be edited again by a run that ended before adding it back (killed,
// crashed, logged out) is offered back by the next start, unless it never left its file, no longer
// fits the output format or the run that took it out still goes on.
TEST_F(StartupTest, ARecordTakenOutByARunThatEndedIsOfferedBackAtTheNextStart) {
    const fs::path records = program / "Database.tsv", copy = program / "RecordTakenOut.txt";
    const fs::path kept = program / "RecordTakenOut-1.txt", keptNext = program / "RecordTakenOut-2.txt";
    const std::string ended = "Quorl ended before the record taken out of Database.tsv to be edited again was added back. ";
    const std::string inFields = ended + "It is in the fields again: add it to write it back. Until then a copy is kept in " +
                                 copy.string() + ".";
    enum class Then { Nothing, FileAsBefore, FileGrown, RunGoesOn, OtherRecordFile, SwitchedTo };
    const struct {
        Then then;
        std::string message;
        bool offered, copyStays;
    } cases[] = {
        {Then::Nothing, inFields, true, true},
        {Then::FileAsBefore,
         "Quorl ended while it took a record out of Database.tsv to be edited again. The record is still in Database.tsv.",
         false, false},
        {Then::FileGrown,
         inFields + " Database.tsv has changed since the record was taken out; it may hold the record already.", true, true},
        {Then::RunGoesOn, "", false, true},
        // The user's record file is another one now; RecordTakenOut-1.txt is taken already.
        {Then::OtherRecordFile,
         ended + "It does not fit the current output format, so it was not put back into the fields. It is kept in " +
             keptNext.string() + ".",
         false, false},
        // A switch to the user leaves the fields and the copy for the next start.
        {Then::SwitchedTo,
         ended + "It is kept in " + copy.string() + ", and put back into the fields when Quorl starts next.", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.then));
        fs::remove(records);
        fs::remove(copy);
        WriteFile(program / "OutputFormat.txt", kOutputFormat);
        auto first = std::make_unique<ProgramRun>(program);
        for (const char* collector : {"A. Gray", "J. Smith"}) {
            first->s.form.SetText("CollectorEdit", collector);
            first->s.form.SetText("CollectionDateEdit", "12 Mar 2001");
            ASSERT_TRUE(AddTSV(first->s));
        }
        const std::string before = ReadFile(records);
        OutputPreview p;
        ASSERT_TRUE(LoadOutputPreview(first->s, p));
        first->d.answers.push_back(DialogButton::Yes);
        ASSERT_EQ(ReEditRecord(first->s, p, 1), ReEditResult::Done);
        const std::string after = ReadFile(records);
        const std::string copied = ReadFile(copy);
        if (c.then != Then::RunGoesOn) first.reset();
        if (c.then == Then::FileAsBefore) WriteFile(records, before);  // ended before the file was replaced
        if (c.then == Then::FileGrown) WriteFile(records, after + "\"B. Lee\"\t\"1 May 2002\"\r\n");
        if (c.then == Then::OtherRecordFile) {
            WriteFile(program / "OutputFormat.txt", "Other.tsv\r\n" + kOutputFormat.substr(kOutputFormat.find('\n') + 1));
            WriteFile(kept, "kept earlier");
        }

        ProgramRun next(program, c.then != Then::SwitchedTo);
        EXPECT_EQ(next.d.messages, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(next.Collector(), c.offered ? "J. Smith" : "");
        EXPECT_EQ(fs::exists(copy), c.copyStays);
        if (c.then == Then::RunGoesOn) {
            // Nor is another record taken out over the running program's copy: it says so before
            // it asks.
            ASSERT_TRUE(LoadOutputPreview(next.s, p));
            EXPECT_EQ(ReEditRecord(next.s, p, 0), ReEditResult::Refused);
            EXPECT_EQ(next.d.questions, std::vector<std::string>{});
            EXPECT_EQ(next.d.messages, std::vector<std::string>{"A record taken out earlier to be edited again has not "
                                                                "been added back yet; it is kept in " + copy.string() +
                                                                ". Nothing was taken out of Database.tsv."});
            EXPECT_EQ(ReadFile(records), after);
        } else if (c.then == Then::Nothing) {
            // Added back, it is in its file again and its copy is gone.
            ASSERT_TRUE(AddTSV(next.s));
            EXPECT_EQ(ReadFile(records), before);
            EXPECT_FALSE(fs::exists(copy));
        } else if (c.then == Then::FileGrown) {
            // Given up at the question that guards the fields, its copy goes too.
            next.d.answers.push_back(DialogButton::No);
            EXPECT_TRUE(OfferRecordTakenOutBack(next.s));
            EXPECT_FALSE(fs::exists(copy));
        } else if (c.then == Then::OtherRecordFile) {
            // Set aside whole, under a name of its own.
            EXPECT_EQ(ReadFile(keptNext), copied);
            EXPECT_EQ(ReadFile(kept), "kept earlier");
        }
    }
}

// A copy that is no record taken out is set aside under a name of its own (or removed when it
// holds nothing at all), so that the next record can be taken out.
TEST_F(StartupTest, ACopyThatCannotBeReadHoldsUpNoLaterTakeOut) {
    const fs::path copy = program / "RecordTakenOut.txt", kept = program / "RecordTakenOut-1.txt";
    const std::string removed = copy.string() + " held no record taken out to be edited again, only blanks, and was removed.";
    const std::string noCopy = copy.string() + " cannot be read as a record taken out to be edited again. It is kept in " +
                               kept.string() + ".";
    const struct {
        const char* what;
        std::string bytes, message;
    } cases[] = {
        {"empty", "", removed},
        {"a byte-order mark", "\xEF\xBB\xBF\r\n", removed},
        {"LF line ends", "RecordFile\tDatabase.tsv\nOutputType\t0\n\ncollector\tdate\t\n\"J. Smith\"\t\"1 May\"\n", noCopy},
        {"binary", std::string("\x7F" "ELF\x02\x01\x01\0\0\r\n\r\n\x03\0>\0", 18), noCopy},
        {"no record", "RecordFile\tDatabase.tsv\r\nOutputType\t0\r\n\r\ncollector\tdate\t\r\n", noCopy},
        {"a folder", "", "Unable to read " + copy.string() + ", which keeps a record taken out to be edited again. "
                     "It is kept in " + kept.string() + "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const bool folder = c.what == std::string("a folder");
        WriteFile(folder ? copy / "x" : copy, c.bytes);
        ProgramRun run(program);
        EXPECT_EQ(run.d.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(fs::exists(copy));
        if (c.message != removed) EXPECT_EQ(ReadFile(folder ? kept / "x" : kept), c.bytes);
        // The next record is taken out after the one question.
        run.s.form.SetText("CollectorEdit", "J. Smith");
        ASSERT_TRUE(AddTSV(run.s));
        OutputPreview p;
        ASSERT_TRUE(LoadOutputPreview(run.s, p));
        EXPECT_EQ(ReEditRecord(run.s, p, 0), ReEditResult::Done);
        DropRecordTakenOutCopy(run.s);
        fs::remove_all(kept);
        fs::remove(program / "Database.tsv");
    }
}

// An output format saved before the editor refused the names of the program's own files: the
// start tells, leaves that file as it is (the log included) and copies it aside once, and no record
// is added to it or taken out of it, while the preview still shows its records.
TEST_F(StartupTest, ARecordFileNamedLikeOneOfTheProgramsOwnFilesKeepsItsRecords) {
    const std::string records = "collector\tdate\t\r\n\"A. Gray\"\t\"12 Mar 2001\"\r\n\"J. Smith\"\t\"1 May 2002\"\r\n";
    const std::string columns = kOutputFormat.substr(kOutputFormat.find("\r\n"));
    for (const std::string name : {"Log.txt", "RecordTakenOut.txt", "Database.tsv.tmp999999999"}) {
        SCOPED_TRACE(name);
        WriteFile(program / "OutputFormat.txt", name + columns);
        WriteFile(program / name, records);
        for (int start = 0; start < 2; ++start) {
            ProgramRun run(program);
            EXPECT_EQ(ReadFile(program / name), records);
            ASSERT_EQ(run.d.messages.size(), 1u);
            EXPECT_EQ(run.d.messages[0].rfind("The output format OutputFormat.txt names " + name + " as its record file", 0),
                      0u);
            EXPECT_NE(run.d.messages[0].find("copied to \"Records from " + name), std::string::npos);
            OutputPreview p;
            ASSERT_TRUE(LoadOutputPreview(run.s, p));
            EXPECT_EQ(p.table.rows.size(), 2u);
            EXPECT_EQ(ReEditRecord(run.s, p, 0), ReEditResult::Refused);
            run.s.form.SetText("CollectorEdit", "B. Lee");
            EXPECT_FALSE(ExportData(run.s));
            EXPECT_FALSE(AddTSV(run.s));
            EXPECT_EQ(ReadFile(program / name), records);
            ASSERT_EQ(run.d.messages.size(), 4u);
            EXPECT_NE(run.d.messages[3].find("Choose another Output File Name in the Output Format window."),
                      std::string::npos);
        }
        // One copy, whatever the second start found.
        std::vector<std::string> copies;
        for (const auto& entry : fs::directory_iterator(program))
            if (entry.path().filename().string().starts_with("Records from " + name))
                copies.push_back(ReadFile(entry.path()));
        EXPECT_EQ(copies, std::vector<std::string>{records});
        fs::remove(program / name);
    }
    // Once the format names the copy, this run's log goes to Log.txt, the next start clears it
    // again and the records grow in the copy.
    WriteFile(program / "OutputFormat.txt", "Log.txt" + columns);
    WriteFile(program / "Log.txt", records);
    {
        ProgramRun run(program);
        run.s.OutputFileName = "Records from Log.txt";
        ASSERT_TRUE(SaveOutputFormat(run.s));
        const std::string log = ReadFile(program / "Log.txt");
        EXPECT_EQ(log.rfind(records, 0), 0u);
        EXPECT_NE(log.find("UserName: Default", records.size()), std::string::npos);
    }
    ProgramRun fixed(program);
    EXPECT_EQ(fixed.d.messages, std::vector<std::string>{});
    EXPECT_EQ(ReadFile(program / "Log.txt").find("A. Gray"), std::string::npos);
    fixed.s.form.SetText("CollectorEdit", "B. Lee");
    ASSERT_TRUE(AddTSV(fixed.s));
    EXPECT_EQ(ReadFile(program / "Records from Log.txt").rfind(records + "\"B. Lee\"", 0), 0u);
}
