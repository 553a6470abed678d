#pragma once
// Line speeds that have no termios constant (14400, 128000, 256000), set and
// read through the kernel's termios2 interface.

namespace ovix {

// Sets input and output speed of the open terminal `fd` to `rate` bits per
// second, keeping its other settings; false when the device refuses.
bool setCustomBaudRate(int fd, int rate);
// The output speed of `fd` in bits per second, or -1 when it cannot be read.
int readBaudRate(int fd);

} // namespace ovix
