// The switch-user window: selecting a user, adding one, and what each leaves in the program folder.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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

    void switchToASecondUserAndBack() {
        // Bea's folder holds the shipped files and two user-defined fields; a stray file and a
        // folder without settings beside it are no users.
        const fs::path bea = program_->path / "Users" / "Bea";
        fs::create_directories(bea);
        for (const auto& e : fs::directory_iterator(program_->path))
            if (e.is_regular_file()) fs::copy_file(e.path(), bea / e.path().filename());
        WriteAll(bea / "FieldDefinitions.txt", ReadAll(bea / "FieldDefinitions.txt") +
                                                   "Plot\t0\t0\t\t1\t50\tplot\t\r\n"
                                                   "Soil\t0\t0\t\t1\t50\tsoil\t\r\n");
        WriteAll(program_->path / "Users" / "readme.txt", "not a user");
        fs::create_directories(program_->path / "Users" / "Empty");
        Start();
        MainWindow& main = *windows_->main;
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
        session_->form.SetText("CollectorEdit", "J. Smith");

        W().FillAndShow();
        QCOMPARE(W().ListBox1->count(), 2);
        QCOMPARE(W().ListBox1->item(1)->text(), QStringLiteral("Bea"));
        Choose("Bea");
        QTest::mouseClick(W().Button1, Qt::LeftButton);
        QVERIFY(!W().isVisible());
        QCOMPARE(session_->UserFolder, bea);
        QCOMPARE(session_->FieldDefinitions.size(), size_t(32));
        auto* plot = qobject_cast<QPushButton*>(main.Widget("CustomButton0"));
        QVERIFY(plot->isVisible());
        QCOMPARE(plot->text(), QStringLiteral("Plot"));
        QVERIFY(main.Widget("CustomEdit1")->isVisible());
        QVERIFY(!main.Widget("CustomEdit2")->isVisible());
        QCOMPARE(qobject_cast<QLabel*>(main.Widget("UserNameLabel"))->text(), QStringLiteral("Bea"));
        // The fields of the main window are not cleared by a switch.
        QCOMPARE(session_->form.Get("CollectorEdit").text, std::string("J. Smith"));

        // Back to Default with a double click in the list.
        W().FillAndShow();
        const QPoint at = W().ListBox1->visualItemRect(W().ListBox1->item(0)).center();
        QTest::mouseClick(W().ListBox1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(W().ListBox1->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!W().isVisible());
        QCOMPARE(session_->UserFolder, program_->path);
        QCOMPARE(session_->FieldDefinitions.size(), size_t(30));
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
        QVERIFY(!main.Widget("CustomEdit1")->isVisible());
        QCOMPARE(ReadAll(program_->path / "CurrentUser.txt"), std::string("Default"));
    }

    void brokenUserIsNotSelected() {
        const fs::path eve = program_->path / "Users" / "Eve";
        fs::create_directories(eve);
        fs::copy_file(program_->path / "Preferences.txt", eve / "Preferences.txt");
        Start();
        W().FillAndShow();
        Choose("Eve");
        dialogs_->messages.clear();
        W().Button1Click();
        QCOMPARE(dialogs_->messages.size(), size_t(1));
        QVERIFY(dialogs_->messages[0].find("FieldDefinitions.txt") != std::string::npos);
        QVERIFY(W().isVisible());
        QCOMPARE(session_->CurrentUserName, std::string("Default"));
    }

    void addingCopiesTheSettingsAndSelectingLoadsThem() {
        Start();
        const fs::path users = program_->path / "Users";
        // Adding a user while "Default" is current copies the program folder's files into the new folder.
        QCOMPARE(session_->CurrentUserName, std::string("Default"));
        W().FillAndShow();
        dialogs_->inputs.push_back("Ann");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(!W().isVisible());
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

        // A name that would leave the Users folder is refused too, and the window stays open.
        W().show();
        dialogs_->inputs.push_back("../Evil");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(!fs::exists(program_->path / "Evil"));
        QCOMPARE(session_->CurrentUserName, std::string("Ann"));
        QVERIFY(W().isVisible());
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
