#include "print/logic/serial_port.h"

#include "platform/file_access.h"
#include "print/logic/serial_custom_baud.h"
#include "store/till_config.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ovix {

namespace {

struct BaudEntry {
    int rate;
    speed_t constant; // 0 where termios has no constant for the rate
};

constexpr BaudEntry kBaudRates[13] = {
    { 9600, B9600 },
    { 300, B300 },
    { 600, B600 },
    { 1200, B1200 },
    { 2400, B2400 },
    { 4800, B4800 },
    { 14400, 0 },
    { 19200, B19200 },
    { 38400, B38400 },
    { 57600, B57600 },
    { 115200, B115200 },
    { 128000, 0 },
    { 256000, 0 },
};

int baudEntryIndex(int index)
{
    return index >= 1 && index <= 12 ? index : 0;
}

} // namespace

SerialLine poleSerialLine(const TillConfig &config)
{
    SerialLine line;
    line.baudIndex = poleBaudRateIndex(config);
    line.parityIndex = poleParityIndex(config);
    line.dataBitsIndex = poleDataBitsIndex(config);
    line.stopBitsIndex = poleStopBitsIndex(config);
    return line;
}

int baudRateOfIndex(int index)
{
    return kBaudRates[baudEntryIndex(index)].rate;
}

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::open(const std::string &path)
{
    close();
    FileAccess &access = fileAccess();
    int fd = access.open(path, O_RDWR | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0 && (errno == EACCES || errno == EINVAL || errno == EROFS))
        fd = access.open(path, O_WRONLY | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Judged on what was opened, not on the name, so that no link or rename
    // between a look and the open can turn a data file into the "port".
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode)) {
        access.close(fd);
        errno = ENOTTY;
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        access.close(fd);
        return false;
    }
    fd_ = fd;
    discardOnClose_ = false;
    return true;
}

void SerialPort::makeOutputRaw()
{
    termios line {};
    if (fd_ < 0 || ::tcgetattr(fd_, &line) != 0)
        return;
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    ::tcsetattr(fd_, TCSANOW, &line);
}

void SerialPort::describeLine(const SerialLine &settings, termios &line)
{
    ::cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    static constexpr tcflag_t kSizes[5] = { CS8, CS5, CS5, CS6, CS7 };
    int dataBits
        = settings.dataBitsIndex >= 0 && settings.dataBitsIndex <= 4 ? settings.dataBitsIndex : 0;
    line.c_cflag |= kSizes[dataBits];
    if (settings.parityIndex == 1)
        line.c_cflag |= PARENB;
    else if (settings.parityIndex == 2)
        line.c_cflag |= PARENB | PARODD;
    if (settings.stopBitsIndex == 1 || settings.stopBitsIndex == 2)
        line.c_cflag |= CSTOPB;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    const BaudEntry &baud = kBaudRates[baudEntryIndex(settings.baudIndex)];
    ::cfsetispeed(&line, baud.constant != 0 ? baud.constant : B38400);
    ::cfsetospeed(&line, baud.constant != 0 ? baud.constant : B38400);
}

void SerialPort::applyLine(const SerialLine &settings)
{
    termios line {};
    if (fd_ < 0 || ::tcgetattr(fd_, &line) != 0)
        return;
    describeLine(settings, line);
    if (::tcsetattr(fd_, TCSANOW, &line) != 0)
        return;
    const BaudEntry &baud = kBaudRates[baudEntryIndex(settings.baudIndex)];
    if (baud.constant == 0)
        setCustomBaudRate(fd_, baud.rate);
}

bool SerialPort::write(std::string_view bytes)
{
    if (fd_ < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = fileAccess().write(fd_, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            discardOnClose_ = true;
            return false;
        }
        pollfd wait { fd_, POLLOUT, 0 };
        ::poll(&wait, 1, static_cast<int>(left.count()));
    }
    return true;
}

void SerialPort::close()
{
    if (fd_ < 0)
        return;
    if (discardOnClose_ && ::isatty(fd_))
        ::tcflush(fd_, TCOFLUSH);
    fileAccess().close(fd_);
    fd_ = -1;
    discardOnClose_ = false;
}

} // namespace ovix
