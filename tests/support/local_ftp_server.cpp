#include "support/local_ftp_server.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace ovix::test {

SilentListener::SilentListener()
{
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::listen(fd_, 4) == 0
        && ::getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port_ = ntohs(address.sin_port);
}

SilentListener::~SilentListener()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool SilentListener::someoneConnected() const
{
    pollfd waiting { fd_, POLLIN, 0 };
    return ::poll(&waiting, 1, 200) > 0;
}

int freeLocalPort()
{
    return SilentListener().port();
}

static bool accepts(int port)
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok
        = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

LocalFtpServer::LocalFtpServer(const std::string &root, const std::string &commandLog)
{
    if (std::system("/usr/bin/python3 -c 'import pyftpdlib' >/dev/null 2>&1") != 0) {
        unavailable_ = "python3-pyftpdlib is not installed (/usr/bin/python3 cannot import "
                       "pyftpdlib)";
        return;
    }
    port_ = freeLocalPort();
    if (port_ == 0) {
        unavailable_ = "no free local port";
        return;
    }
    const std::string port = std::to_string(port_);
    pid_ = fork();
    if (pid_ == 0) {
        int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0)
            ::dup2(null, STDOUT_FILENO);
        int log = commandLog.empty()
            ? null
            : ::open(commandLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0600);
        if (log >= 0)
            ::dup2(log, STDERR_FILENO);
        if (commandLog.empty()) {
            ::execl("/usr/bin/python3", "python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p",
                port.c_str(), "-w", "-d", root.c_str(), "-u", "user", "-P", "pass",
                static_cast<char *>(nullptr));
        } else {
            ::execl("/usr/bin/python3", "python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p",
                port.c_str(), "-w", "-d", root.c_str(), "-u", "user", "-P", "pass", "-D",
                static_cast<char *>(nullptr));
        }
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (accepts(port_))
            return;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            unavailable_ = "the FTP server ended at start";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    unavailable_ = "the FTP server did not accept connections within 10 s";
}

LocalFtpServer::~LocalFtpServer()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

} // namespace ovix::test
