#pragma once
// The Reminders popup's work on resn.dat: the 28 days offered, adding,
// amending and deleting the entries of a day, and the day's list and
// printout. Every read and write goes through store/reminder_file.h, which
// replaces the whole file at once.
//
// A damaged resn.dat (not 30 records long, or unreadable) is reported and
// never written. A day's stored count of used entries is clamped to 0..200
// before it is used, so no damaged count reaches past the entries.

#include "platform/clock.h"
#include "store/reminder_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;

// One used entry of a day (Windows-1252).
struct ReminderEntry {
    std::string customer;
    std::string item;

    bool operator==(const ReminderEntry &) const = default;
};

// The day's used entries: the stored count clamped to 0..200, the texts read
// no further than their 30 bytes.
int reminderCount(const ReminderRecord &record);
std::vector<ReminderEntry> reminderEntries(const ReminderRecord &record);

// The 30 records of resn.dat; nothing, with "Data file: resn.dat." (caption
// "Problem") when it is missing or "Data file resn.dat corrupt." (caption
// "Problem") when it is damaged.
std::optional<std::vector<ReminderRecord>> loadReminderDays(const DataDir &dir, Messages &messages);

// "Select day:": the 28 days from `today`, each as "ddd d MMM yy" and
// " (%d)" with its count when that is not 0 (Windows-1252).
std::vector<std::string> reminderDayLines(
    const std::vector<ReminderRecord> &days, const LocalTime &today);

// The date shown for day `day` (0 is today) in the Add reminder dialog and
// the printout: "ddd d MMM yy", or "Day: %d Month: %d Year: %d" when the
// locale cannot write it.
std::string reminderDayText(const LocalTime &today, int day);

// Stores one entry for day `day`: the customer and item texts, each cut to
// 28 characters and put in capitals, in the first free entry. "Total
// reached" (caption "Reminders") when the day holds 200. False when nothing
// was stored (the problem said).
bool addReminder(const DataDir &dir, int day, std::string_view customer, std::string_view item,
    Messages &messages);

// The lines of "Amend reservation" and "Delete reservation": the customer
// text, ", " and the item text, each cut to its first 10 characters.
std::vector<std::string> reminderChoiceLines(const ReminderRecord &record);

// Amends entry `position` of day `day`: asks "Customer details:" and "Item:"
// with the stored texts; 30 characters or more are refused ("30
// characters") and Cancel ends, both changing nothing. "No reminders held"
// (caption "Amend Reminder") for a position without an entry; "Updated"
// (caption "Reminders") when written.
bool amendReminder(const DataDir &dir, int day, int position, Messages &messages);

// Deletes entry `position` of day `day`: the later entries move down by one
// and the last is cleared. "No reminders held" (caption "Amend Reminders")
// for a position without an entry; "Updated" (caption "Reminders") when written.
bool deleteReminder(const DataDir &dir, int day, int position, Messages &messages);

// The lines of the day's list window: "%s, %s" of customer and item text.
std::vector<std::string> reminderListLines(const ReminderRecord &record);

// The printed reminders of one day: "%s  Reminders: %s      Page: %d" (store
// name, the day's date, page), the captions "Customer" and "Item" (32
// average character widths on) on the second line, then one entry a line in
// the same two columns from the fourth; texts in Windows-1252.
void printReminders(PrintDevice &device, std::string_view storeName, std::string_view dayText,
    const std::vector<ReminderEntry> &entries);

} // namespace ovix
