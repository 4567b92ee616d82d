#pragma once
// A real mail server on 127.0.0.1 for the log-mail tests: Debian's aiosmtpd run by
// tests/help/smtp_server.py, with one account, and with STARTTLS over a certificate made for the
// test. Every message it receives is laid out in a folder (see the script) for the test to read.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "base/Text.h"

namespace quorl::testing {

namespace smtp_detail {
inline std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace smtp_detail

class SmtpTestServer {
public:
    static constexpr const char* kUser = "logs@quorl.test";
    static constexpr const char* kPassword = "Pw8x2kQz";

    // None: no encryption offered; StartTls: offered and required before the login; Implicit: TLS
    // from the first byte, as on port 465.
    enum class Tls { None, StartTls, Implicit };

    // Started() tells whether the server came up (and, with TLS, its certificate was made).
    explicit SmtpTestServer(Tls tls) {
        namespace fs = std::filesystem;
        folder_ = fs::temp_directory_path() / ("quorl-smtp-" + std::to_string(::getpid()) + "-" +
                                               std::to_string(std::random_device{}()));
        std::vector<std::string> args = {"/usr/bin/python3", std::string(QUORL_SOURCE_DIR) + "/tests/help/smtp_server.py",
                                         "--port-file", (folder_ / "port").string(), "--out", (folder_ / "mail").string(),
                                         "--user", kUser, "--password", kPassword};
        fs::create_directories(folder_ / "mail");
        if (tls != Tls::None) {
            cert = folder_ / "cert.pem";
            const fs::path key = folder_ / "key.pem";
            const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
                                     " -addext subjectAltName=IP:127.0.0.1 -keyout '" + key.string() + "' -out '" +
                                     cert.string() + "' >/dev/null 2>&1";
            if (std::system(make.c_str()) != 0) return;  // no certificate: the server is not started
            args.insert(args.end(), {"--cert", cert.string(), "--key", key.string()});
            if (tls == Tls::Implicit) args.push_back("--implicit");
        }
        int in[2];
        if (pipe(in) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            // The server's own messages go to a file of its folder.
            const int err = ::open((folder_ / "server.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (err >= 0) dup2(err, 2);
            dup2(in[0], 0);
            close(in[0]);
            close(in[1]);
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(in[0]);
        stdin_ = in[1];
        for (int i = 0; i < 200 && port == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (std::optional<int> p = TryStrToInt(smtp_detail::Read(folder_ / "port"))) port = *p;
        }
    }

    bool Started() const { return port != 0; }

    ~SmtpTestServer() {
        if (stdin_ >= 0) close(stdin_);  // the server ends when its input closes
        if (pid_ > 0) {
            for (int i = 0; i < 100; ++i) {
                if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                    pid_ = 0;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            if (pid_ > 0) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    // How many messages arrived so far.
    int Received() const { return TryStrToInt(smtp_detail::Read(folder_ / "mail" / "received")).value_or(0); }
    // The folder of the n-th message (1-based).
    std::filesystem::path Message(int n) const { return folder_ / "mail" / std::to_string(n); }
    // A "key<TAB>value" line of the n-th message's meta.txt.
    std::string Meta(int n, const std::string& key) const {
        for (const std::string& line : SplitLines(smtp_detail::Read(Message(n) / "meta.txt")))
            if (StartsWith(line, key + "\t")) return line.substr(key.size() + 1);
        return "<none>";
    }
    // The logins the server was given, "user<TAB>ok" or "user<TAB>refused", in order.
    std::vector<std::string> Logins() const { return SplitLines(smtp_detail::Read(folder_ / "mail" / "auth.txt")); }
    std::vector<std::string> AttachmentNames(int n) const {
        return SplitLines(smtp_detail::Read(Message(n) / "attachments.txt"));
    }

    int port = 0;
    std::filesystem::path cert;

private:
    std::filesystem::path folder_;
    pid_t pid_ = -1;
    int stdin_ = -1;
};

}  // namespace quorl::testing
