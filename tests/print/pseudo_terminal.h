#pragma once
// A pseudo-terminal standing in for a serial port: the code under test opens
// the slave path as its device; the test reads back from the master what the
// device would have received, and looks at the slave's line settings.

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace ovix::test {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        const char *name = ::ptsname(master_);
        if (name == nullptr)
            return;
        slavePath_ = name;
        // Held open so the line settings and unread bytes outlive each action.
        slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~PseudoTerminal()
    {
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool ready() const
    {
        return master_ >= 0 && slave_ >= 0;
    }
    const std::string &slavePath() const
    {
        return slavePath_;
    }
    int slave() const
    {
        return slave_;
    }

    // Everything written to the slave so far: waits up to 300 ms for the
    // first bytes (the kernel passes them on in the background), then reads
    // until 100 ms go by without more.
    std::string readAll()
    {
        std::string bytes;
        char buffer[4096];
        for (;;) {
            pollfd wait { master_, POLLIN, 0 };
            if (::poll(&wait, 1, bytes.empty() ? 300 : 100) <= 0)
                return bytes;
            ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                return bytes;
            bytes.append(buffer, static_cast<size_t>(n));
        }
    }

    termios lineSettings() const
    {
        termios line {};
        ::tcgetattr(slave_, &line);
        return line;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace ovix::test
