// The log mail against a real mail server on 127.0.0.1: the message as received (envelope,
// headers, body, attachments byte for byte), STARTTLS and login, and every way it can fail.
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include "LoaderTestSupport.h"
#include "SmtpTestServer.h"
#include "help/LogMail.h"
#include "help/MailSettings.h"
#include "help/SendLogFile.h"
#include "help/SmtpSend.h"

namespace quorl::testing {
namespace {

// The seven files of a user folder, each with bytes of its own: line ends of every kind, a line
// that starts with a dot, non-ASCII text and a zero byte.
std::string Contents(const std::string& file) {
    return file + "\r\n.leading dot\r\nMüller\tSão Paulo\nlone LF\rlone CR\r\n" + std::string(1, '\0') + "end";
}

class LogMailTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Session s{dialogs};

    void SetUp() override {
        s.ProgramFolder = MakeTempFolder();
        s.UserFolder = s.ProgramFolder / "Users" / "Ann";
        fs::create_directories(s.UserFolder);
        for (const char* f : kLogMailAttachments) WriteFile(s.UserFile(f), Contents(f));
        WriteFile(s.UserFile("DarwinXML.txt"), "not sent");
        WriteFile(s.UserFile("Log.txt"), "10:00:00:000  Quorl Version 1.0.0.0\r\n");
    }
    void TearDown() override { fs::remove_all(s.ProgramFolder); }

    void WriteSettings(const SmtpTestServer& server, const std::string& password = SmtpTestServer::kPassword,
                       const std::string& more = "") {
        std::string text = "MailServer\t127.0.0.1\r\nMailPort\t" + std::to_string(server.port) +
                           "\r\nMailAccount\t" + SmtpTestServer::kUser + "\r\nMailPassword\t" + password +
                           "\r\nMailConnectTimeout\t5\r\nMailTimeout\t20\r\n";
        if (!server.cert.empty()) text += "MailCAFile\t" + server.cert.string() + "\r\n";
        WriteFile(s.ProgramFile(kMailSettingsFile), text + more);
    }
    std::string Log() { return ReadFile(s.UserFile("Log.txt")); }
};

TEST_F(LogMailTest, WholeMessageArrivesOverStartTlsAfterLogin) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    WriteSettings(server);
    ASSERT_TRUE(SendLogFile(s, "Ann Smith", "Herbarium X", "It broke.\r\nTwice."));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Log file sent"});
    ASSERT_EQ(server.Received(), 1);
    EXPECT_EQ(server.Meta(1, "tls"), "1");
    EXPECT_EQ(server.Meta(1, "auth"), SmtpTestServer::kUser);
    EXPECT_EQ(server.Meta(1, "mail_from"), SmtpTestServer::kUser);
    EXPECT_EQ(server.Meta(1, "rcpt"), SmtpTestServer::kUser);
    EXPECT_EQ(server.Meta(1, "subject"), "QUORL Log File");
    EXPECT_EQ(server.Meta(1, "from"), std::string("Ann Smith at Herbarium X<") + SmtpTestServer::kUser + ">");
    EXPECT_EQ(server.Meta(1, "to"), std::string("Ossim <") + SmtpTestServer::kUser + ">");
    EXPECT_EQ(server.Meta(1, "content_type"), "multipart/mixed");
    EXPECT_EQ(server.Meta(1, "date_ok"), "1");
    // The body carries the comment and the log as it was when the mail was made.
    const std::string log = Log();
    const std::string logAtSend = log.substr(0, log.find("  Sending Email\r\n") + 17);
    EXPECT_TRUE(StartsWith(logAtSend, "10:00:00:000  Quorl Version 1.0.0.0\r\n"));
    EXPECT_EQ(ReadFile(server.Message(1) / "body.txt"),
              "Name: Ann Smith\r\nInstitute: Herbarium X\r\nIt broke.\r\nTwice.\r\n\r\n*****************************\r\n\r\n" +
                  logAtSend);
    const std::vector<std::string> names(kLogMailAttachments.begin(), kLogMailAttachments.end());
    EXPECT_EQ(server.AttachmentNames(1), names);
    for (const std::string& name : names)
        EXPECT_EQ(ReadFile(server.Message(1) / "attachments" / name), Contents(name)) << name;
    EXPECT_NE(Log().find("  Email sent complete\r\n"), std::string::npos);
    EXPECT_EQ(Log().find(SmtpTestServer::kPassword), std::string::npos);
}

