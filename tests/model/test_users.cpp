// The users of a program folder: the name rule, the users offered, switching and adding.
#include "LoaderTestSupport.h"
#include "model/Log.h"
#include "model/UserFiles.h"
#include "model/UserNames.h"
#include "model/UserSwitch.h"

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

}  // namespace
