#pragma once
// The day summary thedaily.dat, written into today's archive folder when the
// till is switched off: the daily overview (reports/logic/daily_overview.h).

#include "reports/logic/daily_overview.h"

#include <string>

namespace ovix {

class TillConfig;
class TillState;
struct LocalTime;

inline constexpr const char *kDaySummaryFileName = "thedaily.dat";

using DaySummaryFacts = DailyOverviewFacts;

// The text of the summary at `now`: the daily overview.
inline std::string daySummaryText(const TillConfig &config, const DaySummaryFacts &facts,
    const LocalTime &now)
{
    return dailyOverviewText(config, facts, now);
}

// Writes the summary of `state` as the day folder's thedaily.dat for the day
// of `now`, replacing an older one whole; the day's archive folders are made
// when missing. Tells nobody: false when it could not be written.
bool writeDaySummary(const TillState &state, const LocalTime &now);

} // namespace ovix
