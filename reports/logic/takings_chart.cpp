#include "reports/logic/takings_chart.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "reports/logic/takings_history.h"
#include "store/till_config.h"

namespace ovix {

namespace {

// The takings of the day `entry` + 1 days before today in whole cents; 0 past
// the entries the history keeps.
int64_t entryCents(const TillConfig &config, long entry)
{
    if (entry < 0 || entry >= kAmendableTakingsEntries)
        return 0;
    return moneyCents(config.get(cfg::takingsHistory, static_cast<size_t>(entry)));
}

} // namespace

std::vector<TakingsBar> takingsOfLastDays(const TillConfig &config, const LocalTime &today)
{
    const long todayNumber = daysFromCivil(today.year, today.month, today.day);
    std::vector<TakingsBar> bars;
    bars.reserve(kChartDays);
    for (long entry = kChartDays - 1; entry >= 0; --entry) {
        const CalendarDate date = dateFromDays(todayNumber - 1 - entry);
        bars.push_back({ cformat("%02d/%02d", date.day, date.month), entryCents(config, entry) });
    }
    return bars;
}

std::vector<TakingsBar> takingsOfLastMonths(const TillConfig &config, const LocalTime &today)
{
    const long todayNumber = daysFromCivil(today.year, today.month, today.day);
    std::vector<TakingsBar> bars;
    bars.reserve(kChartMonths);
    for (int back = kChartMonths - 1; back >= 0; --back) {
        const int monthIndex = today.year * 12 + (today.month - 1) - back;
        const int year = monthIndex / 12;
        const int month = monthIndex % 12 + 1;
        const long first = daysFromCivil(year, month, 1);
        const long last = first + daysInMonth(year, month) - 1;
        int64_t cents = 0;
        for (long day = first; day <= last && day < todayNumber; ++day)
            cents += entryCents(config, todayNumber - 1 - day);
        bars.push_back({ cformat("%02d/%d", month, year), cents });
    }
    return bars;
}

} // namespace ovix
