// The users of a program folder: the name rule, the users offered, switching and adding.
#include "FileSizeLimit.h"
#include "LoaderTestSupport.h"
#include "model/Log.h"
#include "model/UserFiles.h"
#include "model/UserNames.h"
#include "model/UserSwitch.h"

#include <algorithm>
#include <sys/wait.h>

using namespace quorl;
using namespace quorl::testing;

namespace {

TEST(UserNameRule, RefusesNamesThatAreNotOneFolderBelowUsers) {
    for (std::string bad : {std::string(), std::string("."), std::string(".."), std::string("a/b"),
                            std::string("../x"), std::string("a\\b"), std::string("/abs"), std::string("tab\there"),
                            std::string("line\r\nend"), std::string("nul\0x", 5), std::string(101, 'a')})
        EXPECT_FALSE(IsValidUserName(bad)) << bad;
    for (std::string good : {std::string("Ann"), std::string("Default"), std::string("Anne-Marie O'Neil"),
                             std::string(".hidden"), std::string("Zo\xc3\xab"), std::string(100, 'a')})
        EXPECT_TRUE(IsValidUserName(good)) << good;
    EXPECT_EQ(UserNameProblem("a/b"), "A user name may not contain / or \\.");
}

class UsersTest : public LoaderTest {
protected:
    UsersTest() {
        CreateCustomFieldControls(s.form);
        WriteUserFiles(folder);
        s.CurrentUserName = "Default";
        LoadUserFiles(s);
        SetupCustomFields(s);
    }
    fs::path User(const std::string& name) { return folder / "Users" / name; }
};

TEST_F(UsersTest, OffersOnlyFoldersThatHoldAUsersPreferences) {
    WriteUserFiles(User("Zed"));
    WriteUserFiles(User("Ann"));
    WriteUserFiles(User(".git"));
    WriteUserFiles(User("Default"));
    WriteUserFiles(User("back\\slash"));
    WriteFile(User("Empty") / "notes.txt", "no settings here");
    WriteFile(User("plain-file.txt"), "a file, not a user");
    EXPECT_EQ(UserFolderNames(s), (std::vector<std::string>{"Ann", "Zed"}));
}

TEST_F(UsersTest, WithoutUsersDefaultIsLoadedAndAUserAskedFor) {
    s.CurrentUserName = "Gone";
    s.UserFolder = User("Gone");
    StartFirstUser(s);
    EXPECT_TRUE(fs::is_directory(folder / "Users"));
    EXPECT_EQ(dialogs.messages.back(), "Please add a user.");
    EXPECT_EQ(s.CurrentUserName, "Default");
    EXPECT_EQ(s.UserFolder, folder);
    EXPECT_EQ(s.form.Get("UserNameLabel").text, "Default");
}

TEST_F(UsersTest, SwitchFollowsTheUsersFilesAndRowsAndBack) {
    fs::path bea = User("Bea");
    WriteUserFiles(bea);
    WriteFile(bea / "FieldDefinitions.txt",
              "Version 2\r\n" + FieldLines(0, kBuiltInFields) + FieldLine("Plot") + FieldLine("Soil"));
    WriteFile(bea / "Preferences.txt", "OutputFormat\tDarwin\r\nMinElevation\t250\r\n");
    ASSERT_FALSE(s.form.Get(CustomButtonName(0)).visible);

    ASSERT_TRUE(SwitchToUser(s, "Bea"));
    EXPECT_EQ(s.CurrentUserName, "Bea");
    EXPECT_EQ(s.UserFolder, bea);
    EXPECT_EQ(s.MinElevation, 250);
    EXPECT_EQ(s.OutputFileName, "Database.xml");
    EXPECT_EQ(s.form.Get("UserNameLabel").text, "Bea");
    EXPECT_EQ(ReadFile(folder / "CurrentUser.txt"), "Bea");
    const std::string log = ReadFile(bea / "Log.txt");
    size_t version = log.find("  Quorl Version " + GetFileVersion() + "\r\n");
    ASSERT_NE(version, std::string::npos);
    EXPECT_GT(log.find("  Switch User to Bea\r\n"), version);
    EXPECT_EQ(dialogs.busyTitle, "Loading Bea");
    EXPECT_FALSE(dialogs.busyVisible);
    // The user-defined rows follow the new field definitions.
    EXPECT_TRUE(s.form.Get(CustomButtonName(0)).visible);
    EXPECT_EQ(s.form.Get(CustomButtonName(1)).text, "Soil");
    EXPECT_TRUE(s.form.Get(CustomEditName(1)).visible);
    EXPECT_FALSE(s.form.Get(CustomEditName(2)).visible);
    EXPECT_FALSE(s.form.Get("LayoutButton").visible);

    ASSERT_TRUE(SwitchToUser(s, "Default"));
    EXPECT_EQ(s.UserFolder, folder);
    EXPECT_EQ(s.OutputFileName, "Database.tsv");
    EXPECT_FALSE(s.form.Get(CustomButtonName(0)).visible);
    EXPECT_FALSE(s.form.Get(CustomEditName(1)).visible);
    EXPECT_EQ(ReadFile(folder / "CurrentUser.txt"), "Default");
}

TEST_F(UsersTest, APreferencesLineWithoutItsTabDoesNotKeepTheUserOut) {
    WriteUserFiles(User("Untabbed"));
    WriteFile(User("Untabbed") / "Preferences.txt", "MinElevation\r\nLearnFromLabels\tYes\r\n");
    s.LearnFromLabels = false;
    EXPECT_TRUE(SwitchToUser(s, "Untabbed"));
    EXPECT_EQ(s.CurrentUserName, "Untabbed");
    EXPECT_TRUE(s.LearnFromLabels);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0], "Error in Preferences.txt file\r\nDid you use tabs to separate parameters?");
}

