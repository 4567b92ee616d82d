#pragma once
// Sending a message over SMTP with libcurl: submission with STARTTLS (required before a password
// is sent, unless the settings allow it in clear) or TLS from the first byte on port 465, login
// with the account, the body and the attached files as one multipart/mixed message.
#include <string>

namespace quorl {

struct LogMail;
struct MailSettings;

enum class MailStage { Sent, ConnectFailed, SendFailed };

struct MailResult {
    MailStage stage = MailStage::SendFailed;
    std::string detail;  // why it failed: curl's error text and the server's last answer code
};

MailResult SendMail(const LogMail& mail, const MailSettings& settings);

// A header value: kept as it is when plain ASCII, else as RFC 2047 encoded words.
std::string EncodeHeaderText(const std::string& utf8);

}  // namespace quorl
