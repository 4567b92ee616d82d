#include "LoaderTestSupport.h"
#include "commands/SessionStart.h"
#include "model/Log.h"
#include "model/UserFiles.h"

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
