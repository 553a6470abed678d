#pragma once
// The first start on a new day: finding how many calendar days have passed
// since the till was last used, the usage-gap question, and rolling the day
// totals, counts and takings histories of the configuration block over.

#include <optional>
#include <string>

namespace ovix {

class TillConfig;
struct LocalTime;

struct CalendarDate {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31

    bool operator==(const CalendarDate &) const = default;
};

struct DayChange {
    // The block's day totals belong to an earlier day than today.
    bool newDay = false;
    // Calendar days from the last use to today; at least 1 on a new day
    // (also when the clock now stands before the last use).
    int elapsedDays = 0;
    // Today is not simply the day after the last use: the user is asked
    // whether the clock is right before anything is changed.
    bool askUser = false;
    // The last use was in another month (or year): the month's counts
    // start again.
    bool newMonth = false;
};

// The date the till was last used: the latest date on or before the stored
// switch-off date whose day of the month is the day of last use (a till left
// running over midnight is switched off on a later day than it was started).
// When the switch-off stamp is not a real date, the day of last use is taken
// as this month's when it lies before today, else as last month's. Nothing
// when the day of last use is not 1 to 31.
std::optional<CalendarDate> lastUseDate(const TillConfig &config, const LocalTime &today);

// What the start on `today` has to do, from the day of last use and the
// stored switch-off stamp. Gaps of a month or more count as the calendar says.
DayChange findDayChange(const TillConfig &config, const LocalTime &today);

// The usage-gap question: its text, "Warning: Usage gap from %s" with the
// date of the last switch-off, and its caption, "If system date %s is correct
// select OK" with today's date. Dates are shown the local way ("ddd d MMM
// yy") when they are real dates from 1980 on, as "%d/%d/%d" (day, month,
// year) when they are real dates before, and as "an unknown date" when the
// stamp is no date at all (never set, or damaged). UTF-8, for a message box.
std::string usageGapText(const TillConfig &config);
std::string usageGapCaption(const LocalTime &today);

// Rolls the block over to `today` when `change.newDay`, else does nothing:
// today's transaction and item counts become yesterday's (cleared instead
// when more than one day passed); today's counts, new customers, tender
// counts and per-category day counts are cleared, the month's counts too on
// a new month; the daily takings history and each per-category history move
// back by the elapsed days, today's takings entering at the entry of the last
// day of use and entries pushed past the end dropped; every day total is
// cleared; today becomes the day of last use.
void rollOverDay(TillConfig &config, const DayChange &change, const LocalTime &today);

} // namespace ovix
