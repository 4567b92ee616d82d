#include "help/MailSettings.h"

#include <system_error>

#include "base/FileBytes.h"
#include "base/Text.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kOthers = fs::perms::group_all | fs::perms::others_all;
constexpr int kImplicitTlsPort = 465;

int NumberOr(const std::string& text, int fallback) {
    std::optional<int> n = TryStrToInt(text);
    return n && *n > 0 ? *n : fallback;
}

// Nothing but blanks, line ends and zero bytes: what a write cut short by a full disk leaves.
bool HoldsNothing(const std::string& text) {
    return text.find_first_not_of(std::string(" \t\r\n\0", 5)) == std::string::npos;
}

}  // namespace

MailSettings LoadMailSettings(const fs::path& file) {
    MailSettings m;
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (ec || !fs::exists(st)) return m;
    if ((st.permissions() & kOthers) != fs::perms::none) fs::permissions(file, kOthers, fs::perm_options::remove, ec);
    std::string text;
    if (!ReadFileBytes(file, text)) return m;
    for (const std::string& line : SplitLines(text)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string key = Trim(std::string_view(line).substr(0, tab));
        // The password is taken as written, apart from the line end; blanks may belong to it.
        const std::string raw = line.substr(tab + 1);
        const std::string value = Trim(raw);
        if (key == "MailServer") m.server = value;
        else if (key == "MailPort") m.port = NumberOr(value, m.port);
        else if (key == "MailAccount") m.account = value;
        else if (key == "MailPassword") m.password = raw;
        else if (key == "MailCAFile") m.caFile = value;
        else if (key == "MailConnectTimeout") m.connectTimeout = NumberOr(value, m.connectTimeout);
        else if (key == "MailTimeout") m.transferTimeout = NumberOr(value, m.transferTimeout);
        else if (key == "MailTLS") m.requireTls = !EqualsNoCase(value, "No");
    }
    m.implicitTls = m.port == kImplicitTlsPort;
    return m;
}

bool CreateMailSettingsTemplate(const fs::path& file) {
    std::error_code ec;
    if (fs::exists(file, ec)) {
        std::string text;
        // A file that cannot be read is left to its owner.
        if (!ReadFileBytes(file, text) || !HoldsNothing(text)) return true;
    }
    const std::string keys = "MailServer\t\r\nMailPort\t587\r\nMailAccount\t\r\nMailPassword\t\r\n";
    return ReplaceFileAtomically(file, keys, fs::perms::owner_read | fs::perms::owner_write).ok();
}

}  // namespace quorl
