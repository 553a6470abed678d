#pragma once
// The daily takings history in wr.cfg: amending a past day's take or today's,
// checking the dates typed for it, and purging it.
//
// Entry 0 of the history is yesterday, entry k the day k + 1 days before
// today. Only entries 0 to 399 are ever written: the block keeps 401 slots
// and the bytes after them belong to other settings.

#include <optional>
#include <string_view>

namespace ovix {

class Messages;
class Shop;
class TillConfig;
struct LocalTime;

// The entries a takings date may reach: 0 to 399.
inline constexpr int kAmendableTakingsEntries = 400;

struct CalendarDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The Gregorian date `days` days after 1970-01-01 (negative before): the
// inverse of daysFromCivil.
CalendarDate dateFromDays(long days);

// A date typed as "dd-mm-yyyy": two digits, a dash, two digits, a dash and
// four digits; nothing for any other text.
std::optional<CalendarDate> parseTakingsDate(std::string_view text);

enum class TakingsDate {
    Past,    // a past day whose history entry is 0-399
    Today,   // today: its take is the running day total
    Invalid, // "Non valid date"
};

// Whether `date` may be amended on `today`: the day and month must exist
// (Gregorian calendar), the year be 1994 or later and this year or last year,
// and the day be no later than today; a past day whose entry would be 400 or
// more is refused too.
TakingsDate checkTakingsDate(const CalendarDate &date, const LocalTime &today);

// The history entry of a past day: days before today less one.
int takingsHistoryEntry(const CalendarDate &date, const LocalTime &today);

// The amendment as the clerk does it: asks "Amend (Earliest 01-MM-YYYY):"
// (this month last year) for a date; an invalid one gives "Non valid date"
// (caption "Problem") and changes nothing. Today asks "Today" with the
// current take and replaces it; a past day asks, under its weekday and date,
// with its history entry and replaces that. The amount (no number counts as
// 0) is stored in wr.cfg and logged; a log that cannot be written gives "Data
// file: bun4.dat, not present." (caption "Fatal error") and the amount stays
// amended. False when cancelled or refused.
bool amendTakings(Shop &shop, Messages &messages, const LocalTime &now);

// Asks "Are you sure?" (caption "Purge entire takings history") and, when
// confirmed, sets the first 390 entries of the history to 0 and stores wr.cfg.
bool purgeTakings(Shop &shop, Messages &messages);

} // namespace ovix
