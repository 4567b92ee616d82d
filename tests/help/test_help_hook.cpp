// The help hook: what each help command does, what reaches the viewer, the messages of a missing
// help collection, and the lines of the help log.
#include <gtest/gtest.h>

#include <regex>

#include "LoaderTestSupport.h"
#include "base/ScriptedDialogs.h"
#include "base/Text.h"
#include "help/HelpCommands.h"
#include "help/HelpDebugLog.h"
#include "help/HelpHook.h"

namespace quorl::testing {
namespace {

class FakeViewer : public HelpViewer {
public:
    bool loaded = true;
    std::vector<int> shown;
    int closed = 0;
    bool Loaded() const override { return loaded; }
    bool ShowContext(int id) override {
        shown.push_back(id);
        return id != 999;
    }
    void CloseAll() override { ++closed; }
};

// The log's lines with the time stamp ("HH:mm:ss:zzz" and three blanks) taken off and marked "T ".
std::vector<std::string> LogLines(const fs::path& file) {
    static const std::regex stamp("^\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d   ");
    std::vector<std::string> lines;
    const std::string text = ReadFile(file);
    EXPECT_TRUE(text.empty() || (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n"));
    for (const std::string& line : SplitLines(text))
        lines.push_back(std::regex_search(line, stamp) ? "T " + std::regex_replace(line, stamp, "") : line);
    return lines;
}

class HelpHookTest : public ::testing::Test {
protected:
    fs::path folder = MakeTempFolder();
    HelpDebugLog log{folder / "HHDebug.txt", true};
    FakeViewer viewer;
    ScriptedDialogs dialogs;
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(HelpHookTest, ContextRequestShowsThePageAndLogsEachStep) {
    {
        THookHelpSystem hook(viewer, dialogs, log, "Quorl.qhc", "", htHHAPI);
        bool callHelp = true;
        EXPECT_TRUE(hook.HelpHook(HELP_CONTEXT, 1016, callHelp));
        EXPECT_FALSE(callHelp);
        EXPECT_EQ(viewer.shown, std::vector<int>{1016});
        EXPECT_TRUE(dialogs.shown.empty());
    }
    EXPECT_EQ(viewer.closed, 1);
    EXPECT_EQ(LogLines(folder / "HHDebug.txt"),
              (std::vector<std::string>{"T THookHelpSystem.Create(\"Quorl.qhc\",\"\", 0)",
                                        "T THookHelpSystem.HelpHook(HELP_CONTEXT (1), 1016)",
                                        "T HHHelpContext(\"Quorl.qhc\", 1016, \"\", 0)",
                                        "T ShowContext(\"Quorl.qhc\", 1016)", "T   returned - 0",
                                        "T HHShowError(0), \"\"", "T THookHelpSystem.Destroy"}));
}

TEST_F(HelpHookTest, MissingCollectionGivesTheNotInstalledWarningAtEveryRequest) {
    viewer.loaded = false;
    THookHelpSystem hook(viewer, dialogs, log, "Quorl.qhc", "", htHHAPI);
    EXPECT_EQ(hook.HelpContext(1000), 1);
    bool callHelp = false;
    hook.HelpHook(HELP_CONTEXTPOPUP, 4, callHelp);
    EXPECT_TRUE(viewer.shown.empty());
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.questions[0], "The Quorl help is not installed on this computer.");
    EXPECT_EQ(dialogs.questionKinds[0], DialogKind::Warning);
    EXPECT_EQ(dialogs.questionButtons[0], std::vector<DialogButton>{DialogButton::Ok});
    const auto lines = LogLines(folder / "HHDebug.txt");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "T   returned - 1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "T HHShowError(1), \"The Quorl help is not installed on this computer.\""),
              lines.end());
}

TEST_F(HelpHookTest, PopupPositionIsStoredAndOtherCommandsAreLeftToTheCaller) {
    THookHelpSystem hook(viewer, dialogs, log, "Quorl.qhc", "", htHHAPI);
    bool callHelp = false;
    hook.HelpHook(HELP_SETPOPUP_POS, PackPopupPosition(-5, 700), callHelp);
    EXPECT_FALSE(callHelp);
    EXPECT_EQ(hook.PopupX(), -5);
    EXPECT_EQ(hook.PopupY(), 700);
    for (uint16_t command : {uint16_t(HELP_CONTENTS), uint16_t(HELP_KEY), uint16_t(HELP_QUIT), uint16_t(77)}) {
        callHelp = false;
        EXPECT_TRUE(hook.HelpHook(command, 0, callHelp));
        EXPECT_TRUE(callHelp) << command;
    }
    EXPECT_TRUE(viewer.shown.empty());
    // Popup context requests go to the popup handler with the stored position when one is set.
    std::vector<int> popup;
    hook.onPopupContext = [&](int id, int x, int y) { popup = {id, x, y}; };
    hook.HelpHook(HELP_CONTEXTPOPUP, 1020, callHelp);
    EXPECT_EQ(popup, (std::vector<int>{1020, -5, 700}));
    EXPECT_TRUE(viewer.shown.empty());
    const auto lines = LogLines(folder / "HHDebug.txt");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "T THookHelpSystem.HelpHook(?? (77), 0)"), lines.end());
}