TEST_F(UsersTest, UserWithABrokenSettingsFileIsNotSelected) {
    // Each case would have ended the program while loading; now the user stays as it was.
    struct Case {
        const char* user;
        const char* missing;      // removed from the user's folder, or nullptr
        const char* preferences;  // replaces Preferences.txt, or nullptr
        std::string expected;     // start of the message
    };
    const Case cases[] = {
        {"NoAuto", "AutoCorrect.txt", nullptr, "Unable to open file: " + (User("NoAuto") / "AutoCorrect.txt").string()},
        {"NoFields", "FieldDefinitions.txt", nullptr, "Unable to open file: " + (User("NoFields") / "FieldDefinitions.txt").string()},
        // The output type in the user's preferences decides which format file is needed.
        {"NoXml", "DarwinXML.txt", "OutputFormat\tDarwin\r\n", "Unable to open file: " + (User("NoXml") / "DarwinXML.txt").string()},
    };
    for (const Case& c : cases) {
        WriteUserFiles(User(c.user));
        if (c.missing) fs::remove(User(c.user) / c.missing);
        if (c.preferences) WriteFile(User(c.user) / "Preferences.txt", c.preferences);
        dialogs.messages.clear();
        EXPECT_FALSE(SwitchToUser(s, c.user)) << c.user;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.user;
        EXPECT_EQ(dialogs.messages[0].rfind(c.expected, 0), 0u) << dialogs.messages[0];
        EXPECT_NE(dialogs.messages[0].find("Default stays the current user."), std::string::npos);
        EXPECT_EQ(s.CurrentUserName, "Default");
        EXPECT_EQ(s.UserFolder, folder);
        EXPECT_EQ(s.OutputFileName, "Database.tsv");
        EXPECT_FALSE(fs::exists(folder / "CurrentUser.txt"));
        EXPECT_FALSE(fs::exists(User(c.user) / "Log.txt"));
    }
}

