#pragma once
// The day summary thedaily.dat, written into today's archive folder when the
// till is switched off: the day totals as Windows-1252 text with CR LF line
// breaks and no line break at the end.

#include <cstdint>
#include <string>

namespace ovix {

class TillConfig;
class TillState;
struct LocalTime;

inline constexpr const char *kDaySummaryFileName = "thedaily.dat";

// What the summary needs besides the configuration block.
struct DaySummaryFacts {
    std::string storeName; // Windows-1252, the first line of the store heading
    int switchOnHour = 0;
    int switchOnMinute = 0;
    int64_t itemsOnFile = 0;     // live items
    int64_t customersOnFile = 0; // live customers
};

// The text of the summary at `now`. Today is compared with the takings of
// the same weekday a week earlier (takings history entry 6), named in English.
std::string daySummaryText(const TillConfig &config, const DaySummaryFacts &facts,
                           const LocalTime &now);

// Writes the summary of `state` as the day folder's thedaily.dat for the day
// of `now`, replacing an older one whole; the day's archive folders are made
// when missing. Tells nobody: false when it could not be written.
bool writeDaySummary(const TillState &state, const LocalTime &now);

} // namespace ovix
