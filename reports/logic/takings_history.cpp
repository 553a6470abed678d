#include "reports/logic/takings_history.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "reports/logic/closeout.h"
#include "store/activity_log.h"
#include "store/shop.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "store/time_stamp.h"

#include <cctype>
#include <string>

namespace ovix {

namespace {

constexpr const char *kWeekdayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
    "Thursday", "Friday", "Saturday"};

constexpr int kPurgedTakingsEntries = 390;

bool digits(std::string_view text, size_t from, size_t count, int &value)
{
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

long dayNumber(const CalendarDate &date)
{
    return daysFromCivil(date.year, date.month, date.day);
}

void appendAmendment(Shop &shop, Messages &messages, const CalendarDate &date, double amount,
    const LocalTime &now)
{
    std::string text = "\r\n" + logTimePrefix(makeTimeStamp(now)) + "  Takings amendment";
    text += cformat("\r\nfor %d/%d/%d: %.2f\r\n", date.day, date.month, date.year, amount);
    if (!appendToLog(shop.dir, text))
        reportFatal(messages, "Data file: bun4.dat, not present.");
}

} // namespace

CalendarDate dateFromDays(long days)
{
    // Eras of 400 years, each 146097 days, counted from 1 March of year 0.
    const long z = days + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long dayOfEra = z - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthFromMarch = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::optional<CalendarDate> parseTakingsDate(std::string_view text)
{
    if (text.size() != 10 || text[2] != '-' || text[5] != '-')
        return std::nullopt;
    CalendarDate date;
    if (!digits(text, 0, 2, date.day) || !digits(text, 3, 2, date.month)
        || !digits(text, 6, 4, date.year))
        return std::nullopt;
    return date;
}

int takingsHistoryEntry(const CalendarDate &date, const LocalTime &today)
{
    return static_cast<int>(daysFromCivil(today.year, today.month, today.day) - dayNumber(date)
        - 1);
}

TakingsDate checkTakingsDate(const CalendarDate &date, const LocalTime &today)
{
    if (date.day < 1 || date.month < 1 || date.month > 12 || date.year < 1994)
        return TakingsDate::Invalid;
    if (date.year != today.year && date.year != today.year - 1)
        return TakingsDate::Invalid;
    if (date.day > daysInMonth(date.year, date.month))
        return TakingsDate::Invalid;
    const int entry = takingsHistoryEntry(date, today);
    if (entry == -1)
        return TakingsDate::Today;
    if (entry < 0 || entry >= kAmendableTakingsEntries)
        return TakingsDate::Invalid;
    return TakingsDate::Past;
}

bool amendTakings(Shop &shop, Messages &messages, const LocalTime &now)
{
    const std::string prompt = cformat("Amend (Earliest 01-%02d-%d):", now.month, now.year - 1);
    const std::optional<std::string> typed
        = messages.askText(prompt, "Takings amendment", "dd-mm-yyyy");
    if (!typed)
        return false;
    const std::optional<CalendarDate> date = parseTakingsDate(*typed);
    const TakingsDate kind = date ? checkTakingsDate(*date, now) : TakingsDate::Invalid;
    if (kind == TakingsDate::Invalid) {
        reportProblem(messages, "Non valid date");
        return false;
    }
    double amount = 0;
    if (kind == TakingsDate::Today) {
        const std::optional<std::string> answer = messages.askText(
            "Today", "Today", cformat("%.2f", shop.config.get(cfg::tillTakings)));
        if (!answer)
            return false;
        amount = roundMoney(typedAmount(*answer));
        shop.config.set(cfg::tillTakings, amount);
    } else {
        const int entry = takingsHistoryEntry(*date, now);
        const std::string title = cformat("%s %2d/%2d/%d",
            kWeekdayNames[weekdayOf(date->year, date->month, date->day)], date->day,
            date->month, date->year);
        const std::optional<std::string> answer = messages.askText(
            title, title, cformat("%.2f", shop.config.get(cfg::takingsHistory, entry)));
        if (!answer)
            return false;
        amount = roundMoney(typedAmount(*answer));
        shop.config.set(cfg::takingsHistory, static_cast<size_t>(entry), amount);
    }
    storeTillConfig(shop.dir, shop.config, messages, TillConfigStoreMoment::AfterTransaction);
    appendAmendment(shop, messages, *date, amount, now);
    return true;
}

bool purgeTakings(Shop &shop, Messages &messages)
{
    if (!messages.confirm("Are you sure?", "Purge entire takings history"))
        return false;
    for (size_t entry = 0; entry < kPurgedTakingsEntries; ++entry)
        shop.config.set(cfg::takingsHistory, entry, 0.0);
    storeTillConfig(shop.dir, shop.config, messages, TillConfigStoreMoment::AfterTransaction);
    return true;
}

} // namespace ovix
