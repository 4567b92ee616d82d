#pragma once
// The log mail: the message that carries the user's comment, the log and the user's settings and
// statistics files to the maintainer's account.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace quorl {

class Session;
struct MailSettings;

// The files attached, in this order, from the user folder.
inline constexpr std::array<const char*, 7> kLogMailAttachments = {
    "Preferences.txt", "WordStats.txt", "NameStats.txt", "FieldDefinitions.txt",
    "AutoCorrect.txt", "OutputFormat.txt", "DarwinCSV.txt"};

inline constexpr const char* kLogMailSubject = "QUORL Log File";
inline constexpr const char* kLogMailRecipientName = "Ossim";

struct LogMail {
    std::string subject;
    std::string senderText;     // name + " at " + institution + "<" + address + ">"
    std::string senderAddress;  // the account
    std::string recipientName;
    std::string recipientAddress;
    std::string body;
    std::vector<std::filesystem::path> attachments;  // the files that exist, in order
};

// A text made safe for a mail header: line breaks and other control characters removed.
std::string HeaderSafe(const std::string& text);

// Builds the message for the current user. Every attachment that does not exist is reported with
// "File Not Found:  " and its name and left out. A missing Log.txt is said in the body.
LogMail ComposeLogMail(Session& s, const std::string& name, const std::string& institution,
                       const std::string& comments, const MailSettings& settings);

}  // namespace quorl
