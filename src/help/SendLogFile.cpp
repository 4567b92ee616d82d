#include "help/SendLogFile.h"

#include "base/Dialogs.h"
#include "fields/FieldAccess.h"
#include "help/LogMail.h"
#include "help/MailSettings.h"
#include "help/SmtpSend.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

namespace {

constexpr const char* kNotSent = "Log File not sent";

}  // namespace

void FillLogMailForm(Session& s, std::string& name, std::string& institution, std::string& comments) {
    name = s.CurrentUserName;
    if (std::string herbarium = GetFieldText(s, fHerbarium); !herbarium.empty())
        institution = herbarium;
    else if (!s.LastHerbarium.empty())
        institution = s.LastHerbarium;
    comments = "Explain the problem or observation here.  Include your email address if we don't already have it.";
}

bool SendLogFile(Session& s, const std::string& name, const std::string& institution, const std::string& comments) {
    WriteToLog(s, "Sending Email");
    const std::filesystem::path file = s.ProgramFile(kMailSettingsFile);
    const MailSettings settings = LoadMailSettings(file);
    if (!settings.Complete()) {
        CreateMailSettingsTemplate(file);
        WriteToLog(s, "Email not sent: no mail server set");
        s.dialogs.ShowMessage("No mail server is set up for sending the log. Enter the server, port, account and "
                              "password in " + file.string() + ".");
        s.dialogs.ShowMessage(kNotSent);
        return false;
    }
    const LogMail mail = ComposeLogMail(s, name, institution, comments, settings);
    s.dialogs.ShowBusy("Sending Log File", settings.server);
    const MailResult result = SendMail(mail, settings);
    s.dialogs.HideBusy();
    if (result.stage != MailStage::Sent) {
        const bool connect = result.stage == MailStage::ConnectFailed;
        WriteToLog(s, std::string(connect ? "Error connecting to mail server " : "Error sending email to ") +
                          settings.server + ": " + result.detail);
        s.dialogs.ShowMessage(std::string(connect ? "Error connecting to mail server" : "Error sending email") +
                              ": " + result.detail);
        s.dialogs.ShowMessage(kNotSent);
        return false;
    }
    WriteToLog(s, "Email sent complete");
    s.dialogs.ShowMessage("Log file sent");
    return true;
}

void CancelLogFile(Session& s) { s.dialogs.ShowMessage(kNotSent); }

}  // namespace quorl
