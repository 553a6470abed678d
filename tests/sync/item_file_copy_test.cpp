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

TEST(ItemFileCopy, CopiesEveryByteOrLeavesTheOldCopy)
{
    TempDir dir;
    DataDir data(dir.path());
    writeBytes(dir.file("inventor.dat"), "old copy");
    std::string error;
    EXPECT_FALSE(copyItemFile(data, &error));
    EXPECT_NE(error.find("film.dat"), std::string::npos);
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), "old copy");

    std::string film;
    for (int i = 0; i < 700; ++i) // more than one read chunk
        film += i % 5 == 0 ? blankRecord(-1) : greenTeaRecord();
    film += "part of a record being appended";
    writeBytes(dir.file("FILM.DAT"), film); // found whatever the case of its name

    FaultyFileAccess faulty;
    faulty.faultWriteNumber(2, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    EXPECT_FALSE(copyItemFile(data));
    setFileAccess(nullptr);
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), "old copy");
    EXPECT_FALSE(fileExists(dir.file("inventor.dat.new~")));

    ASSERT_TRUE(copyItemFile(data, &error)) << error;
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
}

// The copy is on the disk with its folder before the publisher goes on; a
// step that fails keeps the old copy and leaves no temporary file.
TEST(ItemFileCopy, TheCopyIsSyncedWithItsFolderAndAFailedStepKeepsTheOldCopy)
{
    std::string film;
    for (int i = 0; i < 600; ++i) // two read chunks: two writes, then the rename
        film += greenTeaRecord();
    const struct Case {
        int write;
        int sync;
        bool copied;
    } cases[] = {
        { 0, 0, true },  // no fault: the file and its folder synced
        { 1, 0, false }, // the first chunk
        { 2, 0, false }, // the last chunk
        { 3, 0, false }, // the rename
        { 0, 1, false }, // the copy
        { 0, 2, false }, // the folder, after the rename: the copy is there, not yet for sure
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "write " << c.write << " sync " << c.sync);
        TempDir dir;
        writeBytes(dir.file("film.dat"), film);
        writeBytes(dir.file("inventor.dat"), "old copy");
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(c.write, FaultyFileAccess::Mode::Fail);
        faulty.faultSyncNumber(c.sync, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        std::string error;
        const bool copied = copyItemFile(DataDir(dir.path()), &error);
        setFileAccess(nullptr);
        EXPECT_EQ(copied, c.copied) << error;
        EXPECT_EQ(readBytes(dir.file("inventor.dat")), c.copied || c.sync == 2 ? film : "old copy");
        EXPECT_FALSE(fileExists(dir.file("inventor.dat.new~")));
        if (c.copied) {
            EXPECT_EQ(faulty.syncs(), 2);
        } else {
            EXPECT_NE(error.find("inventor.dat"), std::string::npos) << error;
        }
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
    // The till rewrites records through File::writeAt, as its record files do.
    std::thread till([&] {
        for (int round = 1; !done.load(); ++round) {
            File file = File::open(dir.file("film.dat"), File::Mode::ReadWrite);
            for (int slot = round % 7; slot < kRecords; slot += 7) {
                const std::string record = version(slot, round);
                if (!file.writeAt(int64_t(slot) * kRecordBytes, record.data(), record.size()))
                    break;
            }
        }
    });
    int torn = 0;
    for (int copy = 0; copy < 20; ++copy) {
        ASSERT_TRUE(copyItemFile(data));
        const std::string copied = readBytes(dir.file("inventor.dat"));
        for (int slot = 0; slot < kRecords; ++slot) {
            const std::string_view record(copied.data() + slot * kRecordBytes, kRecordBytes);
            if (record.find_first_not_of(record[8], 8) != std::string_view::npos)
                ++torn;
        }
    }
    done = true;
    till.join();
    EXPECT_EQ(torn, 0);
}