TEST_F(LogMailTest, MissingAttachmentAndMissingLogAreSaidAndTheRestGoes) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    WriteSettings(server);
    fs::remove(s.UserFile("DarwinCSV.txt"));
    fs::remove(s.UserFile("Log.txt"));
    s.Debug = false;  // the log is not written, so it stays missing
    ASSERT_TRUE(SendLogFile(s, "", "", "x"));
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"File Not Found:  DarwinCSV.txt", "Log file sent"}));
    ASSERT_EQ(server.Received(), 1);
    EXPECT_EQ(server.AttachmentNames(1).size(), 6u);
    EXPECT_EQ(server.AttachmentNames(1).back(), "OutputFormat.txt");
    const std::string raw = ReadFile(server.Message(1) / "message.eml");
    EXPECT_NE(raw.find(std::string("\nFrom:  at <") + SmtpTestServer::kUser + ">\r\n"), std::string::npos) << raw;
    const std::string body = ReadFile(server.Message(1) / "body.txt");
    EXPECT_TRUE(StartsWith(body, "Name: \r\nInstitute: \r\nx\r\n")) << body;
    EXPECT_NE(body.find("Log.txt is missing"), std::string::npos) << body;
}

TEST_F(LogMailTest, TypedNameCannotAddHeadersOrRecipients) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    WriteSettings(server);
    ASSERT_TRUE(SendLogFile(s, "Ann\r\nBcc: victim@quorl.test\r\n", "X\nSubject: spam\x01", "c"));
    ASSERT_EQ(server.Received(), 1);
    EXPECT_EQ(server.Meta(1, "rcpt"), SmtpTestServer::kUser);
    EXPECT_EQ(server.Meta(1, "subject"), "QUORL Log File");
    EXPECT_EQ(server.Meta(1, "from"),
              std::string("AnnBcc: victim@quorl.test at XSubject: spam<") + SmtpTestServer::kUser + ">");
    const std::string raw = ReadFile(server.Message(1) / "message.eml");
    const std::string headers = raw.substr(0, raw.find("\r\n\r\n"));
    EXPECT_EQ(headers.find("\nBcc:"), std::string::npos) << headers;
    EXPECT_EQ(headers.find("\nSubject: spam"), std::string::npos) << headers;
}

TEST_F(LogMailTest, NonAsciiNameIsEncodedInTheHeader) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    WriteSettings(server);
    const std::string institution = "Herbário " + std::string(40, 'x') + " Ñ São Tomé";  // more than one encoded word
    ASSERT_TRUE(SendLogFile(s, "Jöns", institution, "c"));
    ASSERT_EQ(server.Received(), 1);
    const std::string from = server.Meta(1, "from");
    EXPECT_TRUE(StartsWith(from, "=?UTF-8?B?")) << from;
    EXPECT_EQ(server.Meta(1, "from_decoded"), "Jöns at " + institution + " <" + SmtpTestServer::kUser + ">");
    EXPECT_TRUE(StartsWith(ReadFile(server.Message(1) / "body.txt"), "Name: Jöns\r\nInstitute: " + institution + "\r\n"));
}