TEST_F(HelpHookTest, ChainingAsksThePreviousHandlerFirst) {
    std::vector<uint16_t> asked;
    THookHelpSystem hook(viewer, dialogs, log, "Quorl.qhc", "", htHHAPI, [&](uint16_t c, int32_t, bool&) {
        asked.push_back(c);
        return false;
    });
    bool callHelp = false;
    EXPECT_TRUE(hook.HelpHook(HELP_CONTEXT, 4, callHelp));  // not chained: the previous one is not asked
    EXPECT_TRUE(asked.empty());
    hook.chain = true;
    EXPECT_FALSE(hook.HelpHook(HELP_CONTEXT, 4, callHelp));
    EXPECT_EQ(asked, std::vector<uint16_t>{HELP_CONTEXT});
    EXPECT_EQ(viewer.shown, (std::vector<int>{4, 4}));
}

TEST_F(HelpHookTest, OutsideViewerProgramsAreReportedMissing) {
    THookHelpSystem hook(viewer, dialogs, log, "Quorl.qhc", "", htHHexe);
    EXPECT_EQ(hook.HelpContext(7), 3);
    EXPECT_TRUE(viewer.shown.empty());
    const auto lines = LogLines(folder / "HHDebug.txt");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "T ShowContext(\"mk:@MSITStore:Quorl.qhc\", 7)"), lines.end());
    EXPECT_EQ(dialogs.questions.size(), 1u);
}

TEST(HHFormat, FileTopicWindowAndPrefix) {
    EXPECT_EQ(HHFormat("Quorl.qhc", "", "", TPrefixType::None), "Quorl.qhc");
    EXPECT_EQ(HHFormat(" My%20Help.qhc ", "dir\\page.html", "main", TPrefixType::None), "My Help.qhc::/dir/page.html>main");
    EXPECT_EQ(HHFormat("", "/a.html", "", TPrefixType::ptIE4), "ms-its:/a.html");
    EXPECT_EQ(HHFormat("h.qhc", "", "", TPrefixType::ptIE3), "mk:@MSITStore:h.qhc");
}

TEST_F(HelpHookTest, DebugLogLineRulesAndHeader) {
    WriteFile(folder / "HHDebug.txt", "left from an earlier run\r\n");
    HelpDebugLog log(folder / "HHDebug.txt", true);
    EXPECT_EQ(ReadFile(folder / "HHDebug.txt"), "");  // the earlier log is gone
    log.Out("-");
    log.Out("=");
    log.Out("!plain");
    log.Out("-x");
    HelpEnvironment env;
    env.modulePath = "/opt/quorl/quorl";
    env.arguments = {"-debug", "x"};
    env.programVersion = "1.2.3.4";
    env.toolkitVersion = "6.4.2";
    env.helpInstalled = true;
    env.helpVersion = "6.4.2";
    env.decimalSeparator = ",";
    log.WriteHeader(env);
    const auto lines = LogLines(folder / "HHDebug.txt");
    ASSERT_GE(lines.size(), 26u);
    EXPECT_EQ(lines[0], std::string(79, '-'));
    EXPECT_EQ(lines[1], std::string(79, '='));
    EXPECT_EQ(lines[2], "plain");
    EXPECT_EQ(lines[3], "x");
    EXPECT_EQ(lines[4], "Log File:             " + (folder / "HHDebug.txt").string());
    EXPECT_TRUE(StartsWith(lines[5], "Date:                 "));
    EXPECT_EQ(lines[10], "DecimalSeparator:      ,");
    EXPECT_EQ(lines[11], "EXE Path =          /opt/quorl/quorl");
    EXPECT_EQ(lines[12], "EXE Version =       1.2.3.4");
    EXPECT_EQ(lines[13], "Cmdline Param(s) =  -debug x");
    EXPECT_EQ(lines[14], "Actual CmdLine =  /opt/quorl/quorl -debug x");
    EXPECT_EQ(lines[15], "_RunDir =           /opt/quorl");
    EXPECT_EQ(lines[16], "_ModuleName =       quorl");
    EXPECT_EQ(lines[20], "_hhInstalled =      True");
    EXPECT_EQ(lines[23], "_ieInstalled =      False");
}

TEST_F(HelpHookTest, DisabledDebugLogTouchesNothing) {
    WriteFile(folder / "HHDebug.txt", "kept\r\n");
    HelpDebugLog off(folder / "HHDebug.txt", false);
    off.Out("a line");
    off.WriteHeader(HelpEnvironment{});
    EXPECT_EQ(ReadFile(folder / "HHDebug.txt"), "kept\r\n");
}

TEST_F(HelpHookTest, DebugModeAndLogFolder) {
    EXPECT_FALSE(HelpDebugMode(folder, {"debug", "--debug", "/debugx"}));
    EXPECT_TRUE(HelpDebugMode(folder, {"x", "/DEBUG"}));
    EXPECT_TRUE(HelpDebugMode(folder, {"-Debug"}));
    WriteFile(folder / "debug.debug", "");
    EXPECT_TRUE(HelpDebugMode(folder, {}));

    EXPECT_EQ(HelpLogFolder(folder), folder);
    EXPECT_FALSE(fs::exists(folder / "$_Temp_$.$$$"));
    EXPECT_EQ(HelpLogFolder(folder / "missing"), fs::temp_directory_path());
    // A log whose folder is missing is written in the temporary folder.
    HelpDebugLog moved(folder / "missing" / "HHDebug-test.txt", true);
    EXPECT_EQ(moved.File(), fs::temp_directory_path() / "HHDebug-test.txt");
    fs::remove(moved.File());
}

}  // namespace
}  // namespace quorl::testing
