#include "help/LogMail.h"

#include "base/Dialogs.h"
#include "base/FileBytes.h"
#include "help/MailSettings.h"
#include "model/Session.h"

namespace quorl {

std::string HeaderSafe(const std::string& text) {
    std::string safe;
    safe.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) continue;
        safe += c;
    }
    return safe;
}

LogMail ComposeLogMail(Session& s, const std::string& name, const std::string& institution,
                       const std::string& comments, const MailSettings& settings) {
    LogMail m;
    const std::filesystem::path log = s.UserFile("Log.txt");
    std::string logText;
    if (!ReadFileBytes(log, logText))
        logText = "Log.txt is missing (" + log.string() +
                  "): the log is written only while the debug preference is on.\r\n";
    m.body = "Name: " + name + "\r\n" + "Institute: " + institution + "\r\n" + comments + "\r\n" +
             "\r\n*****************************\r\n\r\n" + logText;
    m.subject = kLogMailSubject;
    m.senderAddress = settings.account;
    m.senderText = HeaderSafe(name) + " at " + HeaderSafe(institution) + "<" + settings.account + ">";
    m.recipientName = kLogMailRecipientName;
    m.recipientAddress = settings.account;
    std::error_code ec;
    for (const char* file : kLogMailAttachments) {
        const std::filesystem::path p = s.UserFile(file);
        if (std::filesystem::is_regular_file(p, ec))
            m.attachments.push_back(p);
        else
            s.dialogs.ShowMessage(std::string("File Not Found:  ") + file);
    }
    return m;
}

}  // namespace quorl
