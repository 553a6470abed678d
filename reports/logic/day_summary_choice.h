#pragma once
// Choosing the day whose summary (thedaily.dat in its archive folder) the
// "Activity report" viewer shows.

#include <optional>
#include <string>

namespace ovix {

class DataDir;
class Messages;
struct LocalTime;

// Asks "Please enter the day (1-31)" (today's day offered), "Please enter the
// month (1-12)" and "Please enter the year (yyyy)" (2000-4000); the path of
// that day's thedaily.dat, or nothing when an answer is cancelled or out of
// range (the command then just ends).
std::optional<std::string> askDaySummaryPath(
    const DataDir &dir, const LocalTime &today, Messages &messages);

} // namespace ovix
