#pragma once
// Dates as the reports show them: in the user's short date format, or as
// numbers when the day does not exist.

#include "platform/day_walk.h"

#include <string>

namespace ovix {

// The day in the locale's short date format (Windows-1252); "" when the day
// does not exist or is before 1980.
std::string shortDateText(const CalendarDay &day);

// shortDateText, or `fallback` (a printf format taking day, month, year)
// filled in when that is "".
std::string shortDateOr(const CalendarDay &day, const char *fallback);

} // namespace ovix
