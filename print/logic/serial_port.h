#pragma once
// A serial or parallel device port, open for the length of one device action.
//
// Ports are opened for reading and writing without becoming the till's
// controlling terminal and without waiting for modem lines, and locked so that
// a second program using the same port at the same moment fails to open it.
// Writes wait at most kWriteTimeoutMs for a device that does not take its
// bytes (no paper, flow control held), so a dead device never hangs the till.

#include <string>
#include <string_view>
#include <termios.h>

namespace ovix {

class TillConfig;

// Line settings as the pole display's lists number them: baud 0-12 ("9600",
// "300", "600", "1200", "2400", "4800", "14400", "19200", "38400", "57600",
// "115200", "128000", "256000"), parity 0-2 (none, even, odd), data bits
// 0-4 ("8", "4", "5", "6", "7"), stop bits 0-2 ("1", "1.5", "2").
struct SerialLine {
    int baudIndex = 0;
    int parityIndex = 0;
    int dataBitsIndex = 0;
    int stopBitsIndex = 0;
};

// The pole display's line settings, each clamped to its list.
SerialLine poleSerialLine(const TillConfig &config);
// Bits per second of a baud list index; 9600 for 0 or any value outside 1-12.
int baudRateOfIndex(int index);

class SerialPort {
public:
    static constexpr int kWriteTimeoutMs = 3000;

    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens the existing device file `path`; false when it is missing, cannot
    // be opened, is in use by another program, or is not a character device
    // (a regular file, a folder, a pipe, a disk): a ports.cfg line naming a
    // shop file must never let device bytes overwrite it. Nothing is ever
    // created or truncated. Links are followed, since the stable names of USB
    // serial adapters (/dev/serial/by-id/...) are links; the type checked is
    // that of the file actually opened.
    bool open(const std::string &path);
    bool isOpen() const
    {
        return fd_ >= 0;
    }

    // Turns off the terminal's output processing (which would make byte 0A
    // into 0D 0A), leaving speed and framing as they are. Nothing for a
    // device that is not a terminal.
    void makeOutputRaw();
    // Raw input and output with `line`'s speed, parity, data and stop bits,
    // local line (no modem control), receiver on. Nothing for a device that
    // is not a terminal. 4 data bits are set as 5 and 1.5 stop bits as 2,
    // the nearest the Linux serial drivers offer.
    void applyLine(const SerialLine &line);

    // Fills `line` (as read from the port) with `settings` the way applyLine
    // sets them; rates without a termios constant appear as B38400 here and
    // are set through setCustomBaudRate.
    static void describeLine(const SerialLine &settings, termios &line);

    // Writes all of `bytes`; false on an error or when the device has not
    // taken them within kWriteTimeoutMs. An empty write succeeds.
    bool write(std::string_view bytes);

    // Closes; bytes a device did not take within the time allowed are
    // discarded, so that closing does not wait for them.
    void close();

private:
    int fd_ = -1;
    bool discardOnClose_ = false;
};

} // namespace ovix
