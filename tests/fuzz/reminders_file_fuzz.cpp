// resn.dat as its readers read it and as the new day moves it on. The input
// is a Chunks file (fuzz_folder.h) over a new resn.dat, then the days
// elapsed. Whatever the bytes: a file that is not 30 whole records is
// reported and left byte for byte alone; a whole one moves on by the days
// elapsed, each day's notes landing on the day they belong to; no count
// read from the file reaches past a day's 200 entries.

#include "accounts/logic/reminders.h"
#include "fuzz/fuzz_folder.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/reminder_file.h"

#include <cstring>

namespace {

using namespace ovix;
using ovix::fuzz::check;

std::string recordBytes(const std::string &file, int record)
{
    return file.substr(static_cast<size_t>(record) * kReminderRecordSize, kReminderRecordSize);
}

void readAsTheDialogsDo(const DataDir &dir, bool whole)
{
    ScriptedMessages messages;
    const std::optional<std::vector<ReminderRecord>> days = loadReminderDays(dir, messages);
    check(days.has_value() == whole);
    if (!days) {
        check(!messages.shown.empty());
        return;
    }
    LocalTime today;
    today.year = 2026;
    today.month = 3;
    today.day = 5;
    check(reminderDayLines(*days, today).size() == static_cast<size_t>(kReminderDays));
    for (int day = 0; day < kReminderDays; ++day) {
        const ReminderRecord &record = (*days)[static_cast<size_t>(day)];
        const int count = reminderCount(record);
        check(count >= 0 && count <= kRemindersPerDay);
        const std::vector<ReminderEntry> entries = reminderEntries(record);
        check(entries.size() == static_cast<size_t>(count));
        for (const ReminderEntry &entry : entries)
            check(entry.customer.size() <= 30 && entry.item.size() <= 30);
        check(reminderListLines(record).size() == entries.size());
        check(reminderChoiceLines(record).size() == entries.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string blank = blankReminderFileBytes();
    ovix::fuzz::FuzzFolder &folder = ovix::fuzz::FuzzFolder::instance();
    folder.clear();
    ovix::fuzz::Chunks input(data, size);
    const std::optional<std::string> file = input.file(blank);
    const int elapsed = input.byte() % 32;
    if (file)
        folder.write(kReminderFileName, *file);
    const DataDir dir(folder.path());
    const bool whole = file && file->size() == blank.size();

    check(reminderFileExists(dir) == file.has_value());
    check(reminderFileIsWhole(dir) == whole);
    int32_t today = 0;
    if (file && file->size() >= 808)
        std::memcpy(&today, file->data() + 804, sizeof today);
    check(storedRemindersForToday(dir) == today);

    std::vector<ReminderRecord> days;
    const ReminderAccess access = readReminderDays(dir, days);
    check(access == (!file ? ReminderAccess::Missing
                           : whole ? ReminderAccess::Done : ReminderAccess::Damaged));
    if (access == ReminderAccess::Done)
        check(days.size() == static_cast<size_t>(kReminderRecordCount)
            && std::memcmp(days.data(), file->data(), file->size()) == 0);
    if (file)
        readAsTheDialogsDo(dir, whole);

    const bool canShift = reminderDaysCanShift(dir, elapsed);
    const ReminderShiftResult shifted = shiftReminderDays(dir, elapsed);
    const std::optional<std::string> after = folder.read(kReminderFileName);
    // With no day elapsed nothing is written, so a damaged file stands either way.
    check(canShift == (shifted != ReminderShiftResult::Unusable)
        || (elapsed == 0 && shifted == ReminderShiftResult::Unchanged));
    switch (shifted) {
    case ReminderShiftResult::Unusable:
        check(file && !whole && elapsed <= 27 && after == file);
        break;
    case ReminderShiftResult::Unchanged:
        check(elapsed == 0 && after == file);
        break;
    case ReminderShiftResult::Created:
        check((!file || elapsed > 27) && after == blank);
        break;
    case ReminderShiftResult::Shifted: {
        check(whole && elapsed >= 1 && elapsed <= 27 && after && after->size() == blank.size());
        for (int record = 0; record < kReminderRecordCount; ++record) {
            std::string expected = record + elapsed < kReminderDays
                ? recordBytes(*file, record + elapsed)
                : recordBytes(blank, record);
            const auto number = static_cast<int32_t>(record);
            std::memcpy(expected.data(), &number, sizeof number);
            check(recordBytes(*after, record) == expected);
        }
        break;
    }
    case ReminderShiftResult::WriteFailed:
        std::abort();
    }

    // A day written to a damaged file is refused, the file left as it was.
    const std::optional<std::string> before = folder.read(kReminderFileName);
    const ReminderAccess written = writeReminderDay(dir, 3, blankReminderRecord(3));
    if (written != ReminderAccess::Done)
        check(folder.read(kReminderFileName) == before);
    else
        check(before && before->size() == blank.size());
    return 0;
}
