#pragma once
// A real FTP server on 127.0.0.1 for the upload tests, and listeners that
// accept nobody, for uploads that must give up.

#include <string>

namespace ovix::test {

// pyftpdlib (Debian python3-pyftpdlib) serving `root` on a free port of
// 127.0.0.1 to user "user" with password "pass", with write rights. Stopped
// and reaped on destruction. With a `commandLog`, the server writes every
// command it receives into that file (its debug log), so a test can see how
// the client spoke (PORT or EPRT for active mode, PASV or EPSV for passive).
class LocalFtpServer {
public:
    explicit LocalFtpServer(const std::string &root, const std::string &commandLog = {});
    ~LocalFtpServer();
    LocalFtpServer(const LocalFtpServer &) = delete;
    LocalFtpServer &operator=(const LocalFtpServer &) = delete;

    // Empty when the server is up; otherwise why it is not (tests skip).
    const std::string &unavailable() const
    {
        return unavailable_;
    }
    std::string address() const
    {
        return "127.0.0.1:" + std::to_string(port_);
    }

private:
    int pid_ = -1;
    int port_ = 0;
    std::string unavailable_;
};

// A TCP listener on 127.0.0.1 that accepts no one and says nothing.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener &) = delete;
    SilentListener &operator=(const SilentListener &) = delete;

    int port() const
    {
        return port_;
    }
    std::string address() const
    {
        return "127.0.0.1:" + std::to_string(port_);
    }
    // Whether a connection is waiting (checked for 200 ms).
    bool someoneConnected() const;

private:
    int fd_ = -1;
    int port_ = 0;
};

// A TCP port on 127.0.0.1 that was free at the moment of asking.
int freeLocalPort();

} // namespace ovix::test
