#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "store/activity_log.h"
#include "store/time_stamp.h"
#include "support/test_support.h"
#include "support/torn_append_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

class FixedClock {
public:
    explicit FixedClock(LocalTime time) { setFixedLocalTime(time); }
    ~FixedClock() { setFixedLocalTime(std::nullopt); }
};

std::string bytesOfSize(size_t size)
{
    return std::string(size, 'x');
}

} // namespace

TEST(TimeStamp, StampAndLogPrefixFromTheClock)
{
    FixedClock clock(LocalTime{.year = 2024, .month = 3, .day = 5, .hour = 9, .minute = 7});
    const std::string stamp = makeTimeStamp(localNow());
    EXPECT_EQ(stamp, "09:0705/03/2024");
    EXPECT_EQ(stamp.size(), 15u);
    EXPECT_EQ(logTimePrefix(stamp), "09:07 05/03/2024");
    EXPECT_EQ(logTimePrefixNow(), "09:07 05/03/2024");

    // A stamp read from a damaged record (short, or with a NUL early) is
    // padded rather than read past its end.
    EXPECT_EQ(logTimePrefix("12:3"), "12:3  ");
    EXPECT_EQ(logTimePrefix(std::string_view("0\0:07" "05/03/2024", 15)), "0 :07 05/03/2024");
    EXPECT_EQ(logTimePrefix(""), "  :   ");
}

TEST(ActivityLog, AppendCreatesTheFileThenAddsToTheEnd)
{
    TempDir dir;
    DataDir data(dir.path());
    ASSERT_FALSE(fileExists(dir.file("bun4.dat")));
    EXPECT_TRUE(appendToLog(data, "\r\n09:07 05/03/2024  Switched on.\r\n"));
    EXPECT_TRUE(appendToLog(data, "Clerk: 1, Administrator\r\n"));
    EXPECT_EQ(test::readBytes(dir.file("bun4.dat")),
              "\r\n09:07 05/03/2024  Switched on.\r\nClerk: 1, Administrator\r\n");
}

TEST(ActivityLog, FailedAppendIsReported)
{
    TempDir dir;
    test::writeBytes(dir.file("bun4.dat"), "before\r\n");
    DataDir data(dir.path());
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    bool ok = appendToLog(data, "lost line\r\n");
    setFileAccess(nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::readBytes(dir.file("bun4.dat")), "before\r\n");

    // A log that cannot be opened at all (a folder in its place) is reported too.
    TempDir other;
    ASSERT_EQ(::mkdir(other.file("bun4.dat").c_str(), 0755), 0);
    EXPECT_FALSE(appendToLog(DataDir(other.path()), "text"));
}

// A disk that fills up part-way through an append: the log keeps all of the
// block or none of it, and only a cut that fails too leaves a torn block.
TEST(ActivityLog, AnAppendCutShortIsCutBackToTheOldLength)
{
    const std::string before = "\r\n09:00 05/03/2024  Switched on.\r\n";
    const std::string block = "\r\n09:05 05/03/2024  Log on.\r\nClerk: 4, Clerk 4\r\n";
    const struct Case {
        size_t kept; // bytes the first write puts down
        bool truncateFails;
        bool written;
        bool tornBlockLeft;
        std::string after;
    } cases[] = {
        { 1000, false, true, false, before + block },
        { 10, false, false, false, before },
        { 0, false, false, false, before },
        { 10, true, false, true, before + block.substr(0, 10) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "kept " << c.kept << " cut fails " << c.truncateFails);
        TempDir dir;
        test::writeBytes(dir.file("bun4.dat"), before);
        test::TornAppendAccess disk("bun4.dat", c.kept, c.truncateFails);
        setFileAccess(&disk);
        bool tornBlockLeft = !c.tornBlockLeft;
        const bool written = appendToLog(DataDir(dir.path()), block, &tornBlockLeft);
        setFileAccess(nullptr);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(tornBlockLeft, c.tornBlockLeft);
        EXPECT_EQ(test::readBytes(dir.file("bun4.dat")), c.after);
    }
}

