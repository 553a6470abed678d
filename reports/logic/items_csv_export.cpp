#include "reports/logic/items_csv_export.h"

#include "platform/ask_number.h"
#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/day_walk.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "reports/logic/day_items_csv.h"

namespace ovix {

namespace {

struct ChosenDay {
    int year;
    int month;
    int day;
};

std::optional<ChosenDay> askDay(
    Messages &messages, const char *caption, const char *dayPrompt, const LocalTime &today)
{
    const auto day = askWholeNumber(messages, dayPrompt, caption, 1, 31, cformat("%d", today.day));
    if (!day)
        return std::nullopt;
    const auto month = askWholeNumber(
        messages, "Please enter the month (1-12)", caption, 1, 12, cformat("%d", today.month));
    if (!month)
        return std::nullopt;
    const auto year = askWholeNumber(
        messages, "Please enter the year (yyyy)", caption, 2000, 4000, cformat("%d", today.year));
    if (!year)
        return std::nullopt;
    return ChosenDay{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
}

// The name typed, as a file in the shop folder; nothing when the clerk gave
// none or named a folder (said).
std::optional<std::string> askFileName(
    Messages &messages, const char *caption, const std::string &proposed)
{
    std::optional<std::string> typed
        = messages.askText("Enter the file name:", caption, proposed);
    if (!typed || typed->empty())
        return std::nullopt;
    if (typed->find('/') != std::string::npos || *typed == "." || *typed == "..") {
        reportProblem(messages, "Please enter a file name without a folder.");
        return std::nullopt;
    }
    return typed;
}

bool writeExport(const DataDir &dir, const std::string &name, const std::string &text,
    Messages &messages)
{
    if (!replaceFileAtomically(dir.path(name), text)) {
        reportProblem(messages, "Unable to open file.");
        return false;
    }
    reportInfo(messages, "Complete.", "File export");
    return true;
}

} // namespace

std::string itemsCsvExportName(bool weekly, int year, int month, int day)
{
    return cformat("%s%02d%02d%02d.CSV", weekly ? "SW" : "SA", year % 100, month, day);
}

bool exportDailyItemsCsv(const DataDir &dir, const LocalTime &today, Messages &messages)
{
    const char *caption = "Export daily items CSV";
    const std::optional<ChosenDay> chosen
        = askDay(messages, caption, "Please enter the day (1-31)", today);
    if (!chosen)
        return false;
    const std::optional<std::string> name = askFileName(
        messages, caption, itemsCsvExportName(false, chosen->year, chosen->month, chosen->day));
    if (!name)
        return false;
    const DayItemsCsv csv = dayItemsCsv(dir, chosen->year, chosen->month, chosen->day, true);
    switch (csv.status) {
    case DayItemsCsvStatus::NoSalesLog:
        reportProblem(messages, "No items for that day.");
        return false;
    case DayItemsCsvStatus::NoItemsLog:
        return false;
    case DayItemsCsvStatus::Unreadable:
        reportProblem(messages, "Unable to open file.");
        return false;
    case DayItemsCsvStatus::Written:
        break;
    }
    return writeExport(dir, *name, csv.text, messages);
}

bool exportWeeklyItemsCsv(const DataDir &dir, const LocalTime &today, Messages &messages)
{
    const char *caption = "Export weekly items CSV";
    const std::optional<ChosenDay> chosen
        = askDay(messages, caption, "Please enter the first day (1-31)", today);
    if (!chosen)
        return false;
    const std::optional<std::string> name = askFileName(
        messages, caption, itemsCsvExportName(true, chosen->year, chosen->month, chosen->day));
    if (!name)
        return false;
    std::string text;
    // A first day that does not exist (31 April) walks no day: the file is
    // still made, empty, as for a week without sales.
    for (const CalendarDay &day : weekFrom({chosen->year, chosen->month, chosen->day})) {
        const DayItemsCsv csv = dayItemsCsv(dir, day.year, day.month, day.day, true);
        if (csv.status == DayItemsCsvStatus::Unreadable) {
            reportProblem(messages,
                cformat("Unable to read the sales of %d/%d/%d.", day.day, day.month, day.year));
            return false;
        }
        if (csv.status == DayItemsCsvStatus::Written)
            text += csv.text;
    }
    return writeExport(dir, *name, text, messages);
}

std::optional<std::string> writeTodaysItemsCsv(
    const DataDir &dir, const LocalTime &today, Messages &messages)
{
    DayItemsCsv csv = dayItemsCsv(dir, today.year, today.month, today.day, false);
    switch (csv.status) {
    case DayItemsCsvStatus::NoSalesLog:
        reportProblem(messages, "No items for that day.");
        return std::nullopt;
    case DayItemsCsvStatus::NoItemsLog:
        return std::nullopt;
    case DayItemsCsvStatus::Unreadable:
        reportProblem(messages, "Unable to open file.");
        return std::nullopt;
    case DayItemsCsvStatus::Written:
        break;
    }
    if (!replaceFileAtomically(dir.path(kMailItemsCsvName), csv.text)) {
        reportProblem(messages, "Unable to open file.");
        return std::nullopt;
    }
    return std::move(csv.text);
}

} // namespace ovix
