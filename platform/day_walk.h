#pragma once
// Days walked in calendar order, by everything that reads the archive day by
// day (reports, lists, look-ups), with the Gregorian leap rule (2100 is not a
// leap year). A walk stops after its end day; a reversed range or a day that
// does not exist (31/2) walks no day.

#include <compare>
#include <vector>

namespace ovix {

struct CalendarDay {
    int year = 2000;
    int month = 1;
    int day = 1;
    auto operator<=>(const CalendarDay &) const = default;
};

// True when the day exists in the calendar (year 1 or later).
bool isRealDay(const CalendarDay &day);

// The day after `day`; day 1 of the next month after a month's last day.
CalendarDay nextCalendarDay(const CalendarDay &day);

// Every day from `first` to `last` inclusive; none when either does not exist
// or `last` comes before `first`.
std::vector<CalendarDay> daysFrom(const CalendarDay &first, const CalendarDay &last);

// The seven days from `first`; the month of `year`; one day. None for a day
// or month that does not exist.
std::vector<CalendarDay> weekFrom(const CalendarDay &first);
std::vector<CalendarDay> monthOf(int year, int month);

} // namespace ovix