TEST_F(LogMailTest, PasswordGoesOnlyOverAnEncryptedConnectionUnlessAllowedInClear) {
    using Tls = SmtpTestServer::Tls;
    const std::string login = std::string(SmtpTestServer::kUser) + "\tok";
    struct Case {
        const char* name;
        Tls server;
        const char* extraSetting;
        bool implicitTls;  // as port 465 gives
        bool sent;
    };
    const Case cases[] = {
        {"STARTTLS offered", Tls::StartTls, "", false, true},
        {"no STARTTLS offered", Tls::None, "", false, false},
        {"no STARTTLS, MailTLS other than No", Tls::None, "MailTLS\tYes\r\n", false, false},
        {"TLS from the first byte", Tls::Implicit, "", true, true},
        {"no STARTTLS, MailTLS No", Tls::None, "MailTLS\tNo\r\n", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmtpTestServer server(c.server);
        ASSERT_TRUE(server.Started());
        WriteSettings(server, SmtpTestServer::kPassword, c.extraSetting);
        MailSettings settings = LoadMailSettings(s.ProgramFile(kMailSettingsFile));
        settings.implicitTls = c.implicitTls;  // the test server cannot listen on port 465
        const MailResult result = SendMail(ComposeLogMail(s, "Ann", "X", "c", settings), settings);
        if (c.sent) {
            EXPECT_EQ(result.stage, MailStage::Sent) << result.detail;
            ASSERT_EQ(server.Received(), 1);
            EXPECT_EQ(server.Meta(1, "tls"), c.server == Tls::None ? "0" : "1");
            EXPECT_EQ(server.Logins(), std::vector<std::string>{login});
        } else {
            EXPECT_EQ(result.stage, MailStage::ConnectFailed);
            EXPECT_EQ(result.detail, "the server offers no encryption; the password was not sent");
            EXPECT_EQ(server.Received(), 0);
            EXPECT_TRUE(server.Logins().empty());  // no login reached the server
        }
    }
}

TEST_F(LogMailTest, ServerWithoutEncryptionIsToldAndNotSent) {
    SmtpTestServer server(SmtpTestServer::Tls::None);
    ASSERT_TRUE(server.Started());
    WriteSettings(server);
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "Error connecting to mail server: the server offers no encryption; the password was not sent",
                  "Log File not sent"}));
    EXPECT_TRUE(server.Logins().empty());
    EXPECT_NE(Log().find("the password was not sent"), std::string::npos);
}

TEST_F(LogMailTest, WrongPasswordSaysWhyAndNotSent) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    WriteSettings(server, "wrong123");
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(dialogs.messages[0], "Error connecting to mail server: ")) << dialogs.messages[0];
    EXPECT_NE(dialogs.messages[0].find("535"), std::string::npos) << dialogs.messages[0];
    EXPECT_EQ(dialogs.messages[1], "Log File not sent");
    EXPECT_EQ(server.Received(), 0);
    EXPECT_EQ(Log().find("wrong123"), std::string::npos);
    EXPECT_NE(Log().find("Error connecting to mail server 127.0.0.1: "), std::string::npos);
}

TEST_F(LogMailTest, UntrustedCertificateIsAConnectFailure) {
    SmtpTestServer server(SmtpTestServer::Tls::StartTls);
    ASSERT_TRUE(server.Started());
    server.cert.clear();  // the client is not told to trust the test's certificate
    WriteSettings(server);
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    EXPECT_TRUE(StartsWith(dialogs.messages.at(0), "Error connecting to mail server: "));
    EXPECT_EQ(dialogs.messages.at(1), "Log File not sent");
    EXPECT_EQ(server.Received(), 0);
}

TEST_F(LogMailTest, NoServerListeningAndServerThatNeverAnswers) {
    // A port on which nothing listens.
    int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    socklen_t len = sizeof addr;
    getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &len);
    const int port = ntohs(addr.sin_port);
    WriteFile(s.ProgramFile(kMailSettingsFile), "MailServer\t127.0.0.1\r\nMailPort\t" + std::to_string(port) +
                                                    "\r\nMailAccount\ta@quorl.test\r\nMailPassword\tp\r\n"
                                                    "MailConnectTimeout\t1\r\nMailTimeout\t2\r\n");
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    EXPECT_TRUE(StartsWith(dialogs.messages.at(0), "Error connecting to mail server: ")) << dialogs.messages.at(0);
    EXPECT_EQ(dialogs.messages.at(1), "Log File not sent");

    // The same port listening but never greeting: the time limit ends the wait.
    ASSERT_EQ(listen(sock, 4), 0);
    dialogs.messages.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_TRUE(StartsWith(dialogs.messages.at(0), "Error connecting to mail server: ")) << dialogs.messages.at(0);
    EXPECT_EQ(dialogs.messages.at(1), "Log File not sent");
    close(sock);
}

TEST_F(LogMailTest, NoMailServerSetSaysSoAndLeavesAPrivateTemplate) {
    EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(dialogs.messages[0], "No mail server is set up")) << dialogs.messages[0];
    EXPECT_EQ(dialogs.messages[1], "Log File not sent");
    const fs::path file = s.ProgramFile(kMailSettingsFile);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(LoadMailSettings(file).Complete());
    // Asking again keeps what the user wrote meanwhile.
    WriteFile(file, "MailServer\tmail.quorl.test\r\n");
    SendLogFile(s, "Ann", "X", "c");
    EXPECT_EQ(ReadFile(file), "MailServer\tmail.quorl.test\r\n");
}

