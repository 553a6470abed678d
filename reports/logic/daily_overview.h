#pragma once
// The daily overview: the day totals of wr.cfg as Windows-1252 text with CR
// LF line breaks and no line break at the end. The till writes it as the day
// summary thedaily.dat at switch-off and as the head office's daily overview
// file.

#include <cstdint>
#include <string>

namespace ovix {

class TillConfig;
class TillState;
struct LocalTime;

// What the overview needs besides the configuration block.
struct DailyOverviewFacts {
    std::string storeName; // Windows-1252, the first line of the store heading
    int switchOnHour = 0;
    int switchOnMinute = 0;
    int64_t itemsOnFile = 0;     // live items
    int64_t customersOnFile = 0; // live customers
};

// The facts of the till as it runs: heading, switch-on time, live records.
DailyOverviewFacts dailyOverviewFacts(const TillState &state);

// The text of the overview at `now`. Today's takings are compared with those
// of the same weekday a week earlier, from the daily takings history, in
// whole cents ("0.00%" when either is 0); the weekday is named in English.
std::string dailyOverviewText(const TillConfig &config, const DailyOverviewFacts &facts,
    const LocalTime &now);

} // namespace ovix
