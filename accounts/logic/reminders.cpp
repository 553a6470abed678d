#include "accounts/logic/reminders.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/day_walk.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "store/fixed_text.h"

#include <algorithm>
#include <cstring>

namespace ovix {

namespace {

constexpr size_t kStoredTextLength = 28;
constexpr size_t kChoiceTextLength = 10;
constexpr size_t kAmendLimit = 30;

std::string entryText(const char (&field)[kReminderTextWidth])
{
    return readFixedText(field, kReminderTextWidth);
}

bool reportAccess(ReminderAccess access, Messages &messages)
{
    switch (access) {
    case ReminderAccess::Done:
        return true;
    case ReminderAccess::Missing:
    case ReminderAccess::WriteFailed:
        reportProblem(messages, "Data file: resn.dat.");
        return false;
    case ReminderAccess::Damaged:
        reportProblem(messages, "Data file resn.dat corrupt.");
        return false;
    }
    return false;
}

std::optional<ReminderRecord> loadDay(const DataDir &dir, int day, Messages &messages)
{
    if (day < 0 || day >= kReminderDays)
        return std::nullopt;
    std::optional<std::vector<ReminderRecord>> days = loadReminderDays(dir, messages);
    if (!days)
        return std::nullopt;
    return (*days)[static_cast<size_t>(day)];
}

// A day to amend or delete from: nothing, with "No reminders recorded."
// (caption "Reminders"), when it holds none.
bool holdsEntries(const ReminderRecord &record, Messages &messages)
{
    if (reminderCount(record) > 0)
        return true;
    reportInfo(messages, "No reminders recorded.", "Reminders");
    return false;
}

bool store(const DataDir &dir, int day, const ReminderRecord &record, Messages &messages)
{
    if (!reportAccess(writeReminderDay(dir, day, record), messages))
        return false;
    reportInfo(messages, "Updated", "Reminders");
    return true;
}

CalendarDay dayAfter(const LocalTime &today, int days)
{
    CalendarDay day { today.year, today.month, today.day };
    for (int i = 0; i < days; ++i)
        day = nextCalendarDay(day);
    return day;
}

std::string cut(std::string text, size_t length)
{
    if (text.size() > length)
        text.resize(length);
    return text;
}

// Asks `prompt` with `stored` proposed; nothing when cancelled or refused.
std::optional<std::string> askAmended(Messages &messages, const char *prompt,
    const std::string &stored, const char *refusedCaption)
{
    const std::optional<std::string> typed
        = messages.askText(prompt, "Amend Reminder", toUtf8(stored));
    if (!typed)
        return std::nullopt;
    std::string text = fromUtf8(*typed);
    if (text.size() >= kAmendLimit) {
        messages.confirm("30 characters", refusedCaption);
        return std::nullopt;
    }
    return text;
}

} // namespace

int reminderCount(const ReminderRecord &record)
{
    return std::clamp<int32_t>(record.used_entries, 0, kRemindersPerDay);
}

std::vector<ReminderEntry> reminderEntries(const ReminderRecord &record)
{
    std::vector<ReminderEntry> entries;
    const int count = reminderCount(record);
    entries.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        entries.push_back({ entryText(record.customer_text[i]), entryText(record.item_text[i]) });
    return entries;
}

std::optional<std::vector<ReminderRecord>> loadReminderDays(const DataDir &dir, Messages &messages)
{
    std::vector<ReminderRecord> days;
    if (!reportAccess(readReminderDays(dir, days), messages))
        return std::nullopt;
    return days;
}

std::string reminderDayText(const LocalTime &today, int day)
{
    const CalendarDay date = dayAfter(today, day);
    std::string text = formatLocaleDate(date.year, date.month, date.day, "ddd d MMM yy");
    if (text.empty())
        text = cformat("Day: %d Month: %d Year: %d", date.day, date.month, date.year);
    return text;
}

std::vector<std::string> reminderDayLines(
    const std::vector<ReminderRecord> &days, const LocalTime &today)
{
    std::vector<std::string> lines;
    for (int day = 0; day < kReminderDays && day < static_cast<int>(days.size()); ++day) {
        std::string line = reminderDayText(today, day);
        if (const int count = reminderCount(days[static_cast<size_t>(day)]))
            line += cformat(" (%d)", count);
        lines.push_back(std::move(line));
    }
    return lines;
}

bool addReminder(const DataDir &dir, int day, std::string_view customer, std::string_view item,
    Messages &messages)
{
    std::optional<ReminderRecord> record = loadDay(dir, day, messages);
    if (!record)
        return false;
    const int count = reminderCount(*record);
    // Used entries are at the front; a damaged flag there is passed over.
    int entry = count;
    while (entry < kRemindersPerDay && record->entry_flags[entry] == kReminderEntryUsed)
        ++entry;
    if (entry >= kRemindersPerDay) {
        reportInfo(messages, "Total reached", "Reminders");
        return false;
    }
    record->entry_flags[entry] = kReminderEntryUsed;
    writeText(record->customer_text[entry], cut(toUpperCp1252(customer), kStoredTextLength));
    writeText(record->item_text[entry], cut(toUpperCp1252(item), kStoredTextLength));
    record->used_entries = std::max(count, entry) + 1;
    return reportAccess(writeReminderDay(dir, day, *record), messages);
}

std::vector<std::string> reminderChoiceLines(const ReminderRecord &record)
{
    std::vector<std::string> lines;
    for (const ReminderEntry &entry : reminderEntries(record))
        lines.push_back(cut(entry.customer, kChoiceTextLength) + ", " + cut(entry.item, kChoiceTextLength));
    return lines;
}

bool amendReminder(const DataDir &dir, int day, int position, Messages &messages)
{
    std::optional<ReminderRecord> record = loadDay(dir, day, messages);
    if (!record || !holdsEntries(*record, messages))
        return false;
    if (position < 0 || position >= reminderCount(*record)) {
        reportInfo(messages, "No reminders held", "Amend Reminder");
        return false;
    }
    const std::optional<std::string> customer = askAmended(messages, "Customer details:",
        entryText(record->customer_text[position]), "Input exceeds aloowed length");
    if (!customer)
        return false;
    const std::optional<std::string> item = askAmended(
        messages, "Item:", entryText(record->item_text[position]), "Input exceeds allowed length");
    if (!item)
        return false;
    writeText(record->customer_text[position], *customer);
    writeText(record->item_text[position], *item);
    return store(dir, day, *record, messages);
}

bool deleteReminder(const DataDir &dir, int day, int position, Messages &messages)
{
    std::optional<ReminderRecord> record = loadDay(dir, day, messages);
    if (!record || !holdsEntries(*record, messages))
        return false;
    const int count = reminderCount(*record);
    if (position < 0 || position >= count) {
        reportInfo(messages, "No reminders held", "Amend Reminders");
        return false;
    }
    for (int i = position; i + 1 < kRemindersPerDay; ++i) {
        record->entry_flags[i] = record->entry_flags[i + 1];
        std::memcpy(record->customer_text[i], record->customer_text[i + 1], kReminderTextWidth);
        std::memcpy(record->item_text[i], record->item_text[i + 1], kReminderTextWidth);
    }
    const int last = kRemindersPerDay - 1;
    record->entry_flags[last] = 0;
    std::memset(record->customer_text[last], 0, kReminderTextWidth);
    std::memset(record->item_text[last], 0, kReminderTextWidth);
    record->used_entries = count - 1;
    return store(dir, day, *record, messages);
}

std::vector<std::string> reminderListLines(const ReminderRecord &record)
{
    std::vector<std::string> lines;
    for (const ReminderEntry &entry : reminderEntries(record))
        lines.push_back(entry.customer + ", " + entry.item);
    return lines;
}

void printReminders(PrintDevice &device, std::string_view storeName, std::string_view dayText,
    const std::vector<ReminderEntry> &entries)
{
    device.selectFont(PrintFont { PrintFont::Kind::Arial10 });
    const int lineHeight = device.lineHeight() > 0 ? device.lineHeight() : 1;
    const int pageHeight = device.printableHeight();
    const int itemColumn = device.averageCharWidth() * 32;
    int page = 1;
    int y = 0;
    const auto heading = [&] {
        device.drawText(0, 0,
            cformat("%s  Reminders: %s      Page: %d", std::string(storeName).c_str(),
                std::string(dayText).c_str(), page),
            TextAlign::Left);
        device.drawText(0, lineHeight, "Customer", TextAlign::Left);
        device.drawText(itemColumn, lineHeight, "Item", TextAlign::Left);
        y = 3 * lineHeight;
    };
    heading();
    for (const ReminderEntry &entry : entries) {
        if (y + lineHeight > pageHeight && y > 3 * lineHeight) {
            if (!device.newPage())
                return;
            ++page;
            heading();
        }
        device.drawText(0, y, entry.customer, TextAlign::Left);
        device.drawText(itemColumn, y, entry.item, TextAlign::Left);
        y += lineHeight;
    }
}

} // namespace ovix
