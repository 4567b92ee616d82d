// The "Send Log File" window: the menu command fills it, Send mails the log to a real mail server
// on 127.0.0.1 and closes it, a failure keeps the typed text, Cancel sends nothing.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "SmtpTestServer.h"
#include "UiTestSupport.h"
#include "base/ScriptedDialogs.h"
#include "help/MailSettings.h"
#include "model/Session.h"
#include "ui/AppWindows.h"

using namespace quorl;
using namespace quorl::testing;

class TestSendLogFile : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<AppWindows> windows_;

    SendLogFileWindow& W() { return *windows_->sendLogFile; }
    void Open() {
        windows_->main->MenuItem("SubmitLogFile1")->trigger();
        QVERIFY(W().isVisible());
        dialogs_->messages.clear();
    }
    void Settings(const SmtpTestServer& server) {
        WriteAll(program_->path / kMailSettingsFile,
                 "MailServer\t127.0.0.1\r\nMailPort\t" + std::to_string(server.port) + "\r\nMailAccount\t" +
                     SmtpTestServer::kUser + "\r\nMailPassword\t" + SmtpTestServer::kPassword + "\r\nMailCAFile\t" +
                     server.cert.string() + "\r\nMailTimeout\t20\r\n");
    }

public:
    static void initMain() {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramFolder>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        dialogs_->answers.push_back(DialogButton::Yes);  // keep the current user
        session_ = std::make_unique<Session>(*dialogs_);
        windows_ = CreateAppWindows(*session_);
    }
    void cleanup() {
        windows_.reset();
        session_.reset();
        dialogs_.reset();
        program_.reset();
    }

    void menuCommandFillsTheWindow() {
        session_->form.SetText("HerbariumEdit", "QZV");
        Open();
        QCOMPARE(W().NameEdit->text(), QStringLiteral("Default"));
        QCOMPARE(W().InstitutionEdit->text(), QStringLiteral("QZV"));
        QCOMPARE(W().CommentsMemo->toPlainText(),
                 QStringLiteral("Explain the problem or observation here.  Include your email address if we don't "
                                "already have it."));
    }

    void sendMailsTheLogAndCloses() {
        SmtpTestServer server(true);
        QVERIFY(server.Started());
        Settings(server);
        Open();
        W().InstitutionEdit->clear();
        QTest::keyClicks(W().InstitutionEdit, QStringLiteral("Herbarium Q"));
        W().CommentsMemo->setPlainText(QStringLiteral("First line\nsecond line"));
        QTest::mouseClick(W().SendButton, Qt::LeftButton);
        QCOMPARE(dialogs_->messages, std::vector<std::string>{"Log file sent"});
        QVERIFY(!W().isVisible());
        QCOMPARE(server.Received(), 1);
        const std::string body = ReadAll(server.Message(1) / "body.txt");
        QVERIFY2(body.rfind("Name: Default\r\nInstitute: Herbarium Q\r\nFirst line\r\nsecond line\r\n", 0) == 0,
                 body.c_str());
        QVERIFY(body.find("Quorl Version") != std::string::npos);  // the log of this run
        QCOMPARE(server.AttachmentNames(1).size(), size_t(7));
    }

    void failedSendKeepsTheWindowAndItsText() {
        Open();
        W().CommentsMemo->setPlainText(QStringLiteral("keep me"));
        QTest::mouseClick(W().SendButton, Qt::LeftButton);  // no mail server is set
        QCOMPARE(dialogs_->messages.size(), size_t(2));
        QCOMPARE(dialogs_->messages.back(), std::string("Log File not sent"));
        QVERIFY(W().isVisible());
        QCOMPARE(W().CommentsMemo->toPlainText(), QStringLiteral("keep me"));
    }

    void cancelSendsNothing() {
        SmtpTestServer server(false);
        QVERIFY(server.Started());
        Settings(server);
        Open();
        QTest::mouseClick(W().CancelButton, Qt::LeftButton);
        QCOMPARE(dialogs_->messages, std::vector<std::string>{"Log File not sent"});
        QVERIFY(!W().isVisible());
        QTest::qWait(200);
        QCOMPARE(server.Received(), 0);
    }
};

QTEST_MAIN(TestSendLogFile)
#include "test_send_log_file.moc"