TEST(ActivityLog, RollOverOnlyPastTheCapacity)
{
    struct Case {
        int index;
        size_t size;
        RollOverResult expected;
    };
    const Case cases[] = {
        {0, 100000, RollOverResult::Kept},      {0, 100001, RollOverResult::RolledOver},
        {8, 500000, RollOverResult::Kept},      {8, 500001, RollOverResult::RolledOver},
        {9, 100001, RollOverResult::RolledOver}, {-3, 100000, RollOverResult::Kept},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const std::string log = bytesOfSize(c.size);
        test::writeBytes(dir.file("bun4.dat"), log);
        EXPECT_EQ(rollOverLog(DataDir(dir.path()), c.index), c.expected)
            << "index " << c.index << " size " << c.size;
        if (c.expected == RollOverResult::Kept) {
            EXPECT_EQ(test::readBytes(dir.file("bun4.dat")), log);
            EXPECT_FALSE(fileExists(dir.file("bun2.dat")));
        } else {
            EXPECT_FALSE(fileExists(dir.file("bun4.dat")));
            EXPECT_EQ(test::readBytes(dir.file("bun2.dat")), log);
        }
    }
}

TEST(ActivityLog, RollOverReplacesThePreviousLogAndTheNextAppendStartsAfresh)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string current = bytesOfSize(100001);
    test::writeBytes(dir.file("bun4.dat"), current);
    test::writeBytes(dir.file("bun2.dat"), "the log before last\r\n");
    EXPECT_EQ(rollOverLog(data, 0), RollOverResult::RolledOver);
    EXPECT_EQ(test::readBytes(dir.file("bun2.dat")), current);
    EXPECT_TRUE(appendToLog(data, "\r\nfirst line\r\n"));
    EXPECT_EQ(test::readBytes(dir.file("bun4.dat")), "\r\nfirst line\r\n");
}

TEST(ActivityLog, RollOverCreatesAMissingLog)
{
    TempDir dir;
    EXPECT_EQ(rollOverLog(DataDir(dir.path()), 0), RollOverResult::Kept);
    EXPECT_TRUE(fileExists(dir.file("bun4.dat")));
    EXPECT_EQ(fileSize(dir.file("bun4.dat")), 0);
}

TEST(ActivityLog, FailedRollOverKeepsBothLogs)
{
    TempDir dir;
    const std::string current = bytesOfSize(100001);
    test::writeBytes(dir.file("bun4.dat"), current);
    test::writeBytes(dir.file("bun2.dat"), "previous\r\n");
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail); // the rename
    setFileAccess(&faulty);
    RollOverResult result = rollOverLog(DataDir(dir.path()), 0);
    setFileAccess(nullptr);
    EXPECT_EQ(result, RollOverResult::Failed);
    EXPECT_EQ(test::readBytes(dir.file("bun4.dat")), current);
    EXPECT_EQ(test::readBytes(dir.file("bun2.dat")), "previous\r\n");

    TempDir blocked;
    ASSERT_EQ(::mkdir(blocked.file("bun4.dat").c_str(), 0755), 0);
    EXPECT_EQ(rollOverLog(DataDir(blocked.path()), 0), RollOverResult::Failed);
}

TEST(ActivityLog, PurgeDeletesBothLogs)
{
    TempDir dir;
    test::writeBytes(dir.file("bun4.dat"), "current");
    test::writeBytes(dir.file("BUN2.DAT"), "previous");
    test::writeBytes(dir.file("film.dat"), "items");
    EXPECT_TRUE(purgeLogs(DataDir(dir.path())));
    EXPECT_FALSE(fileExists(dir.file("bun4.dat")));
    EXPECT_FALSE(fileExists(dir.file("BUN2.DAT")));
    EXPECT_TRUE(fileExists(dir.file("film.dat")));
    // Nothing left to delete is not a failure.
    EXPECT_TRUE(purgeLogs(DataDir(dir.path())));
}

TEST(ActivityLog, PurgeReportsALogThatCannotBeDeleted)
{
    TempDir dir;
    test::writeBytes(dir.file("bun2.dat"), "previous");
    test::writeBytes(dir.file("bun4.dat"), "current");
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    bool ok = purgeLogs(DataDir(dir.path()));
    setFileAccess(nullptr);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(fileExists(dir.file("bun2.dat")));
    EXPECT_FALSE(fileExists(dir.file("bun4.dat")));
}
