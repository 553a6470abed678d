#pragma once
// The texts of the two mailed day reports (Windows-1252, CR LF lines), made
// from the day totals at the moment the clerk asks, so the mail sends what
// the till held then whatever is sold while it goes out.

#include "platform/clock.h"

#include <string>
#include <string_view>

namespace ovix {

class StoreHeading;
class TillConfig;

// "OVIX report": header, time and date, the two heading lines, today's
// figures and "End report".
std::string dailyReportMailText(const TillConfig &config, const StoreHeading &heading,
    std::string_view from, std::string_view to, const LocalTime &now);

// "OVIX Daily items": as the daily report, then the day's items CSV lines as
// csvMailLines() sends them, then "End report".
std::string dailyItemsMailText(const TillConfig &config, const StoreHeading &heading,
    std::string_view from, std::string_view to, const LocalTime &now, std::string_view csv);

// The CSV text as mail lines: printable bytes (32-126) are collected, other
// bytes dropped; a carriage return ends a line, and so does a 254th printable byte (which
// starts the next one); each line is
// sent followed by CR LF. A line longer than 253 bytes goes out as
// several lines with nothing lost; collected bytes left at the end make a
// last line.
std::string csvMailLines(std::string_view csv);

} // namespace ovix
