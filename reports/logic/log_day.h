#pragma once
// Finding a day in the activity log: its event lines carry the date as
// "DD/MM/YYYY" after the time, and printing from a day starts at the first
// line that holds it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

struct LocalTime;

// `text` as a day of the log: exactly ten characters "DD/MM/YYYY" with
// digits around the two slashes, naming a real day (leap years by the
// Gregorian rule). Nothing otherwise.
std::optional<std::string> logDayText(std::string_view text);

// The day of `time` as the log writes it: "DD/MM/YYYY".
std::string logDayOf(const LocalTime &time);

// Where printing from `day` ("DD/MM/YYYY") starts in `log`: the start of the
// line holding the first mention of the day that ends at the thirteenth byte
// or later. Nothing when the day is not in the log.
std::optional<size_t> logDayStart(std::string_view log, std::string_view day);

} // namespace ovix
