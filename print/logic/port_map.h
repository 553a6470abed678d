#pragma once
// The till's port names and the device files behind them.
//
// Ports are numbered as the settings store them: 0-7 are COM1-COM8, 8 and 9
// are LPT1 and LPT2. By default COMn is /dev/ttyS(n-1) and LPTn is
// /dev/lp(n-1). A shop whose devices sit elsewhere (a USB serial adapter, a
// USB printer port) names them in the text file ports.cfg in the data
// folder, one port a line:
//
//     # pole display on the USB adapter
//     COM1=/dev/ttyUSB0
//     LPT1 = /dev/usb/lp0
//
// Port names are matched whatever their case; blanks around the name and the
// path are ignored; empty lines, lines starting with '#' and lines naming no
// known port are skipped. A path that is not absolute (it would be found
// from the data folder, among the shop's files) or that holds a control
// character (a NUL would open another file than the one named) is skipped
// too, and the port keeps what it had. A missing or unreadable ports.cfg
// means the defaults.

#include <array>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;

class PortMap {
public:
    static constexpr int kPortCount = 10;

    // The default device files.
    PortMap();
    // The defaults, overridden by the data folder's ports.cfg when present.
    static PortMap load(const DataDir &dataDir);

    // Applies the lines of a ports.cfg text.
    void applyOverrides(std::string_view text);

    // "COM1" ... "COM8", "LPT1", "LPT2"; an index outside 0-9 is COM1.
    static std::string portName(int index);
    // The device file of the port; an index outside 0-9 is COM1's.
    const std::string &devicePath(int index) const;

private:
    std::array<std::string, kPortCount> paths_;
};

} // namespace ovix
