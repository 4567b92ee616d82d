// The switch-user window: selecting a user, adding one, and what each leaves in the program folder.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "base/ScriptedDialogs.h"
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
    // A user folder holding the settings files a user needs.
    void MakeUser(const char* name) {
        const fs::path user = program_->path / "Users" / name;
        fs::create_directories(user);
        for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "FieldDefinitions.txt", "OutputFormat.txt"})
            fs::copy_file(program_->path / f, user / f);
    }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() {
        windows_.reset();
        session_.reset();
        dialogs_.reset();
        program_.reset();
    }

    void switchToASecondUserAndBack() {
        // Bea's folder holds the shipped files and two user-defined fields.
        const fs::path bea = program_->path / "Users" / "Bea";
        fs::create_directories(bea);
        for (const auto& e : fs::directory_iterator(program_->path))
            if (e.is_regular_file()) fs::copy_file(e.path(), bea / e.path().filename());
        WriteAll(bea / "FieldDefinitions.txt", ReadAll(bea / "FieldDefinitions.txt") +
                                                   "Plot\t0\t0\t\t1\t50\tplot\t\r\n"
                                                   "Soil\t0\t0\t\t1\t50\tsoil\t\r\n");
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
        auto* plot = qobject_cast<QPushButton*>(main.Widget("CustomButton0"));
        QVERIFY(plot->isVisible());
        QCOMPARE(plot->text(), QStringLiteral("Plot"));
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
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
    }

    void nothingSelectedOrABrokenUserKeepsTheCurrentOne() {
        const fs::path eve = program_->path / "Users" / "Eve";
        fs::create_directories(eve);
        fs::copy_file(program_->path / "Preferences.txt", eve / "Preferences.txt");
        Start();
        W().FillAndShow();
        dialogs_->messages.clear();
        W().Button1Click();
        QCOMPARE(dialogs_->messages, std::vector<std::string>{"Nothing Selected"});

        Choose("Eve");
        dialogs_->messages.clear();
        W().Button1Click();
        QCOMPARE(dialogs_->messages.size(), size_t(1));
        QVERIFY(dialogs_->messages[0].find("FieldDefinitions.txt") != std::string::npos);
        QVERIFY(W().isVisible());
        QCOMPARE(session_->CurrentUserName, std::string("Default"));
    }

    void addingAUserThroughTheWindow() {
        // The copying, the refused names and the log are the core's; here: the button's wiring.
        Start();
        W().FillAndShow();
        dialogs_->inputs.push_back("Ann");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(!W().isVisible());
        QCOMPARE(session_->UserFolder, program_->path / "Users" / "Ann");
        QCOMPARE(qobject_cast<QLabel*>(windows_->main->Widget("UserNameLabel"))->text(), QStringLiteral("Ann"));

        // A refused name leaves the window open.
        W().show();
        dialogs_->inputs.push_back("../Evil");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(W().isVisible());
        QCOMPARE(session_->CurrentUserName, std::string("Ann"));

        // The new user is listed beside Default, and selecting Default loads the program folder's files.
        WriteAll(program_->path / "Preferences.txt",
                 ReadAll(program_->path / "Preferences.txt") + "\r\nMinElevation\t123\r\n");
        W().FillAndShow();
        QCOMPARE(W().ListBox1->count(), 2);
        Choose("Default");
        W().Button1Click();
        QVERIFY(!W().isVisible());
        QCOMPARE(session_->UserFolder, program_->path);
        QCOMPARE(session_->MinElevation, 123);
        QCOMPARE(session_->form.Get("UserEdit").text, std::string("Default"));
    }

    void developerUserShowsTheLayoutButton() {
        MakeUser("Ossim");
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
        MakeUser("Ann");
        WriteAll(program_->path / "CurrentUser.txt", "Ann");
        Start();
        QCOMPARE(dialogs_->questions.at(0), std::string("Keep Current User as: Ann?"));
        QCOMPARE(session_->UserFolder, program_->path / "Users" / "Ann");
        QVERIFY(Log(program_->path / "Users" / "Ann").find("  UserName: Ann\r\n") != std::string::npos);
    }
};

QTEST_MAIN(TestSwitchUser)
#include "test_switch_user.moc"
