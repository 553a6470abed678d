#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "store/reminder_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>
#include <vector>

using namespace ovix;
using ovix::test::TempDir;

namespace {

constexpr size_t kRecord = 12932;
constexpr size_t kFile = 30 * kRecord;

// A resn.dat built by hand: every record numbered, and record k of days
// 0..27 carrying one reminder whose texts name the day, so moves can be traced.
std::string markedReminderFile()
{
    std::string bytes(kFile, '\0');
    for (size_t k = 0; k < 30; ++k) {
        const size_t at = k * kRecord;
        test::putI32(bytes, at, static_cast<int32_t>(k));
        if (k < 28) {
            test::putI32(bytes, at + 4, 2);
            test::putI32(bytes, at + 804, 1);
            test::putText(bytes, at + 812, "CUSTOMER " + std::to_string(k));
            test::putText(bytes, at + 6872, "ITEM " + std::to_string(k));
        }
    }
    return bytes;
}

void expectBlank(std::string_view bytes, size_t k)
{
    EXPECT_EQ(test::getI32(bytes, k * kRecord), static_cast<int32_t>(k));
    std::string_view rest = bytes.substr(k * kRecord + 4, kRecord - 4);
    EXPECT_EQ(rest.find_first_not_of('\0'), std::string_view::npos) << "record " << k;
}

} // namespace

TEST(ReminderFile, BlankFileIsThirtyNumberedEmptyRecords)
{
    TempDir dir;
    ASSERT_TRUE(createBlankReminderFile(DataDir(dir.path())));
    const std::string bytes = test::readBytes(dir.file("resn.dat"));
    ASSERT_EQ(bytes.size(), kFile);
    for (size_t k = 0; k < 30; ++k)
        expectBlank(bytes, k);
}

TEST(ReminderFile, ShiftMovesTheWindowForward)
{
    for (int elapsed : {1, 5, 27}) {
        TempDir dir;
        const std::string old = markedReminderFile();
        test::writeBytes(dir.file("resn.dat"), old);
        EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), elapsed), ReminderShiftResult::Shifted);
        const std::string bytes = test::readBytes(dir.file("resn.dat"));
        ASSERT_EQ(bytes.size(), kFile);
        for (int k = 0; k < 30; ++k) {
            const size_t at = static_cast<size_t>(k) * kRecord;
            if (k <= 27 - elapsed) {
                // The record of day k + elapsed, renumbered k, otherwise byte for byte.
                const size_t from = static_cast<size_t>(k + elapsed) * kRecord;
                EXPECT_EQ(test::getI32(bytes, at), k);
                EXPECT_EQ(bytes.substr(at + 4, kRecord - 4), old.substr(from + 4, kRecord - 4))
                    << "elapsed " << elapsed << " record " << k;
                EXPECT_EQ(test::getText(bytes, at + 812, 30),
                          "CUSTOMER " + std::to_string(k + elapsed));
            } else {
                expectBlank(bytes, static_cast<size_t>(k));
            }
        }
    }
}

TEST(ReminderFile, ShiftByMoreThan27DaysStartsAfresh)
{
    for (int elapsed : {28, 400}) {
        TempDir dir;
        test::writeBytes(dir.file("resn.dat"), markedReminderFile());
        EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), elapsed), ReminderShiftResult::Created);
        const std::string bytes = test::readBytes(dir.file("resn.dat"));
        ASSERT_EQ(bytes.size(), kFile);
        for (size_t k = 0; k < 30; ++k)
            expectBlank(bytes, k);
    }
}

TEST(ReminderFile, ShiftWithNoDayElapsedWritesNothing)
{
    TempDir dir;
    const std::string old = markedReminderFile();
    test::writeBytes(dir.file("resn.dat"), old);
    EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), 0), ReminderShiftResult::Unchanged);
    EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), -2), ReminderShiftResult::Unchanged);
    EXPECT_EQ(test::readBytes(dir.file("resn.dat")), old);
}

TEST(ReminderFile, MissingFileIsCreated)
{
    TempDir dir;
    EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), 1), ReminderShiftResult::Created);
    EXPECT_EQ(fileSize(dir.file("resn.dat")), static_cast<int64_t>(kFile));
}

