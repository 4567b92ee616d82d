// Record-file names that the output-format editor refuses: the program's own files and folders,
// however the name reaches them.
#include "LoaderTestSupport.h"
#include "commands/SessionStart.h"
#include "help/MailSettings.h"
#include "model/Log.h"
#include "model/OutputFormatFile.h"
#include "model/UserSwitch.h"
#include "records/OutputListModel.h"
#include "records/OutputPreview.h"
#include "records/RecordTakenOut.h"
#include "records/TsvWriter.h"

using namespace quorl;
using namespace quorl::testing;

TEST(KeptFiles, TheEditorRefusesTheProgramsOwnFilesHoweverTheyAreNamed) {
    const fs::path program = MakeTempFolder(), elsewhere = MakeTempFolder();
    WriteFile(program / "Log.txt", "log\r\n");
    WriteFile(program / "Users" / "Ann" / "Log.txt", "log\r\n");
    fs::create_symlink(program / "Log.txt", program / "Linked.tsv");
    fs::create_hard_link(program / "Log.txt", program / "Linked.csv");
    const struct {
        std::string name;
        bool refused;
    } cases[] = {
        {"Log.txt", true}, {" Log.txt\t", true}, {"./Log.txt", true}, {"Users/../Log.txt", true}, {"Log.txt/", true},
        {(program / "Log.txt").string(), true}, {"Linked.tsv", true}, {"Linked.csv", true},
        {"RecordTakenOut.txt", true}, {"WordStats.txt", true}, {"DarwinCSV.txt", true}, {"CurrentUser.txt", true},
        {"PlantList.txt", true}, {".", true}, {"Users", true}, {"Users/Ann", true}, {"Users/Ann/Log.txt", true},
        {"Users/Bo/Preferences.txt", true}, {"Users/.Bo.adding12/Records.tsv", true}, {".Records.tsv.lock", true},
        {"Records.tsv.tmp123", true},
        {"log.txt", false}, {"Records.tsv", false}, {"Users/Ann/Records.tsv", false}, {"Logs/Log.txt", false},
        {"Log.txt.tsv", false}, {"Records from Log.txt", false}, {(elsewhere / "Log.txt").string(), false},
    };
    for (const auto& c : cases) EXPECT_EQ(OutputFormatProblem(program, 0, c.name, {}).empty(), !c.refused) << c.name;
    EXPECT_EQ(OutputFormatProblem(program, 1, " Users/Ann/Log.txt ", {}),
              "\"Users/Ann/Log.txt\" is one of Quorl's own files (the log): records written to it would be lost. "
              "Choose another Output File Name.");
    fs::remove_all(program);
    fs::remove_all(elsewhere);
}

// Every file and folder that a run keeps in the program folder and a user's folder, and every
// shipped file, is refused as a record file; only the record file itself is not.
TEST_F(LoaderTest, EveryFileTheProgramKeepsInItsFoldersIsRefusedAsARecordFile) {
    WriteUserFiles(folder);
    WriteReferenceLists(folder);
    StartSession(s, folder);
    s.form.SetText("CollectorEdit", "A. Gray");
    ASSERT_TRUE(AddTSV(s));
    OutputPreview p;
    ASSERT_TRUE(LoadOutputPreview(s, p));
    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 0), ReEditResult::Done);
    ASSERT_TRUE(SaveOutputFormat(s));
    ASSERT_TRUE(CreateMailSettingsTemplate(folder / kMailSettingsFile));
    dialogs.inputs.push_back("Ann");
    ASSERT_TRUE(AddUser(s));
    WriteToLog(s, "in Ann's log");
    size_t seen = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (name == "Database.tsv") continue;
        EXPECT_NE(OutputFormatProblem(folder, 0, name, {}), "") << name;
        ++seen;
    }
    EXPECT_GT(seen, 20u);
    for (const auto& entry : fs::directory_iterator(fs::path(QUORL_SOURCE_DIR) / "data"))
        EXPECT_NE(OutputFormatProblem(folder, 0, entry.path().filename().string(), {}), "") << entry.path();
}
