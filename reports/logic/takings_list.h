#pragma once
// The takings history as a list from a chosen day to yesterday: the day asked
// for, the lines of the list and its printout. Nothing is written.

#include "reports/logic/takings_history.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;
class TillConfig;
struct LocalTime;

// "From (Earliest 01-MM-YYYY):": the first of this month last year, the month
// padded with a space as the till always showed it.
std::string takingsFromPrompt(const LocalTime &today);

// The day 14 days before today as "dd-mm-yyyy".
std::string takingsFromProposal(const LocalTime &today);

// Whether the list may start on `date`: a real past day of this year or last
// year, 1994 or later, whose history entry is 0 to 399. Today is refused:
// its take is not in the history yet.
bool takingsListStartValid(const CalendarDate &date, const LocalTime &today);

// Asks "From (Earliest ...):" (caption "Takings") with the day 14 days ago;
// a date that is not valid gives "Non valid date" (caption "Problem") and
// nothing. Nothing when cancelled.
std::optional<CalendarDate> askTakingsListStart(Messages &messages, const LocalTime &today);

struct TakingsDay {
    CalendarDate date;
    int64_t cents = 0; // the day's history entry in whole cents
};

struct TakingsList {
    std::vector<TakingsDay> days; // oldest first, ending yesterday
    int64_t totalCents = 0;
};

// The days from `from` to yesterday with their takings from the history in
// wr.cfg; an invalid start gives an empty list.
TakingsList takingsListFrom(const TillConfig &config, const CalendarDate &from,
    const LocalTime &today);

// The printed lines: "Sunday    01/03/2026      120.50" per day and the total.
std::vector<std::string> takingsListLines(const TakingsList &list);

// The printout: a heading "<store> Takings from dd/mm/yyyy      Page: n" on
// every page, then the lines.
void printTakingsList(PrintDevice &device, std::string_view storeName, const TakingsList &list);

} // namespace ovix
