#pragma once
// The pieces every mailed report shares. Texts are Windows-1252 bytes, lines
// ended by CR LF, as they go to the mail server.

#include "platform/clock.h"

#include <string>
#include <string_view>

namespace ovix {

class StoreHeading;
class TillConfig;

// "FROM: %s\r\nTO: %s\r\nSUBJECT: %s\r\n\r\n".
std::string mailHeader(std::string_view from, std::string_view to, std::string_view subject);

// The time and date of `now` as the reports show them: "%d:%02d " (hour,
// minute), then the date in the locale's "ddd MMM dd yy".
std::string mailTimeAndDate(const LocalTime &now);

// The shop's first two heading lines: "%s\r\n%s\r\n\r\n".
std::string mailHeadingLines(const StoreHeading &heading);

// Today's figures from the day totals:
// "Today's takings: %.2f\r\n", "Today Transactions: %lld Items: %lld\r\n",
// "Cash: %.2f, CH: %.2f\r\n", "EFT: %.2f, Credit sales: %.2f\r\n".
std::string mailDayFigures(const TillConfig &config);

} // namespace ovix
