#pragma once
// The mail account the log is sent to: a file of the program folder, MailSettings.txt, one
// "key<TAB>value" a line. It holds a password, so it is kept readable by its owner only.
#include <filesystem>
#include <string>

namespace quorl {

inline constexpr const char* kMailSettingsFile = "MailSettings.txt";

struct MailSettings {
    std::string server;    // MailServer: host name of the submission server
    int port = 587;        // MailPort
    std::string account;   // MailAccount: user name, sender and recipient address
    std::string password;  // MailPassword
    std::string caFile;    // MailCAFile: certificates to trust besides the system's (optional)
    // MailTLS: a password goes only over an encrypted connection unless this line reads "No"
    // (meant for a relay on the same machine).
    bool requireTls = true;
    bool implicitTls = false;   // TLS from the first byte (smtps), as on port 465
    int connectTimeout = 20;    // MailConnectTimeout, seconds
    int transferTimeout = 120;  // MailTimeout, seconds, for the whole exchange

    // A server and an account are set.
    bool Complete() const { return !server.empty() && !account.empty(); }
    // The connection must be encrypted before the password is sent.
    bool MustEncrypt() const { return !password.empty() && requireTls; }
};

// Reads the settings; a missing file gives empty settings. A file that others may read is made
// owner-only first.
MailSettings LoadMailSettings(const std::filesystem::path& file);

// Writes a settings file with empty values, readable by its owner only, when there is none or
// the one there holds nothing (a write cut short by a full disk leaves it empty). Returns false
// when it could not be made.
bool CreateMailSettingsTemplate(const std::filesystem::path& file);

}  // namespace quorl
