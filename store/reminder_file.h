#pragma once
// resn.dat: the reminders of a rolling window of days. Record k (0 to 29) holds
// the notes for the day k days after today; records 0 to 27 are used, 28 and 29
// stay empty. Each record is 12932 bytes, little-endian, texts Windows-1252.
//
// Every look at resn.dat (presence, size, reading, creating, moving the days
// on) goes through the functions below; a new data set is written with the
// bytes of blankReminderFileBytes().

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class DataDir;

inline constexpr const char *kReminderFileName = "resn.dat";
inline constexpr int kReminderRecordCount = 30;
inline constexpr int kReminderDays = 28;
inline constexpr int kRemindersPerDay = 200;
inline constexpr int kReminderTextWidth = 30;
inline constexpr int32_t kReminderEntryUsed = 2;

#pragma pack(push, 1)
struct ReminderRecord {
    int32_t number;                    // the record's own number, 0 to 29
    int32_t entry_flags[200];          // 2 = entry used, 0 = free
    int32_t used_entries;              // 0 to 200; used entries are at the front
    char reserved_1[4];
    char customer_text[200][30];
    char reserved_2[60];
    char item_text[200][30];
    char reserved_3[60];
};
#pragma pack(pop)

static_assert(sizeof(ReminderRecord) == 12932);
static_assert(offsetof(ReminderRecord, entry_flags) == 4);
static_assert(offsetof(ReminderRecord, used_entries) == 804);
static_assert(offsetof(ReminderRecord, customer_text) == 812);
static_assert(offsetof(ReminderRecord, item_text) == 6872);
static_assert(offsetof(ReminderRecord, reserved_3) == 12872);

inline constexpr int64_t kReminderRecordSize = sizeof(ReminderRecord);
inline constexpr int64_t kReminderFileSize = kReminderRecordSize * kReminderRecordCount;

// An empty record carrying the number `number`.
ReminderRecord blankReminderRecord(int number);

// The bytes of a new resn.dat: 30 empty records numbered 0 to 29.
std::string blankReminderFileBytes();

// Writes resn.dat anew as 30 empty records numbered 0 to 29, replacing any file
// of that name all at once. False when it cannot be written; an old file is
// then left as it was.
bool createBlankReminderFile(const DataDir &dir);

// True when resn.dat is there as a regular file.
bool reminderFileExists(const DataDir &dir);

// True when resn.dat is exactly 30 records long, as the folder lists it (the
// file is not opened).
bool reminderFileIsWhole(const DataDir &dir);

// Today's count of used entries (record 0) as stored, unchecked: a damaged
// file may give any value. 0 when the file cannot be opened or is too short to
// hold the count.
int32_t storedRemindersForToday(const DataDir &dir);

// How a look at the reminders of the days went.
enum class ReminderAccess {
    Done,
    Missing, // no resn.dat
    Damaged, // resn.dat is not exactly 30 records long or cannot be read: left alone
    WriteFailed, // the new contents could not be written: the old file stands
};

// Reads the 30 records of resn.dat into `days` (record k at index k).
ReminderAccess readReminderDays(const DataDir &dir, std::vector<ReminderRecord> &days);

// Puts `record` in place of day `day` (0 to 27; its number is set to `day`)
// and replaces resn.dat with the whole file at once, so that a crash leaves
// either the old file or the new one. The other days are read from the file
// as it stands; a missing or damaged file is never written.
ReminderAccess writeReminderDay(const DataDir &dir, int day, const ReminderRecord &record);

enum class ReminderShiftResult {
    Unchanged, // no day elapsed: nothing written
    Shifted,   // the window moved forward and the file was rewritten
    Created,   // the file was missing or every day was past: written anew
    Unusable,  // the file exists but cannot be read or has the wrong size: left alone
    WriteFailed, // the new contents could not be written: the old file stands
};

// Moves the window forward by `elapsedDays` at the first start of a new day:
// record n becomes record n - elapsedDays (n from elapsedDays to 27, numbers
// rewritten) and the records from 28 - elapsedDays to 29 are emptied. More than
// 27 days elapsed, or no resn.dat at all, gives a fresh file. An existing file
// that cannot be read or is not exactly 30 records long is never wiped: the
// caller is told (Unusable) and reports it. The file is replaced atomically.
ReminderShiftResult shiftReminderDays(const DataDir &dir, int elapsedDays);

// True when shiftReminderDays(dir, elapsedDays) will find a file it can use:
// none at all, or more than 27 days elapsed (both written anew), or a file
// that opens for reading and is exactly 30 records long. Lets start-up refuse
// before it writes anything.
bool reminderDaysCanShift(const DataDir &dir, int elapsedDays);

} // namespace ovix