TEST(ReminderFile, DamagedOrUnreadableFileIsNeverWiped)
{
    const std::string marked = markedReminderFile();
    for (size_t size : {size_t{0}, kRecord, kFile - 1, kFile + 1}) {
        TempDir dir;
        const std::string old = marked.substr(0, std::min(size, kFile)) +
                                std::string(size > kFile ? size - kFile : 0, 'z');
        test::writeBytes(dir.file("resn.dat"), old);
        EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), 1), ReminderShiftResult::Unusable)
            << size;
        EXPECT_EQ(test::readBytes(dir.file("resn.dat")), old);
    }
    if (::geteuid() != 0) {
        TempDir dir;
        test::writeBytes(dir.file("resn.dat"), marked);
        ASSERT_EQ(::chmod(dir.file("resn.dat").c_str(), 0), 0);
        EXPECT_EQ(shiftReminderDays(DataDir(dir.path()), 1), ReminderShiftResult::Unusable);
        ::chmod(dir.file("resn.dat").c_str(), 0644);
        EXPECT_EQ(test::readBytes(dir.file("resn.dat")), marked);
    }
}

TEST(ReminderFile, FailedShiftKeepsTheOldWindow)
{
    TempDir dir;
    const std::string old = markedReminderFile();
    test::writeBytes(dir.file("resn.dat"), old);
    FaultyFileAccess faulty;
    faulty.faultSyncNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    ReminderShiftResult result = shiftReminderDays(DataDir(dir.path()), 3);
    setFileAccess(nullptr);
    EXPECT_EQ(result, ReminderShiftResult::WriteFailed);
    EXPECT_EQ(test::readBytes(dir.file("resn.dat")), old);
}

namespace {
void shiftAndCrash(void *context)
{
    static FaultyFileAccess faulty;
    faulty.faultWriteNumber(2, FaultyFileAccess::Mode::Crash); // at the rename
    setFileAccess(&faulty);
    shiftReminderDays(DataDir(*static_cast<std::string *>(context)), 3);
}
} // namespace

TEST(ReminderFile, CrashDuringShiftLeavesTheOldFile)
{
    TempDir dir;
    const std::string old = markedReminderFile();
    test::writeBytes(dir.file("resn.dat"), old);
    std::string root = dir.path();
    EXPECT_EQ(test::runInChild(shiftAndCrash, &root), FaultyFileAccess::kCrashExitCode);
    EXPECT_EQ(test::readBytes(dir.file("resn.dat")), old);
}

