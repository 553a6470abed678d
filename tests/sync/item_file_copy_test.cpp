#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "sync/logic/item_file_copy.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

TEST(ItemFileCopy, CopiesEveryByteWhateverTheCaseOfTheName)
{
    TempDir dir;
    DataDir data(dir.path());
    std::string film;
    for (int i = 0; i < 700; ++i) // more than one read chunk
        film += i % 5 == 0 ? blankRecord(-1) : greenTeaRecord();
    film += "tail of a record being appended";
    writeBytes(dir.file("FILM.DAT"), film);
    writeBytes(dir.file("inventor.dat"), "an older copy, longer than nothing");

    std::string error;
    ASSERT_TRUE(copyItemFile(data, &error)) << error;
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
    EXPECT_FALSE(fileExists(dir.file("inventor.dat.new~")));
    EXPECT_EQ(readBytes(dir.file("FILM.DAT")), film);

    writeBytes(dir.file("FILM.DAT"), "");
    ASSERT_TRUE(copyItemFile(data, &error));
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), "");
}

TEST(ItemFileCopy, MissingItemFileOrFailedWriteLeavesTheOldCopy)
{
    TempDir dir;
    DataDir data(dir.path());
    writeBytes(dir.file("inventor.dat"), "old copy");
    std::string error;
    EXPECT_FALSE(copyItemFile(data, &error));
    EXPECT_NE(error.find("film.dat"), std::string::npos);
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), "old copy");

    writeBytes(dir.file("film.dat"), greenTeaRecord() + greenTeaRecord());
    for (int write = 1; write <= 2; ++write) {
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(write, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        const bool copied = copyItemFile(data);
        setFileAccess(nullptr);
        EXPECT_FALSE(copied) << "write " << write;
        EXPECT_EQ(readBytes(dir.file("inventor.dat")), "old copy");
        EXPECT_FALSE(fileExists(dir.file("inventor.dat.new~")));
    }
}

// The till rewrites whole records in place while the copy is taken: every
// record of the copy is one the till wrote, never a mixture of two.
TEST(ItemFileCopy, RecordsRewrittenByTheTillMeanwhileAreCopiedWhole)
{
    TempDir dir;
    DataDir data(dir.path());
    constexpr int kRecords = 1000;
    auto version = [](int slot, int round) {
        std::string record(kRecordBytes, static_cast<char>('A' + round % 26));
        putI64(record, at::number, slot + 1);
        return record;
    };
    std::string film;
    for (int slot = 0; slot < kRecords; ++slot)
        film += version(slot, 0);
    writeBytes(dir.file("film.dat"), film);

    std::atomic<bool> done { false };
    struct Stop {
        std::atomic<bool> &done;
        std::thread &till;
        ~Stop()
        {
            done = true;
            till.join();
        }
    };
    std::thread till([&] {
        int round = 1;
        while (!done.load()) {
            const int fd = ::open(dir.file("film.dat").c_str(), O_WRONLY);
            for (int slot = round % 7; slot < kRecords; slot += 7) {
                const std::string record = version(slot, round);
                ssize_t written = ::pwrite(
                    fd, record.data(), record.size(), static_cast<off_t>(slot) * kRecordBytes);
                (void)written;
            }
            ::close(fd);
            ++round;
        }
    });
    Stop stop { done, till };
    for (int copy = 0; copy < 20; ++copy) {
        ASSERT_TRUE(copyItemFile(data));
        const std::string copied = readBytes(dir.file("inventor.dat"));
        ASSERT_EQ(copied.size(), film.size());
        for (int slot = 0; slot < kRecords; ++slot) {
            const std::string_view record(copied.data() + slot * kRecordBytes, kRecordBytes);
            ASSERT_EQ(getI64(record, at::number), slot + 1);
            const char fill = record[8];
            ASSERT_EQ(record.find_first_not_of(fill, 8), std::string_view::npos)
                << "slot " << slot << " of copy " << copy << " is torn";
        }
    }
}