TEST_F(LogMailTest, SettingsFileLeftEmptyIsFilledWithItsKeysAgain) {
    const fs::path file = s.ProgramFile(kMailSettingsFile);
    const std::string keys = "MailServer\t\r\nMailPort\t587\r\nMailAccount\t\r\nMailPassword\t\r\n";
    const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    const fs::perms readable = ownerOnly | fs::perms::group_read | fs::perms::others_read;
    struct Case {
        const char* name;
        std::string text;  // what the file holds before Send; kept when it holds a setting
        bool kept;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"zero bytes", std::string(16, '\0'), false},
        {"blank lines", "\r\n \r\n", false},
        {"a setting", "MailServer\tmail.quorl.test\r\n", true},
        {"a comment", "x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(file, c.text);
        fs::permissions(file, readable);
        dialogs.messages.clear();
        EXPECT_FALSE(SendLogFile(s, "Ann", "X", "c"));
        EXPECT_TRUE(StartsWith(dialogs.messages.at(0), "No mail server is set up")) << dialogs.messages.at(0);
        EXPECT_EQ(ReadFile(file), c.kept ? c.text : keys);
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, ownerOnly);
    }
}

TEST(MailSettings, ValuesAndOwnerOnlyPermissions) {
    const fs::path folder = MakeTempFolder();
    const fs::path file = folder / kMailSettingsFile;
    EXPECT_FALSE(LoadMailSettings(file).Complete());
    WriteFile(file, "# comment\r\nMailServer\t smtp.quorl.test \r\nMailPort\tx\r\nMailAccount\tme@quorl.test\r\n"
                    "MailPassword\t pass word \r\nMailTimeout\t30\r\nMailConnectTimeout\t-1\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const MailSettings m = LoadMailSettings(file);
    EXPECT_TRUE(m.Complete());
    EXPECT_EQ(m.server, "smtp.quorl.test");
    EXPECT_EQ(m.port, 587);  // not a number: the submission port
    EXPECT_EQ(m.account, "me@quorl.test");
    EXPECT_EQ(m.password, " pass word ");
    EXPECT_EQ(m.transferTimeout, 30);
    EXPECT_EQ(m.connectTimeout, 20);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    fs::remove_all(folder);
}

TEST(MailSettings, EncryptionFollowsPasswordPortAndMailTls) {
    const fs::path folder = MakeTempFolder();
    const fs::path file = folder / kMailSettingsFile;
    struct Case {
        const char* text;
        bool implicitTls, mustEncrypt;
    };
    const Case cases[] = {
        {"MailPort\t587\r\nMailPassword\tpw\r\n", false, true},
        {"MailPort\t465\r\nMailPassword\tpw\r\n", true, true},
        {"MailPassword\tpw\r\nMailTLS\tNo\r\n", false, false},
        {"MailPassword\tpw\r\nMailTLS\t no \r\n", false, false},
        {"MailPassword\tpw\r\nMailTLS\tYes\r\n", false, true},
        {"MailPassword\tpw\r\nMailTLS\t\r\n", false, true},
        {"MailPassword\t\r\n", false, false},  // nothing to protect
    };
    for (const Case& c : cases) {
        WriteFile(file, c.text);
        const MailSettings m = LoadMailSettings(file);
        EXPECT_EQ(m.implicitTls, c.implicitTls) << c.text;
        EXPECT_EQ(m.MustEncrypt(), c.mustEncrypt) << c.text;
    }
    fs::remove_all(folder);
}

TEST(LogMailForm, InstitutionFromTheRecordThenTheLastExport) {
    ScriptedDialogs d;
    Session s(d);
    BuildMainForm(s.form);
    s.CurrentUserName = "Ann";
    std::string name, institution = "typed before", comments;
    FillLogMailForm(s, name, institution, comments);
    EXPECT_EQ(name, "Ann");
    EXPECT_EQ(institution, "typed before");
    EXPECT_EQ(comments,
              "Explain the problem or observation here.  Include your email address if we don't already have it.");
    s.LastHerbarium = "LAST";
    FillLogMailForm(s, name, institution, comments);
    EXPECT_EQ(institution, "LAST");
    s.form.SetText("HerbariumEdit", "NOW");
    FillLogMailForm(s, name, institution, comments);
    EXPECT_EQ(institution, "NOW");
}

}  // namespace
}  // namespace quorl::testing
