// The switch-user window: selecting a user, adding one, and what each leaves in the program folder.
#include <QListWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "base/ScriptedDialogs.h"
#include "model/Log.h"
#include "model/Session.h"
#include "ui/AppWindows.h"

using namespace quorl;
using namespace quorl::testing;

class TestSwitchUser : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<AppWindows> windows_;

    void Start() {
        dialogs_ = std::make_unique<ScriptedDialogs>();
        dialogs_->answers.push_back(DialogButton::Yes);
        session_ = std::make_unique<Session>(*dialogs_);
        windows_ = CreateAppWindows(*session_);
    }
    SwitchUserWindow& W() { return *windows_->switchUser; }
    void Choose(const QString& name) {
        auto found = W().ListBox1->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.empty());
        W().ListBox1->setCurrentItem(found[0]);
    }
    std::string Log(const fs::path& folder) { return ReadAll(folder / "Log.txt"); }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() {
        windows_.reset();
        session_.reset();
        dialogs_.reset();
        program_.reset();
    }

    void selectWithoutChoiceSaysSo() {
        Start();
        W().FillAndShow();
        dialogs_->messages.clear();
        W().Button1Click();
        QCOMPARE(dialogs_->messages, std::vector<std::string>{"Nothing Selected"});
        QCOMPARE(session_->CurrentUserName, std::string("Default"));
    }

    void addingCopiesTheSettingsAndSelectingLoadsThem() {
        Start();
        const fs::path users = program_->path / "Users";
        // Adding a user copies the current user's files into the new folder.
        dialogs_->inputs.push_back("Ann");
        W().AddUserButtonClick();
        const fs::path ann = users / "Ann";
        QVERIFY(fs::is_directory(ann));
        for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "DarwinXML.txt", "FieldDefinitions.txt",
                              "NameStats.txt", "OutputFormat.txt", "DarwinCSV.txt", "WordStats.txt"})
            QVERIFY2(ReadAll(ann / f) == ReadAll(program_->path / f), f);
        QCOMPARE(ReadAll(program_->path / "CurrentUser.txt"), std::string("Ann"));
        QCOMPARE(session_->CurrentUserName, std::string("Ann"));
        QCOMPARE(session_->UserFolder, ann);
        QCOMPARE(session_->form.Get("UserNameLabel").text, std::string("Ann"));
        QVERIFY(Log(ann).find("  New user created: Ann\r\n") != std::string::npos);
        QCOMPARE(dialogs_->messages.back(), std::string("New user Ann created"));

        // The same name again, or "Default", is refused.
        dialogs_->inputs.push_back("Ann");
        W().AddUserButtonClick();
        QCOMPARE(dialogs_->messages.back(), std::string("User Ann already exists!"));
        dialogs_->inputs.push_back("Default");
        W().AddUserButtonClick();
        QCOMPARE(dialogs_->messages.back(), std::string("User Default already exists!"));
        // A name that would leave the Users folder is refused too.
        dialogs_->inputs.push_back("../Evil");
        W().AddUserButtonClick();
        QVERIFY(!fs::exists(program_->path / "Evil"));
        QCOMPARE(session_->CurrentUserName, std::string("Ann"));
        // Cancel adds nothing.
        size_t shown = dialogs_->messages.size();
        W().AddUserButtonClick();
        QCOMPARE(dialogs_->messages.size(), shown);

        // Selecting "Default" goes back to the program folder and loads its files.
        WriteAll(program_->path / "Preferences.txt",
                 ReadAll(program_->path / "Preferences.txt") + "\r\nMinElevation\t123\r\n");
        W().FillAndShow();
        QCOMPARE(W().ListBox1->count(), 2);
        Choose("Default");
        W().Button1Click();
        QCOMPARE(session_->CurrentUserName, std::string("Default"));
        QCOMPARE(session_->UserFolder, program_->path);
        QCOMPARE(session_->MinElevation, 123);
        QCOMPARE(ReadAll(program_->path / "CurrentUser.txt"), std::string("Default"));
        QCOMPARE(session_->form.Get("UserEdit").text, std::string("Default"));
        QVERIFY(Log(program_->path).find("  Switch User to Default\r\n") != std::string::npos);
        QVERIFY(!W().isVisible());
        QVERIFY(!dialogs_->busyVisible);
        QCOMPARE(dialogs_->busyTitle, std::string("Loading Default"));
        QVERIFY(!session_->form.Get("LayoutButton").visible);
    }

    void developerUserShowsTheLayoutButton() {
        fs::create_directories(program_->path / "Users" / "Ossim");
        for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "FieldDefinitions.txt", "OutputFormat.txt"})
            fs::copy_file(program_->path / f, program_->path / "Users" / "Ossim" / f);
        Start();
        W().FillAndShow();
        Choose("Ossim");
        W().Button1Click();
        QCOMPARE(session_->UserFolder, program_->path / "Users" / "Ossim");
        QVERIFY(session_->form.Get("LayoutButton").visible);
        QVERIFY(session_->form.Get("LayoutButton").enabled);
        QVERIFY(windows_->main->Widget("LayoutButton")->isVisible());
        Choose("Default");
        W().Button1Click();
        QVERIFY(!windows_->main->Widget("LayoutButton")->isVisible());
    }

    void startsWithTheLastUser() {
        fs::create_directories(program_->path / "Users" / "Ann");
        for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "FieldDefinitions.txt", "OutputFormat.txt"})
            fs::copy_file(program_->path / f, program_->path / "Users" / "Ann" / f);
        WriteAll(program_->path / "CurrentUser.txt", "Ann");
        Start();
        QCOMPARE(dialogs_->questions.at(0), std::string("Keep Current User as: Ann?"));
        QCOMPARE(session_->UserFolder, program_->path / "Users" / "Ann");
        QVERIFY(Log(program_->path / "Users" / "Ann").find("  UserName: Ann\r\n") != std::string::npos);
    }
};

QTEST_MAIN(TestSwitchUser)
#include "test_switch_user.moc"
