#pragma once
// The printed activity log: one heading line per page, "<store> Log file:
// DD/MM/YYYY      Page: n", then the log's lines from the second line down,
// and a line of two spaces after the last.

#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class PrintDevice;
struct LocalTime;

// The longest printed line; a longer log line goes on over further lines.
inline constexpr size_t kLogPrintLineLength = 253;

// The printed lines of `log`: a carriage return ends a line, and only
// characters with codes above 30 are kept (line feeds, tabs and other control
// bytes are dropped). Text after the last carriage return is a line of its own.
std::vector<std::string> logPrintLines(std::string_view log);

// Draws `lines` (Windows-1252) page after page on `device` in Arial 10
// points. A page ends when the next line would not fit below it.
void drawLogPrintout(PrintDevice &device, const std::vector<std::string> &lines,
    std::string_view storeName, const LocalTime &today);

} // namespace ovix
