// The "Send Log File" window: the menu command fills it, Send mails the log to a real mail server
// on 127.0.0.1 and closes it, a failure keeps the typed text, Cancel sends nothing.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
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

    std::unique_ptr<StartedApp> app_;

    SendLogFileWindow& W() { return *app_->windows->sendLogFile; }
    void Open() {
        app_->windows->main->MenuItem("SubmitLogFile1")->trigger();
        QVERIFY(W().isVisible());
        app_->dialogs.messages.clear();
    }
    void Settings(const SmtpTestServer& server) {
        WriteAll(app_->program.path / kMailSettingsFile,
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
        app_ = std::make_unique<StartedApp>(true);
    }
    void cleanup() { app_.reset(); }

    void menuCommandFillsTheWindow() {
        app_->session.form.SetText("HerbariumEdit", "QZV");
        Open();
        QCOMPARE(W().NameEdit->text(), QStringLiteral("Default"));
        QCOMPARE(W().InstitutionEdit->text(), QStringLiteral("QZV"));
        QCOMPARE(W().CommentsMemo->toPlainText(),
                 QStringLiteral("Explain the problem or observation here.  Include your email address if we don't "
                                "already have it."));
    }

    void sendMailsTheLogAndCloses() {
        SmtpTestServer server(SmtpTestServer::Tls::StartTls);
        QVERIFY(server.Started());
        Settings(server);
        Open();
        W().InstitutionEdit->clear();
        QTest::keyClicks(W().InstitutionEdit, QStringLiteral("Herbarium Q"));
        W().CommentsMemo->setPlainText(QStringLiteral("First line\nsecond line"));
        QTest::mouseClick(W().SendButton, Qt::LeftButton);
        QCOMPARE(app_->dialogs.messages, std::vector<std::string>{"Log file sent"});
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
        QCOMPARE(app_->dialogs.messages.size(), size_t(2));
        QCOMPARE(app_->dialogs.messages.back(), std::string("Log File not sent"));
        QVERIFY(W().isVisible());
        QCOMPARE(W().CommentsMemo->toPlainText(), QStringLiteral("keep me"));
    }

    void cancelSendsNothing() {
        SmtpTestServer server(SmtpTestServer::Tls::None);
        QVERIFY(server.Started());
        Settings(server);
        Open();
        QTest::mouseClick(W().CancelButton, Qt::LeftButton);
        QCOMPARE(app_->dialogs.messages, std::vector<std::string>{"Log File not sent"});
        QVERIFY(!W().isVisible());
        QTest::qWait(200);
        QCOMPARE(server.Received(), 0);
    }
};

QTEST_MAIN(TestSendLogFile)
#include "test_send_log_file.moc"
