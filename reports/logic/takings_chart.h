#pragma once
// The figures of the takings chart, read from the daily takings history in
// wr.cfg: the last 30 days and the last 12 months. Nothing is written.

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class TillConfig;
struct LocalTime;

// One bar: its label and its takings in whole cents.
struct TakingsBar {
    std::string label;
    int64_t cents = 0;
};

inline constexpr int kChartDays = 30;
inline constexpr int kChartMonths = 12;

// The 30 days ending yesterday, oldest first, labelled "dd/mm". Today's take
// is still running and not in the history, so it has no bar.
std::vector<TakingsBar> takingsOfLastDays(const TillConfig &config, const LocalTime &today);

// The 12 months ending with this month, oldest first, labelled "mm/yyyy":
// each the sum, in whole cents, of the history's days that fall in it (this
// month up to yesterday). Days older than the history count as 0.
std::vector<TakingsBar> takingsOfLastMonths(const TillConfig &config, const LocalTime &today);

} // namespace ovix
