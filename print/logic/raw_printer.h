#pragma once
// Bytes passed untouched through the system's printer spooler (CUPS), as the
// drawer kick sent through a receipt printer is.

#include <string>
#include <string_view>

namespace ovix {

class RawPrinter {
public:
    // Seconds the spooler command may take before it is stopped.
    static constexpr int kTimeoutSeconds = 15;

    // Runs `lp -d <queue> -o raw -t OVIX` (without -d when `queue` is empty:
    // the system's default printer) with `bytes` on its standard input. The
    // command is looked up in PATH. True when it ran and reported success;
    // false when it could not be started, failed, or ran out of time.
    static bool sendJob(const std::string &queue, std::string_view bytes);
};

} // namespace ovix
