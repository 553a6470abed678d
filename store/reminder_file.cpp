#include "store/reminder_file.h"

#include "platform/data_dir.h"
#include "platform/file.h"

#include <cstring>
#include <string>

namespace ovix {

ReminderRecord blankReminderRecord(int number)
{
    ReminderRecord record {};
    std::memset(&record, 0, sizeof record);
    record.number = number;
    return record;
}

static void putRecord(std::string &bytes, int slot, const ReminderRecord &record)
{
    std::memcpy(bytes.data() + slot * kReminderRecordSize, &record, sizeof record);
}

std::string blankReminderFileBytes()
{
    std::string bytes(static_cast<size_t>(kReminderFileSize), '\0');
    for (int slot = 0; slot < kReminderRecordCount; ++slot)
        putRecord(bytes, slot, blankReminderRecord(slot));
    return bytes;
}

bool createBlankReminderFile(const DataDir &dir)
{
    return replaceFileAtomically(dir.path(kReminderFileName), blankReminderFileBytes());
}

bool reminderFileExists(const DataDir &dir)
{
    return fileExists(dir.path(kReminderFileName));
}

bool reminderFileIsWhole(const DataDir &dir)
{
    return fileSize(dir.path(kReminderFileName)) == kReminderFileSize;
}

int32_t storedRemindersForToday(const DataDir &dir)
{
    File file = File::open(dir.path(kReminderFileName), File::Mode::Read);
    int32_t count = 0;
    if (!file.isOpen()
        || !file.readAt(offsetof(ReminderRecord, used_entries), &count, sizeof count))
        return 0;
    return count;
}

ReminderShiftResult shiftReminderDays(const DataDir &dir, int elapsedDays)
{
    if (elapsedDays <= 0)
        return ReminderShiftResult::Unchanged;
    const std::string path = dir.path(kReminderFileName);
    if (elapsedDays > kReminderDays - 1 || !reminderFileExists(dir)) {
        if (!createBlankReminderFile(dir))
            return ReminderShiftResult::WriteFailed;
        return ReminderShiftResult::Created;
    }
    std::optional<std::string> old = readWholeFile(path);
    if (!old || static_cast<int64_t>(old->size()) != kReminderFileSize)
        return ReminderShiftResult::Unusable;

    std::string bytes = blankReminderFileBytes();
    for (int from = elapsedDays; from < kReminderDays; ++from) {
        ReminderRecord record {};
        std::memcpy(&record, old->data() + from * kReminderRecordSize, sizeof record);
        record.number = from - elapsedDays;
        putRecord(bytes, record.number, record);
    }
    if (!replaceFileAtomically(path, bytes))
        return ReminderShiftResult::WriteFailed;
    return ReminderShiftResult::Shifted;
}

ReminderAccess readReminderDays(const DataDir &dir, std::vector<ReminderRecord> &days)
{
    const std::string path = dir.path(kReminderFileName);
    if (!reminderFileExists(dir))
        return ReminderAccess::Missing;
    std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes || static_cast<int64_t>(bytes->size()) != kReminderFileSize)
        return ReminderAccess::Damaged;
    days.resize(kReminderRecordCount);
    for (int slot = 0; slot < kReminderRecordCount; ++slot)
        std::memcpy(&days[static_cast<size_t>(slot)], bytes->data() + slot * kReminderRecordSize,
            sizeof(ReminderRecord));
    return ReminderAccess::Done;
}

ReminderAccess writeReminderDay(const DataDir &dir, int day, const ReminderRecord &record)
{
    if (day < 0 || day >= kReminderDays)
        return ReminderAccess::Damaged;
    const std::string path = dir.path(kReminderFileName);
    if (!reminderFileExists(dir))
        return ReminderAccess::Missing;
    std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes || static_cast<int64_t>(bytes->size()) != kReminderFileSize)
        return ReminderAccess::Damaged;
    ReminderRecord stored = record;
    stored.number = day;
    putRecord(*bytes, day, stored);
    if (!replaceFileAtomically(path, *bytes))
        return ReminderAccess::WriteFailed;
    return ReminderAccess::Done;
}

bool reminderDaysCanShift(const DataDir &dir, int elapsedDays)
{
    if (elapsedDays > kReminderDays - 1 || !reminderFileExists(dir))
        return true;
    File file = File::open(dir.path(kReminderFileName), File::Mode::Read);
    return file.isOpen() && file.size() == kReminderFileSize;
}

} // namespace ovix
