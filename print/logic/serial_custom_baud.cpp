// Kept apart from <termios.h>: the kernel's termios2 header defines the same
// names differently.
#include "print/logic/serial_custom_baud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace ovix {

bool setCustomBaudRate(int fd, int rate)
{
    struct termios2 line { };
    if (ioctl(fd, TCGETS2, &line) != 0)
        return false;
    line.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    line.c_ispeed = static_cast<speed_t>(rate);
    line.c_ospeed = static_cast<speed_t>(rate);
    return ioctl(fd, TCSETS2, &line) == 0;
}

int readBaudRate(int fd)
{
    struct termios2 line { };
    if (ioctl(fd, TCGETS2, &line) != 0)
        return -1;
    return static_cast<int>(line.c_ospeed);
}

} // namespace ovix
