#include "reports/logic/takings_list.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "sales/logic/cents_entry.h"
#include "store/till_config.h"

namespace ovix {

namespace {

constexpr const char *kWeekdayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
    "Thursday", "Friday", "Saturday"};

constexpr int kProposedDaysBack = 14;

} // namespace

std::string takingsFromPrompt(const LocalTime &today)
{
    return cformat("From (Earliest 01-%2d-%d):", today.month, today.year - 1);
}

std::string takingsFromProposal(const LocalTime &today)
{
    const CalendarDate date
        = dateFromDays(daysFromCivil(today.year, today.month, today.day) - kProposedDaysBack);
    return cformat("%02d-%02d-%d", date.day, date.month, date.year);
}

bool takingsListStartValid(const CalendarDate &date, const LocalTime &today)
{
    return checkTakingsDate(date, today) == TakingsDate::Past;
}

std::optional<CalendarDate> askTakingsListStart(Messages &messages, const LocalTime &today)
{
    const std::optional<std::string> typed
        = messages.askText(takingsFromPrompt(today), "Takings", takingsFromProposal(today));
    if (!typed)
        return std::nullopt;
    const std::optional<CalendarDate> date = parseTakingsDate(*typed);
    if (!date || !takingsListStartValid(*date, today)) {
        reportProblem(messages, "Non valid date");
        return std::nullopt;
    }
    return date;
}

TakingsList takingsListFrom(const TillConfig &config, const CalendarDate &from,
    const LocalTime &today)
{
    TakingsList list;
    if (!takingsListStartValid(from, today))
        return list;
    // The walk counts entries down to 0 (yesterday), so it ends whatever the dates.
    for (int entry = takingsHistoryEntry(from, today); entry >= 0; --entry) {
        const long day = daysFromCivil(today.year, today.month, today.day) - 1 - entry;
        const int64_t cents
            = moneyCents(config.get(cfg::takingsHistory, static_cast<size_t>(entry)));
        list.days.push_back({ dateFromDays(day), cents });
        list.totalCents += cents;
    }
    return list;
}

std::vector<std::string> takingsListLines(const TakingsList &list)
{
    std::vector<std::string> lines;
    lines.reserve(list.days.size() + 2);
    for (const TakingsDay &day : list.days) {
        const CalendarDate &d = day.date;
        lines.push_back(cformat("%-9s %02d/%02d/%d %12s",
            kWeekdayNames[weekdayOf(d.year, d.month, d.day)], d.day, d.month, d.year,
            centsText(day.cents).c_str()));
    }
    lines.emplace_back("");
    lines.push_back(cformat("%-20s %12s", "Total", centsText(list.totalCents).c_str()));
    return lines;
}

void printTakingsList(PrintDevice &device, std::string_view storeName, const TakingsList &list)
{
    device.selectFont(PrintFont { PrintFont::Kind::Arial10 });
    const int lineHeight = device.lineHeight() > 0 ? device.lineHeight() : 1;
    const int pageHeight = device.printableHeight();
    const CalendarDate from = list.days.empty() ? CalendarDate {} : list.days.front().date;
    int page = 1;
    int y = 0;
    const auto heading = [&] {
        device.drawText(0, 0,
            cformat("%s Takings from %02d/%02d/%d      Page: %d", std::string(storeName).c_str(),
                from.day, from.month, from.year, page),
            TextAlign::Left);
        y = 2 * lineHeight;
    };
    heading();
    for (const std::string &line : takingsListLines(list)) {
        // A page always takes at least one line below its heading.
        if (y + lineHeight > pageHeight && y > 2 * lineHeight) {
            if (!device.newPage())
                return;
            ++page;
            heading();
        }
        if (!line.empty())
            device.drawText(0, y, line, TextAlign::Left);
        y += lineHeight;
    }
}

} // namespace ovix
