#include "help/SmtpSend.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "help/LogMail.h"
#include "help/MailSettings.h"
#include "model/Log.h"

namespace quorl {

namespace {

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct MimeDeleter {
    void operator()(curl_mime* m) const { curl_mime_free(m); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using List = std::unique_ptr<curl_slist, ListDeleter>;

void Append(List& list, const std::string& line) { list.reset(curl_slist_append(list.release(), line.c_str())); }

std::string Base64(const std::string& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], digits[v & 63]};
    }
    if (i + 1 == bytes.size()) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        out += {digits[v >> 18], digits[(v >> 12) & 63], '=', '='};
    } else if (i + 2 == bytes.size()) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], '='};
    }
    return out;
}

bool IsAscii(const std::string& s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The From header: the sender text as it is when plain ASCII; otherwise its name part encoded and
// the address after it.
std::string FromHeader(const LogMail& mail) {
    if (IsAscii(mail.senderText)) return mail.senderText;
    const std::string address = "<" + mail.senderAddress + ">";
    std::string name = mail.senderText;
    if (name.size() >= address.size() && name.compare(name.size() - address.size(), address.size(), address) == 0)
        name.erase(name.size() - address.size());
    return EncodeHeaderText(name) + " " + address;
}

// The Date header in the form mail requires, with English day and month names whatever the
// locale of the program.
std::string DateHeader() {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::tm tm = LocalTimeNow();
    const long offset = tm.tm_gmtoff / 60;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", days[tm.tm_wday], tm.tm_mday,
                  months[tm.tm_mon], tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, offset < 0 ? '-' : '+',
                  std::labs(offset) / 60, std::labs(offset) % 60);
    return buf;
}

// Failures before the server took the sender: no connection, no TLS, no login.
bool IsConnectError(CURLcode code, long lastAnswer) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_USE_SSL_FAILED:
        case CURLE_LOGIN_DENIED:
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_URL_MALFORMAT:
            return true;
        case CURLE_OPERATION_TIMEDOUT:
            return lastAnswer == 0;  // no greeting came
        default:
            return false;
    }
}

}  // namespace

std::string EncodeHeaderText(const std::string& utf8) {
    if (IsAscii(utf8)) return utf8;
    // Encoded words stay within their 75 characters: at most 45 bytes each, cut between characters.
    constexpr size_t kChunk = 45;
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        size_t end = std::min(utf8.size(), i + kChunk);
        while (end < utf8.size() && end > i + 1 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
        if (!out.empty()) out += ' ';
        out += "=?UTF-8?B?" + Base64(utf8.substr(i, end - i)) + "?=";
        i = end;
    }
    return out;
}

MailResult SendMail(const LogMail& mail, const MailSettings& settings) {
    MailResult result;
    std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl) {
        result.stage = MailStage::ConnectFailed;
        result.detail = "the mail library could not start";
        return result;
    }
    CURL* c = curl.get();
    char error[CURL_ERROR_SIZE] = {};
    const std::string url =
        (settings.implicitTls ? "smtps://" : "smtp://") + settings.server + ":" + std::to_string(settings.port);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    // With a password, a server that offers no STARTTLS (or whose offer was stripped on the way)
    // ends the exchange before the login.
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(settings.MustEncrypt() ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    if (!settings.caFile.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, settings.caFile.c_str());
    curl_easy_setopt(c, CURLOPT_USERNAME, settings.account.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, settings.password.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, ("<" + mail.senderAddress + ">").c_str());
    List recipients;
    Append(recipients, "<" + mail.recipientAddress + ">");
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(settings.connectTimeout));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, static_cast<long>(settings.transferTimeout));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);

    List headers;
    Append(headers, "Date: " + DateHeader());
    Append(headers, "From: " + FromHeader(mail));
    Append(headers, "To: " + mail.recipientName + " <" + mail.recipientAddress + ">");
    Append(headers, "Subject: " + EncodeHeaderText(HeaderSafe(mail.subject)));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());

    std::unique_ptr<curl_mime, MimeDeleter> mime(curl_mime_init(c));
    curl_mimepart* body = curl_mime_addpart(mime.get());
    curl_mime_data(body, mail.body.data(), mail.body.size());
    curl_mime_type(body, "text/plain; charset=UTF-8");
    curl_mime_encoder(body, "quoted-printable");
    for (const auto& file : mail.attachments) {
        curl_mimepart* part = curl_mime_addpart(mime.get());
        curl_mime_filedata(part, file.c_str());
        curl_mime_type(part, "text/plain");
        curl_mime_encoder(part, "base64");
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK) {
        result.stage = MailStage::Sent;
        return result;
    }
    long response = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response);
    result.stage = IsConnectError(code, response) ? MailStage::ConnectFailed : MailStage::SendFailed;
    if (code == CURLE_USE_SSL_FAILED) {
        result.detail = "the server offers no encryption; the password was not sent";
        return result;
    }
    result.detail = error[0] ? error : curl_easy_strerror(code);
    if (response != 0) result.detail += " (server answer " + std::to_string(response) + ")";
    return result;
}

}  // namespace quorl
