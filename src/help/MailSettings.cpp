#include "help/MailSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
    if (fd < 0) return errno == EEXIST;
    const std::string text =
        "MailServer\t\r\nMailPort\t587\r\nMailAccount\t\r\nMailPassword\t\r\n";
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

}  // namespace quorl
