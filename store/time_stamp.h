#pragma once
// The till's time stamps: 15 characters "HH:MMDD/MM/YYYY" (no separator between
// the time and the date), kept in records and printed in log lines.

#include "platform/clock.h"

#include <string>
#include <string_view>

namespace ovix {

// "%02d:%02d%02d/%02d/%d" of hour, minute, day, month, year.
std::string makeTimeStamp(const LocalTime &time);

// The log form of a stamp: its four time digits as "%c%c:%c%c", a space, then
// its date part (from the sixth character). A stamp shorter than 15 characters
// is padded with blanks rather than read past its end.
std::string logTimePrefix(std::string_view stamp);

// The line prefix of a log event written now: logTimePrefix(makeTimeStamp(now)).
std::string logTimePrefixNow();

} // namespace ovix
