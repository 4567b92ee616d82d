#pragma once
// The Send and Cancel commands of the log-mail window.
#include <string>

namespace quorl {

class Session;

// What the log-mail window opens with: the user's name, the herbarium of the current record (else
// of the last exported one; else the institution stays as it is) and the prompt for the comment.
void FillLogMailForm(Session& s, std::string& name, std::string& institution, std::string& comments);

// Mails the log, the comment and the user's files to the maintainer's account of MailSettings.txt
// and tells the user how it went: "Log file sent" only when the server took the message, else why
// not and "Log File not sent". Returns whether the message was sent.
bool SendLogFile(Session& s, const std::string& name, const std::string& institution, const std::string& comments);

// Nothing is sent.
void CancelLogFile(Session& s);

}  // namespace quorl
