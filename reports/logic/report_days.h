#pragma once
// The days a report reads from the archive, walked in calendar order with the
// Gregorian leap rule (2100 is not a leap year). A walk stops after its end
// day; a reversed range or a day that does not exist (31/2) walks no day.

#include <compare>
#include <vector>

namespace ovix {

struct ReportDay {
    int year = 2000;
    int month = 1;
    int day = 1;
    auto operator<=>(const ReportDay &) const = default;
};

// True when the day exists in the calendar (year 1 or later).
bool isRealDay(const ReportDay &day);

// The day after `day`; day 1 of the next month after a month's last day.
ReportDay nextReportDay(const ReportDay &day);

// Every day from `first` to `last` inclusive; none when either does not exist
// or `last` comes before `first`.
std::vector<ReportDay> daysFrom(const ReportDay &first, const ReportDay &last);

// The seven days from `first`; the month of `year`; one day. None for a day
// or month that does not exist.
std::vector<ReportDay> weekFrom(const ReportDay &first);
std::vector<ReportDay> monthOf(int year, int month);

} // namespace ovix