TEST_F(UsersTest, AddingWhileDefaultCopiesTheProgramFoldersFiles) {
    const std::string darwinXml = ReadFile(folder / "DarwinXML.txt");
    fs::remove(folder / "DarwinXML.txt");
    WriteFile(folder / "DarwinFormat.txt", darwinXml);  // the older name of the Darwin XML format
    WriteFile(folder / "WordStats.txt", std::string("ro\xc3\xa9k\t4\t20\t60\t20\t\r\n"));
    dialogs.inputs.push_back("Cy");
    ASSERT_TRUE(AddUser(s));

    const fs::path cy = User("Cy");
    for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "FieldDefinitions.txt", "NameStats.txt",
                          "OutputFormat.txt", "WordStats.txt"})
        EXPECT_EQ(ReadFile(cy / f), ReadFile(folder / f)) << f;
    EXPECT_EQ(ReadFile(cy / "DarwinXML.txt"), darwinXml);
    // Without DarwinCSV.txt the tab-separated format is its start.
    EXPECT_EQ(ReadFile(cy / "DarwinCSV.txt"), ReadFile(folder / "OutputFormat.txt"));
    EXPECT_EQ(s.CurrentUserName, "Cy");
    EXPECT_EQ(s.UserFolder, cy);
    EXPECT_EQ(s.form.Get("UserNameLabel").text, "Cy");
    EXPECT_EQ(s.form.Get("UserEdit").text, "Cy");
    EXPECT_EQ(ReadFile(folder / "CurrentUser.txt"), "Cy");
    EXPECT_NE(ReadFile(cy / "Log.txt").find("  New user created: Cy\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"New user Cy created"});
    // The new user is offered and can be selected.
    EXPECT_EQ(UserFolderNames(s), std::vector<std::string>{"Cy"});
    EXPECT_TRUE(SwitchToUser(s, "Cy"));
}

TEST_F(UsersTest, AddingNamesTheFilesThatCouldNotBeCopied) {
    fs::remove(folder / "NameStats.txt");
    fs::remove(folder / "DarwinXML.txt");
    dialogs.inputs.push_back("Di");
    ASSERT_TRUE(AddUser(s));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].find(": DarwinXML.txt, NameStats.txt."), std::string::npos) << dialogs.messages[0];
    EXPECT_EQ(dialogs.messages[1], "New user Di created");
    EXPECT_FALSE(fs::exists(User("Di") / "NameStats.txt"));
    EXPECT_TRUE(fs::exists(User("Di") / "Preferences.txt"));
}

TEST_F(UsersTest, AddingRefusesNamesThatAreNoNewFolderBelowUsers) {
    WriteUserFiles(User("Ann"));
    const std::pair<std::string, std::string> refused[] = {
        {"", "Please give a user name."},
        {".", "\".\" and \"..\" cannot be user names."},
        {"..", "\".\" and \"..\" cannot be user names."},
        {"../Evil", "A user name may not contain / or \\."},
        {"a\\b", "A user name may not contain / or \\."},
        // The list would not show them, and the hidden folders of adds are named so.
        {".Ann", "A user name may not begin with \".\"."},
        {".Bob.adding99999", "A user name may not begin with \".\"."},
        {"Default", "User Default already exists!"},
        {"Ann", "User Ann already exists!"},
    };
    for (const auto& [name, message] : refused) {
        dialogs.inputs.push_back(name);
        EXPECT_FALSE(AddUser(s)) << name;
        EXPECT_EQ(dialogs.messages.back(), message);
    }
    EXPECT_EQ(s.CurrentUserName, "Default");
    EXPECT_FALSE(fs::exists(folder / "Evil"));
    EXPECT_FALSE(fs::exists(folder / "CurrentUser.txt"));
    EXPECT_EQ(UserFolderNames(s), std::vector<std::string>{"Ann"});
    // Cancel adds nothing and says nothing.
    const size_t shown = dialogs.messages.size();
    EXPECT_FALSE(AddUser(s));
    EXPECT_EQ(dialogs.messages.size(), shown);
}

TEST_F(UsersTest, AddThatCannotWriteItsFilesLeavesNoUserAndKeepsTheCurrentOne) {
    // A full disk: each file of the new user is cut short.
    const std::string before = s.form.Get("UserNameLabel").text;
    dialogs.inputs.push_back("Ann");
    bool added = true;
    {
        FileSizeLimit full(8);
        added = AddUser(s);
    }
    EXPECT_FALSE(added);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "User Ann was not created: AutoCorrect.txt could not be written (File too large)."
                                   "\r\n\r\nDefault stays the current user.");
    EXPECT_EQ(s.CurrentUserName, "Default");
    EXPECT_EQ(s.UserFolder, folder);
    EXPECT_EQ(s.form.Get("UserNameLabel").text, before);
    EXPECT_FALSE(fs::exists(folder / "CurrentUser.txt"));
    // Nothing is left below Users, not even the hidden folder the files were copied into.
    EXPECT_TRUE(fs::is_empty(folder / "Users"));

    // With room again the same name is added whole.
    dialogs.messages.clear();
    dialogs.inputs.push_back("Ann");
    ASSERT_TRUE(AddUser(s));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"New user Ann created"});
    EXPECT_EQ(UserFolderNames(s), std::vector<std::string>{"Ann"});
    EXPECT_EQ(ReadFile(User("Ann") / "Preferences.txt"), kPreferences);
}