// What start-up and the rebuild learn of resn.dat, and that the new-day check
// promises exactly what the shift then finds.
TEST(ReminderFile, PresenceSizeTodaysCountAndTheNewDayCheck)
{
    std::string withCount = markedReminderFile();
    test::putI32(withCount, 804, 7);
    std::string damagedCount = markedReminderFile();
    test::putI32(damagedCount, 804, -5);

    struct Case {
        const char *what;
        const char *name; // "" for no file, "/" for a folder of that name
        std::string bytes;
        bool exists;
        bool whole;
        bool canShift;
        int32_t today;
    };
    const Case cases[] = {
        {"missing", "", "", false, false, true, 0},
        {"whole", "resn.dat", withCount, true, true, true, 7},
        {"other letter case", "RESN.DAT", withCount, true, true, true, 7},
        {"damaged count", "resn.dat", damagedCount, true, true, true, -5},
        {"empty", "resn.dat", "", true, false, false, 0},
        {"too short for the count", "resn.dat", std::string(807, 'R'), true, false, false, 0},
        {"short", "resn.dat", std::string(1000, 'R'), true, false, false, 0x52525252},
        {"one byte long", "resn.dat", withCount + "z", true, false, false, 7},
        {"a folder", "/", "", false, false, true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const DataDir data(dir.path());
        if (std::string(c.name) == "/")
            ASSERT_EQ(::mkdir(dir.file("resn.dat").c_str(), 0700), 0);
        else if (*c.name != '\0')
            test::writeBytes(dir.file(c.name), c.bytes);
        EXPECT_EQ(reminderFileExists(data), c.exists);
        EXPECT_EQ(reminderFileIsWhole(data), c.whole);
        EXPECT_EQ(storedRemindersForToday(data), c.today);
        EXPECT_EQ(reminderDaysCanShift(data, 1), c.canShift);
        EXPECT_TRUE(reminderDaysCanShift(data, 28)); // every day past: written anew
        EXPECT_EQ(shiftReminderDays(data, 1) != ReminderShiftResult::Unusable, c.canShift);
    }
}

// One day rewritten: the others stay byte for byte, the record takes its
// day's number, and a missing, damaged or failing file is never written.
TEST(ReminderFile, WritingOneDayReplacesTheWholeFileOrNothing)
{
    const std::string marked = markedReminderFile();
    ReminderRecord record = blankReminderRecord(99);
    record.used_entries = 1;
    record.entry_flags[0] = kReminderEntryUsed;
    std::memcpy(record.customer_text[0], "NEW", 4);
    struct Case {
        const char *name;
        std::optional<std::string> file;
        int day;
        ReminderAccess result;
    };
    const Case cases[] = {
        { "day 4", marked, 4, ReminderAccess::Done },
        { "day 27", marked, 27, ReminderAccess::Done },
        { "day 28 is never written", marked, 28, ReminderAccess::Damaged },
        { "a negative day", marked, -1, ReminderAccess::Damaged },
        { "a short file", marked.substr(0, kFile - 1), 4, ReminderAccess::Damaged },
        { "no file", std::nullopt, 4, ReminderAccess::Missing },
    };
    for (const Case &c : cases) {
        TempDir dir;
        if (c.file) {
            test::writeBytes(dir.file("resn.dat"), *c.file);
            ASSERT_EQ(::chmod(dir.file("resn.dat").c_str(), 0600), 0);
        }
        EXPECT_EQ(writeReminderDay(DataDir(dir.path()), c.day, record), c.result) << c.name;
        if (c.result != ReminderAccess::Done) {
            if (c.file) {
                EXPECT_EQ(test::readBytes(dir.file("resn.dat")), *c.file) << c.name;
            } else {
                EXPECT_FALSE(fileExists(dir.file("resn.dat"))) << c.name;
            }
            continue;
        }
        const std::string now = test::readBytes(dir.file("resn.dat"));
        ASSERT_EQ(now.size(), kFile) << c.name;
        const size_t at = static_cast<size_t>(c.day) * kRecord;
        EXPECT_EQ(now.substr(0, at), marked.substr(0, at)) << c.name;
        EXPECT_EQ(now.substr(at + kRecord), marked.substr(at + kRecord)) << c.name;
        EXPECT_EQ(test::getI32(now, at), c.day) << c.name;
        EXPECT_EQ(test::getText(now, at + 812, 30), "NEW") << c.name;
        EXPECT_EQ(test::getI32(now, at + 804), 1) << c.name;
        struct stat info {};
        ASSERT_EQ(::stat(dir.file("resn.dat").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << c.name;

        std::vector<ReminderRecord> days;
        ASSERT_EQ(readReminderDays(DataDir(dir.path()), days), ReminderAccess::Done);
        EXPECT_EQ(days[static_cast<size_t>(c.day)].used_entries, 1);
    }
}

namespace {
void writeDayAndCrash(void *context)
{
    static FaultyFileAccess faulty;
    faulty.faultWriteNumber(2, FaultyFileAccess::Mode::Crash); // at the rename
    setFileAccess(&faulty);
    writeReminderDay(DataDir(*static_cast<std::string *>(context)), 3, blankReminderRecord(3));
}
} // namespace

TEST(ReminderFile, CrashWhileWritingADayLeavesTheOldFile)
{
    TempDir dir;
    const std::string old = markedReminderFile();
    test::writeBytes(dir.file("resn.dat"), old);
    std::string root = dir.path();
    EXPECT_EQ(test::runInChild(writeDayAndCrash, &root), FaultyFileAccess::kCrashExitCode);
    EXPECT_EQ(test::readBytes(dir.file("resn.dat")), old);
}
