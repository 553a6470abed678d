#pragma once
// Local time for everything the till stamps, counts or rolls over.
//
// One clock for the whole program, so that tests (and only tests) can set the
// date and time the till believes it is.

#include <optional>

namespace ovix {

struct LocalTime {
    int year = 1970;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
    int second = 0;  // 0 to 59
    int weekday = 4; // 0 Sunday to 6 Saturday
};

// The present local time, or the time a test fixed.
LocalTime localNow();

// Fixes the clock at `time` (its weekday is recomputed), or lets it run again
// when given nothing.
void setFixedLocalTime(std::optional<LocalTime> time);

// Gregorian calendar helpers.
bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Day of the week, 0 Sunday to 6 Saturday.
int weekdayOf(int year, int month, int day);
// Days since 1970-01-01 (negative before).
long daysFromCivil(int year, int month, int day);

} // namespace ovix