TEST_F(UsersTest, AddCompletesAFolderThatCannotBeSelectedAndKeepsItsFiles) {
    // What an add cut short leaves: some of the files, and the user's own statistics beside them.
    struct Case {
        const char* user;
        std::vector<const char*> has;
    };
    const Case cases[] = {
        {"NoPrefs", {"AutoCorrect.txt", "WordStats.txt"}},
        {"Empty", {}},
        {"NoFields", {"Preferences.txt", "AutoCorrect.txt", "WordStats.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        ASSERT_TRUE(SwitchToUser(s, "Default"));
        fs::create_directories(User(c.user));
        for (const char* f : c.has) WriteFile(User(c.user) / f, ReadFile(folder / f));
        if (fs::exists(User(c.user) / "WordStats.txt")) WriteFile(User(c.user) / "WordStats.txt", "own\t1\t0\t0\t100\t\r\n");
        const bool listed = fs::exists(User(c.user) / "Preferences.txt");
        const std::vector<std::string> names = UserFolderNames(s);
        EXPECT_EQ(std::find(names.begin(), names.end(), c.user) != names.end(), listed);
        if (listed) {
            EXPECT_FALSE(SwitchToUser(s, c.user));
        }

        dialogs.messages.clear();
        dialogs.inputs.push_back(c.user);
        ASSERT_TRUE(AddUser(s));
        EXPECT_EQ(dialogs.messages.back(), "New user " + std::string(c.user) + " created");
        EXPECT_EQ(s.CurrentUserName, c.user);
        EXPECT_EQ(ReadFile(User(c.user) / "Preferences.txt"), kPreferences);
        EXPECT_EQ(ReadFile(User(c.user) / "FieldDefinitions.txt"), ReadFile(folder / "FieldDefinitions.txt"));
        const bool ownStats = !c.has.empty();
        EXPECT_EQ(ReadFile(User(c.user) / "WordStats.txt"),
                  ownStats ? "own\t1\t0\t0\t100\t\r\n" : ReadFile(folder / "WordStats.txt"));
        // The session works with the folder's own statistics, as a later switch to it would.
        ASSERT_EQ(s.WordStats.size(), 1u);
        EXPECT_EQ(s.WordStats[0].Word, ownStats ? "own" : "rock");
        const std::vector<std::string> after = UserFolderNames(s);
        EXPECT_NE(std::find(after.begin(), after.end(), c.user), after.end());
        EXPECT_TRUE(SwitchToUser(s, c.user));

        // Now that it can be selected, it exists.
        dialogs.inputs.push_back(c.user);
        EXPECT_FALSE(AddUser(s));
        EXPECT_EQ(dialogs.messages.back(), "User " + std::string(c.user) + " already exists!");
    }
}

TEST_F(UsersTest, AddClearsTheHiddenFolderOfAnAddThatWasKilled) {
    // A process id that no longer runs: a child that has ended.
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    const fs::path left = folder / "Users" / (".Ann.adding" + std::to_string(child));
    WriteFile(left / "AutoCorrect.txt", "half");
    const fs::path running = folder / "Users" / (".Bo.adding" + std::to_string(getpid()));
    WriteFile(running / "AutoCorrect.txt", "in progress");
    EXPECT_TRUE(UserFolderNames(s).empty());
    // A user that an earlier version let be named like such a folder stays while it is in use.
    const fs::path inUse = folder / "Users" / (".Ed.adding" + std::to_string(child));
    WriteUserFiles(inUse);
    s.CurrentUserName = inUse.filename().string();
    s.UserFolder = inUse;

    dialogs.inputs.push_back("Ann");
    ASSERT_TRUE(AddUser(s));
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_EQ(ReadFile(inUse / "WordStats.txt"), ReadFile(folder / "WordStats.txt"));
    EXPECT_EQ(ReadFile(User("Ann") / "AutoCorrect.txt"), ReadFile(folder / "AutoCorrect.txt"));
}

}  // namespace
