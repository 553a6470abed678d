#include "till/logic/new_day.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/locale_text.h"
#include "store/till_config.h"

#include <algorithm>
#include <cstdint>

namespace ovix {

namespace {

// The furthest back a day of the month can lie from any date (31 January to
// 31 March is 59 days).
constexpr int kLongestSearchDays = 62;

bool isRealDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= daysInMonth(year, month);
}

CalendarDate dayBefore(CalendarDate date)
{
    if (date.day > 1) {
        --date.day;
    } else if (date.month > 1) {
        --date.month;
        date.day = daysInMonth(date.year, date.month);
    } else {
        --date.year;
        date.month = 12;
        date.day = 31;
    }
    return date;
}

long dayNumber(const CalendarDate &date)
{
    return daysFromCivil(date.year, date.month, date.day);
}

CalendarDate storedSwitchOff(const TillConfig &config)
{
    // Stored as minute, hour, day, month, year.
    return {config.get(cfg::lastSwitchOff, 4), config.get(cfg::lastSwitchOff, 3),
            config.get(cfg::lastSwitchOff, 2)};
}

// A stamp from a damaged wr.cfg can hold any numbers: only a real date is
// shown, the local way from 1980 on and as day/month/year before.
std::string shownDate(int year, int month, int day)
{
    if (!isRealDate(year, month, day))
        return "an unknown date";
    if (year >= 1980) {
        std::string local = formatLocaleDate(year, month, day, "ddd d MMM yy");
        if (!local.empty())
            return toUtf8(local);
    }
    return cformat("%d/%d/%d", day, month, year);
}

// Moves a history of `count` days (entry 0 the day before today) back by
// `days`; `latest` becomes the entry of the day `days` before today.
template <size_t Count>
void shiftHistory(TillConfig &config, DoubleArrayField<Count> field, size_t first, size_t count,
                  int days, double latest)
{
    const auto shift = static_cast<size_t>(days);
    for (size_t entry = count; entry-- > 0;) {
        double value = entry >= shift ? config.get(field, first + entry - shift) : 0.0;
        config.set(field, first + entry, value);
    }
    if (shift - 1 < count)
        config.set(field, first + shift - 1, latest);
}

constexpr DoubleField kDayTotals[] = {
    cfg::tillTakings,         cfg::cashSales,          cfg::chequeSales,
    cfg::eftSales,            cfg::creditSales,        cfg::cashRefunds,
    cfg::chequeRefunds,       cfg::eftRefunds,         cfg::creditRefunds,
    cfg::cashBalancePayments, cfg::chequeBalancePayments, cfg::eftBalancePayments,
    cfg::pettyCash,           cfg::cashBack,           cfg::nonTaxableSales,
    cfg::taxableSales,        cfg::subtotalSales,      cfg::taxOneSales,
    cfg::taxTwoSales,         cfg::salesTotal,         cfg::discounts,
    cfg::costOfSales,
};

constexpr FloatField kTenderCounts[] = {
    cfg::cashSalesCount,     cfg::chequeSalesCount,   cfg::eftSalesCount,
    cfg::creditSalesCount,   cfg::cashRefundsCount,   cfg::chequeRefundsCount,
    cfg::eftRefundsCount,    cfg::creditRefundsCount, cfg::cashBalancePaymentsCount,
    cfg::chequeBalancePaymentsCount, cfg::eftBalancePaymentsCount,
};

} // namespace

std::optional<CalendarDate> lastUseDate(const TillConfig &config, const LocalTime &today)
{
    const int lastDay = config.get(cfg::dayOfLastUse);
    if (lastDay < 1 || lastDay > 31)
        return std::nullopt;
    CalendarDate date = storedSwitchOff(config);
    if (isRealDate(date.year, date.month, date.day)) {
        for (int back = 0; back <= kLongestSearchDays; ++back, date = dayBefore(date)) {
            if (date.day == lastDay)
                return date;
        }
    }
    // No usable stamp: the last use was less than a month ago.
    date = {today.year, today.month, lastDay};
    if (lastDay >= today.day) {
        date.month = today.month > 1 ? today.month - 1 : 12;
        date.year = today.month > 1 ? today.year : today.year - 1;
    }
    date.day = std::min(lastDay, daysInMonth(date.year, date.month));
    return date;
}

DayChange findDayChange(const TillConfig &config, const LocalTime &today)
{
    DayChange change;
    const CalendarDate now{today.year, today.month, today.day};
    const std::optional<CalendarDate> last = lastUseDate(config, today);
    if (!last) {
        // A day of last use that is no day at all: start a new day and ask.
        change.newDay = true;
        change.elapsedDays = 1;
        change.askUser = true;
        const CalendarDate off = storedSwitchOff(config);
        change.newMonth = off.year != now.year || off.month != now.month;
        return change;
    }
    const CalendarDate off = storedSwitchOff(config);
    if (!isRealDate(off.year, off.month, off.day) && last->day == now.day)
        return change; // the same day as far as anyone can tell
    const long days = dayNumber(now) - dayNumber(*last);
    if (days == 0)
        return change;
    change.newDay = true;
    change.elapsedDays = days > 0 ? static_cast<int>(std::min<long>(days, INT32_MAX)) : 1;
    change.askUser = days != 1;
    change.newMonth = last->year != now.year || last->month != now.month;
    return change;
}

std::string usageGapText(const TillConfig &config)
{
    const CalendarDate off = storedSwitchOff(config);
    return "Warning: Usage gap from " + shownDate(off.year, off.month, off.day);
}

std::string usageGapCaption(const LocalTime &today)
{
    return "If system date " + shownDate(today.year, today.month, today.day)
        + " is correct select OK";
}

void rollOverDay(TillConfig &config, const DayChange &change, const LocalTime &today)
{
    if (!change.newDay)
        return;
    const int days = std::max(change.elapsedDays, 1);

    const bool yesterdayWasLastUse = days == 1;
    config.set(cfg::yesterdayTransactionCount,
               yesterdayWasLastUse ? config.get(cfg::todayTransactionCount) : 0);
    config.set(cfg::yesterdayItemCount, yesterdayWasLastUse ? config.get(cfg::todayItemCount) : 0);
    config.set(cfg::todayTransactionCount, 0);
    config.set(cfg::todayItemCount, 0);
    config.set(cfg::newCustomersToday, 0);
    for (FloatField count : kTenderCounts)
        config.set(count, 0.0f);
    for (size_t category = 0; category < kCategoryCount; ++category) {
        config.set(cfg::categoryDayCounts, category, 0);
        if (change.newMonth)
            config.set(cfg::categoryMonthCounts, category, 0);
    }

    shiftHistory(config, cfg::takingsHistory, 0, kTakingsHistoryDays, days,
                 config.get(cfg::tillTakings));
    for (int category = 0; category < kCategoryCount; ++category) {
        shiftHistory(config, cfg::categoryTakingsHistory, categoryHistoryIndex(category, 0),
                     kCategoryHistoryDays, days,
                     config.get(cfg::categoryDayValues, static_cast<size_t>(category)));
        config.set(cfg::categoryDayValues, static_cast<size_t>(category), 0.0);
    }
    for (DoubleField total : kDayTotals)
        config.set(total, 0.0);

    config.set(cfg::dayOfLastUse, today.day);
}

} // namespace ovix
