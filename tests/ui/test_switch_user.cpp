// The switch-user window: selecting a user, adding one, and what each leaves in the program folder.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "AppTestSupport.h"

using namespace quorl;
using namespace quorl::testing;

class TestSwitchUser : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedApp> app_;

    // The program started with Yes to keeping the user, after prepare filled its folder.
    void Start(const std::function<void(const fs::path&)>& prepare = {}) {
        app_ = std::make_unique<StartedApp>(true, prepare);
    }
    SwitchUserWindow& W() { return *app_->windows->switchUser; }
    Session& S() { return app_->session; }
    fs::path Folder() { return app_->program.path; }
    void Choose(const QString& name) {
        auto found = W().ListBox1->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.empty());
        W().ListBox1->setCurrentItem(found[0]);
    }
    // A user folder holding the settings files a user needs.
    static void MakeUser(const fs::path& program, const char* name) {
        const fs::path user = program / "Users" / name;
        fs::create_directories(user);
        for (const char* f : {"Preferences.txt", "AutoCorrect.txt", "FieldDefinitions.txt", "OutputFormat.txt"})
            fs::copy_file(program / f, user / f);
    }

private slots:
    void cleanup() { app_.reset(); }

    void switchToASecondUserAndBack() {
        // Bea's folder holds the shipped files and two user-defined fields.
        Start([](const fs::path& program) {
            const fs::path bea = program / "Users" / "Bea";
            fs::create_directories(bea);
            for (const auto& e : fs::directory_iterator(program))
                if (e.is_regular_file()) fs::copy_file(e.path(), bea / e.path().filename());
            WriteAll(bea / "FieldDefinitions.txt", ReadAll(bea / "FieldDefinitions.txt") +
                                                       "Plot\t0\t0\t\t1\t50\tplot\t\r\n"
                                                       "Soil\t0\t0\t\t1\t50\tsoil\t\r\n");
            // Each user holds a record that a run which ended took out of a file of an older format.
            for (const fs::path& user : {program, bea})
                WriteAll(user / "RecordTakenOut.txt", "RecordFile\tOld.tsv\r\nOutputType\t0\r\n\r\nWho\t\r\n\"Ann\"\t\r\n");
        });
        const fs::path bea = Folder() / "Users" / "Bea";
        const std::string ended =
            "Quorl ended before the record taken out of Old.tsv to be edited again was added back. It ";
        // The start tells where the record of its user is, once the main window is there: set
        // aside, as it cannot be put back.
        const std::string notFit = ended + "does not fit the current output format, so it was not put back into the "
                                   "fields. It is kept in ";
        QCOMPARE(app_->dialogs.messages.back(), notFit + (Folder() / "RecordTakenOut-1.txt").string() + ".");
        MainWindow& main = *app_->windows->main;
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
        S().form.SetText("CollectorEdit", "J. Smith");

        W().FillAndShow();
        QCOMPARE(W().ListBox1->count(), 2);
        QCOMPARE(W().ListBox1->item(1)->text(), QStringLiteral("Bea"));
        Choose("Bea");
        QTest::mouseClick(W().Button1, Qt::LeftButton);
        QVERIFY(!W().isVisible());
        QCOMPARE(S().UserFolder, bea);
        auto* plot = qobject_cast<QPushButton*>(main.Widget("CustomButton0"));
        QVERIFY(plot->isVisible());
        QCOMPARE(plot->text(), QStringLiteral("Plot"));
        QCOMPARE(qobject_cast<QLabel*>(main.Widget("UserNameLabel"))->text(), QStringLiteral("Bea"));
        // The fields of the main window are not cleared by a switch, not even for Bea's record.
        QCOMPARE(S().form.Get("CollectorEdit").text, std::string("J. Smith"));
        QCOMPARE(app_->dialogs.messages.back(), notFit + (bea / "RecordTakenOut-1.txt").string() + ".");

        // Back to Default with a double click in the list.
        W().FillAndShow();
        const QPoint at = W().ListBox1->visualItemRect(W().ListBox1->item(0)).center();
        QTest::mouseClick(W().ListBox1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(W().ListBox1->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!W().isVisible());
        QCOMPARE(S().UserFolder, Folder());
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
    }

    void nothingSelectedOrABrokenUserKeepsTheCurrentOne() {
        Start([](const fs::path& program) {
            fs::create_directories(program / "Users" / "Eve");
            fs::copy_file(program / "Preferences.txt", program / "Users" / "Eve" / "Preferences.txt");
        });
        W().FillAndShow();
        app_->dialogs.messages.clear();
        W().Button1Click();
        QCOMPARE(app_->dialogs.messages, std::vector<std::string>{"Nothing Selected"});

        Choose("Eve");
        // A record taken out of its file waits in the fields: Cancel keeps the user.
        S().RecordTakenOutOf = "Quorl.csv";
        app_->dialogs.answers.push_back(DialogButton::Cancel);
        W().Button1Click();
        QCOMPARE(app_->dialogs.questions.back().substr(0, 40), std::string("The record taken out of Quorl.csv has no"));
        QVERIFY(W().isVisible());
        app_->dialogs.answers.push_back(DialogButton::Cancel);
        W().AddUserButtonClick();
        QVERIFY(W().isVisible());
        QCOMPARE(app_->dialogs.questions.size(), size_t(3));  // the start's, and one each
        S().RecordTakenOutOf.clear();

        app_->dialogs.messages.clear();
        W().Button1Click();
        QCOMPARE(app_->dialogs.messages.size(), size_t(1));
        QVERIFY(app_->dialogs.messages[0].find("FieldDefinitions.txt") != std::string::npos);
        QVERIFY(W().isVisible());
        QCOMPARE(S().CurrentUserName, std::string("Default"));
    }

    void addingAUserThroughTheWindow() {
        // The copying, the refused names and the log are the core's; here: the button's wiring.
        Start();
        W().FillAndShow();
        // After "Please add a user." the window is in front of the main window.
        QCOMPARE(app_->dialogs.messages.back(), std::string("Please add a user."));
        QCOMPARE(W().windowHandle()->transientParent(), app_->windows->main->windowHandle());
        QCOMPARE(W().windowHandle()->type(), Qt::Dialog);
        QVERIFY(QTest::qWaitForWindowActive(&W()));
        app_->dialogs.inputs.push_back("Ann");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(!W().isVisible());
        QCOMPARE(S().UserFolder, Folder() / "Users" / "Ann");
        QCOMPARE(qobject_cast<QLabel*>(app_->windows->main->Widget("UserNameLabel"))->text(), QStringLiteral("Ann"));

        // A refused name leaves the window open.
        W().show();
        app_->dialogs.inputs.push_back("../Evil");
        QTest::mouseClick(W().AddUserButton, Qt::LeftButton);
        QVERIFY(W().isVisible());
        QCOMPARE(S().CurrentUserName, std::string("Ann"));

        // The new user is listed beside Default, and selecting Default loads the program folder's files.
        WriteAll(Folder() / "Preferences.txt",
                 ReadAll(Folder() / "Preferences.txt") + "\r\nMinElevation\t123\r\n");
        W().FillAndShow();
        QCOMPARE(W().ListBox1->count(), 2);
        Choose("Default");
        W().Button1Click();
        QVERIFY(!W().isVisible());
        QCOMPARE(S().UserFolder, Folder());
        QCOMPARE(S().MinElevation, 123);
        QCOMPARE(S().form.Get("UserEdit").text, std::string("Default"));
    }

    void developerUserShowsTheLayoutButton() {
        Start([](const fs::path& program) { MakeUser(program, "Ossim"); });
        W().FillAndShow();
        Choose("Ossim");
        W().Button1Click();
        QCOMPARE(S().UserFolder, Folder() / "Users" / "Ossim");
        QVERIFY(S().form.Get("LayoutButton").visible);
        QVERIFY(S().form.Get("LayoutButton").enabled);
        QVERIFY(app_->windows->main->Widget("LayoutButton")->isVisible());
        Choose("Default");
        W().Button1Click();
        QVERIFY(!app_->windows->main->Widget("LayoutButton")->isVisible());
    }

    void startsWithTheLastUser() {
        Start([](const fs::path& program) {
            MakeUser(program, "Ann");
            WriteAll(program / "CurrentUser.txt", "Ann");
        });
        QCOMPARE(app_->dialogs.questions.at(0), std::string("Keep Current User as: Ann?"));
        QCOMPARE(S().UserFolder, Folder() / "Users" / "Ann");
        QVERIFY(ReadAll(Folder() / "Users" / "Ann" / "Log.txt").find("  UserName: Ann\r\n") != std::string::npos);
    }
};

QTEST_MAIN(TestSwitchUser)
#include "test_switch_user.moc"
